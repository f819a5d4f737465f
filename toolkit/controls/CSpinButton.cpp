#include "toolkit/controls/CSpinButton.h"

#include "toolkit/controls/ButtonDrawing.h"
#include "toolkit/controls/SpinArrows.h"
#include "toolkit/core/ImageCache.h"
#include "toolkit/core/PaintManager.h"

#include <algorithm>
#include <string>

namespace OrvixUI {

namespace bd = button_drawing;

namespace {

constexpr DWORD kFieldFill = 0xFF23262D;
constexpr DWORD kFieldBorder = 0xFF3A3F4A;
constexpr DWORD kAccent = 0xFF00B4FF;

// The typed text as a number: an optional leading minus and digits, saturated far beyond the
// int range (no overflow whatever was pasted); false when it holds no digit or anything else.
bool ParseTyped(const std::wstring& text, long long& value) {
    size_t i = !text.empty() && text[0] == L'-' ? 1 : 0;
    const bool negative = i == 1;
    if (i == text.size()) {
        return false;
    }
    long long magnitude = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < L'0' || text[i] > L'9') {
            return false;
        }
        magnitude = std::min(magnitude * 10 + (text[i] - L'0'), 1LL << 40);
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

} // namespace

CSpinButton::CSpinButton(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled)
    : MRichEdit(parent, id, rect, L"0", visible, enabled) {
    m_hAlign = 0;
    if (!m_enabled) {
        m_upState = m_downState = 3;
    }
    // A minus sign and the digits of any int.
    SetLimitText(kMaxDigits + 1);
    SetWordWrap(FALSE);
    PlaceText();
}

void CSpinButton::InitControl(PaintManager* manager) {
    MRichEdit::InitControl(manager);
    if (manager) {
        m_upImage = manager->AddImgResInfo(L"img_spin_up.png", kSpinArrowFrames);
        m_downImage = manager->AddImgResInfo(L"img_spin_down.png", kSpinArrowFrames);
    }
    ShowValue();
}

RECT CSpinButton::UpRect() const {
    const int arrow = std::min(kArrowWidth, static_cast<int>(m_rect.right - m_rect.left) / 2);
    const int middle = m_rect.top + (m_rect.bottom - m_rect.top) / 2;
    return RECT{m_rect.right - arrow, m_rect.top, m_rect.right, middle};
}

RECT CSpinButton::DownRect() const {
    const RECT up = UpRect();
    return RECT{up.left, up.bottom, up.right, m_rect.bottom};
}

// One line, vertically centred, clear of the arrows.
void CSpinButton::PlaceText() {
    const int height = m_rect.bottom - m_rect.top;
    const int top = std::max(1, (height - (m_fontSize + 6)) / 2);
    SetTextPadding(RECT{8, top, kArrowWidth + 4, std::max(1, height - top - (m_fontSize + 6))});
}

void CSpinButton::SetControlRect(const RECT& rect) {
    MRichEdit::SetControlRect(rect);
    PlaceText();
}

int CSpinButton::SetCurValue(int value) {
    m_value = std::clamp(value, m_minimum, m_maximum);
    ShowValue();
    return m_value;
}

int CSpinButton::GetCurValue() const { return m_value; }

void CSpinButton::SetRange(int minimum, int maximum) {
    m_minimum = std::min(minimum, maximum);
    m_maximum = std::max(minimum, maximum);
    SetCurValue(m_value);
}

int CSpinButton::GetMinValue() const { return m_minimum; }
int CSpinButton::GetMaxValue() const { return m_maximum; }
int CSpinButton::GetUpState() const { return m_upState; }
int CSpinButton::GetDownState() const { return m_downState; }

void CSpinButton::ShowValue() {
    const std::wstring text = std::to_wstring(m_value);
    m_showing = true;
    if (text != GetTitle()) {
        SetTitle(text.c_str());
    }
    m_showing = false;
    UpdateControl(TRUE, FALSE);
}

void CSpinButton::CommitText() {
    const std::wstring typed = GetTitle();
    long long number = 0;
    const int before = m_value;
    if (ParseTyped(typed, number)) {
        m_value = static_cast<int>(std::clamp<long long>(number, m_minimum, m_maximum));
    }
    ShowValue();
    if (m_value != before) {
        SendMessageW(28, 0, 0);
    }
}

void CSpinButton::StepBy(int delta) {
    const int value = SteppedValue(m_value, delta, m_minimum, m_maximum);
    if (value != m_value) {
        m_value = value;
        ShowValue();
        SendMessageW(28, 0, 0);
    }
}

void CSpinButton::OnTextChanged() {
    if (!m_showing) {
        UpdateControl(TRUE, FALSE);
    }
}

void CSpinButton::SetControlFocus(BOOL focus) {
    const BOOL before = m_focused;
    MRichEdit::SetControlFocus(focus);
    if (before && !m_focused) {
        CommitText();
    }
}

void CSpinButton::SetControlEnabled(BOOL enabled) {
    MRichEdit::SetControlEnabled(enabled);
    m_repeat.Stop(m_manager, this);
    m_upState = m_downState = m_enabled ? 0 : 3;
    ShowValue();
}

LRESULT CSpinButton::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_focused && m_enabled) {
        if (message == WM_KEYDOWN) {
            switch (wParam) {
            case VK_RETURN:
                CommitText();
                return 1;
            case VK_UP:
            case VK_DOWN:
                CommitText();
                StepBy(wParam == VK_UP ? 1 : -1);
                return 1;
            case VK_ESCAPE:
                // Typed text is dropped; with none, Escape belongs to the window.
                if (GetTitle() != std::to_wstring(m_value)) {
                    ShowValue();
                    return 1;
                }
                return 0;
            default:
                break;
            }
        }
        if (message == WM_CHAR) {
            const auto c = static_cast<wchar_t>(wParam);
            const bool digit = c >= L'0' && c <= L'9';
            const bool minus = c == L'-' && m_minimum < 0;
            // Control characters (Backspace, the clipboard keys) still reach the editor.
            if (!digit && !minus && (c >= L' ' || c == L'\r' || c == L'\n')) {
                return 1;
            }
        }
    }
    return MRichEdit::OnWindowMessage(message, wParam, lParam);
}

void CSpinButton::SetArrowStates(int up, int down) {
    if (up != m_upState || down != m_downState) {
        m_upState = up;
        m_downState = down;
        UpdateControl(FALSE, FALSE);
    }
}

BOOL CSpinButton::OnControlMouseMove(UINT flags, POINT point) {
    const BOOL inside = MRichEdit::OnControlMouseMove(flags, point);
    if (m_enabled && m_repeat.Arrow() == 0) {
        const RECT up = UpRect(), down = DownRect();
        SetArrowStates(::PtInRect(&up, point) ? 1 : 0, ::PtInRect(&down, point) ? 1 : 0);
    }
    return inside;
}

BOOL CSpinButton::OnControlLButtonDown(UINT flags, POINT point) {
    const RECT up = UpRect(), down = DownRect();
    const bool onUp = ::PtInRect(&up, point) != FALSE;
    if (!onUp && !::PtInRect(&down, point)) {
        return MRichEdit::OnControlLButtonDown(flags, point);
    }
    const int arrow = onUp ? 1 : -1;
    SetArrowStates(onUp ? 2 : 0, onUp ? 0 : 2);
    CommitText();
    m_repeat.Start(m_manager, this, arrow);
    StepBy(arrow);
    return TRUE;
}

BOOL CSpinButton::OnControlLButtonUp(UINT flags, POINT point) {
    if (m_repeat.Arrow() == 0) {
        return MRichEdit::OnControlLButtonUp(flags, point);
    }
    m_repeat.Stop(m_manager, this);
    const RECT up = UpRect(), down = DownRect();
    SetArrowStates(::PtInRect(&up, point) ? 1 : 0, ::PtInRect(&down, point) ? 1 : 0);
    return TRUE;
}

BOOL CSpinButton::OnControlScroll(UINT, UINT direction, POINT) {
    CommitText();
    StepBy(direction == 1 ? -1 : 1);
    return TRUE;
}

BOOL CSpinButton::OnControlTimer() {
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

void CSpinButton::DrawBackdrop(HDC dc, const RECT& slice, int state) {
    Gdiplus::Graphics graphics(dc);
    bd::FillRound(graphics, slice, 4, kFieldFill, state == 2 ? kAccent : kFieldBorder);
}

void CSpinButton::DrawArrow(Gdiplus::Graphics& graphics, const RECT& box, bool up, int state) {
    DrawSpinArrow(graphics, up ? m_upImage : m_downImage, box, up, state);
}

// The arrows have states of their own: drawn over the cached field at each paint.
void CSpinButton::DrawControl(HDC dc, const RECT& clip) {
    if (m_rect.right <= m_rect.left || m_rect.bottom <= m_rect.top) {
        return;
    }
    MRichEdit::DrawControl(dc, clip);
    Gdiplus::Graphics graphics(dc);
    DrawArrow(graphics, UpRect(), true, m_upState);
    DrawArrow(graphics, DownRect(), false, m_downState);
}

} // namespace OrvixUI
