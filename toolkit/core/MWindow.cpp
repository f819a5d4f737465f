#include "toolkit/core/MWindow.h"

#include "toolkit/core/Manager.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <string>

namespace OrvixUI {

namespace {

constexpr const wchar_t* kControlProperty = L"Control";

HINSTANCE Instance() {
    HINSTANCE instance = Manager::GetInstance();
    return instance ? instance : GetModuleHandleW(nullptr);
}

// The system procedure behind each superclass, by the superclass's name: messages that arrive
// before WM_NCCREATE (WM_GETMINMAXINFO, WM_NCCREATE itself) have no object to ask.
struct Superclasses {
    std::mutex lock;
    std::map<std::wstring, WNDPROC> procedures;
};

Superclasses& SuperclassTable() {
    static Superclasses table;
    return table;
}

WNDPROC SuperclassProcedure(HWND hwnd) {
    wchar_t name[256] = {};
    ::GetClassNameW(hwnd, name, 256);
    Superclasses& table = SuperclassTable();
    std::lock_guard guard(table.lock);
    auto found = table.procedures.find(name);
    return found != table.procedures.end() ? found->second : ::DefWindowProcW;
}

} // namespace

struct MWindow::ModalState {
    INT_PTR result = IDCANCEL;
    HWND owner = nullptr;
    bool disabledOwner = false;
};

MWindow::MWindow() = default;

MWindow::~MWindow() {
    Manager::DeleteWnd(this);
    if (m_hwnd && IsWindow(m_hwnd)) {
        // The window outlives no object: detach it first so that its last messages find none.
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        RemovePropW(m_hwnd, kControlProperty);
        ::DestroyWindow(m_hwnd);
    }
}

const wchar_t* MWindow::GetWindowClassName() { return L"OrvixClient"; }
const wchar_t* MWindow::GetSuperClassName() { return nullptr; }

BOOL MWindow::ShowWindow(int cmd) {
    return m_hwnd && IsWindow(m_hwnd) ? ::ShowWindow(m_hwnd, cmd) : FALSE;
}

LRESULT MWindow::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallPrevProc(message, wParam, lParam);
}

BOOL MWindow::PreTranslateMessage(MSG*) { return FALSE; }
BOOL MWindow::OnInitDialog() { return TRUE; }
void MWindow::OnDestroyMessage(HWND) {}

LRESULT MWindow::CallPrevProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!m_hwnd) {
        return 0;
    }
    return CallWindowProcW(m_prevProc, m_hwnd, message, wParam, lParam);
}

// ---------------------------------------------------------------------------------------------
// Class registration and message routing

bool MWindow::RegisterWindowClass() {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = Instance();
    wc.lpszClassName = GetWindowClassName();
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool MWindow::RegisterSuperclass() {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    const wchar_t* super = GetSuperClassName();
    if (!GetClassInfoExW(nullptr, super, &wc) && !GetClassInfoExW(Instance(), super, &wc)) {
        return false;
    }
    m_prevProc = wc.lpfnWndProc;
    {
        Superclasses& table = SuperclassTable();
        std::lock_guard guard(table.lock);
        table.procedures[GetWindowClassName()] = wc.lpfnWndProc;
    }
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ControlProc;
    wc.hInstance = Instance();
    wc.lpszClassName = GetWindowClassName();
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

MWindow* MWindow::FromHandle(HWND hwnd) { return Manager::FindWnd(hwnd); }

LRESULT CALLBACK MWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MWindow* window = nullptr;
    if (message == WM_NCCREATE) {
        window = static_cast<MWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    } else {
        window = reinterpret_cast<MWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!window) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return Route(window, hwnd, message, wParam, lParam, false);
}

LRESULT CALLBACK MWindow::ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MWindow* window = nullptr;
    if (message == WM_NCCREATE) {
        window = static_cast<MWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetPropW(hwnd, kControlProperty, window);
    } else {
        window = static_cast<MWindow*>(GetPropW(hwnd, kControlProperty));
    }
    if (!window) {
        return CallWindowProcW(SuperclassProcedure(hwnd), hwnd, message, wParam, lParam);
    }
    return Route(window, hwnd, message, wParam, lParam, true);
}

LRESULT MWindow::Route(MWindow* window, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                       bool superclass) {
    if (message == WM_NCCREATE) {
        window->m_hwnd = hwnd;
        Manager::AddWnd(window);
    }
    if (message == WM_NCDESTROY) {
        LRESULT result = window->CallPrevProc(message, wParam, lParam);
        if (superclass) {
            RemovePropW(hwnd, kControlProperty);
        } else {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        }
        window->m_hwnd = nullptr;
        window->m_modal = nullptr;
        Manager::DeleteWnd(window);
        // May delete the object (menus do).
        window->OnDestroyMessage(hwnd);
        return result;
    }
    if (message == WM_CLOSE) {
        window->NoteClose(wParam);
    }
    return window->OnWindowMessage(message, wParam, lParam);
}

// ---------------------------------------------------------------------------------------------
// Creation and the modal loop

HWND MWindow::Create(HWND parent) { return Create(parent, RECT{0, 0, 800, 600}); }

HWND MWindow::Create(HWND parent, const RECT& rect) {
    return Create(parent, L"OrvixClient", kDefaultStyle, 0, rect);
}

HWND MWindow::Create(HWND parent, const wchar_t* title, DWORD style, DWORD exStyle,
                     const RECT& rect) {
    return Create(parent, title, style, exStyle, rect, nullptr);
}

HWND MWindow::Create(HWND parent, const wchar_t* title, DWORD style, DWORD exStyle,
                     const RECT& rect, HMENU menu) {
    if (m_hwnd && IsWindow(m_hwnd)) {
        return m_hwnd;
    }
    const bool registered = GetSuperClassName() ? RegisterSuperclass() : RegisterWindowClass();
    if (!registered) {
        return nullptr;
    }
    m_parentHwnd = parent;
    HWND hwnd = CreateWindowExW(exStyle, GetWindowClassName(), title, style, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent, menu,
                                Instance(), this);
    if (!hwnd) {
        return nullptr;
    }
    OnInitDialog();
    return hwnd;
}

// Alt+F4 and the system menu send WM_CLOSE without a result: that is a cancel.
void MWindow::NoteClose(WPARAM wParam) {
    if (!m_modal) {
        return;
    }
    m_modal->result = wParam ? static_cast<INT_PTR>(wParam) : IDCANCEL;
    // The owner takes the activation back before this window goes, not some other program.
    if (m_modal->disabledOwner && IsWindow(m_modal->owner)) {
        ::EnableWindow(m_modal->owner, TRUE);
        ::SetActiveWindow(m_modal->owner);
    }
}

BOOL MWindow::IsModal() const { return m_modal != nullptr; }

INT_PTR MWindow::ShowModal(int cmdShow) {
    if (!m_hwnd || !IsWindow(m_hwnd)) {
        return -1;
    }
    const HWND hwnd = m_hwnd;
    ModalState state;
    state.owner = GetWindow(hwnd, GW_OWNER);
    m_modal = &state;
    ::ShowWindow(hwnd, cmdShow);
    if (state.owner && ::IsWindowEnabled(state.owner)) {
        ::EnableWindow(state.owner, FALSE);
        state.disabledOwner = true;
    }
    bool quit = false;
    WPARAM quitCode = 0;
    MSG msg;
    while (IsWindow(hwnd)) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            quit = true;
            quitCode = msg.wParam;
            break;
        }
        if (got == -1) {
            break;
        }
        // The toolkit window the message is for (a native child belongs to its top window).
        MWindow* target = nullptr;
        for (HWND at = msg.hwnd; at && !target; at = GetAncestor(at, GA_PARENT)) {
            target = FromHandle(at);
        }
        if (target && target->PreTranslateMessage(&msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    // While the window lives the object does too; once it is gone the object may be as well.
    if (IsWindow(hwnd)) {
        m_modal = nullptr;
    }
    if (state.disabledOwner && IsWindow(state.owner)) {
        ::EnableWindow(state.owner, TRUE);
        ::SetFocus(state.owner);
    }
    if (quit) {
        PostQuitMessage(static_cast<int>(quitCode));
    }
    return state.result;
}

// ---------------------------------------------------------------------------------------------
// Wrappers

HWND MWindow::GetSafeHwnd() const { return m_hwnd; }
HWND MWindow::GetParentHwnd() const { return m_parentHwnd; }

#define ORVIX_IF_WINDOW(expression) return m_hwnd && IsWindow(m_hwnd) ? (expression) : 0

BOOL MWindow::DestroyWindow() { ORVIX_IF_WINDOW(::DestroyWindow(m_hwnd)); }
BOOL MWindow::EnableWindow(BOOL enable) { ORVIX_IF_WINDOW(::EnableWindow(m_hwnd, enable)); }
BOOL MWindow::IsWindowEnabled() const { ORVIX_IF_WINDOW(::IsWindowEnabled(m_hwnd)); }
BOOL MWindow::IsWindowVisible() const { ORVIX_IF_WINDOW(::IsWindowVisible(m_hwnd)); }
BOOL MWindow::IsIconic() const { ORVIX_IF_WINDOW(::IsIconic(m_hwnd)); }
BOOL MWindow::InvalidateRect(const RECT* rect, BOOL erase) {
    ORVIX_IF_WINDOW(::InvalidateRect(m_hwnd, rect, erase));
}
HWND MWindow::SetCapture() {
    if (!m_hwnd || !IsWindow(m_hwnd)) {
        return nullptr;
    }
    return ::SetCapture(m_hwnd);
}
BOOL MWindow::ReleaseCapture() { ORVIX_IF_WINDOW(::ReleaseCapture()); }
HWND MWindow::SetFocus() {
    if (!m_hwnd || !IsWindow(m_hwnd)) {
        return nullptr;
    }
    return ::SetFocus(m_hwnd);
}
UINT_PTR MWindow::SetTimer(UINT_PTR id, UINT milliseconds, TIMERPROC callback) {
    ORVIX_IF_WINDOW(::SetTimer(m_hwnd, id, milliseconds, callback));
}
BOOL MWindow::KillTimer(UINT_PTR id) { ORVIX_IF_WINDOW(::KillTimer(m_hwnd, id)); }
BOOL MWindow::ClientToScreen(POINT* point) const {
    ORVIX_IF_WINDOW(::ClientToScreen(m_hwnd, point));
}
BOOL MWindow::ScreenToClient(POINT* point) const {
    ORVIX_IF_WINDOW(::ScreenToClient(m_hwnd, point));
}
BOOL MWindow::SetWindowPos(HWND after, int x, int y, int width, int height, UINT flags) {
    ORVIX_IF_WINDOW(::SetWindowPos(m_hwnd, after, x, y, width, height, flags));
}
BOOL MWindow::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    ORVIX_IF_WINDOW(::MoveWindow(m_hwnd, x, y, width, height, repaint));
}
BOOL MWindow::GetClientRect(RECT* rect) const { ORVIX_IF_WINDOW(::GetClientRect(m_hwnd, rect)); }
BOOL MWindow::GetWindowRect(RECT* rect) const { ORVIX_IF_WINDOW(::GetWindowRect(m_hwnd, rect)); }
BOOL MWindow::SetWindowTextW(const wchar_t* text) {
    ORVIX_IF_WINDOW(::SetWindowTextW(m_hwnd, text));
}
int MWindow::GetWindowTextW(wchar_t* text, int count) const {
    ORVIX_IF_WINDOW(::GetWindowTextW(m_hwnd, text, count));
}
int MWindow::GetWindowTextLengthW() const { ORVIX_IF_WINDOW(::GetWindowTextLengthW(m_hwnd)); }
DWORD MWindow::GetStyle() const {
    ORVIX_IF_WINDOW(static_cast<DWORD>(GetWindowLongPtrW(m_hwnd, GWL_STYLE)));
}
DWORD MWindow::GetExStyle() const {
    ORVIX_IF_WINDOW(static_cast<DWORD>(GetWindowLongPtrW(m_hwnd, GWL_EXSTYLE)));
}
LRESULT MWindow::SendMessageW(UINT message, WPARAM wParam, LPARAM lParam) {
    ORVIX_IF_WINDOW(::SendMessageW(m_hwnd, message, wParam, lParam));
}
BOOL MWindow::PostMessageW(UINT message, WPARAM wParam, LPARAM lParam) {
    ORVIX_IF_WINDOW(::PostMessageW(m_hwnd, message, wParam, lParam));
}

#undef ORVIX_IF_WINDOW

BOOL MWindow::ModifyStyle(DWORD remove, DWORD add) {
    if (!m_hwnd || !IsWindow(m_hwnd)) {
        return FALSE;
    }
    const DWORD style = GetStyle();
    SetWindowLongPtrW(m_hwnd, GWL_STYLE, static_cast<LONG_PTR>((style & ~remove) | add));
    return TRUE;
}

BOOL MWindow::ModifyExStyle(DWORD remove, DWORD add) {
    if (!m_hwnd || !IsWindow(m_hwnd)) {
        return FALSE;
    }
    const DWORD style = GetExStyle();
    SetWindowLongPtrW(m_hwnd, GWL_EXSTYLE, static_cast<LONG_PTR>((style & ~remove) | add));
    return TRUE;
}

void MWindow::SetIcon(UINT resourceId) {
    if (!m_hwnd || !IsWindow(m_hwnd)) {
        return;
    }
    auto load = [resourceId](int xMetric, int yMetric) {
        return static_cast<HICON>(LoadImageW(Instance(), MAKEINTRESOURCEW(resourceId), IMAGE_ICON,
                                             GetSystemMetrics(xMetric), GetSystemMetrics(yMetric),
                                             LR_DEFAULTCOLOR));
    };
    if (HICON big = load(SM_CXICON, SM_CYICON)) {
        ::SendMessageW(m_hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    }
    if (HICON small = load(SM_CXSMICON, SM_CYSMICON)) {
        ::SendMessageW(m_hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    }
}

void MWindow::CenterWindow(HWND other) {
    if (!m_hwnd || !IsWindow(m_hwnd)) {
        return;
    }
    const bool child = (GetStyle() & WS_CHILD) != 0;
    HWND center = other;
    if (!center) {
        center = child ? ::GetParent(m_hwnd) : GetWindow(m_hwnd, GW_OWNER);
    }
    RECT self, area, bounds;
    ::GetWindowRect(m_hwnd, &self);
    if (child) {
        HWND parent = ::GetParent(m_hwnd);
        ::GetClientRect(parent, &bounds);
        area = bounds;
        if (center && center != parent) {
            ::GetWindowRect(center, &area);
            MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
        }
    } else {
        MONITORINFO monitor = {};
        monitor.cbSize = sizeof monitor;
        HMONITOR nearest = MonitorFromWindow(center ? center : m_hwnd, MONITOR_DEFAULTTONEAREST);
        GetMonitorInfoW(nearest, &monitor);
        bounds = monitor.rcWork;
        const bool usable = center && ::IsWindowVisible(center) && !::IsIconic(center);
        area = bounds;
        if (usable) {
            ::GetWindowRect(center, &area);
        }
    }
    const int width = self.right - self.left, height = self.bottom - self.top;
    int x = (area.left + area.right - width) / 2;
    int y = (area.top + area.bottom - height) / 2;
    x = std::max(static_cast<int>(bounds.left),
                 std::min(x, static_cast<int>(bounds.right) - width));
    y = std::max(static_cast<int>(bounds.top),
                 std::min(y, static_cast<int>(bounds.bottom) - height));
    ::SetWindowPos(m_hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MWindow::BringToTop() {
    if (!m_hwnd || !IsWindow(m_hwnd)) {
        return;
    }
    HWND foreground = GetForegroundWindow();
    const DWORD own = GetCurrentThreadId();
    const DWORD other = foreground ? GetWindowThreadProcessId(foreground, nullptr) : own;
    const bool attach = other != own && AttachThreadInput(own, other, TRUE);
    AllowSetForegroundWindow(ASFW_ANY);
    SetForegroundWindow(m_hwnd);
    if (attach) {
        AttachThreadInput(own, other, FALSE);
    }
    ::ShowWindow(m_hwnd, ::IsIconic(m_hwnd) ? SW_RESTORE : SW_SHOW);
}

} // namespace OrvixUI
