#pragma once

#include <windows.h>

#include <atomic>
#include <string>

// Fetches version texts and packages from the update service over WinINet. One per main
// window; transfers run on the device worker, and another thread may cancel them when the
// program closes.
//
// Results: 1 success, -2 cancelled, -1 the address could not be opened, the server answered
// with an error, a read failed or timed out, or fewer bytes arrived than announced; 0 when no
// internet handle could be had.
class HttpDownloader {
public:
    static constexpr UINT kProgressMessage = 0x69A;
    // Version texts are a few bytes; anything larger is not one.
    static constexpr size_t kMaxTextBytes = 64 * 1024;

    int FetchText(const std::wstring& url, std::wstring& text);

    // Stores the resource in `path`. With a window, progress values are posted to it as
    // kProgressMessage (wParam 0, lParam the value). A failed or cancelled download leaves no
    // file behind.
    int DownloadFile(const std::wstring& url, const std::wstring& path, HWND window);

    // Ends the transfer under way and refuses every later one: a task that fetches a version
    // and then downloads a package must not start the download once the program is closing.
    void Cancel() { m_cancelled = true; }

    // Dead or stalling servers must not hold the worker for long.
    void SetTimeouts(DWORD connectMs, DWORD receiveMs);

private:
    std::atomic<bool> m_cancelled{false};
    int m_lastProgress = 0;
    DWORD m_connectMs = 15000;
    DWORD m_receiveMs = 30000;
};
