#include "toolkit/controls/CArea.h"

namespace OrvixUI {

CArea::CArea(MObject* parent, UINT id, const RECT& rect, BOOL visible)
    : MControl(parent, id, rect, visible, TRUE, FALSE) {}

void CArea::DrawControl(HDC dc, const RECT&) {
    const int width = m_rect.right - m_rect.left, height = m_rect.bottom - m_rect.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    if (!m_cacheValid || !GetMemDC()) {
        UpdateMemDC(dc, width, height);
        ::BitBlt(GetMemDC(), 0, 0, width, height, dc, m_rect.left, m_rect.top, SRCCOPY);
        DrawAreaFill(GetMemDC(), RECT{0, 0, width, height}, m_fill);
    }
    ::BitBlt(dc, m_rect.left, m_rect.top, width, height, GetMemDC(), 0, 0, SRCCOPY);
}

void CArea::SetTransparent(int from, int to, COLORREF color) {
    m_fill.SetTransparent(from, to, color);
    UpdateControl(TRUE, FALSE);
}

void CArea::SetFrame(BOOL on, DWORD color, int) {
    m_fill.SetFrame(on, color);
    UpdateControl(TRUE, FALSE);
}

void CArea::SetDirection(int direction) {
    m_fill.SetDirection(direction);
    UpdateControl(TRUE, FALSE);
}

} // namespace OrvixUI
