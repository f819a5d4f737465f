#include "toolkit/controls/DPIControl.h"

#include "toolkit/controls/ButtonDrawing.h"
#include "toolkit/controls/ButtonGroup.h"

#include <algorithm>

namespace OrvixUI {

namespace bd = button_drawing;

namespace {

constexpr DWORD kTileFill[4] = {0xFF2A2D35, 0xFF343843, 0xFF22252B, 0xFF24262B};
constexpr DWORD kTileBorder = 0xFF3A3F4A;
constexpr DWORD kAccent = 0xFF00B4FF;
constexpr int kDot = 12;

} // namespace

DPIControl::DPIControl(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled)
    : MPanel(parent, id, rect, visible, enabled) {
    m_state = m_enabled ? 0 : 3;
}

const wchar_t* DPIControl::GetClassNameW() { return L"DPIControl"; }

COLORREF DPIControl::GetColor() const { return m_color; }

void DPIControl::SetColor(COLORREF color) {
    if (color != m_color) {
        m_color = color;
        UpdateControl(TRUE, FALSE);
    }
}

void DPIControl::SetDPIValue(int value) {
    value = std::max(value, 0);
    if (value != m_value) {
        m_value = value;
        UpdateControl(TRUE, FALSE);
    }
}

int DPIControl::GetDPIValue() const { return m_value; }
BOOL DPIControl::GetCheck() const { return m_check; }

BOOL DPIControl::SetCheck(BOOL check) { return SetGroupMemberCheck(*this, check); }

void DPIControl::SetControlCheck(BOOL check) {
    m_check = check ? TRUE : FALSE;
    m_pressing = FALSE;
    m_state = m_enabled ? 0 : 3;
    UpdateControl(FALSE, FALSE);
}

void DPIControl::ResetGroupCheck() { UncheckGroup(*this); }
void DPIControl::SetGroupName(const wchar_t* name) { m_group = name ? name : L""; }
const wchar_t* DPIControl::GetGroupName() const { return m_group.c_str(); }
int DPIControl::GetState() const { return m_state; }

void DPIControl::SetState(int state) {
    if (state >= 0 && state < 4) {
        ChangeState(state);
    }
}

void DPIControl::ChangeState(int state) {
    if (state != m_state) {
        m_state = state;
        UpdateControl(FALSE, FALSE);
    }
}

void DPIControl::SetControlEnabled(BOOL enabled) {
    MPanel::SetControlEnabled(enabled);
    m_pressing = FALSE;
    m_state = m_enabled ? 0 : 3;
}

BOOL DPIControl::OnControlMouseMove(UINT, POINT point) {
    const bool inside = ::PtInRect(&m_rect, point) != FALSE;
    if (m_enabled && !m_pressing) {
        ChangeState(inside ? 1 : 0);
    }
    return inside;
}

BOOL DPIControl::OnControlLButtonDown(UINT, POINT point) {
    if (!::PtInRect(&m_rect, point)) {
        return FALSE;
    }
    m_pressing = TRUE;
    ChangeState(2);
    return TRUE;
}

BOOL DPIControl::OnControlLButtonUp(UINT, POINT point) {
    if (!m_enabled) {
        return FALSE;
    }
    const BOOL pressed = m_pressing;
    m_pressing = FALSE;
    const bool inside = ::PtInRect(&m_rect, point) != FALSE;
    if (inside && pressed) {
        m_check = TRUE;
        ResetGroupCheck();
        SendMessageW(2, 0, 0);
    }
    ChangeState(inside ? 1 : 0);
    return TRUE;
}

BOOL DPIControl::OnControlKeyDown(UINT vk, UINT, UINT modifiers) {
    if (m_hotKey == 0 || vk != m_hotKey || modifiers != m_hotKeyModifiers) {
        return FALSE;
    }
    if (m_enabled) {
        m_check = TRUE;
        UpdateControl(FALSE, FALSE);
        ResetGroupCheck();
        SendMessageW(7, 0, m_check);
    }
    return TRUE;
}

void DPIControl::DrawControl(HDC dc, const RECT&) {
    const int width = m_rect.right - m_rect.left, height = m_rect.bottom - m_rect.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    Gdiplus::Graphics graphics(dc);
    const int look = std::clamp(m_state, 0, 3);
    bd::FillRound(graphics, m_rect, 6, kTileFill[look], m_check ? kAccent : kTileBorder);
    if (m_check) {
        RECT inner = m_rect;
        InflateRect(&inner, -1, -1);
        bd::FillRound(graphics, inner, 5, kTileFill[look], kAccent);
    }
    const int dot = std::min(kDot, height - 4);
    const int dotLeft = m_rect.left + 10, dotTop = m_rect.top + (height - dot) / 2;
    if (dot > 0) {
        const DWORD color = look == 3 ? 0xFF5A5D64 : bd::ArgbOf(m_color);
        bd::FillRound(graphics, RECT{dotLeft, dotTop, dotLeft + dot, dotTop + dot}, dot / 2, color);
    }
    const RECT text = {dotLeft + std::max(dot, 0) + 6, m_rect.top, m_rect.right - 6, m_rect.bottom};
    bd::DrawLine(graphics, std::to_wstring(m_value), GetTextDrawFont(), text,
                 look == 3 ? 0xFF808080 : m_textColor, 1, 4, m_renderingHint);
}

} // namespace OrvixUI
