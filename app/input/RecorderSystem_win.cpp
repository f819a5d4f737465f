#include "app/input/RecorderSystem.h"

#include <windows.h>

std::wstring SystemKeyNames::SystemKeyName(int code) {
    const UINT scanCode = MapVirtualKeyW(static_cast<UINT>(code), MAPVK_VK_TO_VSC);
    const LONG scanWord = static_cast<LONG>(KeyNameScanWord(code, scanCode));
    wchar_t name[64] = {};
    const int length = GetKeyNameTextW(scanWord << 16, name, static_cast<int>(std::size(name)));
    return std::wstring(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::int64_t SystemRecorderClock::NowMs() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER ticks;
    ticks.LowPart = now.dwLowDateTime;
    ticks.HighPart = now.dwHighDateTime;
    return static_cast<std::int64_t>(ticks.QuadPart / 10000);
}

bool RegisterRawKeyInput(void* window) {
    RAWINPUTDEVICE devices[2]{};
    devices[0].usUsagePage = 1;
    devices[0].usUsage = 2; // mouse
    devices[0].dwFlags = RIDEV_INPUTSINK;
    devices[0].hwndTarget = static_cast<HWND>(window);
    devices[1] = devices[0];
    devices[1].usUsage = 6; // keyboard
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (RegisterRawInputDevices(devices, 2, sizeof(RAWINPUTDEVICE))) {
            return true;
        }
    }
    return false;
}

std::optional<RawKey> ReadRawKey(std::intptr_t rawInput) {
    RAWINPUT input{};
    UINT size = sizeof(input);
    const UINT read = GetRawInputData(reinterpret_cast<HRAWINPUT>(rawInput), RID_INPUT, &input,
                                      &size, sizeof(RAWINPUTHEADER));
    if (read == static_cast<UINT>(-1) || read < sizeof(RAWINPUTHEADER) ||
        input.header.dwType != RIM_TYPEKEYBOARD) {
        return std::nullopt;
    }
    return RawKey{input.data.keyboard.Message, input.data.keyboard.VKey};
}
