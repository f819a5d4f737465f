#pragma once

#include <windows.h>

#include <atomic>
#include <functional>

// Runs calls made on other threads on the thread that owns a window, while the calling thread
// waits: a private message carries the call, sent synchronously. The device worker reaches
// the main window this way, so every window operation stays on the user-interface thread and
// the worker's order around a task holds.
//
// Once closing has begun, calls from other threads are dropped instead of sent, so a window
// that waits for those threads to end never waits on a thread that waits for it.
class UiThreadCalls {
public:
    static constexpr UINT kCallMessage = WM_APP + 0x31;

    // The window whose thread runs the calls; called on that thread.
    void Attach(HWND window);
    // From now on, calls from other threads are dropped.
    void BeginClosing() { m_closing = true; }
    bool Closing() const { return m_closing.load(); }

    // Runs `call` on the window's thread and returns when it has run. False when it was
    // dropped: the window is closing or gone.
    bool Run(const std::function<void()>& call);

    // The window procedure's part: runs a carried call. True when `message` was one.
    static bool Handle(UINT message, WPARAM wParam, LPARAM lParam);

    // Waits on the window's thread until `done` holds, running the calls other threads send
    // meanwhile; false when `timeoutMs` passed first.
    static bool WaitRunningCalls(const std::function<bool()>& done, DWORD timeoutMs);

private:
    std::atomic<HWND> m_window{nullptr};
    std::atomic<DWORD> m_thread{0};
    std::atomic<bool> m_closing{false};
};
