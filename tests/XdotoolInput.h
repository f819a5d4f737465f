#pragma once

#include <windows.h>

#include <string>

// Focuses the window titled `windowTitle` on the X display and types `keys` (xdotool key
// names) into it there, as a real keyboard would: the input is not flagged as injected.
inline bool TypeWithXdotool(const std::wstring& windowTitle, const std::wstring& keys) {
    std::wstring line = L"start.exe /unix /usr/bin/xdotool search --name " + windowTitle +
                        L" windowfocus --sync key --delay 40 " + keys;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}
