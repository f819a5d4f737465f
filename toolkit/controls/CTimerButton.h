#pragma once

#include "toolkit/controls/MButton.h"

#include <atomic>

namespace OrvixUI {

// A button with a 10-second countdown: while it runs its title reads "title(Ns)"; when the
// time is up it sends code 2 (from the shared animation timer's thread) and stops. A click
// stops it too and sends code 2. Exactly one of the two reports the end of a run.
class ORVIXUI_API CTimerButton : public MButton {
public:
    static constexpr ULONGLONG kRunMilliseconds = 10000;

    CTimerButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title, BOOL visible,
                 BOOL enabled);
    ~CTimerButton() override;

    // 1 starts the countdown (only while enabled), 0 stops it without a notification.
    void SetRun(BOOL run);
    BOOL IsRun() const;
    // Whole seconds left of the countdown (0 ... 10).
    int GetSecondsLeft() const;

protected:
    // Milliseconds of a monotonic clock.
    virtual ULONGLONG Now() const;
    BOOL OnControlTimer() override;
    BOOL OnControlLButtonUp(UINT flags, POINT point) override;
    std::wstring ShownTitle() const override;

private:
    int SecondsLeftAt(ULONGLONG now) const;
    // True for the caller that ended the run.
    bool Stop();

    std::atomic<bool> m_running{false};
    std::atomic<ULONGLONG> m_start{0};
    std::atomic<int> m_secondsShown{0};
    bool m_onTimer = false;
};

} // namespace OrvixUI
