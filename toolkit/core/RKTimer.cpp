#include "toolkit/core/RKTimer.h"

#include <mmsystem.h>

#include <algorithm>

namespace OrvixUI {

namespace {

std::mutex& LiveLock() {
    static std::mutex lock;
    return lock;
}

std::vector<RKTimer*>& LiveTimers() {
    static std::vector<RKTimer*> timers;
    return timers;
}

} // namespace

RKTimer::RKTimer() {
    std::lock_guard guard(LiveLock());
    LiveTimers().push_back(this);
}

RKTimer::~RKTimer() {
    KillTimer();
    if (m_resolution) {
        timeEndPeriod(m_resolution);
    }
    std::lock_guard guard(LiveLock());
    auto& timers = LiveTimers();
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
}

UINT RKTimer::SetTimer(UINT milliseconds, const wchar_t* name, BOOL appTimer) {
    std::lock_guard guard(m_lock);
    if (!m_resolution) {
        TIMECAPS caps = {};
        UINT resolution = 1;
        if (timeGetDevCaps(&caps, sizeof caps) == TIMERR_NOERROR) {
            resolution = std::min(std::max(caps.wPeriodMin, 1u), caps.wPeriodMax);
        }
        if (timeBeginPeriod(resolution) == TIMERR_NOERROR) {
            m_resolution = resolution;
        }
    }
    UINT id =
        timeSetEvent(milliseconds, m_resolution ? m_resolution : 1, Callback,
                     reinterpret_cast<DWORD_PTR>(this), TIME_PERIODIC | TIME_CALLBACK_FUNCTION);
    if (id) {
        m_events.push_back(Event{id, name ? name : L"", appTimer});
    }
    return id;
}

int RKTimer::KillTimer(UINT id) {
    std::lock_guard guard(m_lock);
    auto found = std::find_if(m_events.begin(), m_events.end(),
                              [id](const Event& event) { return event.id == id; });
    if (found != m_events.end()) {
        timeKillEvent(found->id);
        m_events.erase(found);
    }
    return static_cast<int>(m_events.size());
}

void RKTimer::KillTimer(const wchar_t* name) {
    std::wstring wanted = name ? name : L"";
    std::lock_guard guard(m_lock);
    std::erase_if(m_events, [&wanted](const Event& event) {
        if (event.name != wanted) {
            return false;
        }
        timeKillEvent(event.id);
        return true;
    });
}

void RKTimer::KillTimer() {
    std::lock_guard guard(m_lock);
    for (const Event& event : m_events) {
        timeKillEvent(event.id);
    }
    m_events.clear();
}

BOOL RKTimer::GetTimerIsRun(UINT id) {
    std::lock_guard guard(m_lock);
    return std::any_of(m_events.begin(), m_events.end(),
                       [id](const Event& event) { return event.id == id; });
}

BOOL RKTimer::GetTimerIsRun(const wchar_t* name) {
    std::wstring wanted = name ? name : L"";
    std::lock_guard guard(m_lock);
    return std::any_of(m_events.begin(), m_events.end(),
                       [&wanted](const Event& event) { return event.name == wanted; });
}

BOOL RKTimer::IsAppTimer(UINT id) {
    std::lock_guard guard(m_lock);
    for (const Event& event : m_events) {
        if (event.id == id) {
            return event.appTimer;
        }
    }
    return FALSE;
}

const wchar_t* RKTimer::GetTimerName(UINT id) {
    std::lock_guard guard(m_lock);
    for (const Event& event : m_events) {
        if (event.id == id) {
            return event.name.c_str();
        }
    }
    return L"";
}

RKTimer* RKTimer::GetFSTimer(UINT id) {
    std::lock_guard guard(LiveLock());
    for (RKTimer* timer : LiveTimers()) {
        if (timer->GetTimerIsRun(id)) {
            return timer;
        }
    }
    return nullptr;
}

void RKTimer::OnMTimer(UINT) {}
void RKTimer::OnMTimer(UINT, const wchar_t*) {}

void RKTimer::Dispatch(UINT id) {
    OnMTimer(id);
    std::wstring name;
    BOOL appTimer = FALSE;
    {
        std::lock_guard guard(m_lock);
        for (const Event& event : m_events) {
            if (event.id == id) {
                appTimer = event.appTimer;
                name = event.name;
            }
        }
    }
    if (appTimer) {
        OnMTimer(id, name.c_str());
    }
}

void CALLBACK RKTimer::Callback(UINT id, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR) {
    reinterpret_cast<RKTimer*>(user)->Dispatch(id);
}

} // namespace OrvixUI
