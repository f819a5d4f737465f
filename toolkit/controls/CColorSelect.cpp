#include "toolkit/controls/CColorSelect.h"

#include "toolkit/controls/ColorMath.h"
#include "toolkit/core/MRender.h"

#include <algorithm>

namespace OrvixUI {

namespace {

const COLORREF kPresets[] = {
    0x0000FF, 0x0080FF, 0x00FFFF, 0x00FF80, 0x00FF00, 0x80FF00, 0xFFFF00, 0xFF8000,
    0xFF0000, 0xFF0080, 0xFF00FF, 0x8000FF, 0xFFFFFF, 0xC0C0C0, 0x808080, 0x000000,
};
constexpr DWORD kSelectedRing = 0xFFFFFFFF;
constexpr DWORD kHoverRing = 0xFF808080;

} // namespace

CColorSelect::CColorSelect(MObject* parent, UINT id, const RECT& rect, BOOL visible)
    : MPanel(parent, id, rect, visible, TRUE), m_colors(std::begin(kPresets), std::end(kPresets)) {}

COLORREF CColorSelect::GetSelectColor() const { return m_color; }

void CColorSelect::SetSelectColor(COLORREF color) {
    m_color = color & 0xFFFFFF;
    auto found = std::find(m_colors.begin(), m_colors.end(), m_color);
    m_selected = found == m_colors.end() ? -1 : static_cast<int>(found - m_colors.begin());
    UpdateControl(FALSE, FALSE);
}

BOOL CColorSelect::SetColorIndex(int index) {
    if (index < -1 || index >= GetColorCount()) {
        return FALSE;
    }
    m_selected = index;
    if (index >= 0) {
        m_color = m_colors[static_cast<size_t>(index)];
    }
    UpdateControl(FALSE, FALSE);
    return TRUE;
}

int CColorSelect::GetColorIndex() const { return m_selected; }

void CColorSelect::SetColors(const COLORREF* colors, int count) {
    m_colors.assign(colors, colors + std::max(count, 0));
    m_selected = m_hover = m_pressed = -1;
    UpdateControl(FALSE, FALSE);
}

int CColorSelect::GetColorCount() const { return static_cast<int>(m_colors.size()); }

int CColorSelect::GetColumns() const {
    const int width = m_rect.right - m_rect.left;
    return std::max(1, (width + kGap) / (kCell + kGap));
}

RECT CColorSelect::GetCellRect(int index) const {
    const int columns = GetColumns();
    const int left = m_rect.left + (index % columns) * (kCell + kGap);
    const int top = m_rect.top + (index / columns) * (kCell + kGap);
    return RECT{left, top, left + kCell, top + kCell};
}

int CColorSelect::CellFromPoint(POINT point) const {
    for (int i = 0; i < GetColorCount(); ++i) {
        const RECT cell = GetCellRect(i);
        if (::PtInRect(&cell, point) && ::PtInRect(&m_rect, point)) {
            return i;
        }
    }
    return -1;
}

BOOL CColorSelect::OnControlMouseMove(UINT, POINT point) {
    const int hover = CellFromPoint(point);
    if (hover != m_hover) {
        m_hover = hover;
        UpdateControl(FALSE, FALSE);
    }
    return ::PtInRect(&m_rect, point);
}

BOOL CColorSelect::OnControlLButtonDown(UINT, POINT point) {
    m_pressed = CellFromPoint(point);
    return m_pressed >= 0;
}

BOOL CColorSelect::OnControlLButtonUp(UINT, POINT point) {
    const int pressed = m_pressed;
    m_pressed = -1;
    if (pressed < 0 || pressed != CellFromPoint(point)) {
        return FALSE;
    }
    SetColorIndex(pressed);
    SendMessageW(27, 0, static_cast<LPARAM>(m_color));
    return TRUE;
}

void CColorSelect::DrawControl(HDC dc, const RECT&) {
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, m_rect.left, m_rect.top, m_rect.right, m_rect.bottom);
    for (int i = 0; i < GetColorCount(); ++i) {
        RECT cell = GetCellRect(i);
        if (i == m_selected || i == m_hover) {
            MRender::DrawColor(dc, cell, i == m_selected ? kSelectedRing : kHoverRing);
            InflateRect(&cell, -2, -2);
        }
        MRender::DrawColor(
            dc, cell, m_enabled ? ColorRefToArgb(m_colors[static_cast<size_t>(i)]) : 0xFF555A66);
    }
    RestoreDC(dc, saved);
}

} // namespace OrvixUI
