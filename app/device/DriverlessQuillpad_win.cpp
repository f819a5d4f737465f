#include "app/device/DriverlessQuillpad.h"

#include "app/device/DriverlessKeyCodes.h"

#include <windows.h>

#include <vector>

namespace {

bool MakeInput(const VirtualInputChange& change, INPUT& input) {
    input = INPUT{};
    switch (change.kind) {
    case VirtualInputChange::Kind::Key: {
        const auto stroke = VirtualKeyOfUsage(change.code);
        if (!stroke) {
            return false;
        }
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = static_cast<WORD>(stroke->virtualKey);
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(stroke->virtualKey, MAPVK_VK_TO_VSC));
        input.ki.dwFlags =
            (stroke->extended ? KEYEVENTF_EXTENDEDKEY : 0) | (change.pressed ? 0 : KEYEVENTF_KEYUP);
        return true;
    }
    case VirtualInputChange::Kind::MouseButton: {
        // Bit n is HID button n + 1: left, right, middle, back, forward.
        static constexpr DWORD down[] = {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_RIGHTDOWN,
                                         MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_XDOWN,
                                         MOUSEEVENTF_XDOWN};
        static constexpr DWORD up[] = {MOUSEEVENTF_LEFTUP, MOUSEEVENTF_RIGHTUP,
                                       MOUSEEVENTF_MIDDLEUP, MOUSEEVENTF_XUP, MOUSEEVENTF_XUP};
        if (change.code < 0 || change.code > 4) {
            return false;
        }
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = change.pressed ? down[change.code] : up[change.code];
        if (change.code == 3) {
            input.mi.mouseData = XBUTTON1;
        } else if (change.code == 4) {
            input.mi.mouseData = XBUTTON2;
        }
        return true;
    }
    case VirtualInputChange::Kind::Consumer: {
        const auto virtualKey = VirtualKeyOfConsumerUsage(static_cast<std::uint16_t>(change.code));
        if (!virtualKey) {
            return false;
        }
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = static_cast<WORD>(*virtualKey);
        input.ki.dwFlags = KEYEVENTF_EXTENDEDKEY | (change.pressed ? 0 : KEYEVENTF_KEYUP);
        return true;
    }
    }
    return false;
}

bool Send(const std::vector<VirtualInputChange>& changes) {
    std::vector<INPUT> inputs;
    for (const VirtualInputChange& change : changes) {
        INPUT input;
        if (MakeInput(change, input)) {
            inputs.push_back(input);
        }
    }
    if (inputs.empty()) {
        return true;
    }
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) ==
           inputs.size();
}

} // namespace

DriverlessQuillpad::~DriverlessQuillpad() {
    std::lock_guard guard(m_lock);
    Send(m_translator.ReleaseAll());
}

bool DriverlessQuillpad::Find() {
    std::lock_guard guard(m_lock);
    Send(m_translator.ReleaseAll());
    return true;
}

bool DriverlessQuillpad::WriteFrame(const QuillpadFrame& frame) {
    std::lock_guard guard(m_lock);
    return Send(m_translator.Apply(frame));
}
