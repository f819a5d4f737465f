#include "toolkit/controls/CColorButton.h"

#include "toolkit/controls/ButtonDrawing.h"
#include "toolkit/controls/ButtonGroup.h"
#include "toolkit/core/ImageCache.h"
#include "toolkit/core/MRender.h"

namespace OrvixUI {

namespace bd = button_drawing;

namespace {

RECT Inset(const RECT& rect, int by) {
    RECT inner = rect;
    InflateRect(&inner, -by, -by);
    return inner;
}

} // namespace

CColorButton::CColorButton(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled)
    : MButton(parent, id, rect, L"", visible, enabled) {}

const wchar_t* CColorButton::GetClassNameW() { return L"ColorButton"; }

COLORREF CColorButton::GetColor() const { return m_color; }

void CColorButton::SetColor(COLORREF color) {
    if (color != m_color) {
        m_color = color;
        UpdateControl(TRUE, FALSE);
    }
}

BOOL CColorButton::GetCheck() const { return m_check; }

BOOL CColorButton::SetCheck(BOOL check) { return SetGroupMemberCheck(*this, check); }

void CColorButton::SetControlCheck(BOOL check) {
    m_check = check ? TRUE : FALSE;
    m_state = !m_enabled ? kDisabled : m_check ? kPressed : kNormal;
    UpdateControl(FALSE, FALSE);
}

void CColorButton::ResetGroupCheck() { UncheckGroup(*this); }
void CColorButton::SetGroupName(const wchar_t* name) { m_group = name ? name : L""; }
const wchar_t* CColorButton::GetGroupName() const { return m_group.c_str(); }

void CColorButton::SetVisibleBorder(BOOL on) {
    const BOOL value = on ? TRUE : FALSE;
    if (value != m_border) {
        m_border = value;
        UpdateControl(TRUE, FALSE);
    }
}

int CColorButton::ShownSlice() const { return m_check ? kPressed : m_state; }

BOOL CColorButton::OnControlLButtonDown(UINT, POINT point) {
    if (!::PtInRect(&m_rect, point)) {
        return FALSE;
    }
    ShowCursor(kCursorHand, point);
    m_check = TRUE;
    ChangeState(kPressed);
    ResetGroupCheck();
    SendMessageW(1, 0, 0);
    return TRUE;
}

void CColorButton::DrawStateSlice(HDC dc, const RECT& slice, int state) {
    if (m_border) {
        MRender::FillSolidRect(dc, slice, 0xEBEBEB);
        MRender::FillSolidRect(dc, Inset(slice, 1), 0x050505);
        MRender::FillSolidRect(dc, Inset(slice, 3), m_color);
        return;
    }
    MRender::FillSolidRect(dc, Inset(slice, 2), m_color);
    Gdiplus::Graphics graphics(dc);
    if (m_image && m_image->image && m_frameWidth > 0) {
        // The image frames the swatch: its transparent middle lets the colour through.
        graphics.DrawImage(m_image->image,
                           Gdiplus::Rect(slice.left, slice.top, slice.right - slice.left,
                                         slice.bottom - slice.top),
                           bd::FrameFor(state, m_frameCount) * m_frameWidth, 0, m_frameWidth,
                           m_frameHeight, Gdiplus::UnitPixel);
    }
    if (state == kNormal) {
        return;
    }
    const DWORD outline = state == kDisabled ? 0xFF808080 : 0xFFF5F5F5;
    Gdiplus::Pen pen{Gdiplus::Color(outline), 2.0f};
    pen.SetAlignment(Gdiplus::PenAlignmentInset);
    graphics.DrawRectangle(&pen, static_cast<INT>(slice.left + 1), static_cast<INT>(slice.top + 1),
                           static_cast<INT>(slice.right - slice.left - 2),
                           static_cast<INT>(slice.bottom - slice.top - 2));
}

} // namespace OrvixUI
