#include "toolkit/controls/CIconButton.h"

#include "toolkit/controls/ButtonGroup.h"
#include "toolkit/core/CKeyboardTips.h"
#include "toolkit/core/PaintManager.h"

namespace OrvixUI {

CIconButton::CIconButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                         BOOL visible, BOOL enabled)
    : MButton(parent, id, rect, title, visible, enabled) {}

CIconButton::~CIconButton() = default;

const wchar_t* CIconButton::GetClassNameW() { return L"IconButton"; }

BOOL CIconButton::GetCheck() const { return m_check; }

BOOL CIconButton::SetCheck(BOOL check) { return SetGroupMemberCheck(*this, check); }

void CIconButton::SetControlCheck(BOOL check) {
    m_check = check ? TRUE : FALSE;
    m_state = m_enabled ? kNormal : kDisabled;
    UpdateControl(FALSE, FALSE);
}

void CIconButton::ResetGroupCheck() { UncheckGroup(*this); }
void CIconButton::SetGroupName(const wchar_t* name) { m_group = name ? name : L""; }
const wchar_t* CIconButton::GetGroupName() const { return m_group.c_str(); }

void CIconButton::SetDownState(BOOL down) {
    const BOOL value = down ? TRUE : FALSE;
    if (value != m_down) {
        m_down = value;
        UpdateControl(FALSE, FALSE);
    }
}

void CIconButton::SetTips(const wchar_t* title, const wchar_t* text, const wchar_t* extra) {
    m_tipTitle = title ? title : L"";
    m_tipText = text ? text : L"";
    m_tipExtra = extra ? extra : L"";
    if (m_hovered) {
        ShowTips(true);
    }
}

void CIconButton::SetShowTips(BOOL show) {
    m_showTips = show ? TRUE : FALSE;
    ShowTips(m_hovered && m_showTips);
}

CKeyboardTips* CIconButton::GetTipsWindow() const { return m_tips.get(); }

void CIconButton::ShowTips(bool show) {
    HWND window = m_manager ? m_manager->GetPaintWnd() : nullptr;
    const bool any = !m_tipTitle.empty() || !m_tipText.empty() || !m_tipExtra.empty();
    if (!show || !m_showTips || !any || !window || !IsWindow(window)) {
        if (m_tips) {
            m_tips->Hide();
        }
        return;
    }
    if (!m_tips) {
        auto tips = std::make_unique<CKeyboardTips>();
        if (!tips->Create(window)) {
            return;
        }
        m_tips = std::move(tips);
    }
    POINT top = {m_rect.left + (m_rect.right - m_rect.left) / 2, m_rect.top};
    ClientToScreen(window, &top);
    m_tips->SetAirBladderMsg(m_tipTitle.c_str(), m_tipText.c_str(), m_tipExtra.c_str(), top);
}

BOOL CIconButton::OnControlMouseMove(UINT flags, POINT point) {
    const BOOL inside = MButton::OnControlMouseMove(flags, point);
    if ((inside != FALSE) != m_hovered) {
        m_hovered = inside != FALSE;
        ShowTips(m_hovered);
    }
    return inside;
}

void CIconButton::SetControlVisible(BOOL visible) {
    MButton::SetControlVisible(visible);
    if (!visible) {
        m_hovered = false;
        ShowTips(false);
    }
}

int CIconButton::ShownSlice() const {
    if (m_state == kDisabled) {
        return kDisabled;
    }
    return m_check || m_down ? kPressed : m_state;
}

BOOL CIconButton::OnControlLButtonUp(UINT flags, POINT point) {
    if (m_enabled && m_state == kPressed && ::PtInRect(&m_rect, point)) {
        m_check = TRUE;
        ResetGroupCheck();
    }
    return MButton::OnControlLButtonUp(flags, point);
}

void CIconButton::DrawStateSlice(HDC dc, const RECT& slice, int state) {
    Gdiplus::Graphics graphics(dc);
    DrawBackgroundFrame(graphics, slice, state);
    const bool hasText = !m_title.empty() && !IsRectEmpty(&m_textRect);
    const int shift = state == kPressed ? 1 : 0;
    DrawIcon(graphics, slice, m_iconFrameCount >= 4 ? state : 0, shift, shift);
    if (hasText) {
        RECT box = TextBox(slice);
        OffsetRect(&box, shift, shift);
        DrawButtonTitle(graphics, box, state == kDisabled ? 0xFF808080 : m_textColor);
    }
}

} // namespace OrvixUI
