#include "toolkit/controls/CTimerButton.h"

#include "toolkit/core/PaintManager.h"

#include <algorithm>
#include <string>

namespace OrvixUI {

CTimerButton::CTimerButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                           BOOL visible, BOOL enabled)
    : MButton(parent, id, rect, title, visible, enabled) {}

// Leaves the shared timer before any member goes: the tick runs on the timer's thread, and
// leaving waits for a tick in progress.
CTimerButton::~CTimerButton() {
    if (m_manager) {
        m_manager->DeleteFSTimer(this);
    }
}

ULONGLONG CTimerButton::Now() const { return GetTickCount64(); }

int CTimerButton::SecondsLeftAt(ULONGLONG now) const {
    const ULONGLONG start = m_start.load();
    const ULONGLONG elapsed = now > start ? now - start : 0;
    const auto whole = static_cast<long long>(elapsed / 1000);
    return static_cast<int>(std::clamp(10 - whole, 0LL, 10LL));
}

void CTimerButton::SetRun(BOOL run) {
    if (!run) {
        if (Stop()) {
            UpdateControl(TRUE, FALSE);
        }
        return;
    }
    if (!m_enabled) {
        return;
    }
    m_start = Now();
    m_secondsShown = 10;
    m_running = true;
    if (!m_onTimer) {
        // Registered once: the shared timer's list does not check for duplicates.
        AddMTimer();
        m_onTimer = m_manager != nullptr;
    }
    SetRunTimer(TRUE);
    UpdateControl(TRUE, FALSE);
}

BOOL CTimerButton::IsRun() const { return m_running ? TRUE : FALSE; }

int CTimerButton::GetSecondsLeft() const { return m_running ? SecondsLeftAt(Now()) : 0; }

bool CTimerButton::Stop() {
    const bool wasRunning = m_running.exchange(false);
    if (wasRunning) {
        SetRunTimer(FALSE);
    }
    return wasRunning;
}

BOOL CTimerButton::OnControlTimer() {
    if (!m_running) {
        return FALSE;
    }
    const ULONGLONG now = Now();
    const ULONGLONG start = m_start.load();
    if (now > start && now - start > kRunMilliseconds) {
        if (Stop()) {
            UpdateControl(TRUE, FALSE);
            SendMessageW(2, 0, 0);
        }
        return TRUE;
    }
    const int left = SecondsLeftAt(now);
    if (m_secondsShown.exchange(left) != left) {
        UpdateControl(TRUE, FALSE);
        return TRUE;
    }
    return FALSE;
}

BOOL CTimerButton::OnControlLButtonUp(UINT flags, POINT point) {
    if (m_enabled && m_state == kPressed && ::PtInRect(&m_rect, point) && Stop()) {
        UpdateControl(TRUE, FALSE);
    }
    return MButton::OnControlLButtonUp(flags, point);
}

std::wstring CTimerButton::ShownTitle() const {
    if (!m_running) {
        return m_title;
    }
    return m_title + L"(" + std::to_wstring(m_secondsShown.load()) + L"s)";
}

} // namespace OrvixUI
