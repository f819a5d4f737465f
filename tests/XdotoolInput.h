#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace xdotool_input {

// xdotool runs on its own after start.exe hands it over. A run still typing when its window
// is destroyed sends the rest to a window that is gone and dies of the X error, leaving a
// pressed key (a modifier, say) held on the X display for every later test. Each run removes a
// marker file once its last key is sent, so that windows can wait for it before they close.
class Runs {
public:
    // A run that never finds its window leaves its marker; ten seconds is far beyond any run.
    ~Runs() {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!Finished() && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        for (const std::wstring& marker : m_markers) {
            DeleteFileW(marker.c_str());
        }
    }

    // Forgets the runs that have ended; true when none is left.
    bool Finished() {
        std::erase_if(m_markers, [](const std::wstring& marker) {
            return GetFileAttributesW(marker.c_str()) == INVALID_FILE_ATTRIBUTES;
        });
        return m_markers.empty();
    }

    // A fresh marker (created here) as its Windows and its Unix path.
    std::pair<std::wstring, std::wstring> NewMarker() {
        const std::wstring name = L"clavira-xdotool-" + std::to_wstring(GetCurrentProcessId()) +
                                  L"-" + std::to_wstring(m_count++) + L".busy";
        const std::wstring windowsPath = L"Z:\\tmp\\" + name;
        HANDLE file = CreateFileW(windowsPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return {};
        }
        CloseHandle(file);
        m_markers.push_back(windowsPath);
        return {windowsPath, L"/tmp/" + name};
    }

private:
    std::vector<std::wstring> m_markers; // of the runs still typing
    int m_count = 0;
};

inline Runs runs;

} // namespace xdotool_input

// True once every xdotool run this process started has sent its last key. Pump the typed
// window's messages until then before destroying it.
inline bool XdotoolRunsFinished() { return xdotool_input::runs.Finished(); }

// Focuses the window titled `windowTitle` on the X display and runs the xdotool `commands`
// there (such as "keydown a sleep 0.03 keyup a"), as a real keyboard would: the input is not
// flagged as injected. Returns once xdotool has started; its keys arrive while the caller pumps.
inline bool RunXdotool(const std::wstring& windowTitle, const std::wstring& commands) {
    const auto [marker, unixMarker] = xdotool_input::runs.NewMarker();
    if (marker.empty()) {
        return false;
    }
    std::wstring line = L"start.exe /unix /usr/bin/xdotool search --name " + windowTitle +
                        L" windowfocus --sync " + commands + L" exec rm -f " + unixMarker;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        DeleteFileW(marker.c_str());
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
