#include "toolkit/controls/CCheckButton.h"

#include "toolkit/controls/ButtonDrawing.h"
#include "toolkit/core/ImageCache.h"

namespace OrvixUI {

namespace bd = button_drawing;

namespace {

constexpr int kTextGap = 8;
constexpr DWORD kDisabledText = 0xFE808080;
constexpr DWORD kFocusLine = 0xFF00B4FF;

} // namespace

CCheckButton::CCheckButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                           BOOL visible, BOOL enabled)
    : MButton(parent, id, rect, title, visible, enabled) {
    m_tabStop = TRUE;
    m_frameCount = 8;
    m_hAlign = 0;
    m_vAlign = 4;
}

int CCheckButton::StateCount() const { return 8; }

int CCheckButton::StateOf(int look) const { return look + (m_check ? kCheckedOffset : 0); }

BOOL CCheckButton::GetCheck() const { return m_check; }

BOOL CCheckButton::SetCheck(BOOL check) {
    if (!m_enabled) {
        return m_check;
    }
    const BOOL value = check ? TRUE : FALSE;
    if (value != m_check) {
        m_check = value;
        ChangeState(StateOf(kNormal));
    }
    return m_check;
}

void CCheckButton::SetControlFocus(BOOL focus) {
    const BOOL before = m_focused;
    MButton::SetControlFocus(focus);
    if (before != m_focused) {
        UpdateControl(TRUE, FALSE);
    }
}

void CCheckButton::SetControlEnabled(BOOL enabled) {
    MButton::SetControlEnabled(enabled);
    m_pressing = FALSE;
    m_state = StateOf(m_enabled ? kNormal : kDisabled);
}

BOOL CCheckButton::OnControlMouseMove(UINT, POINT point) {
    const bool inside = ::PtInRect(&m_rect, point) != FALSE;
    if (!m_enabled || m_pressing) {
        return inside;
    }
    ChangeState(StateOf(inside ? kHover : kNormal));
    return inside;
}

BOOL CCheckButton::OnControlLButtonDown(UINT, POINT point) {
    if (!::PtInRect(&m_rect, point)) {
        return FALSE;
    }
    m_pressing = TRUE;
    ChangeState(StateOf(kPressed));
    return TRUE;
}

BOOL CCheckButton::OnControlLButtonUp(UINT, POINT point) {
    if (!m_enabled) {
        return FALSE;
    }
    const BOOL pressed = m_pressing;
    m_pressing = FALSE;
    if (!::PtInRect(&m_rect, point)) {
        ChangeState(StateOf(kNormal));
        return TRUE;
    }
    if (pressed) {
        OnClicked();
    }
    ChangeState(StateOf(kHover));
    return TRUE;
}

void CCheckButton::OnClicked() {
    m_check = m_check ? FALSE : TRUE;
    SendMessageW(2, 0, 0);
}

BOOL CCheckButton::OnControlKeyDown(UINT vk, UINT, UINT modifiers) {
    const bool hotKey = m_hotKey != 0 && vk == m_hotKey && modifiers == m_hotKeyModifiers;
    const bool space = vk == VK_SPACE && modifiers == 0 && m_focused;
    if (!hotKey && !space) {
        return FALSE;
    }
    return OnKeyToggle(hotKey);
}

BOOL CCheckButton::OnKeyToggle(bool hotKey) {
    if (!m_enabled) {
        // A disabled box still owns its hot key, so it goes nowhere else.
        return hotKey ? TRUE : FALSE;
    }
    m_check = m_check ? FALSE : TRUE;
    ChangeState(StateOf(m_state % kCheckedOffset == kHover ? kHover : kNormal));
    SendMessageW(7, 0, m_check);
    return TRUE;
}

RECT CCheckButton::TitleBox(const RECT& slice) {
    const int height = slice.bottom - slice.top;
    const int boxHeight = m_frameHeight > 0 ? m_frameHeight : height;
    const int top = slice.top + (height - boxHeight) / 2;
    return RECT{slice.left + m_frameWidth + kTextGap, top, slice.right, top + boxHeight};
}

void CCheckButton::DrawStateSlice(HDC dc, const RECT& slice, int state) {
    Gdiplus::Graphics graphics(dc);
    if (m_image && m_image->image) {
        const int y = slice.top + (slice.bottom - slice.top - m_frameHeight) / 2;
        bd::DrawFrameAt(graphics, m_image->image, m_frameWidth, m_frameHeight,
                        bd::FrameFor(state, m_frameCount), slice.left, y);
    }
    const RECT box = TitleBox(slice);
    const int look = state % kCheckedOffset;
    bd::DrawLine(graphics, m_title, GetTextDrawFont(), box,
                 look == kDisabled ? kDisabledText : m_textColor, 0, 4, m_renderingHint);
    if (m_focused && !m_title.empty()) {
        Gdiplus::Pen pen{Gdiplus::Color(kFocusLine)};
        pen.SetDashStyle(Gdiplus::DashStyleDot);
        const auto y = static_cast<Gdiplus::REAL>(box.bottom - 1);
        graphics.DrawLine(&pen, static_cast<Gdiplus::REAL>(box.left), y,
                          static_cast<Gdiplus::REAL>(box.right - 1), y);
    }
}

} // namespace OrvixUI
