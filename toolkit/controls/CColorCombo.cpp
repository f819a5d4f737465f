#include "toolkit/controls/CColorCombo.h"

#include "toolkit/controls/ColorMath.h"
#include "toolkit/core/ImageCache.h"
#include "toolkit/core/MRender.h"

namespace OrvixUI {

namespace {

constexpr int kStates = 4;
constexpr int kInset = 6;
constexpr int kArrowSpace = 30;
constexpr DWORD kFallbackFill[kStates] = {0xFF1B1D22, 0xFF24272E, 0xFF2A2D35, 0xFF16171B};
constexpr DWORD kAreaBorder = 0xFF808080;

} // namespace

CColorCombo::CColorCombo(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled)
    : MControlFont(parent, id, rect, visible, enabled, TRUE), m_state(enabled ? 0 : 3) {}

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
int CColorCombo::GetState() const { return m_state; }

RECT CColorCombo::GetAreaRect() const {
    return RECT{m_rect.left + kInset, m_rect.top + kInset, m_rect.right - kArrowSpace,
                m_rect.bottom - kInset};
}

void CColorCombo::SetControlEnabled(BOOL enabled) {
    MControlFont::SetControlEnabled(enabled);
    m_state = enabled ? 0 : 3;
}

void CColorCombo::SetState(int state) {
    if (state == m_state) {
        return;
    }
    m_state = state;
    UpdateControl(FALSE, FALSE);
}

BOOL CColorCombo::OnControlMouseMove(UINT, POINT point) {
    if (!m_enabled) {
        return FALSE;
    }
    const bool inside = ::PtInRect(&m_rect, point) != FALSE;
    if (m_state != 2) {
        SetState(inside ? 1 : 0);
    }
    return inside;
}

BOOL CColorCombo::OnControlLButtonDown(UINT, POINT point) {
    if (!m_enabled || !::PtInRect(&m_rect, point)) {
        return FALSE;
    }
    SetState(2);
    return TRUE;
}

BOOL CColorCombo::OnControlLButtonUp(UINT, POINT point) {
    if (!m_enabled) {
        return FALSE;
    }
    const bool inside = ::PtInRect(&m_rect, point) != FALSE;
    const bool pressed = m_state == 2;
    SetState(inside ? 1 : 0);
    if (inside && pressed) {
        SendMessageW(2, 0, 0);
    }
    return inside;
}

void CColorCombo::DrawStateSlice(HDC dc, const RECT& slice, int state) {
    {
        Gdiplus::Graphics graphics(dc);
        if (m_image && m_image->image) {
            MRender::DrawImageFrameMID(graphics, m_image->image, slice, state * m_frameWidth, 0,
                                       m_frameWidth, m_frameHeight, 10, 10, 36, 10);
        } else {
            MRender::DrawColor(dc, slice, kFallbackFill[state]);
        }
    }
    RECT area = GetAreaRect();
    OffsetRect(&area, slice.left - m_rect.left, slice.top - m_rect.top);
    MRender::DrawColor(dc, area, kAreaBorder);
    InflateRect(&area, -1, -1);
    MRender::DrawColor(dc, area, state == 3 ? 0xFF555A66 : ColorRefToArgb(m_areaColor));
}

void CColorCombo::DrawControl(HDC dc, const RECT&) {
    DrawCachedStates(dc, kStates, m_open ? 2 : m_state);
}

} // namespace OrvixUI
