#include "toolkit/controls/ComboBase.h"

#include "toolkit/core/ImageCache.h"
#include "toolkit/core/MRender.h"

namespace OrvixUI {

namespace {

constexpr int kStates = 4;
constexpr int kInset = 6;
constexpr int kArrowSpace = 30;
constexpr DWORD kFallbackFill[kStates] = {0xFF1B1D22, 0xFF24272E, 0xFF2A2D35, 0xFF16171B};

} // namespace

ComboBase::ComboBase(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled)
    : MControlFont(parent, id, rect, visible, enabled, TRUE), m_state(enabled ? 0 : 3) {}

int ComboBase::GetState() const { return m_state; }

RECT ComboBase::ContentRect() const {
    return RECT{m_rect.left + kInset, m_rect.top + kInset, m_rect.right - kArrowSpace,
                m_rect.bottom - kInset};
}

void ComboBase::DrawFrame(Gdiplus::Graphics& graphics, HDC dc, const RECT& slice, int state) {
    if (m_image && m_image->image) {
        MRender::DrawImageFrameMID(graphics, m_image->image, slice, state * m_frameWidth, 0,
                                   m_frameWidth, m_frameHeight, 10, 10, 36, 10);
    } else {
        MRender::DrawColor(dc, slice, kFallbackFill[state]);
    }
}

void ComboBase::DrawControl(HDC dc, const RECT&) {
    DrawCachedStates(dc, kStates, m_open ? 2 : m_state);
}

void ComboBase::OnComboPressed() {}

void ComboBase::SetControlEnabled(BOOL enabled) {
    MControlFont::SetControlEnabled(enabled);
    m_state = enabled ? 0 : 3;
}

void ComboBase::SetState(int state) {
    if (state == m_state) {
        return;
    }
    m_state = state;
    UpdateControl(FALSE, FALSE);
}

// While pressed the look stays pressed, even with the pointer outside, until the release.
BOOL ComboBase::OnControlMouseMove(UINT, POINT point) {
    if (!m_enabled) {
        return FALSE;
    }
    const bool inside = ::PtInRect(&m_rect, point) != FALSE;
    if (m_state != 2) {
        SetState(inside ? 1 : 0);
    }
    return inside;
}

BOOL ComboBase::OnControlLButtonDown(UINT, POINT point) {
    if (!::PtInRect(&m_rect, point)) {
        return FALSE;
    }
    OnComboPressed();
    SetState(2);
    return TRUE;
}

BOOL ComboBase::OnControlLButtonUp(UINT, POINT point) {
    if (!m_enabled) {
        return FALSE;
    }
    const bool inside = ::PtInRect(&m_rect, point) != FALSE;
    const bool pressed = m_state == 2;
    SetState(inside ? 1 : 0);
    if (inside && pressed) {
        OnComboClicked();
    }
    return inside;
}

} // namespace OrvixUI
