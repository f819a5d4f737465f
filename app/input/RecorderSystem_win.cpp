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
