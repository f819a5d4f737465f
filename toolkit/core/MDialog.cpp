#include "toolkit/core/MDialog.h"

#include <windowsx.h>

namespace OrvixUI {

namespace {

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

} // namespace

MDialog::MDialog() = default;

MDialog::~MDialog() {
    // The window goes before the manager it paints with.
    if (m_hwnd && IsWindow(m_hwnd)) {
        ::DestroyWindow(m_hwnd);
    }
}

const wchar_t* MDialog::GetClassNameW() { return L"MDialog"; }

long MDialog::OnBaseMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam) {
    return OnMessage(id, code, wParam, lParam);
}

long MDialog::OnControlUpdate(const RECT& rect, BOOL update, MControl* control) {
    return m_pm.OnControlUpdate(rect, update, control);
}

// ---------------------------------------------------------------------------------------------
// Routing

LRESULT MDialog::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        return 1;
    }
    if (message == kCloseMessage) {
        return OnUserCloseWindow(wParam, lParam);
    }
    DispatchHandler(message, wParam, lParam);
    // The handler may have destroyed the window.
    if (!m_hwnd) {
        return 0;
    }
    if (LRESULT result = m_pm.OnWindowMessage(message, wParam, lParam)) {
        return result;
    }
    if (message == WM_PAINT && m_pm.IsInitialized()) {
        return 0;
    }
    return CallPrevProc(message, wParam, lParam);
}

LRESULT MDialog::DispatchHandler(UINT message, WPARAM wParam, LPARAM lParam) {
    const UINT flags = static_cast<UINT>(wParam);
    switch (message) {
    case WM_CREATE:
        return OnCreate(reinterpret_cast<CREATESTRUCTW*>(lParam));
    case WM_DESTROY:
        return OnDestroy();
    case WM_SIZE:
        return OnSize(flags, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    case WM_PAINT:
        return OnPaint();
    case WM_CLOSE:
        return OnClose();
    case WM_WINDOWPOSCHANGING:
        return OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lParam));
    case WM_WINDOWPOSCHANGED:
        return OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(lParam));
    case WM_NCACTIVATE:
        return OnNcActivate(static_cast<BOOL>(wParam));
    case WM_TIMER:
        return OnTimer(wParam);
    case WM_GETMINMAXINFO:
        return OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
    case WM_MOUSEMOVE:
        return OnMouseMove(flags, PointOf(lParam));
    case WM_MOUSEHOVER:
        return OnMouseHover(flags, PointOf(lParam));
    case WM_MOUSELEAVE:
        return OnMouseLeave();
    case WM_MOUSEWHEEL:
        return OnMouseWheel(GET_KEYSTATE_WPARAM(wParam), GET_WHEEL_DELTA_WPARAM(wParam),
                            PointOf(lParam));
    case WM_LBUTTONDOWN:
        return OnLButtonDown(flags, PointOf(lParam));
    case WM_LBUTTONUP:
        return OnLButtonUp(flags, PointOf(lParam));
    case WM_LBUTTONDBLCLK:
        return OnLButtonDblClk(flags, PointOf(lParam));
    case WM_RBUTTONDOWN:
        return OnRButtonDown(flags, PointOf(lParam));
    case WM_RBUTTONUP:
        return OnRButtonUp(flags, PointOf(lParam));
    case WM_RBUTTONDBLCLK:
        return OnRButtonDblClk(flags, PointOf(lParam));
    case WM_KEYDOWN:
        return OnKeyDown(flags, LOWORD(lParam), HIWORD(lParam));
    default:
        return 0;
    }
}

BOOL MDialog::PreTranslateMessage(MSG* msg) { return m_pm.PreTranslateMessage(msg); }

BOOL MDialog::OnInitDialog() {
    m_pm.Init(m_hwnd, this);
    ::GetClientRect(m_hwnd, &m_clientRect);
    InitUI(m_clientRect);
    return TRUE;
}

void MDialog::OnDestroyMessage(HWND hwnd) {
    if (m_pm.GetPaintWnd() == hwnd) {
        m_pm.DestroyData();
    }
    PostNcDestroy();
}

// ---------------------------------------------------------------------------------------------
// Handlers

POINT MDialog::GetAirBladderPoint(MControl* control, int type) {
    if (!control) {
        return POINT{0, 0};
    }
    const RECT& rect = control->GetRect();
    POINT point = {type == 0   ? rect.left
                   : type == 1 ? rect.left + (rect.right - rect.left) / 2
                               : rect.right,
                   rect.bottom};
    ClientToScreen(&point);
    return point;
}

void MDialog::OnMinimize() { ShowWindow(SW_MINIMIZE); }

void MDialog::OnMaximize() { ShowWindow(IsZoomed(m_hwnd) ? SW_RESTORE : SW_MAXIMIZE); }

void MDialog::InitUI(const RECT&) {}
void MDialog::UISize(const RECT&) {}
long MDialog::OnMessage(UINT, UINT, WPARAM, LPARAM) { return 0; }

LRESULT MDialog::OnUserCloseWindow(WPARAM wParam, LPARAM lParam) {
    PostMessageW(WM_CLOSE, wParam, lParam);
    return 0;
}

LRESULT MDialog::OnCreate(CREATESTRUCTW*) {
    const DWORD style = GetStyle();
    SetWindowLongPtrW(m_hwnd, GWL_STYLE, static_cast<LONG_PTR>((style & kStyleKeep) | kStyleAdd));
    ::SetWindowPos(m_hwnd, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

LRESULT MDialog::OnSize(UINT type, int, int) {
    if (type == SIZE_MINIMIZED) {
        return 0;
    }
    SetupBackTranslucent();
    ::GetClientRect(m_hwnd, &m_clientRect);
    if (m_clientRect.right - m_clientRect.left > 1 && m_clientRect.bottom - m_clientRect.top > 1) {
        UISize(m_clientRect);
    }
    ::InvalidateRect(m_hwnd, nullptr, FALSE);
    return 0;
}

LRESULT MDialog::OnMouseMove(UINT, POINT) { return 0; }
LRESULT MDialog::OnMouseLeave() { return 0; }
LRESULT MDialog::OnMouseHover(UINT, POINT) { return 0; }
LRESULT MDialog::OnMouseWheel(UINT, short, POINT) { return 0; }
LRESULT MDialog::OnLButtonDown(UINT, POINT) { return 0; }
LRESULT MDialog::OnLButtonUp(UINT, POINT) { return 0; }
LRESULT MDialog::OnLButtonDblClk(UINT, POINT) { return 0; }
LRESULT MDialog::OnRButtonDown(UINT, POINT) { return 0; }
LRESULT MDialog::OnRButtonUp(UINT, POINT) { return 0; }
LRESULT MDialog::OnRButtonDblClk(UINT, POINT) { return 0; }
LRESULT MDialog::OnKeyDown(UINT, UINT, UINT) { return 0; }
LRESULT MDialog::OnNcHitTest(POINT) { return 0; }
LRESULT MDialog::OnGetMinMaxInfo(MINMAXINFO*) { return 0; }
LRESULT MDialog::OnNcCalcSize(BOOL, LPARAM) { return 0; }
LRESULT MDialog::OnNcActivate(BOOL) { return 0; }
LRESULT MDialog::OnWindowPosChanging(WINDOWPOS*) { return 0; }
LRESULT MDialog::OnWindowPosChanged(WINDOWPOS*) { return 0; }
LRESULT MDialog::OnPaint() { return 0; }
LRESULT MDialog::OnTimer(UINT_PTR) { return 0; }
LRESULT MDialog::OnNcPaint(HRGN) { return 0; }
LRESULT MDialog::OnClose() { return 1; }
LRESULT MDialog::OnDestroy() { return 0; }
void MDialog::PostNcDestroy() { m_pm.DestroyData(); }

// ---------------------------------------------------------------------------------------------
// Results

void MDialog::DoOK() { PostMessageW(kCloseMessage, IDOK, 0); }
void MDialog::DoCancel() { PostMessageW(kCloseMessage, IDCANCEL, 0); }
void MDialog::DoClose() { PostMessageW(kCloseMessage, IDCANCEL, 0); }
void MDialog::DoYes() { PostMessageW(kCloseMessage, IDYES, 0); }
void MDialog::DoNo() { PostMessageW(kCloseMessage, IDNO, 0); }

// ---------------------------------------------------------------------------------------------
// Controls and the manager

MControl* MDialog::CreateControl(const wchar_t* className, UINT id, const RECT& rect,
                                 const wchar_t* title, BOOL visible, BOOL enabled) {
    return m_pm.CreateControl(this, className, id, rect, title, visible, enabled);
}

MControl* MDialog::CreateArea(const wchar_t* className, UINT id, const RECT& rect,
                              const wchar_t* title, BOOL visible, BOOL enabled) {
    return m_pm.CreateArea(this, className, id, rect, title, visible, enabled);
}

MControl* MDialog::GetControl(UINT id) { return m_pm.GetControl(id); }
std::vector<MControl*>& MDialog::GetControls() { return m_pm.GetControls(); }
void MDialog::SetFocusControl(MControl* control) { m_pm.SetFocusControl(control); }
PaintManager& MDialog::GetPaintManager() { return m_pm; }

UINT MDialog::SetMTimer(UINT milliseconds) { return m_pm.SetMTimer(milliseconds); }
void MDialog::KillMTimer(UINT id) { m_pm.KillMTimer(id); }
BOOL MDialog::LoadBKImage(const wchar_t* fileName) { return m_pm.LoadBKImage(fileName); }
BOOL MDialog::LoadBKImage(UINT resourceId, const wchar_t* resourceType) {
    return m_pm.LoadBKImage(resourceId, resourceType);
}
void MDialog::SetBackMode(enumBackMode mode, int parameter) { m_pm.SetBackMode(mode, parameter); }
void MDialog::SetScrollResID(UINT vertical, UINT horizontal) {
    m_pm.SetScrollResID(vertical, horizontal);
}
void MDialog::SetLayeredWindow(BOOL layered) { m_pm.SetLayeredWindow(layered); }
void MDialog::EnableWndDrag(BOOL enable) { m_pm.EnableWndDrag(enable); }
void MDialog::SetTooltip(const wchar_t* text, const RECT& rect) { m_pm.SetTooltip(text, rect); }
void MDialog::ClearTooltip() { m_pm.ClearTooltip(); }
void MDialog::SetTooltipCtrlID(UINT id) { m_pm.SetTooltipCtrlID(id); }
UINT MDialog::GetTooltipCtrlID() { return m_pm.GetTooltipCtrlID(); }

void MDialog::SetMessage(const wchar_t* text, const RECT& rect, MsgLevel level) {
    RECT box = rect;
    if (IsRectEmpty(&box)) {
        RECT client = {};
        GetClientRect(&client);
        const int centre = (client.left + client.right) / 2;
        box = RECT{centre - 100, client.bottom - 60, centre + 100, client.bottom - 2};
        OffsetRect(&box, 0, m_verticalOffset);
    }
    m_pm.SetMessage(text, box, level);
}

void MDialog::SetProgress(int percent, const wchar_t* text, const RECT& rect) {
    m_pm.SetProgress(percent, text, rect);
}

BOOL MDialog::SetAirBladderMsg(const wchar_t* text, POINT point, int type) {
    if (point.x == 0 || point.y == 0) {
        return FALSE;
    }
    m_pm.SetAirBladderMsg(text, point, type, 3);
    return TRUE;
}

BOOL MDialog::CreateShadow(BOOL show, BOOL flag) { return m_pm.CreateShadow(show, flag); }
BOOL MDialog::SetSize(int size) { return m_pm.SetSize(size); }
BOOL MDialog::SetSharpness(int sharpness) { return m_pm.SetSharpness(sharpness); }
BOOL MDialog::SetDarkness(int darkness) { return m_pm.SetDarkness(darkness); }
BOOL MDialog::SetPosition(int x, int y) { return m_pm.SetPosition(x, y); }
BOOL MDialog::SetShadowColor(COLORREF color) { return m_pm.SetShadowColor(color); }
BOOL MDialog::SetShadowImage(const wchar_t* fileName, const RECT& corners) {
    return m_pm.SetShadowImage(fileName, corners);
}
BOOL MDialog::SetShadowShow(BOOL show) { return m_pm.SetShadowShow(show); }

void MDialog::SetWindowAlpha(BYTE alpha) { m_alpha = alpha; }
void MDialog::SetColorKey(COLORREF key) { m_colorKey = key; }
void MDialog::SetVerticalOffset(int offset) { m_verticalOffset = offset; }

void MDialog::SetupBackTranslucent() {
    if (!m_hwnd || !IsWindow(m_hwnd)) {
        return;
    }
    if (m_alpha != 255) {
        ModifyExStyle(0, WS_EX_LAYERED);
        SetLayeredWindowAttributes(m_hwnd, 0, m_alpha, LWA_ALPHA);
    } else if (m_colorKey != 0xFFFFFF) {
        ModifyExStyle(0, WS_EX_LAYERED);
        SetLayeredWindowAttributes(m_hwnd, m_colorKey, 255, LWA_COLORKEY);
    }
}

} // namespace OrvixUI
