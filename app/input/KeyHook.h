#pragma once

#include <cstdint>
#include <vector>

// The system-wide low-level keyboard hook used while a macro is recorded. Each key event is
// sent as message 1654 (wParam: the keyboard message, lParam: the hook's key record) to the
// enabled targets in order; a non-zero answer swallows the key. The hook runs on the thread
// that installed it, the user-interface thread, which also owns every KeyHook call.
class KeyHook {
public:
    static constexpr unsigned TargetMessage = 1654;

    struct Target {
        void* window = nullptr; // HWND
        bool enabled = true;
        unsigned message = TargetMessage;
        bool operator==(const Target&) const = default;
    };

    // The new hook becomes the one the hook procedure serves.
    KeyHook();
    ~KeyHook();
    KeyHook(const KeyHook&) = delete;
    KeyHook& operator=(const KeyHook&) = delete;

    bool Install();
    // Reinstalls the hook (so it runs first) and adds the window unless already there.
    void AddTarget(void* window);
    void Uninstall();
    void Clear() { m_targets.clear(); }

    bool IsInstalled() const { return m_hook != nullptr; }
    const std::vector<Target>& Targets() const { return m_targets; }

    // The KeyHook the hook procedure serves, or null.
    static KeyHook* Current();

private:
    void* m_hook = nullptr; // HHOOK
    std::vector<Target> m_targets;
};
