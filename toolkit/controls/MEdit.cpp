#include "toolkit/controls/MEdit.h"

#include "toolkit/controls/CEditWnd.h"
#include "toolkit/controls/EditTextRule.h"
#include "toolkit/core/ImageCache.h"
#include "toolkit/core/MRender.h"
#include "toolkit/core/PaintManager.h"

namespace OrvixUI {

namespace {

constexpr int kStates = 4;
constexpr int kCorner = 4;
constexpr COLORREF kGrey = 0x808080;
constexpr int kIconInset = 9;

COLORREF ToColorRef(DWORD argb) {
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

} // namespace

MEdit::MEdit(MObject* parent, UINT id, const RECT& rect, const wchar_t* title, BOOL visible,
             BOOL enabled)
    : MControlFont(parent, id, rect, visible, enabled, TRUE), m_tip(title ? title : L""),
      m_editState(enabled ? 0 : 3), m_edit(std::make_unique<CEditWnd>(*this)) {
    m_tabStop = TRUE;
}

MEdit::~MEdit() {
    m_edit.reset();
    ClearEditFont();
}

// --- Text and settings ---

std::wstring MEdit::Clamp(const std::wstring& text) const {
    return ClampEditText(text, static_cast<size_t>(m_limit), m_numberOnly != FALSE);
}

std::wstring MEdit::FitInsertion(const std::wstring& text, size_t length, size_t selected) const {
    return FitEditInsertion(text, length, selected, static_cast<size_t>(m_limit),
                            m_numberOnly != FALSE);
}

bool MEdit::AcceptsChar(wchar_t character) const {
    if (!m_passChars) {
        return false;
    }
    // Control characters (backspace, the clipboard shortcuts) always pass.
    return !m_numberOnly || character < L' ' || IsEditDigit(character);
}

std::wstring MEdit::ReadWindowText() const {
    HWND hwnd = m_edit->GetHwnd();
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool MEdit::IsEditOpen() const {
    HWND hwnd = m_edit->GetHwnd();
    return hwnd && IsWindowVisible(hwnd);
}

const wchar_t* MEdit::GetEditText() {
    m_readBuffer = IsEditOpen() ? Clamp(ReadWindowText()) : m_title;
    return m_readBuffer.c_str();
}

void MEdit::SetEditText(const wchar_t* text) {
    std::wstring clamped = Clamp(text ? text : L"");
    if (clamped != m_title) {
        m_title = clamped;
    }
}

void MEdit::SetControlTitle(const wchar_t* text) {
    m_title = Clamp(text ? text : L"");
    if (HWND hwnd = m_edit->GetHwnd()) {
        m_syncing = true;
        SetWindowTextW(hwnd, m_title.c_str());
        m_syncing = false;
    }
    UpdateControl(TRUE, FALSE);
}

const wchar_t* MEdit::GetControlTitle() {
    HideEdit();
    return m_title.c_str();
}

void MEdit::SetTipInfo(const wchar_t* tip) {
    m_tip = tip ? tip : L"";
    UpdateControl(TRUE, FALSE);
}

const wchar_t* MEdit::GetTipInfo() const { return m_tip.c_str(); }

void MEdit::SetLimitText(int limit) {
    m_limit = limit < 0 ? 0 : limit;
    if (HWND hwnd = m_edit->GetHwnd()) {
        ::SendMessageW(hwnd, EM_SETLIMITTEXT, static_cast<WPARAM>(m_limit), 0);
    }
    std::wstring clamped = Clamp(m_title);
    if (clamped != m_title) {
        SetControlTitle(clamped.c_str());
    }
}

int MEdit::GetLimitText() const { return m_limit; }

void MEdit::SetReadOnly(BOOL readOnly) {
    m_readOnly = readOnly ? TRUE : FALSE;
    if (HWND hwnd = m_edit->GetHwnd()) {
        ::SendMessageW(hwnd, EM_SETREADONLY, m_readOnly, 0);
    }
}

void MEdit::SetNumberOnly(BOOL numberOnly) {
    m_numberOnly = numberOnly ? TRUE : FALSE;
    if (HWND hwnd = m_edit->GetHwnd()) {
        LONG style = GetWindowLongW(hwnd, GWL_STYLE);
        SetWindowLongW(hwnd, GWL_STYLE, m_numberOnly ? style | ES_NUMBER : style & ~ES_NUMBER);
    }
    std::wstring clamped = Clamp(m_title);
    if (clamped != m_title) {
        SetControlTitle(clamped.c_str());
    }
}

void MEdit::EnablePassWord(BOOL on) {
    m_password = on ? TRUE : FALSE;
    if (HWND hwnd = m_edit->GetHwnd()) {
        ::SendMessageW(hwnd, EM_SETPASSWORDCHAR, m_password ? m_passwordChar : 0, 0);
    }
    UpdateControl(TRUE, FALSE);
}

void MEdit::SetPassWordChar(wchar_t character) {
    m_passwordChar = character;
    if (HWND hwnd = m_edit->GetHwnd(); hwnd && m_password) {
        ::SendMessageW(hwnd, EM_SETPASSWORDCHAR, m_passwordChar, 0);
    }
    UpdateControl(TRUE, FALSE);
}

void MEdit::EnableMultLine(BOOL on) { m_multiLine = on ? TRUE : FALSE; }
void MEdit::EnableCharMessage(BOOL on) { m_passChars = on ? TRUE : FALSE; }

void MEdit::SetEditFont(const wchar_t* face, int size, BOOL bold, BOOL underline, BOOL italic) {
    m_editFace = face ? face : L"";
    m_editSize = size;
    m_editStyle = (bold ? Gdiplus::FontStyleBold : 0) | (italic ? Gdiplus::FontStyleItalic : 0) |
                  (underline ? Gdiplus::FontStyleUnderline : 0);
    ClearEditFont();
    if (HWND hwnd = m_edit->GetHwnd()) {
        ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetEditFont()), TRUE);
    }
    UpdateControl(TRUE, FALSE);
}

void MEdit::SetEditBKColor(COLORREF color) {
    m_editBack = color;
    if (HWND hwnd = m_edit->GetHwnd()) {
        ::InvalidateRect(hwnd, nullptr, TRUE);
    }
}

COLORREF MEdit::GetEditBKColor() const { return m_editBack; }
COLORREF MEdit::GetEditTextColor() const { return ToColorRef(m_textColor); }

void MEdit::SetTextRect(const RECT& rect) {
    m_explicitTextRect = rect;
    m_hasTextRect = true;
    UpdateControl(TRUE, FALSE);
}

BOOL MEdit::SetIconImage(const wchar_t* fileName, int frameCount) {
    ImgResInfo* icon =
        m_manager && fileName ? m_manager->AddImgResInfo(fileName, frameCount) : nullptr;
    if (!icon) {
        return FALSE;
    }
    m_icon = icon;
    m_iconFrames = frameCount < 1 ? 1 : frameCount;
    UpdateControl(TRUE, FALSE);
    return TRUE;
}

BOOL MEdit::IsEditFocused() {
    HWND hwnd = m_edit->GetHwnd();
    return hwnd && IsWindowVisible(hwnd) && GetFocus() == hwnd;
}

HWND MEdit::GetEditWnd() const { return m_edit->GetHwnd(); }
int MEdit::GetEditState() const { return m_editState; }
int MEdit::GetIconState() const { return m_iconState; }

HFONT MEdit::GetEditFont() {
    if (!m_editFont) {
        LOGFONTW font = {};
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
        lstrcpynW(font.lfFaceName, m_editFace.c_str(), LF_FACESIZE);
        font.lfHeight = -m_editSize;
        font.lfWidth = 0;
        font.lfCharSet = DEFAULT_CHARSET;
        if (m_editStyle & Gdiplus::FontStyleBold) {
            font.lfWeight += FW_BOLD;
        }
        font.lfItalic = (m_editStyle & Gdiplus::FontStyleItalic) ? TRUE : FALSE;
        font.lfUnderline = (m_editStyle & Gdiplus::FontStyleUnderline) ? TRUE : FALSE;
        m_editFont = CreateFontIndirectW(&font);
    }
    return m_editFont;
}

void MEdit::ClearEditFont() {
    if (m_editFont) {
        DeleteObject(m_editFont);
        m_editFont = nullptr;
    }
}

// --- Geometry ---

RECT MEdit::GetIconRect() const {
    if (!m_icon || !m_icon->image) {
        return RECT{};
    }
    const int width = FrameWidth(static_cast<int>(m_icon->image->GetWidth()), m_iconFrames);
    const int height = static_cast<int>(m_icon->image->GetHeight());
    const int right = m_rect.right - kIconInset;
    const int top = m_rect.top + (m_rect.bottom - m_rect.top - height) / 2;
    return RECT{right - width, top, right, top + height};
}

RECT MEdit::GetTextRect() const {
    if (m_hasTextRect) {
        return m_explicitTextRect;
    }
    RECT text = m_rect;
    if (m_multiLine) {
        InflateRect(&text, -6, -5);
    } else {
        InflateRect(&text, -8, 0);
        const int height = m_editSize == 10 ? 14 : m_editSize == 12 ? 18 : m_editSize;
        text.top = m_rect.top + (m_rect.bottom - m_rect.top - height) / 2;
        text.bottom = text.top + height;
    }
    if (m_icon && m_icon->image) {
        const RECT icon = GetIconRect();
        text.right -= (icon.right - icon.left) + 6;
    }
    return text;
}

bool MEdit::OnIcon(POINT point) const {
    const RECT icon = GetIconRect();
    return ::PtInRect(&icon, point) != FALSE;
}

RECT MEdit::EditWindowRect() const {
    RECT rect = GetTextRect();
    if (m_manager && m_manager->IsLayered()) {
        POINT origin = {0, 0};
        ClientToScreen(m_manager->GetPaintWnd(), &origin);
        OffsetRect(&rect, origin.x, origin.y);
    }
    return rect;
}

void MEdit::SetControlRect(const RECT& rect) {
    MControlFont::SetControlRect(rect);
    if (HWND hwnd = m_edit->GetHwnd()) {
        const RECT place = EditWindowRect();
        MoveWindow(hwnd, place.left, place.top, place.right - place.left, place.bottom - place.top,
                   TRUE);
    }
}

// --- Editor ---

void MEdit::CreateEditWindow() {
    DWORD style = m_multiLine ? ES_MULTILINE | ES_AUTOVSCROLL : ES_AUTOHSCROLL;
    if (m_hAlign & 1) {
        style |= ES_CENTER;
    } else if (m_hAlign & 2) {
        style |= ES_RIGHT;
    }
    if (m_password) {
        style |= ES_PASSWORD;
    }
    if (m_numberOnly) {
        style |= ES_NUMBER;
    }
    const bool popup = m_manager->IsLayered() != FALSE;
    if (!m_edit->Create(m_manager->GetPaintWnd(), popup, EditWindowRect(), style)) {
        return;
    }
    HWND hwnd = m_edit->GetHwnd();
    ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetEditFont()), FALSE);
    if (m_password) {
        ::SendMessageW(hwnd, EM_SETPASSWORDCHAR, m_passwordChar, 0);
    }
    ::SendMessageW(hwnd, EM_SETLIMITTEXT, static_cast<WPARAM>(m_limit), 0);
    m_syncing = true;
    SetWindowTextW(hwnd, m_title.c_str());
    m_syncing = false;
    ::SendMessageW(hwnd, EM_SETMODIFY, FALSE, 0);
    ::SendMessageW(hwnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    EnableWindow(hwnd, m_enabled);
    ::SendMessageW(hwnd, EM_SETREADONLY, m_readOnly, 0);
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    SetFocus(hwnd);
    ::SendMessageW(hwnd, EM_SETSEL, 0, -1);
}

void MEdit::ShowEdit() {
    if (m_readOnly || !m_enabled || !m_manager || !m_manager->GetPaintWnd()) {
        return;
    }
    // Already open with the keyboard: a second opening would reset what is being typed.
    if (IsEditFocused()) {
        return;
    }
    if (!m_edit->GetHwnd()) {
        CreateEditWindow();
        if (!m_edit->GetHwnd()) {
            return;
        }
    } else {
        const RECT place = EditWindowRect();
        MoveWindow(m_edit->GetHwnd(), place.left, place.top, place.right - place.left,
                   place.bottom - place.top, FALSE);
    }
    HWND hwnd = m_edit->GetHwnd();
    m_syncing = true;
    SetWindowTextW(hwnd, m_title.c_str());
    m_syncing = false;
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    const auto end = static_cast<LPARAM>(m_title.size());
    ::SendMessageW(hwnd, EM_SETSEL, static_cast<WPARAM>(end), end);
    SetFocus(hwnd);
    m_focused = TRUE;
    SendMessageW(30, 0, 0);
}

void MEdit::HideEdit() {
    m_focused = FALSE;
    HWND hwnd = m_edit->GetHwnd();
    if (!hwnd || !IsWindowVisible(hwnd)) {
        return;
    }
    std::wstring text = Clamp(ReadWindowText());
    if (text != m_title) {
        m_title = text;
        UpdateControl(TRUE, FALSE);
    }
    // The keyboard goes back to the window rather than to nowhere.
    if (GetFocus() == hwnd && m_manager && m_manager->GetPaintWnd()) {
        SetFocus(m_manager->GetPaintWnd());
    }
    ShowWindow(hwnd, SW_HIDE);
    SendMessageW(29, 0, 0);
}

void MEdit::OnEditChanged() {
    HWND hwnd = m_edit->GetHwnd();
    if (m_syncing || !hwnd) {
        return;
    }
    const std::wstring typed = ReadWindowText();
    const std::wstring kept = Clamp(typed);
    if (kept != typed) {
        // Text that came in some other way (dropped, set through the window) still keeps the
        // limit and the digit rule.
        m_syncing = true;
        SetWindowTextW(hwnd, kept.c_str());
        ::SendMessageW(hwnd, EM_SETSEL, kept.size(), static_cast<LPARAM>(kept.size()));
        m_syncing = false;
    }
    if (kept != m_title) {
        m_title = kept;
        SendMessageW(26, 0, 0);
        UpdateControl(TRUE, FALSE);
    }
}

void MEdit::OnEditDestroyed() { UpdateControl(TRUE, FALSE); }

// --- States and input ---

void MEdit::SetStates(int editState, int iconState) {
    if (editState != m_editState || iconState != m_iconState) {
        m_editState = editState;
        m_iconState = iconState;
        UpdateControl(FALSE, FALSE);
    }
}

LRESULT MEdit::OnWindowMessage(UINT message, WPARAM, LPARAM) {
    m_pressArriving = message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK;
    return 0;
}

// Focus from a press leaves the opening to the press: it knows whether the icon was hit, and
// in a layered window the editor's popup takes the activation, which must not happen while
// the window is still handing the press out.
void MEdit::SetControlFocus(BOOL focus) {
    MControlFont::SetControlFocus(focus);
    if (focus) {
        if (m_enabled && !m_pressArriving) {
            SetStates(2, m_iconState);
            ShowEdit();
        }
    } else {
        HideEdit();
        SetStates(m_enabled ? 0 : 3, 0);
    }
}

void MEdit::SetControlVisible(BOOL visible) {
    MControlFont::SetControlVisible(visible);
    if (!visible) {
        HideEdit();
    }
}

void MEdit::SetControlEnabled(BOOL enabled) {
    MControlFont::SetControlEnabled(enabled);
    if (!enabled) {
        HideEdit();
    }
    if (HWND hwnd = m_edit->GetHwnd()) {
        EnableWindow(hwnd, m_enabled);
    }
    m_editState = m_enabled ? 0 : 3;
    m_iconState = 0;
}

BOOL MEdit::OnControlMouseMove(UINT, POINT point) {
    if (!m_enabled || m_editState == 2) {
        return FALSE;
    }
    const bool inside = ::PtInRect(&m_rect, point) != FALSE;
    SetStates(inside ? 1 : 0, inside && OnIcon(point) ? 1 : 0);
    return inside;
}

BOOL MEdit::OnControlLButtonDown(UINT, POINT point) {
    m_pressArriving = false;
    if (!::PtInRect(&m_rect, point)) {
        return FALSE;
    }
    if (OnIcon(point)) {
        SetStates(m_editState, 2);
        HideEdit();
        SendMessageW(9, 0, 0);
    } else {
        SetStates(2, m_iconState);
        ShowEdit();
        SendMessageW(1, 0, 0);
    }
    return TRUE;
}

BOOL MEdit::OnControlLButtonUp(UINT, POINT point) {
    if (!m_enabled) {
        return FALSE;
    }
    if (!::PtInRect(&m_rect, point)) {
        SetStates(0, 0);
        return FALSE;
    }
    if (OnIcon(point)) {
        SetStates(m_editState, 1);
        HideEdit();
        SendMessageW(31, 0, 0);
    }
    const bool wasPressed = m_editState == 2;
    SetStates(1, m_iconState);
    if (wasPressed) {
        SendMessageW(2, 0, 0);
    }
    return TRUE;
}

BOOL MEdit::OnControlKeyDown(UINT vk, UINT repeat, UINT modifiers) {
    if (m_focused && vk == VK_SPACE && modifiers == 0) {
        SendMessageW(1, 0, 0);
        SendMessageW(2, 0, 0);
        return TRUE;
    }
    return MControlFont::OnControlKeyDown(vk, repeat, modifiers);
}

// --- Drawing ---

void MEdit::DrawControl(HDC dc, const RECT&) {
    DrawCachedStates(dc, kStates, m_editState);
    if (m_icon && m_icon->image) {
        const RECT icon = GetIconRect();
        const int width = icon.right - icon.left;
        const int frame = m_iconState < m_iconFrames ? m_iconState : 0;
        Gdiplus::Graphics graphics(dc);
        graphics.DrawImage(m_icon->image,
                           Gdiplus::Rect(icon.left, icon.top, width, icon.bottom - icon.top),
                           frame * width, 0, width, icon.bottom - icon.top, Gdiplus::UnitPixel);
    }
}

void MEdit::DrawStateSlice(HDC dc, const RECT& slice, int state) {
    if (m_image && m_image->image) {
        Gdiplus::Graphics graphics(dc);
        const int frame = state < m_frameCount ? state : 0;
        MRender::DrawImageFrame(graphics, m_image->image, slice, frame * m_frameWidth, 0,
                                m_frameWidth, m_frameHeight, kCorner);
    }
    if (m_title.empty() && m_tip.empty()) {
        return;
    }
    RECT box = GetTextRect();
    OffsetRect(&box, slice.left - m_rect.left, slice.top - m_rect.top);
    std::wstring shown = m_title.empty() ? m_tip
                         : m_password    ? std::wstring(m_title.size(), m_passwordChar)
                                         : m_title;
    const COLORREF color = state == 3 || m_title.empty() ? kGrey : GetEditTextColor();
    UINT format = DT_NOPREFIX;
    if (m_hAlign == 1) {
        format |= DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_WORD_ELLIPSIS;
    } else if (m_multiLine) {
        format |= DT_LEFT | DT_WORDBREAK | DT_EDITCONTROL;
    } else {
        format |= DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_WORD_ELLIPSIS;
    }
    MRender::DrawTextW(dc, box, shown.c_str(), color, GetEditFont(), format);
}

} // namespace OrvixUI
