#include "toolkit/controls/RichEditHost.h"

#include "toolkit/controls/MRichEdit.h"
#include "toolkit/core/PaintManager.h"

namespace OrvixUI {

namespace {

// The interface id of the host side, as the text services ask for it.
constexpr IID kTextHostIid = {
    0xc5bdd8d0, 0xd26e, 0x11ce, {0xa8, 0x9e, 0x00, 0xaa, 0x00, 0x6c, 0xad, 0xc5}};

} // namespace

HRESULT STDMETHODCALLTYPE RichEditHost::QueryInterface(REFIID iid, void** object) {
    if (!object) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, kTextHostIid)) {
        *object = static_cast<ITextHost*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE RichEditHost::AddRef() { return 1; }
ULONG STDMETHODCALLTYPE RichEditHost::Release() { return 1; }

HDC RichEditHost::TxGetDC() {
    PaintManager* manager = m_owner.GetManager();
    return manager && manager->GetPaintWnd() ? GetDC(manager->GetPaintWnd()) : nullptr;
}

INT RichEditHost::TxReleaseDC(HDC dc) {
    PaintManager* manager = m_owner.GetManager();
    return manager ? ReleaseDC(manager->GetPaintWnd(), dc) : 0;
}

// The control draws no scroll bars of the text services' own.
WINBOOL RichEditHost::TxShowScrollBar(INT, WINBOOL) { return TRUE; }
WINBOOL RichEditHost::TxEnableScrollBar(INT, INT) { return TRUE; }
WINBOOL RichEditHost::TxSetScrollRange(INT, LONG, INT, WINBOOL) { return TRUE; }
WINBOOL RichEditHost::TxSetScrollPos(INT, INT, WINBOOL) { return TRUE; }

void RichEditHost::TxInvalidateRect(LPCRECT, WINBOOL) { m_owner.UpdateControl(TRUE, FALSE); }
void RichEditHost::TxViewChange(WINBOOL) { m_owner.UpdateControl(TRUE, FALSE); }

WINBOOL RichEditHost::TxCreateCaret(HBITMAP bitmap, INT width, INT height) {
    if (PaintManager* manager = m_owner.GetManager()) {
        manager->CreateCaret(bitmap, width, height);
        return TRUE;
    }
    return FALSE;
}

WINBOOL RichEditHost::TxShowCaret(WINBOOL show) {
    if (PaintManager* manager = m_owner.GetManager()) {
        manager->ShowCaret(show);
        return TRUE;
    }
    return FALSE;
}

WINBOOL RichEditHost::TxSetCaretPos(INT x, INT y) {
    if (PaintManager* manager = m_owner.GetManager()) {
        manager->SetCaretPos(&m_owner, x, y);
        return TRUE;
    }
    return FALSE;
}

WINBOOL RichEditHost::TxSetTimer(UINT id, UINT timeout) {
    PaintManager* manager = m_owner.GetManager();
    if (!manager) {
        return FALSE;
    }
    m_owner.m_timers.insert(id);
    manager->SetTimer(&m_owner, id, timeout);
    return TRUE;
}

void RichEditHost::TxKillTimer(UINT id) {
    if (PaintManager* manager = m_owner.GetManager()) {
        manager->KillTimer(&m_owner, id);
    }
}

void RichEditHost::TxScrollWindowEx(INT, INT, LPCRECT, LPCRECT, HRGN, LPRECT, UINT) {
    m_owner.UpdateControl(TRUE, FALSE);
}

void RichEditHost::TxSetCapture(WINBOOL capture) {
    m_owner.m_capturing = capture != FALSE;
    if (PaintManager* manager = m_owner.GetManager()) {
        capture ? manager->SetCapture() : manager->ReleaseCapture();
    }
}

void RichEditHost::TxSetFocus() {
    if (PaintManager* manager = m_owner.GetManager()) {
        manager->SetFocusControl(&m_owner);
    }
}

void RichEditHost::TxSetCursor(HCURSOR cursor, WINBOOL) { SetCursor(cursor); }

WINBOOL RichEditHost::TxScreenToClient(LPPOINT point) {
    PaintManager* manager = m_owner.GetManager();
    return manager && manager->GetPaintWnd() ? ScreenToClient(manager->GetPaintWnd(), point)
                                             : FALSE;
}

WINBOOL RichEditHost::TxClientToScreen(LPPOINT point) {
    PaintManager* manager = m_owner.GetManager();
    return manager && manager->GetPaintWnd() ? ClientToScreen(manager->GetPaintWnd(), point)
                                             : FALSE;
}

HRESULT RichEditHost::TxActivate(LONG* oldState) {
    if (oldState) {
        *oldState = 0;
    }
    return S_OK;
}

HRESULT RichEditHost::TxDeactivate(LONG) { return S_OK; }

HRESULT RichEditHost::TxGetClientRect(LPRECT rect) {
    *rect = m_owner.TextClientRect();
    return S_OK;
}

HRESULT RichEditHost::TxGetViewInset(LPRECT rect) {
    *rect = RECT{};
    return S_OK;
}

HRESULT RichEditHost::TxGetCharFormat(const CHARFORMATW** format) {
    *format = reinterpret_cast<const CHARFORMATW*>(&m_owner.m_charFormat);
    return S_OK;
}

HRESULT RichEditHost::TxGetParaFormat(const PARAFORMAT** format) {
    *format = &m_owner.m_paraFormat;
    return S_OK;
}

COLORREF RichEditHost::TxGetSysColor(int index) {
    return index == COLOR_WINDOWTEXT ? m_owner.m_charFormat.crTextColor : GetSysColor(index);
}

HRESULT RichEditHost::TxGetBackStyle(TXTBACKSTYLE* style) {
    *style = TXTBACK_TRANSPARENT;
    return S_OK;
}

HRESULT RichEditHost::TxGetMaxLength(DWORD* length) {
    // 0 leaves the text services' own default limit.
    *length = m_owner.m_limit > 0 ? static_cast<DWORD>(m_owner.m_limit) : INFINITE;
    return S_OK;
}

HRESULT RichEditHost::TxGetScrollBars(DWORD* scrollBars) {
    *scrollBars = m_owner.m_multiLine ? ES_AUTOVSCROLL : ES_AUTOHSCROLL;
    return S_OK;
}

HRESULT RichEditHost::TxGetPasswordChar(TCHAR* character) {
    *character = m_owner.m_passwordChar;
    return m_owner.m_password ? S_OK : S_FALSE;
}

HRESULT RichEditHost::TxGetAcceleratorPos(LONG* position) {
    *position = -1;
    return S_OK;
}

HRESULT RichEditHost::TxGetExtent(LPSIZEL) { return E_NOTIMPL; }
HRESULT RichEditHost::OnTxCharFormatChange(const CHARFORMATW*) { return S_OK; }
HRESULT RichEditHost::OnTxParaFormatChange(const PARAFORMAT*) { return S_OK; }

HRESULT RichEditHost::TxGetPropertyBits(DWORD mask, DWORD* bits) {
    DWORD value = TXTBIT_RICHTEXT;
    if (m_owner.m_multiLine) {
        value |= TXTBIT_MULTILINE;
        if (m_owner.m_wordWrap) {
            value |= TXTBIT_WORDWRAP;
        }
    }
    if (m_owner.m_readOnly) {
        value |= TXTBIT_READONLY;
    }
    if (m_owner.m_password) {
        value |= TXTBIT_USEPASSWORD;
    }
    *bits = value & mask;
    return S_OK;
}

HRESULT RichEditHost::TxNotify(DWORD code, void*) {
    if (code == EN_CHANGE) {
        m_owner.OnTextChanged();
    }
    return S_OK;
}

HIMC RichEditHost::TxImmGetContext() { return nullptr; }
void RichEditHost::TxImmReleaseContext(HIMC) {}

HRESULT RichEditHost::TxGetSelectionBarWidth(LONG* width) {
    *width = 0;
    return S_OK;
}

} // namespace OrvixUI
