// Looks at and drives a program's main window from outside, as another process would:
//   winprobe state NAME     prints "visible=1 iconic=0 foreground=1 enabled=1 width=1280 ..."
//   winprobe texts NAME     prints the texts of the window's child windows, one per line
//   winprobe minimize NAME  minimises the window
//   winprobe close NAME     asks the window to close
//   winprobe post NAME MESSAGE LPARAM   posts a message with wParam 0
//   winprobe hold           keeps a hidden window, and with it Wine's desktop, until killed
//   winprobe decoy TITLE    shows a toolkit-class window with that title until it is closed
//   winprobe edit TITLE     shows a window with that title holding a focused text field, and
//                           answers lines on standard input: "text" prints the field's text on
//                           one line, "clear" empties it and prints "cleared"
//   winprobe keys           prints the virtual-key codes the system holds down, in decimal
// NAME is the window property the program tags its main window with. Exit code 2: no window.

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

namespace {

HWND FindTaggedWindow(const wchar_t* name) {
    for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); IsWindow(window);
         window = GetWindow(window, GW_HWNDNEXT)) {
        if (GetPropW(window, name)) {
            return window;
        }
    }
    return nullptr;
}

void PrintUtf8Line(const std::wstring& text) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8.data(), size, nullptr, nullptr);
    std::printf("%s\n", utf8.c_str());
    std::fflush(stdout);
}

// Answers the test's requests on its own thread; the window's thread only runs messages, so
// whatever typing reaches the field is never held up by a request.
void AnswerRequests(HWND field) {
    char line[64];
    while (std::fgets(line, sizeof line, stdin)) {
        if (std::strncmp(line, "text", 4) == 0) {
            const int length = GetWindowTextLengthW(field);
            std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
            text.resize(static_cast<std::size_t>(GetWindowTextW(field, text.data(), length + 1)));
            PrintUtf8Line(text);
        } else if (std::strncmp(line, "clear", 5) == 0) {
            SetWindowTextW(field, L"");
            PrintUtf8Line(L"cleared");
        }
    }
}

HWND s_field = nullptr;

int ShowEdit(const wchar_t* title) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam,
                                 LPARAM lParam) -> LRESULT {
        switch (message) {
        case WM_SETFOCUS:
            // Whenever the window is activated, typing goes to the field.
            SetFocus(s_field);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    };
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"WinProbeEdit";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, L"WinProbeEdit", title, WS_OVERLAPPEDWINDOW, 40, 40, 400, 120,
                                  nullptr, nullptr, nullptr, nullptr);
    s_field = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                              10, 10, 360, 30, window, nullptr, nullptr, nullptr);
    if (!window || !s_field) {
        return 1;
    }
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetFocus(s_field);
    std::thread requests(AnswerRequests, s_field);
    requests.detach();
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 2 && std::wstring(argv[1]) == L"hold") {
        CreateWindowExW(0, L"STATIC", L"winprobe hold", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                        nullptr, nullptr);
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            DispatchMessageW(&msg);
        }
        return 0;
    }
    if (argc == 3 && std::wstring(argv[1]) == L"decoy") {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam) -> LRESULT {
            if (message == WM_DESTROY) {
                PostQuitMessage(3);
            }
            return DefWindowProcW(window, message, wParam, lParam);
        };
        windowClass.lpszClassName = L"OrvixClient";
        RegisterClassW(&windowClass);
        CreateWindowExW(0, L"OrvixClient", argv[2], WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                        nullptr, nullptr, nullptr);
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            DispatchMessageW(&msg);
        }
        return static_cast<int>(msg.wParam);
    }
    if (argc == 3 && std::wstring(argv[1]) == L"edit") {
        return ShowEdit(argv[2]);
    }
    if (argc == 2 && std::wstring(argv[1]) == L"keys") {
        for (int key = 1; key < 256; ++key) {
            if (GetAsyncKeyState(key) & 0x8000) {
                std::printf("%d\n", key);
            }
        }
        return 0;
    }
    if (argc == 5 && std::wstring(argv[1]) == L"post") {
        HWND window = FindTaggedWindow(argv[2]);
        if (!window) {
            return 2;
        }
        PostMessageW(window, static_cast<UINT>(_wtoi(argv[3])), 0, _wtoi(argv[4]));
        return 0;
    }
    if (argc != 3) {
        std::fputs("usage: winprobe state|texts|minimize|close NAME, winprobe post NAME MESSAGE "
                   "LPARAM, winprobe decoy|edit TITLE, winprobe keys or winprobe hold\n",
                   stderr);
        return 1;
    }
    const std::wstring command = argv[1];
    HWND window = FindTaggedWindow(argv[2]);
    if (!window) {
        return 2;
    }
    if (command == L"state") {
        RECT rect = {};
        GetWindowRect(window, &rect);
        wchar_t title[256] = {};
        GetWindowTextW(window, title, 256);
        std::printf("visible=%d iconic=%d foreground=%d enabled=%d width=%ld height=%ld left=%ld "
                    "top=%ld\n",
                    IsWindowVisible(window) ? 1 : 0, IsIconic(window) ? 1 : 0,
                    GetForegroundWindow() == window ? 1 : 0, IsWindowEnabled(window) ? 1 : 0,
                    rect.right - rect.left, rect.bottom - rect.top, rect.left, rect.top);
        return 0;
    }
    if (command == L"texts") {
        // The system keeps a copy of each text, so this never waits on the window's thread.
        for (HWND child = GetWindow(window, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t text[256] = {};
            GetWindowTextW(child, text, 256);
            char utf8[1024] = {};
            WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
            std::printf("%s\n", utf8);
        }
        return 0;
    }
    if (command == L"minimize") {
        ShowWindow(window, SW_MINIMIZE);
        return 0;
    }
    if (command == L"close") {
        PostMessageW(window, WM_CLOSE, 0, 0);
        return 0;
    }
    return 1;
}
