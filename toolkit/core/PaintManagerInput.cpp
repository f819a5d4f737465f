#include "toolkit/core/PaintManager.h"

#include "toolkit/core/MRender.h"
#include "toolkit/core/MShadow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cstdlib>

// Window message dispatch of PaintManager: mouse (hover, capture, wheel), keys, activation
// and timers.

namespace OrvixUI {

namespace {

constexpr int kWheelNotch = WHEEL_DELTA;

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

bool IsReflected(UINT message) {
    return message == WM_COMMAND || message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC;
}

} // namespace

LRESULT PaintManager::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_shadow) {
        m_shadow->OnParentMessage(message, wParam, lParam);
    }
    {
        std::lock_guard guard(m_controlLock);
        for (MControl* control : m_controls) {
            if (control->OnWindowMessage(message, wParam, lParam)) {
                return 0;
            }
        }
    }
    const UINT flags = static_cast<UINT>(wParam);
    switch (message) {
    case WM_PAINT:
        return OnPaintMessage();
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        if (m_minSize.cx > 0) {
            info->ptMinTrackSize.x = m_minSize.cx;
        }
        if (m_minSize.cy > 0) {
            info->ptMinTrackSize.y = m_minSize.cy;
        }
        if (m_maxSize.cx > 0) {
            info->ptMaxTrackSize.x = info->ptMaxSize.x = m_maxSize.cx;
        }
        if (m_maxSize.cy > 0) {
            info->ptMaxTrackSize.y = info->ptMaxSize.y = m_maxSize.cy;
        }
        return 1;
    }
    case WM_CREATE:
    case WM_DESTROY:
    case WM_SIZE:
    case WM_CHAR:
    case WM_MOUSEHOVER:
        return 1;
    case WM_NCDESTROY:
        DestroyData();
        return 1;
    case WM_NCACTIVATE:
        OnActivate(static_cast<BOOL>(wParam));
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        OnKeyDownMessage(static_cast<UINT>(wParam));
        return 0;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        return 0;
    case WM_TIMER:
        if (IsReservedTimer(static_cast<UINT>(wParam))) {
            OnReservedTimer(static_cast<UINT>(wParam));
        } else {
            OnTimerMessage(static_cast<UINT>(wParam));
        }
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMoveMessage(flags, PointOf(lParam));
        return 0;
    case WM_MOUSELEAVE:
        OnMouseLeaveMessage();
        return 0;
    case WM_CAPTURECHANGED:
        OnCaptureChanged(reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        OnButtonDown(flags, PointOf(lParam), message == WM_LBUTTONDOWN);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        OnButtonUp(flags, PointOf(lParam), message == WM_LBUTTONUP);
        return 0;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
        OnDoubleClick(flags, PointOf(lParam), message == WM_LBUTTONDBLCLK);
        return 0;
    case WM_MOUSEWHEEL:
        OnWheel(wParam, lParam);
        return 0;
    default:
        break;
    }
    if (IsReflected(message) && lParam && IsWindow(reinterpret_cast<HWND>(lParam))) {
        return ::SendMessageW(reinterpret_cast<HWND>(lParam), message + 0x2000, wParam, lParam);
    }
    return 0;
}

BOOL PaintManager::PreTranslateMessage(const MSG* msg) {
    if (!msg) {
        return FALSE;
    }
    if ((msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) && msg->wParam == VK_TAB) {
        UINT modifiers = GetModifierCode();
        MControl* next = modifiers == 0          ? GetNextFocusableControl()
                         : modifiers == VK_SHIFT ? GetPrevFocusableControl()
                                                 : nullptr;
        if (next && next != m_focus) {
            SetFocusControl(next);
            return TRUE;
        }
        return FALSE;
    }
    switch (msg->message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MOUSEWHEEL:
        if (m_tooltip) {
            MSG relay = *msg;
            ::SendMessageW(m_tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relay));
        }
        break;
    default:
        break;
    }
    return FALSE;
}

// A disabled control takes no part in mouse routing: the pointer and presses reach what lies
// beneath it, as they do among a control's children.
MControl* PaintManager::LastControlAt(POINT point) {
    std::lock_guard guard(m_controlLock);
    MControl* found = nullptr;
    for (MControl* control : m_controls) {
        if (control->PtInRect(point) && control->GetRresponse() && control->IsEnabled()) {
            found = control;
        }
    }
    return found;
}

bool PaintManager::TakesPress(MControl* control, UINT flags, POINT point) {
    return control && control->IsVisible() && control->IsEnabled() && control->GetRresponse() &&
           control->PtInRect(point) && control->OnCheckMouseResponse(flags, point);
}

// The pressed control owns the mouse from its press until the release: it is remembered apart
// from the hover, which deactivation clears, so that a press which opens a window taking the
// activation (a popup, an in-place editor) still hears its release.
void PaintManager::BeginPress(MControl* control, bool left) {
    m_pressed = control;
    (left ? m_leftHeld : m_rightHeld) = TRUE;
    if (HasWindow() && GetCapture() != m_hwnd) {
        SetCapture();
    }
}

// Ends a press whose release will not come here: the pressed control is released at (-1, -1),
// outside itself, so it resets without taking it for a click.
void PaintManager::CancelPress() {
    MControl* pressed = m_pressed;
    const bool left = m_leftHeld != FALSE;
    m_pressed = nullptr;
    m_leftHeld = FALSE;
    m_rightHeld = FALSE;
    m_captured = FALSE;
    DisarmDrag();
    if (m_hover == pressed) {
        m_hover = nullptr;
    }
    if (pressed && pressed->IsVisible() && pressed->GetRresponse()) {
        left ? pressed->OnLButtonUp(0, kNowhere) : pressed->OnRButtonUp(0, kNowhere);
    }
}

bool PaintManager::IsPressing() const { return m_pressed && (m_leftHeld || m_rightHeld); }

void PaintManager::OnMouseMoveMessage(UINT flags, POINT point) {
    if (!m_tracking && HasWindow()) {
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE | TME_HOVER, m_hwnd, kHoverTime};
        m_tracking = TrackMouseEvent(&track);
    }
    if (m_dragArmed && (flags & MK_LBUTTON)) {
        // A jump of more than 2 pixels on both axes at once is not taken for a drag.
        const bool jumped =
            std::abs(point.x - m_dragLast.x) > 2 && std::abs(point.y - m_dragLast.y) > 2;
        m_dragLast = point;
        if (!jumped) {
            StartDrag();
            return;
        }
    }
    // While a button is held the pressed control keeps every move (the window has the
    // capture), so a drag continues outside the control.
    if (IsPressing()) {
        m_pressed->OnMouseMove(flags, point);
        return;
    }
    if (m_hover && m_hover->IsEnabled() && m_hover->PtInRect(point) &&
        m_hover->OnCheckMouseResponse(flags, point)) {
        m_hover->OnMouseMove(flags, point);
        return;
    }
    ClearTooltip();
    {
        std::lock_guard guard(m_controlLock);
        for (MControl* control : m_controls) {
            if (control->IsEnabled()) {
                control->OnMouseMove(flags, point);
            }
        }
    }
    m_hover = LastControlAt(point);
}

void PaintManager::OnMouseLeaveMessage() {
    ClearTooltip();
    m_tracking = FALSE;
    if (IsPressing()) {
        return;
    }
    if (MControl* hover = m_hover) {
        m_hover = nullptr;
        if (hover->IsEnabled()) {
            hover->OnMouseMove(0, kNowhere);
        }
    }
}

void PaintManager::OnCaptureChanged(HWND gaining) {
    if (gaining != m_hwnd && IsPressing()) {
        CancelPress();
    }
}

// The press is taken (capture included) before the focus moves: a control that opens a window
// when it gains or loses the focus moves the activation away, which clears the hover, and the
// press must neither be lost nor reach a control that is gone.
void PaintManager::OnButtonDown(UINT flags, POINT point, bool left) {
    MControl* target = TakesPress(m_hover, flags, point) ? m_hover : nullptr;
    if (target) {
        if (left && target->IsDragDrop()) {
            ArmDrag(target, point);
        }
        BeginPress(target, left);
    }
    if (m_focus && m_focus != target) {
        SetFocusControl(nullptr);
    }
    if (target) {
        if (m_pressed == target) {
            SetFocusControl(target);
        }
        // Still pressed: neither destroyed nor released while the focus moved.
        if (m_pressed == target) {
            left ? target->OnLButtonDown(flags, point) : target->OnRButtonDown(flags, point);
        }
        return;
    }
    if (left && m_windowDrag && HasWindow()) {
        ReleaseCapture();
        POINT screen = point;
        ClientToScreen(m_hwnd, &screen);
        // Posted: the system's move loop must not run inside this handler.
        PostMessageW(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
    }
}

// The release goes to the control that took the press, and to no other: a click needs both.
// A control disabled while it was pressed is released outside itself.
void PaintManager::OnButtonUp(UINT flags, POINT point, bool left) {
    if (left) {
        DisarmDrag();
    }
    BOOL& held = left ? m_leftHeld : m_rightHeld;
    MControl* pressed = held ? m_pressed : nullptr;
    held = FALSE;
    if (!m_leftHeld && !m_rightHeld) {
        m_pressed = nullptr;
        ReleaseCapture();
    }
    if (pressed) {
        // Forgotten again by the manager should the release destroy the control.
        m_hover = pressed;
        if (pressed->IsVisible() && pressed->GetRresponse()) {
            const POINT at = pressed->IsEnabled() ? point : kNowhere;
            left ? pressed->OnLButtonUp(flags, at) : pressed->OnRButtonUp(flags, at);
        }
    }
    if (m_hover && !(m_hover->IsEnabled() && m_hover->PtInRect(point))) {
        m_hover = nullptr;
    }
}

// A double click stands for the second press of the pair: its release follows.
void PaintManager::OnDoubleClick(UINT flags, POINT point, bool left) {
    MControl* target = TakesPress(m_hover, flags, point) ? m_hover : nullptr;
    if (!target) {
        return;
    }
    BeginPress(target, left);
    left ? target->OnLButtonDblClk(flags, point) : target->OnRButtonDblClk(flags, point);
    if (m_hover && !m_hover->PtInRect(point)) {
        m_hover = nullptr;
    }
}

// Precision touchpads report fractions of a notch; they add up until a whole notch is reached.
// A change of direction starts the count afresh.
void PaintManager::OnWheel(WPARAM wParam, LPARAM lParam) {
    const int delta = GET_WHEEL_DELTA_WPARAM(wParam);
    if ((delta > 0 && m_wheelRemainder < 0) || (delta < 0 && m_wheelRemainder > 0)) {
        m_wheelRemainder = 0;
    }
    m_wheelRemainder += delta;
    const int notches = m_wheelRemainder / kWheelNotch;
    m_wheelRemainder -= notches * kWheelNotch;
    if (notches == 0) {
        return;
    }
    POINT point = PointOf(lParam);
    if (HasWindow()) {
        ScreenToClient(m_hwnd, &point);
    }
    const UINT direction = delta <= 0 ? 1 : 0;
    for (int i = 0; i < std::abs(notches); ++i) {
        if (m_hover && m_hover->OnScroll(1, direction, point)) {
            continue;
        }
        std::lock_guard guard(m_controlLock);
        for (MControl* control : m_controls) {
            if (control->OnScroll(1, direction, point)) {
                break;
            }
        }
    }
}

// Losing the activation ends the hover and, unless this window still holds the capture (the
// release will then come here), the press.
void PaintManager::OnActivate(BOOL active) {
    m_active = active;
    if (!active) {
        m_tracking = FALSE;
        const bool keepPress = IsPressing() && HasWindow() && GetCapture() == m_hwnd;
        if (!keepPress) {
            if (IsPressing()) {
                CancelPress();
            }
            m_pressed = nullptr;
            m_leftHeld = FALSE;
            m_rightHeld = FALSE;
            m_captured = FALSE;
            if (MControl* hover = m_hover) {
                m_hover = nullptr;
                if (hover->IsEnabled()) {
                    hover->OnMouseMove(0, kNowhere);
                }
            }
        }
    }
    Invalidate();
}

// ---------------------------------------------------------------------------------------------
// Drag and drop

BOOL PaintManager::InitDragDrop() { return HasWindow() ? RegisterDropTarget(m_hwnd) : FALSE; }

BOOL PaintManager::OnDrop(FORMATETC* format, STGMEDIUM&, DWORD*) {
    m_lastDropFormat = format ? format->cfFormat : 0;
    return TRUE;
}

CLIPFORMAT PaintManager::GetLastDropFormat() const { return m_lastDropFormat; }
BOOL PaintManager::IsDragArmed() const { return m_dragArmed; }

HBITMAP PaintManager::GetDropBitmap(MControl* control, const RECT& rect, COLORREF color) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (!control || width <= 0 || height <= 0) {
        return nullptr;
    }
    HDC screen = GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT local = {0, 0, width, height};
    MRender::FillSolidRect(dc, local, color);
    // The control draws at its window position.
    SetViewportOrgEx(dc, -rect.left, -rect.top, nullptr);
    control->Draw(dc, rect);
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

void PaintManager::ArmDrag(MControl* control, POINT point) {
    DisarmDrag();
    m_dragControl = control;
    m_dragLast = point;
    m_dragBitmap = control->GetControlDropBitmap();
    if (!m_dragBitmap) {
        m_dragBitmap = GetDropBitmap(control, control->GetRect(), m_fillColor);
    }
    m_dragArmed = m_dragBitmap != nullptr;
}

void PaintManager::DisarmDrag() {
    if (m_dragBitmap) {
        DeleteObject(m_dragBitmap);
        m_dragBitmap = nullptr;
    }
    m_dragArmed = FALSE;
    m_dragControl = nullptr;
}

void PaintManager::StartDrag() {
    if (!HasWindow() || !m_dragBitmap) {
        DisarmDrag();
        return;
    }
    RECT window;
    ::GetWindowRect(m_hwnd, &window);
    ClipCursor(&window);
    // The drag loop takes the mouse, and with it the rest of the press.
    m_pressed = nullptr;
    m_leftHeld = FALSE;
    m_rightHeld = FALSE;
    ReleaseCapture();
    CIDataObject* data = CreateBitmapDataObject(m_dragBitmap);
    if (data) {
        auto* source = new CIDropSource();
        BITMAP info = {};
        GetObjectW(m_dragBitmap, sizeof info, &info);
        CDragSourceHelper helper;
        helper.InitializeFromBitmap(m_dragBitmap, POINT{info.bmWidth / 2, info.bmHeight / 2}, data);
        DWORD effect = DROPEFFECT_NONE;
        DoDragDrop(data, source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
        source->Release();
        data->Release();
    }
    ClipCursor(nullptr);
    // The button went up inside the drag loop: the pressed control hears of it here.
    MControl* control = m_dragControl;
    DisarmDrag();
    if (control) {
        control->OnLButtonUp(0, kNowhere);
    }
}

// Disabled controls take no keys, hot keys included.
void PaintManager::OnKeyDownMessage(UINT vk) {
    const UINT modifiers = GetModifierCode();
    if (m_hover && m_hover->IsEnabled() && m_hover->OnKeyDown(vk, 1, modifiers)) {
        return;
    }
    std::lock_guard guard(m_controlLock);
    for (MControl* control : m_controls) {
        if (control != m_hover && control->IsEnabled() && control->OnKeyDown(vk, 1, modifiers)) {
            return;
        }
    }
}

} // namespace OrvixUI
