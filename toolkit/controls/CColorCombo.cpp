#include "toolkit/controls/CColorCombo.h"

#include "toolkit/controls/ColorMath.h"
#include "toolkit/core/MRender.h"

namespace OrvixUI {

namespace {

constexpr DWORD kAreaBorder = 0xFF808080;

} // namespace

CColorCombo::CColorCombo(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled)
    : ComboBase(parent, id, rect, visible, enabled) {}

void CColorCombo::SetAreaColor(COLORREF color) {
    if (color == m_areaColor) {
        return;
    }
    m_areaColor = color;
    UpdateControl(TRUE, FALSE);
}

COLORREF CColorCombo::GetAreaColor() const { return m_areaColor; }

void CColorCombo::SetIsOpen(BOOL open) {
    open = open ? TRUE : FALSE;
    if (open == m_open) {
        return;
    }
    m_open = open;
    UpdateControl(FALSE, FALSE);
}

BOOL CColorCombo::GetIsOpen() const { return m_open; }

RECT CColorCombo::GetAreaRect() const { return ContentRect(); }

void CColorCombo::OnComboClicked() { SendMessageW(2, 0, 0); }

void CColorCombo::DrawStateSlice(HDC dc, const RECT& slice, int state) {
    {
        Gdiplus::Graphics graphics(dc);
        DrawFrame(graphics, dc, slice, state);
    }
    RECT area = GetAreaRect();
    OffsetRect(&area, slice.left - m_rect.left, slice.top - m_rect.top);
    MRender::DrawColor(dc, area, kAreaBorder);
    InflateRect(&area, -1, -1);
    MRender::DrawColor(dc, area, state == 3 ? 0xFF555A66 : ColorRefToArgb(m_areaColor));
}

} // namespace OrvixUI
