#include "toolkit/controls/CTextButton.h"

namespace OrvixUI {

CTextButton::CTextButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                         BOOL visible, BOOL enabled)
    : MButton(parent, id, rect, title, visible, enabled) {}

void CTextButton::SetTextButtonColor(DWORD normal, DWORD hover, DWORD pressed, DWORD disabled) {
    m_colors[0] = normal;
    m_colors[1] = hover;
    m_colors[2] = pressed;
    m_colors[3] = disabled;
    UpdateControl(TRUE, FALSE);
}

void CTextButton::DrawStateSlice(HDC dc, const RECT& slice, int state) {
    Gdiplus::Graphics graphics(dc);
    DrawButtonTitle(graphics, TextBox(slice), m_colors[state >= 0 && state < 4 ? state : 0]);
}

} // namespace OrvixUI
