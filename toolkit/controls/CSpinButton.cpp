#include "toolkit/controls/CSpinButton.h"

#include "toolkit/controls/ButtonDrawing.h"

#include <algorithm>

namespace OrvixUI {

namespace bd = button_drawing;

CSpinButton::CSpinButton(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled)
    : MSpinButton(parent, id, rect, visible, enabled) {
    m_hAlign = 0;
}

MSpinButton::Layout CSpinButton::GetLayout() const {
    const int width = m_rect.right - m_rect.left;
    const int arrow = std::min(kArrowWidth, width / 2);
    const int middle = m_rect.top + (m_rect.bottom - m_rect.top) / 2;
    Layout layout;
    layout.up = RECT{m_rect.right - arrow, m_rect.top, m_rect.right, middle};
    layout.down = RECT{m_rect.right - arrow, middle, m_rect.right, m_rect.bottom};
    layout.field = RECT{m_rect.left, m_rect.top, m_rect.right - arrow, m_rect.bottom};
    return layout;
}

void CSpinButton::DrawField(Gdiplus::Graphics& graphics, const RECT& field) {
    bd::FillRound(graphics, RECT{field.left, field.top, m_rect.right, field.bottom}, 4, 0xFF23262D,
                  m_focused ? 0xFF00B4FF : 0xFF3A3F4A);
    const std::wstring text = m_edit.empty() ? std::to_wstring(m_value) : m_edit;
    RECT box = field;
    box.left += 8;
    bd::DrawLine(graphics, text, GetTextDrawFont(), box, m_enabled ? m_textColor : 0xFF808080, 0, 4,
                 m_renderingHint);
    if (!m_edit.empty()) {
        Gdiplus::SolidBrush bar{Gdiplus::Color(0xFF00B4FF)};
        graphics.FillRectangle(&bar, box.left, field.bottom - 4, field.right - box.left - 4, 2);
    }
}

} // namespace OrvixUI
