#include "toolkit/controls/MButton.h"

#include "toolkit/controls/ButtonDrawing.h"
#include "toolkit/core/ImageCache.h"

#include <algorithm>

namespace OrvixUI {

namespace bd = button_drawing;

MButton::MButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title, BOOL visible,
                 BOOL enabled)
    : MControlFont(parent, id, rect, visible, enabled, TRUE) {
    SetControlTitle(title);
    m_hAlign = 1;
    m_state = m_enabled ? kNormal : kDisabled;
}

MButton::~MButton() { delete m_icon; }

int MButton::StateCount() const { return 4; }
int MButton::ShownSlice() const { return m_state; }

void MButton::DrawControl(HDC dc, const RECT&) { DrawCachedStates(dc, StateCount(), ShownSlice()); }

BOOL MButton::SetIconImage(const wchar_t* fileName, int frameCount) {
    Gdiplus::Image* icon = bd::LoadSkinImage(fileName);
    if (!icon) {
        return FALSE;
    }
    delete m_icon;
    m_icon = icon;
    m_iconFrameCount = std::max(frameCount, 1);
    m_iconFrameWidth = FrameWidth(static_cast<int>(icon->GetWidth()), m_iconFrameCount);
    m_iconFrameHeight = static_cast<int>(icon->GetHeight());
    UpdateControl(TRUE, FALSE);
    return TRUE;
}

void MButton::SetFrameSize(int corner) {
    corner = std::max(corner, 0);
    if (corner != m_frameSize) {
        m_frameSize = corner;
        UpdateControl(TRUE, FALSE);
    }
}

int MButton::GetFrameSize() const { return m_frameSize; }

void MButton::SetTextRect(const RECT& rect) {
    m_textRect = rect;
    UpdateControl(TRUE, FALSE);
}

int MButton::GetState() const { return m_state; }

void MButton::SetState(int state) {
    if (state >= 0 && state < StateCount()) {
        ChangeState(state);
    }
}

void MButton::ChangeState(int state) {
    if (state == m_state) {
        return;
    }
    m_state = state;
    UpdateControl(FALSE, FALSE);
}

void MButton::ShowCursor(const wchar_t* name, POINT point) {
    SetCursorEx(name);
    if (m_cursor && ::PtInRect(&m_rect, point)) {
        ::SetCursor(m_cursor);
    }
}

void MButton::SetControlEnabled(BOOL enabled) {
    MControlFont::SetControlEnabled(enabled);
    m_state = m_enabled ? kNormal : kDisabled;
}

BOOL MButton::OnControlMouseMove(UINT, POINT point) {
    const bool inside = ::PtInRect(&m_rect, point) != FALSE;
    if (!m_enabled || m_state == kPressed) {
        return inside;
    }
    ShowCursor(inside ? kCursorHand : kCursorArrow, point);
    ChangeState(inside ? kHover : kNormal);
    return inside;
}

BOOL MButton::OnControlLButtonDown(UINT, POINT point) {
    if (!::PtInRect(&m_rect, point)) {
        return FALSE;
    }
    ShowCursor(kCursorHand, point);
    ChangeState(kPressed);
    SendMessageW(1, 0, 0);
    return TRUE;
}

BOOL MButton::OnControlLButtonUp(UINT, POINT point) {
    if (!m_enabled) {
        return FALSE;
    }
    if (!::PtInRect(&m_rect, point)) {
        ChangeState(kNormal);
        return TRUE;
    }
    const bool wasPressed = m_state == kPressed;
    ChangeState(kHover);
    if (wasPressed) {
        SendMessageW(2, 0, 0);
    }
    return TRUE;
}

RECT MButton::TextBox(const RECT& slice) const {
    if (IsRectEmpty(&m_textRect)) {
        return slice;
    }
    RECT box = m_textRect;
    OffsetRect(&box, slice.left, slice.top);
    return box;
}

void MButton::DrawBackgroundFrame(Gdiplus::Graphics& graphics, const RECT& slice, int state) {
    if (m_image && m_image->image) {
        bd::DrawStripFrame(graphics, m_image->image, m_frameWidth, m_frameHeight,
                           bd::FrameFor(state, m_frameCount), slice, m_frameSize);
    }
}

void MButton::DrawIcon(Gdiplus::Graphics& graphics, const RECT& box, int frame, int dx, int dy) {
    if (!m_icon) {
        return;
    }
    const int x = box.left + (box.right - box.left - m_iconFrameWidth) / 2 + dx;
    const int y = box.top + (box.bottom - box.top - m_iconFrameHeight) / 2 + dy;
    bd::DrawFrameAt(graphics, m_icon, m_iconFrameWidth, m_iconFrameHeight,
                    bd::FrameFor(frame, m_iconFrameCount), x, y);
}

void MButton::DrawButtonTitle(Gdiplus::Graphics& graphics, const RECT& box, DWORD argb) {
    bd::DrawLine(graphics, ShownTitle(), GetTextDrawFont(), box, argb, m_hAlign, m_vAlign,
                 m_renderingHint);
}

std::wstring MButton::ShownTitle() const { return m_title; }

void MButton::DrawStateSlice(HDC dc, const RECT& slice, int state) {
    Gdiplus::Graphics graphics(dc);
    DrawBackgroundFrame(graphics, slice, state);
    RECT box = TextBox(slice);
    if (state == kPressed) {
        OffsetRect(&box, 1, 1);
    }
    DrawButtonTitle(graphics, box, state == kDisabled ? 0xFF808080 : m_textColor);
}

} // namespace OrvixUI
