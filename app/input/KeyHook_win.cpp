#include "app/input/KeyHook.h"

#include <windows.h>

#include <algorithm>

namespace {

KeyHook* s_current = nullptr;

LRESULT CALLBACK RecordingHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && s_current != nullptr) {
        // A target may end the recording and delete the hook while handling the message.
        const std::vector<KeyHook::Target> targets = s_current->Targets();
        for (const KeyHook::Target& target : targets) {
            HWND window = static_cast<HWND>(target.window);
            if (target.enabled && IsWindow(window) &&
                SendMessageW(window, target.message, wParam, lParam) != 0) {
                return 1;
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

KeyHook::KeyHook() { s_current = this; }

KeyHook::~KeyHook() {
    Uninstall();
    if (s_current == this) {
        s_current = nullptr;
    }
}

KeyHook* KeyHook::Current() { return s_current; }

bool KeyHook::Install() {
    if (m_hook == nullptr) {
        m_hook = SetWindowsHookExW(WH_KEYBOARD_LL, RecordingHook, GetModuleHandleW(nullptr), 0);
    }
    return m_hook != nullptr;
}

void KeyHook::AddTarget(void* window) {
    Uninstall();
    Install();
    const Target target{window, true, TargetMessage};
    if (std::find(m_targets.begin(), m_targets.end(), target) == m_targets.end()) {
        m_targets.push_back(target);
    }
}

void KeyHook::Uninstall() {
    if (m_hook != nullptr) {
        UnhookWindowsHookEx(static_cast<HHOOK>(m_hook));
        m_hook = nullptr;
    }
}
