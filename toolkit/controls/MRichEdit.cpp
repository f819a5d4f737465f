#include "toolkit/controls/MRichEdit.h"

#include "toolkit/controls/RichEditHost.h"
#include "toolkit/core/ImageCache.h"
#include "toolkit/core/MRender.h"
#include "toolkit/core/PaintManager.h"
#include "toolkit/core/RichEditLibrary.h"

#include <windowsx.h>

#include <algorithm>
#include <cwchar>

namespace OrvixUI {

namespace {

using CreateTextServicesFn = HRESULT(WINAPI*)(IUnknown*, ITextHost*, IUnknown**);

// The interface id the text services answer to; the library's own export is preferred.
constexpr IID kTextServicesIid = {
    0x8d33f740, 0xcf58, 0x11ce, {0xa8, 0x9d, 0x00, 0xaa, 0x00, 0x6c, 0xad, 0xc5}};
constexpr int kStates = 4;
constexpr COLORREF kGrey = 0x808080;
// Pixels to twips at the 96 dpi the toolkit draws at.
constexpr LONG kTwipsPerPixel = 15;

struct TextServicesLibrary {
    CreateTextServicesFn create = nullptr;
    IID iid = kTextServicesIid;
};

// The toolkit's one loader keeps the library for the process: live text services depend on it.
const TextServicesLibrary& Library() {
    static const TextServicesLibrary library = [] {
        TextServicesLibrary result;
        HMODULE module = LoadRichEditLibrary();
        if (!module) {
            return result;
        }
        result.create = reinterpret_cast<CreateTextServicesFn>(
            reinterpret_cast<void*>(GetProcAddress(module, "CreateTextServices")));
        if (const auto* iid = reinterpret_cast<const IID*>(
                reinterpret_cast<void*>(GetProcAddress(module, "IID_ITextServices")))) {
            result.iid = *iid;
        }
        return result;
    }();
    return library;
}

DWORD CALLBACK WriteToFile(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
    DWORD written = 0;
    const BOOL ok = WriteFile(reinterpret_cast<HANDLE>(cookie), buffer, static_cast<DWORD>(size),
                              &written, nullptr);
    *done = static_cast<LONG>(written);
    return ok ? 0 : 1;
}

DWORD CALLBACK ReadFromFile(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
    DWORD read = 0;
    const BOOL ok = ReadFile(reinterpret_cast<HANDLE>(cookie), buffer, static_cast<DWORD>(size),
                             &read, nullptr);
    *done = static_cast<LONG>(read);
    return ok ? 0 : 1;
}

COLORREF ToColorRef(DWORD argb) {
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

} // namespace

MRichEdit::MRichEdit(MObject* parent, UINT id, const RECT& rect, const wchar_t* title, BOOL visible,
                     BOOL enabled)
    : MPanel(parent, id, rect, visible, enabled), m_host(std::make_unique<RichEditHost>(*this)),
      m_state(enabled ? 0 : 3) {
    m_title = title ? title : L"";
    m_tabStop = TRUE;
    m_paraFormat.cbSize = sizeof m_paraFormat;
    m_paraFormat.dwMask = PFM_ALIGNMENT;
    m_paraFormat.wAlignment = PFA_LEFT;
    UpdateCharFormat();
}

MRichEdit::~MRichEdit() { ReleaseServices(); }

void MRichEdit::ReleaseServices() {
    if (m_services) {
        if (m_active) {
            m_services->OnTxInPlaceDeactivate();
        }
        m_services->Release();
        m_services = nullptr;
    }
    if (m_manager) {
        for (UINT id : m_timers) {
            m_manager->KillTimer(this, id);
        }
    }
    m_timers.clear();
}

void MRichEdit::InitControl(PaintManager* manager) {
    MPanel::InitControl(manager);
    if (manager && !m_services && !m_servicesTried) {
        CreateServices();
    }
}

bool MRichEdit::CreateServices() {
    m_servicesTried = true;
    const TextServicesLibrary& library = Library();
    if (!library.create) {
        return false;
    }
    IUnknown* unknown = nullptr;
    if (FAILED(library.create(nullptr, m_host.get(), &unknown)) || !unknown) {
        return false;
    }
    void* services = nullptr;
    const HRESULT queried = unknown->QueryInterface(library.iid, &services);
    unknown->Release();
    if (FAILED(queried) || !services) {
        return false;
    }
    m_services = static_cast<ITextServices*>(services);
    m_services->TxSetText(m_title.c_str());
    TxSendMessage(EM_SETEVENTMASK, 0, ENM_CHANGE);
    EnsureActive();
    return true;
}

void MRichEdit::EnsureActive() {
    if (m_services && !m_active && m_manager && m_manager->GetPaintWnd()) {
        const RECT client = TextClientRect();
        m_active = SUCCEEDED(m_services->OnTxInPlaceActivate(&client));
    }
}

BOOL MRichEdit::IsTextServicesReady() const { return m_services ? TRUE : FALSE; }

LRESULT MRichEdit::TxSendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (m_services) {
        m_services->TxSendMessage(message, wParam, lParam, &result);
    }
    return result;
}

RECT MRichEdit::TextClientRect() const {
    RECT client = m_rect;
    client.left += m_padding.left;
    client.top += m_padding.top;
    client.right -= m_padding.right;
    client.bottom -= m_padding.bottom;
    if (m_icon && m_icon->image) {
        client.left += m_icon->frameWidth + 6;
    }
    if (client.right < client.left) {
        client.right = client.left;
    }
    if (client.bottom < client.top) {
        client.bottom = client.top;
    }
    return client;
}

void MRichEdit::SetTextFont(const wchar_t* name) {
    MPanel::SetTextFont(name);
    UpdateCharFormat();
    NotifyProperty(TXTBIT_CHARFORMATCHANGE);
}

void MRichEdit::SetTextColor(DWORD color) {
    MPanel::SetTextColor(color);
    UpdateCharFormat();
    NotifyProperty(TXTBIT_CHARFORMATCHANGE);
}

void MRichEdit::NotifyProperty(DWORD bit) {
    if (m_services) {
        m_services->OnTxPropertyBitsChange(bit, bit);
    }
    UpdateControl(TRUE, FALSE);
}

void MRichEdit::UpdateCharFormat() {
    m_charFormat = {};
    m_charFormat.cbSize = sizeof m_charFormat;
    m_charFormat.dwMask =
        CFM_FACE | CFM_SIZE | CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_CHARSET;
    lstrcpynW(m_charFormat.szFaceName, m_fontFace.c_str(), LF_FACESIZE);
    m_charFormat.yHeight = m_fontSize * kTwipsPerPixel;
    m_charFormat.crTextColor = ToColorRef(m_textColor);
    m_charFormat.bCharSet = DEFAULT_CHARSET;
    m_charFormat.dwEffects = ((m_fontStyle & Gdiplus::FontStyleBold) ? CFE_BOLD : 0) |
                             ((m_fontStyle & Gdiplus::FontStyleItalic) ? CFE_ITALIC : 0) |
                             ((m_fontStyle & Gdiplus::FontStyleUnderline) ? CFE_UNDERLINE : 0);
}

std::wstring MRichEdit::ReadText() {
    if (!m_services) {
        return m_title;
    }
    const auto length = static_cast<size_t>(TxSendMessage(WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(length + 1, L'\0');
    const auto copied = static_cast<size_t>(
        TxSendMessage(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::min(copied, length));
    return text;
}

void MRichEdit::SetControlTitle(const wchar_t* text) {
    std::wstring value = text ? text : L"";
    if (m_limit > 0 && value.size() > static_cast<size_t>(m_limit)) {
        value.resize(static_cast<size_t>(m_limit));
    }
    m_title = value;
    if (m_services) {
        m_services->TxSetText(m_title.c_str());
    }
}

const wchar_t* MRichEdit::GetControlTitle() {
    m_title = ReadText();
    return m_title.c_str();
}

// --- Operations ---

long MRichEdit::StreamOut(int format, EDITSTREAM& stream) {
    return static_cast<long>(TxSendMessage(EM_STREAMOUT, static_cast<WPARAM>(format),
                                           reinterpret_cast<LPARAM>(&stream)));
}

long MRichEdit::StreamIn(int format, EDITSTREAM& stream) {
    const long count = static_cast<long>(
        TxSendMessage(EM_STREAMIN, static_cast<WPARAM>(format), reinterpret_cast<LPARAM>(&stream)));
    UpdateControl(TRUE, FALSE);
    return count;
}

BOOL MRichEdit::SaveRtf(const wchar_t* path) {
    if (!m_services || !path) {
        return FALSE;
    }
    HANDLE file =
        CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return FALSE;
    }
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(file), 0, &WriteToFile};
    StreamOut(SF_RTF, stream);
    CloseHandle(file);
    return stream.dwError == 0 ? TRUE : FALSE;
}

BOOL MRichEdit::LoadRtf(const wchar_t* path) {
    if (!m_services || !path) {
        return FALSE;
    }
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return FALSE;
    }
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(file), 0, &ReadFromFile};
    StreamIn(SF_RTF, stream);
    CloseHandle(file);
    return stream.dwError == 0 ? TRUE : FALSE;
}

BOOL MRichEdit::SetIconImage(const wchar_t* fileName, int frameCount) {
    ImgResInfo* icon =
        m_manager && fileName ? m_manager->AddImgResInfo(fileName, frameCount) : nullptr;
    if (!icon) {
        return FALSE;
    }
    m_icon = icon;
    m_iconFrames = frameCount < 1 ? 1 : frameCount;
    NotifyProperty(TXTBIT_CLIENTRECTCHANGE);
    return TRUE;
}

void MRichEdit::SetTipInfo(const wchar_t* tip) {
    m_tip = tip ? tip : L"";
    UpdateControl(TRUE, FALSE);
}

void MRichEdit::GetSel(long& start, long& end) {
    CHARRANGE range = {0, 0};
    TxSendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    start = range.cpMin;
    end = range.cpMax;
}

void MRichEdit::SetSel(long start, long end) {
    CHARRANGE range = {start, end};
    TxSendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void MRichEdit::ReplaceSel(const wchar_t* text, BOOL canUndo) {
    TxSendMessage(EM_REPLACESEL, canUndo, reinterpret_cast<LPARAM>(text ? text : L""));
}

const wchar_t* MRichEdit::GetSelText() {
    long start = 0, end = 0;
    GetSel(start, end);
    m_buffer.clear();
    if (m_services && end > start) {
        std::wstring text(static_cast<size_t>(end - start) + 1, L'\0');
        const auto copied = static_cast<size_t>(
            TxSendMessage(EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(text.data())));
        text.resize(std::min(copied, static_cast<size_t>(end - start)));
        m_buffer = text;
    }
    return m_buffer.c_str();
}

void MRichEdit::SetSelAll() { SetSel(0, -1); }

void MRichEdit::InsertText(long position, const wchar_t* text, BOOL canUndo) {
    SetSel(position, position);
    ReplaceSel(text, canUndo);
}

void MRichEdit::AppendText(const wchar_t* text, BOOL canUndo) {
    const long end = static_cast<long>(TxSendMessage(WM_GETTEXTLENGTH, 0, 0));
    InsertText(end, text, canUndo);
}

int MRichEdit::GetLineCount() { return static_cast<int>(TxSendMessage(EM_GETLINECOUNT, 0, 0)); }

const wchar_t* MRichEdit::GetLine(int line) {
    m_buffer.clear();
    const int start = LineIndex(line);
    if (!m_services || start < 0) {
        return m_buffer.c_str();
    }
    const auto length = static_cast<size_t>(TxSendMessage(EM_LINELENGTH, start, 0));
    // EM_GETLINE reads the buffer's size from its first character.
    std::wstring text(std::max<size_t>(length, 1) + 1, L'\0');
    text[0] = static_cast<wchar_t>(std::min<size_t>(text.size(), 0xFFFF));
    const auto copied = static_cast<size_t>(TxSendMessage(EM_GETLINE, static_cast<WPARAM>(line),
                                                          reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::min(copied, length));
    m_buffer = text;
    return m_buffer.c_str();
}

int MRichEdit::LineIndex(int line) {
    return m_services ? static_cast<int>(TxSendMessage(EM_LINEINDEX, static_cast<WPARAM>(line), 0))
                      : -1;
}

BOOL MRichEdit::CanUndo() { return TxSendMessage(EM_CANUNDO, 0, 0) ? TRUE : FALSE; }
BOOL MRichEdit::Undo() { return TxSendMessage(EM_UNDO, 0, 0) ? TRUE : FALSE; }
BOOL MRichEdit::Redo() { return TxSendMessage(EM_REDO, 0, 0) ? TRUE : FALSE; }
void MRichEdit::Copy() { TxSendMessage(WM_COPY, 0, 0); }
void MRichEdit::Cut() { TxSendMessage(WM_CUT, 0, 0); }
void MRichEdit::Paste() { TxSendMessage(WM_PASTE, 0, 0); }

void MRichEdit::SetReadOnly(BOOL readOnly) {
    m_readOnly = readOnly ? TRUE : FALSE;
    NotifyProperty(TXTBIT_READONLY);
}

void MRichEdit::SetPassword(BOOL on, wchar_t character) {
    m_password = on ? TRUE : FALSE;
    m_passwordChar = character ? character : L'*';
    NotifyProperty(TXTBIT_USEPASSWORD);
}

void MRichEdit::SetLimitText(int limit) {
    m_limit = limit < 0 ? 0 : limit;
    NotifyProperty(TXTBIT_MAXLENGTHCHANGE);
}

void MRichEdit::SetWordWrap(BOOL wrap) {
    m_wordWrap = wrap ? TRUE : FALSE;
    NotifyProperty(TXTBIT_WORDWRAP);
}

void MRichEdit::SetMultiLine(BOOL multiLine) {
    m_multiLine = multiLine ? TRUE : FALSE;
    NotifyProperty(TXTBIT_MULTILINE);
}

BOOL MRichEdit::SetDefaultCharFormat(CHARFORMAT2W& format) {
    format.cbSize = sizeof format;
    const BOOL done =
        TxSendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format)) ? TRUE
                                                                                        : FALSE;
    UpdateControl(TRUE, FALSE);
    return done;
}

BOOL MRichEdit::SetParaFormat(PARAFORMAT2& format) {
    format.cbSize = sizeof format;
    const BOOL done =
        TxSendMessage(EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format)) ? TRUE : FALSE;
    UpdateControl(TRUE, FALSE);
    return done;
}

void MRichEdit::SetTextPadding(const RECT& padding) {
    m_padding = padding;
    NotifyProperty(TXTBIT_CLIENTRECTCHANGE);
}

// --- State and input ---

int MRichEdit::GetState() const { return m_state; }
ImgResInfo* MRichEdit::GetIcon() const { return m_icon; }

void MRichEdit::SetState(int state) {
    if (state != m_state) {
        m_state = state;
        UpdateControl(FALSE, FALSE);
    }
}

void MRichEdit::SetControlRect(const RECT& rect) {
    MPanel::SetControlRect(rect);
    if (m_services) {
        m_services->OnTxPropertyBitsChange(TXTBIT_CLIENTRECTCHANGE, TXTBIT_CLIENTRECTCHANGE);
    }
}

void MRichEdit::SetControlEnabled(BOOL enabled) {
    MPanel::SetControlEnabled(enabled);
    m_state = m_enabled ? (m_focused ? 2 : 0) : 3;
}

void MRichEdit::SetControlFocus(BOOL focus) {
    MPanel::SetControlFocus(focus);
    EnsureActive();
    if (m_services) {
        if (focus) {
            m_services->OnTxUIActivate();
            TxSendMessage(WM_SETFOCUS, 0, 0);
        } else {
            TxSendMessage(WM_KILLFOCUS, 0, 0);
            m_services->OnTxUIDeactivate();
        }
    }
    if (m_enabled) {
        SetState(focus ? 2 : (m_inside ? 1 : 0));
    }
    UpdateControl(TRUE, FALSE);
}

BOOL MRichEdit::Forward(UINT message, UINT flags, POINT point) {
    if (!m_services || !m_enabled) {
        return FALSE;
    }
    TxSendMessage(message, flags, MAKELPARAM(point.x, point.y));
    return TRUE;
}

BOOL MRichEdit::OnControlMouseMove(UINT flags, POINT point) {
    const bool inside = ::PtInRect(&m_rect, point) != FALSE;
    m_inside = inside;
    if (m_enabled && m_state != 2) {
        SetState(inside ? 1 : 0);
    }
    if (inside || m_capturing) {
        Forward(WM_MOUSEMOVE, flags, point);
    }
    return inside;
}

BOOL MRichEdit::OnControlSetCursor(UINT flags, POINT point) {
    if (!m_services || !::PtInRect(&m_rect, point)) {
        return MPanel::OnControlSetCursor(flags, point);
    }
    const RECT client = TextClientRect();
    HDC dc = m_manager ? m_manager->GetPaintDC() : nullptr;
    m_services->OnTxSetCursor(DVASPECT_CONTENT, -1, nullptr, nullptr, dc, nullptr, &client, point.x,
                              point.y);
    return TRUE;
}

BOOL MRichEdit::OnControlLButtonDown(UINT flags, POINT point) {
    return Forward(WM_LBUTTONDOWN, flags, point);
}

BOOL MRichEdit::OnControlLButtonUp(UINT flags, POINT point) {
    return Forward(WM_LBUTTONUP, flags, point);
}

BOOL MRichEdit::OnControlLButtonDblClk(UINT flags, POINT point) {
    return Forward(WM_LBUTTONDBLCLK, flags, point);
}

BOOL MRichEdit::OnControlRButtonDown(UINT flags, POINT point) {
    return Forward(WM_RBUTTONDOWN, flags, point);
}

BOOL MRichEdit::OnControlRButtonUp(UINT flags, POINT point) {
    return Forward(WM_RBUTTONUP, flags, point);
}

LRESULT MRichEdit::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT handled = MPanel::OnWindowMessage(message, wParam, lParam)) {
        return handled;
    }
    if (!m_services) {
        return 0;
    }
    if (message == WM_TIMER) {
        for (UINT id : m_timers) {
            if (m_manager && m_manager->GetTimerID(this, id) == static_cast<UINT>(wParam)) {
                TxSendMessage(WM_TIMER, id, 0);
                return 1;
            }
        }
        return 0;
    }
    if (!m_focused || !m_enabled) {
        return 0;
    }
    switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_COMPOSITION:
    case WM_IME_ENDCOMPOSITION:
    case WM_IME_CHAR:
        // Tab and Escape belong to the window (focus order, closing).
        if ((message == WM_KEYDOWN || message == WM_CHAR) &&
            (wParam == VK_TAB || wParam == VK_ESCAPE)) {
            return 0;
        }
        TxSendMessage(message, wParam, lParam);
        return 1;
    default:
        return 0;
    }
}

// --- Drawing ---

void MRichEdit::DrawControl(HDC dc, const RECT&) {
    EnsureActive();
    DrawCachedStates(dc, kStates, m_state);
}

void MRichEdit::DrawBackdrop(HDC, const RECT&, int) {}

void MRichEdit::OnTextChanged() {
    SendMessageW(26, 0, 0);
    UpdateControl(TRUE, FALSE);
}

void MRichEdit::DrawStateSlice(HDC dc, const RECT& slice, int state) {
    DrawBackdrop(dc, slice, state);
    const int dx = slice.left - m_rect.left, dy = slice.top - m_rect.top;
    if (m_icon && m_icon->image) {
        Gdiplus::Graphics graphics(dc);
        const int top = slice.top + (slice.bottom - slice.top - m_icon->frameHeight) / 2;
        const int width = FrameWidth(static_cast<int>(m_icon->image->GetWidth()), m_iconFrames);
        graphics.DrawImage(
            m_icon->image,
            Gdiplus::Rect(slice.left + m_padding.left, top, width, m_icon->frameHeight), 0, 0,
            width, m_icon->frameHeight, Gdiplus::UnitPixel);
    }
    RECT client = TextClientRect();
    const std::wstring text = ReadText();
    if (text.empty()) {
        if (!m_tip.empty() && state != 2) {
            OffsetRect(&client, dx, dy);
            MRender::DrawTextW(dc, client, m_tip.c_str(), kGrey, GetGDIFont(),
                               DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX |
                                   DT_END_ELLIPSIS);
        }
        return;
    }
    if (!m_services) {
        OffsetRect(&client, dx, dy);
        MRender::DrawTextW(dc, client, text.c_str(), state == 3 ? kGrey : ToColorRef(m_textColor),
                           GetGDIFont(),
                           DT_LEFT | DT_NOPREFIX |
                               (m_multiLine ? DT_WORDBREAK | DT_EDITCONTROL
                                            : DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS));
        return;
    }
    // The services lay out in window coordinates; the slice is reached by moving the origin.
    POINT oldOrigin;
    SetViewportOrgEx(dc, dx, dy, &oldOrigin);
    const RECTL bounds = {client.left, client.top, client.right, client.bottom};
    m_services->TxDraw(DVASPECT_CONTENT, 0, nullptr, nullptr, dc, nullptr, &bounds, nullptr,
                       nullptr, nullptr, 0, m_active ? TXTVIEW_ACTIVE : TXTVIEW_INACTIVE);
    SetViewportOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
}

} // namespace OrvixUI
