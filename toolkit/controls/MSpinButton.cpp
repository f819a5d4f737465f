#include "toolkit/controls/MSpinButton.h"

#include "toolkit/controls/ButtonDrawing.h"
#include "toolkit/controls/SpinArrows.h"
#include "toolkit/core/ImageCache.h"
#include "toolkit/core/PaintManager.h"

#include <algorithm>

namespace OrvixUI {

namespace bd = button_drawing;

namespace {

constexpr DWORD kFieldFill = 0xFF23262D;
constexpr DWORD kFieldBorder = 0xFF3A3F4A;
constexpr DWORD kAccent = 0xFF00B4FF;
constexpr DWORD kDisabledText = 0xFF808080;

int DigitOf(UINT vk) {
    if (vk >= '0' && vk <= '9') {
        return static_cast<int>(vk - '0');
    }
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) {
        return static_cast<int>(vk - VK_NUMPAD0);
    }
    return -1;
}

} // namespace

MSpinButton::MSpinButton(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled)
    : MPanel(parent, id, rect, visible, enabled) {
    m_tabStop = TRUE;
    m_hAlign = 1;
    if (!m_enabled) {
        m_upState = m_downState = 3;
    }
}

void MSpinButton::InitControl(PaintManager* manager) {
    MPanel::InitControl(manager);
    if (manager) {
        m_upImage = manager->AddImgResInfo(L"img_spin_up.png", kSpinArrowFrames);
        m_downImage = manager->AddImgResInfo(L"img_spin_down.png", kSpinArrowFrames);
    }
}

int MSpinButton::SetCurValue(int value) {
    const int clamped = std::clamp(value, m_minimum, m_maximum);
    m_edit.clear();
    if (clamped != m_value) {
        m_value = clamped;
        UpdateControl(FALSE, FALSE);
    }
    return m_value;
}

int MSpinButton::GetCurValue() const { return m_value; }

void MSpinButton::SetRange(int minimum, int maximum) {
    m_minimum = std::min(minimum, maximum);
    m_maximum = std::max(minimum, maximum);
    SetCurValue(m_value);
}

int MSpinButton::GetMinValue() const { return m_minimum; }
int MSpinButton::GetMaxValue() const { return m_maximum; }

void MSpinButton::SetLimitLength(int digits) { m_limit = std::clamp(digits, 1, kMaxDigits); }

const wchar_t* MSpinButton::GetEditText() const { return m_edit.c_str(); }
int MSpinButton::GetUpState() const { return m_upState; }
int MSpinButton::GetDownState() const { return m_downState; }

MSpinButton::Layout MSpinButton::GetLayout() const {
    const int height = m_rect.bottom - m_rect.top;
    const int arrow = std::min(height, static_cast<int>(m_rect.right - m_rect.left) / 3);
    Layout layout;
    layout.down = RECT{m_rect.left, m_rect.top, m_rect.left + arrow, m_rect.bottom};
    layout.up = RECT{m_rect.right - arrow, m_rect.top, m_rect.right, m_rect.bottom};
    layout.field = RECT{layout.down.right + 2, m_rect.top, layout.up.left - 2, m_rect.bottom};
    return layout;
}

void MSpinButton::SetArrowStates(int up, int down) {
    if (up != m_upState || down != m_downState) {
        m_upState = up;
        m_downState = down;
        UpdateControl(FALSE, FALSE);
    }
}

void MSpinButton::SetControlEnabled(BOOL enabled) {
    MPanel::SetControlEnabled(enabled);
    m_repeat.Stop(m_manager, this);
    m_edit.clear();
    m_upState = m_downState = m_enabled ? 0 : 3;
}

void MSpinButton::SetControlFocus(BOOL focus) {
    const BOOL before = m_focused;
    MPanel::SetControlFocus(focus);
    if (before && !m_focused) {
        CommitEdit();
    }
    if (before != m_focused) {
        UpdateControl(FALSE, FALSE);
    }
}

BOOL MSpinButton::OnControlMouseMove(UINT, POINT point) {
    const bool inside = ::PtInRect(&m_rect, point) != FALSE;
    if (!m_enabled || m_repeat.Arrow() != 0) {
        return inside;
    }
    const Layout layout = GetLayout();
    SetArrowStates(::PtInRect(&layout.up, point) ? 1 : 0, ::PtInRect(&layout.down, point) ? 1 : 0);
    return inside;
}

BOOL MSpinButton::OnControlLButtonDown(UINT, POINT point) {
    if (!::PtInRect(&m_rect, point)) {
        return FALSE;
    }
    const Layout layout = GetLayout();
    int arrow = 0;
    if (::PtInRect(&layout.up, point)) {
        arrow = 1;
        SetArrowStates(2, 0);
    } else if (::PtInRect(&layout.down, point)) {
        arrow = -1;
        SetArrowStates(0, 2);
    } else {
        return TRUE;
    }
    CommitEdit();
    m_repeat.Start(m_manager, this, arrow);
    StepBy(arrow);
    return TRUE;
}

BOOL MSpinButton::OnControlLButtonUp(UINT, POINT point) {
    if (!m_enabled) {
        return FALSE;
    }
    m_repeat.Stop(m_manager, this);
    const Layout layout = GetLayout();
    SetArrowStates(::PtInRect(&layout.up, point) ? 1 : 0, ::PtInRect(&layout.down, point) ? 1 : 0);
    return TRUE;
}

BOOL MSpinButton::OnControlTimer() {
    if (!m_enabled) {
        m_repeat.Stop(m_manager, this);
        return FALSE;
    }
    const int step = m_repeat.Tick(m_manager, this);
    if (step == 0) {
        return FALSE;
    }
    StepBy(step);
    return TRUE;
}

BOOL MSpinButton::OnControlScroll(UINT, UINT direction, POINT) {
    CommitEdit();
    StepBy(direction == 1 ? -1 : 1);
    return TRUE;
}

BOOL MSpinButton::OnControlKeyDown(UINT vk, UINT repeat, UINT modifiers) {
    if (MPanel::OnControlKeyDown(vk, repeat, modifiers)) {
        return TRUE;
    }
    if (!m_enabled || !m_focused || modifiers != 0) {
        return FALSE;
    }
    const int digit = DigitOf(vk);
    if (digit >= 0) {
        const size_t digits = m_edit.size() - (!m_edit.empty() && m_edit[0] == L'-' ? 1 : 0);
        if (digits < static_cast<size_t>(m_limit)) {
            m_edit += static_cast<wchar_t>(L'0' + digit);
            UpdateControl(FALSE, FALSE);
        }
        return TRUE;
    }
    switch (vk) {
    case VK_SUBTRACT:
    case VK_OEM_MINUS:
        if (m_edit.empty() && m_minimum < 0) {
            m_edit = L"-";
            UpdateControl(FALSE, FALSE);
        }
        return TRUE;
    case VK_BACK:
        if (!m_edit.empty()) {
            m_edit.pop_back();
            UpdateControl(FALSE, FALSE);
        }
        return TRUE;
    case VK_RETURN:
        CommitEdit();
        return TRUE;
    case VK_ESCAPE:
        if (!m_edit.empty()) {
            m_edit.clear();
            UpdateControl(FALSE, FALSE);
        }
        return TRUE;
    case VK_UP:
    case VK_RIGHT:
        CommitEdit();
        StepBy(1);
        return TRUE;
    case VK_DOWN:
    case VK_LEFT:
        CommitEdit();
        StepBy(-1);
        return TRUE;
    default:
        return FALSE;
    }
}

void MSpinButton::StepBy(int delta) {
    const int value = SteppedValue(m_value, delta, m_minimum, m_maximum);
    if (value != m_value) {
        m_value = value;
        UpdateControl(FALSE, FALSE);
        SendMessageW(28, 0, 0);
    }
}

void MSpinButton::CommitEdit() {
    if (m_edit.empty()) {
        return;
    }
    const bool negative = m_edit[0] == L'-';
    long long typed = 0;
    bool any = false;
    for (wchar_t c : m_edit) {
        if (c >= L'0' && c <= L'9') {
            // At most ten digits: cannot overflow a 64-bit accumulator.
            typed = typed * 10 + (c - L'0');
            any = true;
        }
    }
    m_edit.clear();
    UpdateControl(FALSE, FALSE);
    if (!any) {
        return;
    }
    const int value =
        static_cast<int>(std::clamp<long long>(negative ? -typed : typed, m_minimum, m_maximum));
    if (value != m_value) {
        m_value = value;
        SendMessageW(28, 0, 0);
    }
}

void MSpinButton::DrawArrow(Gdiplus::Graphics& graphics, const RECT& box, bool up, int state) {
    DrawSpinArrow(graphics, up ? m_upImage : m_downImage, box, up, state);
}

void MSpinButton::DrawField(Gdiplus::Graphics& graphics, const RECT& field) {
    bd::FillRound(graphics, field, 4, kFieldFill, m_focused ? kAccent : kFieldBorder);
    const std::wstring text = m_edit.empty() ? std::to_wstring(m_value) : m_edit;
    bd::DrawLine(graphics, text, GetTextDrawFont(), field, m_enabled ? m_textColor : kDisabledText,
                 1, 4, m_renderingHint);
    if (!m_edit.empty()) {
        // A bar under the typed text: it is not taken until Enter or leaving the field.
        Gdiplus::SolidBrush bar{Gdiplus::Color(kAccent)};
        graphics.FillRectangle(&bar, field.left + 4, field.bottom - 4, field.right - field.left - 8,
                               2);
    }
}

void MSpinButton::DrawControl(HDC dc, const RECT&) {
    if (m_rect.right <= m_rect.left || m_rect.bottom <= m_rect.top) {
        return;
    }
    Gdiplus::Graphics graphics(dc);
    const Layout layout = GetLayout();
    DrawField(graphics, layout.field);
    DrawArrow(graphics, layout.down, false, m_downState);
    DrawArrow(graphics, layout.up, true, m_upState);
}

} // namespace OrvixUI
