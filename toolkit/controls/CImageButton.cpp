#include "toolkit/controls/CImageButton.h"

#include "toolkit/controls/ButtonDrawing.h"
#include "toolkit/core/ImageCache.h"
#include "toolkit/core/MAirBladder.h"
#include "toolkit/core/PaintManager.h"

namespace OrvixUI {

namespace bd = button_drawing;

CImageButton::CImageButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                           BOOL visible, BOOL enabled)
    : MButton(parent, id, rect, title, visible, enabled) {}

void CImageButton::SetAlrBladderMode(int mode) {
    m_bladderMode =
        mode == AIRBLADDER_MODE_RIGHT || mode == AIRBLADDER_MODE_LEFT ? mode : AIRBLADDER_MODE_NONE;
    if (m_tipShown) {
        ShowTip(true);
    }
}

void CImageButton::SetControlTitle(const wchar_t* text) {
    MButton::SetControlTitle(text);
    if (m_tipShown) {
        ShowTip(true);
    }
}

void CImageButton::SetControlVisible(BOOL visible) {
    MButton::SetControlVisible(visible);
    if (!visible) {
        ShowTip(false);
    }
}

BOOL CImageButton::OnControlMouseMove(UINT flags, POINT point) {
    const BOOL inside = MButton::OnControlMouseMove(flags, point);
    if ((inside != FALSE) != m_tipShown) {
        ShowTip(inside != FALSE);
    }
    return inside;
}

// The tip points away from the button: anchored at its right edge the arrow sits at the tip's
// left end, and the other way round.
void CImageButton::ShowTip(bool show) {
    if (!m_manager) {
        return;
    }
    const POINT anchor = GetAirBladderAnchor();
    if (show && !m_title.empty() && anchor.x != 0 && anchor.y != 0) {
        const int type =
            m_bladderMode == AIRBLADDER_MODE_RIGHT ? AIRBLADDER_LEFT : AIRBLADDER_RIGHT;
        m_manager->SetAirBladderMsg(m_title.c_str(), anchor, type, AIRBLADDER_MODE_AUTO);
        m_manager->ShowAirBladder(TRUE, m_id);
        m_tipShown = true;
    } else if (m_tipShown) {
        m_manager->ShowAirBladder(FALSE, m_id);
        m_tipShown = false;
    }
}

BOOL CImageButton::IsTipShown() const { return m_tipShown ? TRUE : FALSE; }

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
