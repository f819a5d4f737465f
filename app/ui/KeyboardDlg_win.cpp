#include "app/ui/KeyboardDlg.h"

#include "toolkit/core/Manager.h"

namespace {

constexpr wchar_t kWindowClass[] = L"ClaviraMainWindow";
constexpr int kWidth = 1280;
constexpr int kHeight = 720;
constexpr COLORREF kBackground = RGB(24, 26, 31);
constexpr COLORREF kTitleColour = RGB(230, 232, 236);

void RegisterWindowClass(WNDPROC procedure) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = OrvixUI::Manager::GetInstance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);
}

} // namespace

int KeyboardDlg::DoModal(int showCommand) {
    RegisterWindowClass(&KeyboardDlg::WindowProc);
    const wchar_t* name = OrvixUI::Manager::GetDeviceName();
    m_window = CreateWindowExW(
        0, kWindowClass, name, WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
        kWidth, kHeight, nullptr, nullptr, OrvixUI::Manager::GetInstance(), this);
    if (!m_window) {
        return 0;
    }
    SetPropW(m_window, name, reinterpret_cast<HANDLE>(1));
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(m_window, nullptr, work.left + (work.right - work.left - kWidth) / 2,
                 work.top + (work.bottom - work.top - kHeight) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(m_window, showCommand);
    UpdateWindow(m_window);
    OrvixUI::Manager::MessageLoop();
    return 1;
}

LRESULT CALLBACK KeyboardDlg::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<KeyboardDlg*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || !self->m_window) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
}

LRESULT KeyboardDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) {
            PostMessageW(m_window, WM_CLOSE, 0, 0);
        }
        return 0;
    case WM_DESTROY:
        RemovePropW(m_window, OrvixUI::Manager::GetDeviceName());
        m_window = nullptr;
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

void KeyboardDlg::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_window, &paint);
    RECT client;
    GetClientRect(m_window, &client);
    HBRUSH background = CreateSolidBrush(kBackground);
    FillRect(dc, &client, background);
    DeleteObject(background);

    HFONT font = CreateFontW(-48, 0, 0, 0, FW_SEMIBOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH,
                             OrvixUI::Manager::GetFontName());
    HGDIOBJ previous = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kTitleColour);
    DrawTextW(dc, OrvixUI::Manager::GetDeviceName(), -1, &client,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
    DeleteObject(font);
    EndPaint(m_window, &paint);
}
