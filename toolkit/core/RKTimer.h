#pragma once

#include "toolkit/core/OrvixApi.h"

#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

namespace OrvixUI {

// Periodic multimedia timer events owned by one object. The callbacks run on the system's
// timer thread: OnMTimer(id) for every event, OnMTimer(id, name) also for application timers.
class ORVIXUI_API RKTimer {
public:
    RKTimer();
    virtual ~RKTimer();
    RKTimer(const RKTimer&) = delete;
    RKTimer& operator=(const RKTimer&) = delete;

    // Returns the event id, 0 when the system refused.
    UINT SetTimer(UINT milliseconds, const wchar_t* name, BOOL appTimer);
    // Returns the number of events left.
    int KillTimer(UINT id);
    void KillTimer(const wchar_t* name);
    void KillTimer();
    BOOL GetTimerIsRun(UINT id);
    BOOL GetTimerIsRun(const wchar_t* name);
    BOOL IsAppTimer(UINT id);
    // Empty when the id is unknown; the text stays valid while the event lives.
    const wchar_t* GetTimerName(UINT id);
    // The live timer object that owns the event id, or null.
    static RKTimer* GetFSTimer(UINT id);

    virtual void OnMTimer(UINT id);
    virtual void OnMTimer(UINT id, const wchar_t* name);

private:
    struct Event {
        UINT id;
        std::wstring name;
        BOOL appTimer;
    };
    static void CALLBACK Callback(UINT id, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR);
    void Dispatch(UINT id);

    std::recursive_mutex m_lock;
    std::vector<Event> m_events;
    UINT m_resolution = 0;
};

} // namespace OrvixUI
