#pragma once

#include "tests/XdotoolInput.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A focused top-level window holding an edit control, for typing into on the X display with
// xdotool; it waits for the typing to end before it closes. Its message pump wakes as soon as input
// arrives, logs every key message in `keys` and shows it to `onKeyMessage` before dispatching it.
class TypingWindow {
public:
    explicit TypingWindow(const wchar_t* title) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"ClaviraTypingWindow";
        RegisterClassW(&windowClass);
        m_window =
            CreateWindowExW(0, windowClass.lpszClassName, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                            40, 40, 400, 160, nullptr, nullptr, windowClass.hInstance, nullptr);
        m_edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 5, 5, 380,
                                 30, m_window, nullptr, windowClass.hInstance, nullptr);
        SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetForegroundWindow(m_window);
        SetFocus(m_edit);
        Pump(std::chrono::milliseconds(200));
    }
    ~TypingWindow() {
        PumpUntil(XdotoolRunsFinished);
        DestroyWindow(m_window);
    }
    TypingWindow(const TypingWindow&) = delete;
    TypingWindow& operator=(const TypingWindow&) = delete;

    HWND Handle() const { return m_window; }

    void Pump(std::chrono::milliseconds time) {
        const auto end = std::chrono::steady_clock::now() + time;
        do {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_KEYDOWN || message.message == WM_KEYUP ||
                    message.message == WM_SYSKEYDOWN || message.message == WM_SYSKEYUP) {
                    keys.emplace_back(message.message, message.wParam);
                    if (onKeyMessage) {
                        onKeyMessage(message);
                    }
                }
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        } while (std::chrono::steady_clock::now() < end);
    }
    template <typename Done>
    bool PumpUntil(Done done, std::chrono::milliseconds limit = std::chrono::milliseconds(5000)) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (!done()) {
            if (std::chrono::steady_clock::now() > end) {
                return false;
            }
            Pump(std::chrono::milliseconds(5));
        }
        return true;
    }
    bool Received(UINT message, WPARAM key) const {
        return std::find(keys.begin(), keys.end(), std::pair(message, key)) != keys.end();
    }
    std::wstring Text() const {
        wchar_t text[256]{};
        GetWindowTextW(m_edit, text, 256);
        return text;
    }

    std::vector<std::pair<UINT, WPARAM>> keys;
    std::function<void(const MSG&)> onKeyMessage;
    // Sees the messages of the top-level window itself (sent ones too); a value is the answer,
    // none passes the message on.
    std::function<std::optional<LRESULT>(UINT, WPARAM, LPARAM)> onWindowMessage;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<TypingWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self != nullptr && message == WM_SETFOCUS) {
            SetFocus(self->m_edit);
            return 0;
        }
        if (self != nullptr && self->onWindowMessage) {
            if (const auto result = self->onWindowMessage(message, wParam, lParam)) {
                return *result;
            }
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    HWND m_window = nullptr;
    HWND m_edit = nullptr;
};
