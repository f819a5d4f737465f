#include "toolkit/controls/CTextArea.h"

namespace OrvixUI {

CTextArea::CTextArea(MObject* parent, UINT id, const RECT& rect, const wchar_t* title, BOOL visible,
                     BOOL enabled)
    : MControlFont(parent, id, rect, visible, enabled, FALSE) {
    m_title = title ? title : L"";
}

void CTextArea::DrawControl(HDC dc, const RECT&) { DrawCachedStates(dc, 1, 0); }

void CTextArea::DrawStateSlice(HDC dc, const RECT& slice, int) {
    DrawAreaFill(dc, slice, m_fill);
    RECT box = slice;
    InflateRect(&box, -4, 0);
    Gdiplus::Graphics graphics(dc);
    DrawTitle(graphics, box, m_enabled ? m_textColor : 0xFF808080);
}

void CTextArea::SetTransparent(int from, int to, COLORREF color) {
    m_fill.SetTransparent(from, to, color);
    UpdateControl(TRUE, FALSE);
}

void CTextArea::SetFrame(BOOL on, DWORD color, int) {
    m_fill.SetFrame(on, color);
    UpdateControl(TRUE, FALSE);
}

void CTextArea::SetDirection(int direction) {
    m_fill.SetDirection(direction);
    UpdateControl(TRUE, FALSE);
}

} // namespace OrvixUI
