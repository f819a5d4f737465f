#include "toolkit/controls/CRadioButton.h"

#include "toolkit/controls/ButtonGroup.h"
#include "toolkit/core/MRender.h"

#include <algorithm>

namespace OrvixUI {

namespace {

constexpr int kTextGap = 8;

} // namespace

CRadioButton::CRadioButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                           BOOL visible, BOOL enabled)
    : CCheckButton(parent, id, rect, title, visible, enabled) {}

const wchar_t* CRadioButton::GetClassNameW() { return L"RadioButton"; }

BOOL CRadioButton::SetCheck(BOOL check) {
    const BOOL before = m_check;
    CCheckButton::SetCheck(check);
    if (m_check && !before) {
        ResetGroupCheck();
    }
    return m_check;
}

void CRadioButton::SetControlCheck(BOOL check) {
    m_check = check ? TRUE : FALSE;
    m_pressing = FALSE;
    m_state = StateOf(m_enabled ? kNormal : kDisabled);
    UpdateControl(FALSE, FALSE);
}

void CRadioButton::ResetGroupCheck() { UncheckGroup(*this); }

void CRadioButton::SetGroupName(const wchar_t* name) { m_group = name ? name : L""; }
const wchar_t* CRadioButton::GetGroupName() const { return m_group.c_str(); }

void CRadioButton::OnClicked() {
    m_check = TRUE;
    ResetGroupCheck();
    SendMessageW(2, 0, 0);
}

BOOL CRadioButton::OnKeyToggle(bool hotKey) {
    if (!m_enabled) {
        // Owned but inert: a disabled button must not report a choice it did not make.
        return hotKey ? TRUE : FALSE;
    }
    m_check = TRUE;
    ChangeState(StateOf(m_state % kCheckedOffset == kHover ? kHover : kNormal));
    ResetGroupCheck();
    SendMessageW(7, 0, m_check);
    return TRUE;
}

RECT CRadioButton::TitleBox(const RECT& slice) {
    const int width = slice.right - slice.left, height = slice.bottom - slice.top;
    const SIZE text =
        m_title.empty() ? SIZE{0, 0} : MRender::GetTextBounds(*GetTextDrawFont(), m_title.c_str());
    const POINT origin =
        MRender::GetOriginPoint(width, height, text.cx, text.cy, m_hAlign, m_vAlign);
    const int left = static_cast<int>(slice.left + origin.x) + m_frameWidth + kTextGap;
    const int boxWidth = std::max(0, width - m_frameWidth - static_cast<int>(origin.x) - 3);
    const int top = static_cast<int>(slice.top + origin.y) + 2;
    return RECT{left, top, std::min<LONG>(left + boxWidth, slice.right),
                top + static_cast<int>(text.cy)};
}

} // namespace OrvixUI
