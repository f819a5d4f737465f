#include "app/ui/UiThreadCalls.h"

#include <algorithm>

void UiThreadCalls::Attach(HWND window) {
    m_thread = GetCurrentThreadId();
    m_window = window;
}

bool UiThreadCalls::Run(const std::function<void()>& call) {
    if (GetCurrentThreadId() == m_thread.load()) {
        call();
        return true;
    }
    HWND window = m_window.load();
    if (m_closing.load() || !window) {
        return false;
    }
    // The result tells a call that ran from a window that was destroyed meanwhile.
    return SendMessageW(window, kCallMessage, 0, reinterpret_cast<LPARAM>(&call)) == 1;
}

bool UiThreadCalls::Handle(UINT message, WPARAM, LPARAM lParam) {
    if (message != kCallMessage) {
        return false;
    }
    (*reinterpret_cast<const std::function<void()>*>(lParam))();
    return true;
}

bool UiThreadCalls::WaitRunningCalls(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!done()) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) {
            return false;
        }
        // Sent messages are delivered inside the wait and by the peek; posted ones stay queued.
        MsgWaitForMultipleObjects(0, nullptr, FALSE,
                                  static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 10)),
                                  QS_SENDMESSAGE);
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    return true;
}
