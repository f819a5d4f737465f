#include "toolkit/controls/CImageButton.h"

#include "toolkit/controls/ButtonDrawing.h"
#include "toolkit/core/ImageCache.h"
#include "toolkit/core/PaintManager.h"

namespace OrvixUI {

namespace bd = button_drawing;

CImageButton::CImageButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                           BOOL visible, BOOL enabled)
    : MButton(parent, id, rect, title, visible, enabled) {}

void CImageButton::SetAlrBladderMode(int mode) {
    m_bladderMode =
        mode == AIRBLADDER_MODE_RIGHT || mode == AIRBLADDER_MODE_LEFT ? mode : AIRBLADDER_MODE_NONE;
    UpdateTip();
}

void CImageButton::SetControlTitle(const wchar_t* text) {
    MButton::SetControlTitle(text);
    UpdateTip();
}

void CImageButton::UpdateTip() {
    SetTooltip(m_bladderMode == AIRBLADDER_MODE_NONE ? L"" : m_title.c_str());
}

int CImageButton::GetAlrBladderMode() const { return m_bladderMode; }

POINT CImageButton::GetAirBladderAnchor() const {
    POINT point = {0, 0};
    if (m_bladderMode == AIRBLADDER_MODE_NONE || !m_manager || !m_manager->GetPaintWnd()) {
        return point;
    }
    point.x = m_bladderMode == AIRBLADDER_MODE_RIGHT ? m_rect.right : m_rect.left;
    point.y = (m_rect.top + m_rect.bottom) / 2;
    ClientToScreen(m_manager->GetPaintWnd(), &point);
    return point;
}

void CImageButton::DrawStateSlice(HDC dc, const RECT& slice, int state) {
    Gdiplus::Graphics graphics(dc);
    if (m_image && m_image->image) {
        bd::DrawFrameAt(graphics, m_image->image, m_frameWidth, m_frameHeight,
                        bd::FrameFor(state, m_frameCount), slice.left, slice.top);
    }
    DrawIcon(graphics, slice, 0, 2, -4);
}

} // namespace OrvixUI
