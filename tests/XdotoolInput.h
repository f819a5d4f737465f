#pragma once

#include <windows.h>

#include <string>

// Focuses the window titled `windowTitle` on the X display and runs the xdotool `commands`
// there (such as "keydown a sleep 0.03 keyup a"), as a real keyboard would: the input is not
// flagged as injected.
inline bool RunXdotool(const std::wstring& windowTitle, const std::wstring& commands) {
    std::wstring line = L"start.exe /unix /usr/bin/xdotool search --name " + windowTitle +
                        L" windowfocus --sync " + commands;
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

// Types `keys` (xdotool key names), each pressed and released at once.
inline bool TypeWithXdotool(const std::wstring& windowTitle, const std::wstring& keys) {
    return RunXdotool(windowTitle, L"key --delay 40 " + keys);
}
