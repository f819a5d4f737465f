#include "toolkit/controls/CEditWnd.h"

#include "toolkit/controls/EditTextRule.h"
#include "toolkit/controls/MEdit.h"
#include "toolkit/core/Manager.h"

#include <string>

namespace OrvixUI {

namespace {

const wchar_t kEditClass[] = L"FSEditWindow";
const wchar_t kOwnerProperty[] = L"OrvixUI.CEditWnd";
// The paint manager reflects a child's notifications back to it as message + 0x2000.
constexpr UINT kReflected = 0x2000;

HINSTANCE ClassInstance() {
    HMODULE module = Manager::GetModule();
    return module ? module : GetModuleHandleW(nullptr);
}

// The class is a plain copy of the system edit class; behaviour is added per window by
// subclassing, so it does not matter which part of the toolkit registered the class first.
bool RegisterEditClass() {
    WNDCLASSEXW info = {};
    info.cbSize = sizeof info;
    if (GetClassInfoExW(ClassInstance(), kEditClass, &info)) {
        return true;
    }
    if (!GetClassInfoExW(nullptr, L"Edit", &info)) {
        return false;
    }
    info.cbSize = sizeof info;
    info.hInstance = ClassInstance();
    info.lpszClassName = kEditClass;
    return RegisterClassExW(&info) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

std::wstring ClipboardText(HWND hwnd) {
    std::wstring text;
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(hwnd)) {
        return text;
    }
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text.assign(chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

} // namespace

CEditWnd::CEditWnd(MEdit& owner) : m_owner(&owner) {}

CEditWnd::~CEditWnd() { Destroy(); }

bool CEditWnd::Create(HWND host, bool popup, const RECT& rect, DWORD style) {
    if (m_hwnd || !RegisterEditClass()) {
        return m_hwnd != nullptr;
    }
    const DWORD kind = popup ? WS_POPUP : WS_CHILD;
    const DWORD exStyle = popup ? WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE : 0;
    m_hwnd = CreateWindowExW(exStyle, kEditClass, L"", kind | style, rect.left, rect.top,
                             rect.right - rect.left, rect.bottom - rect.top, host, nullptr,
                             ClassInstance(), nullptr);
    if (!m_hwnd) {
        return false;
    }
    SetPropW(m_hwnd, kOwnerProperty, this);
    m_previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(m_hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
    return true;
}

void CEditWnd::Destroy() {
    if (m_hwnd) {
        // The owner is going away: the window's last messages must not reach it.
        m_owner = nullptr;
        DestroyWindow(m_hwnd);
    }
}

LRESULT CALLBACK CEditWnd::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<CEditWnd*>(GetPropW(hwnd, kOwnerProperty));
    if (!self) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
}

LRESULT CEditWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = m_hwnd;
    const WNDPROC previous = m_previous;
    switch (message) {
    case kReflected + WM_COMMAND:
        if (HIWORD(wParam) == EN_CHANGE && m_owner) {
            m_owner->OnEditChanged();
        } else if (HIWORD(wParam) == EN_UPDATE) {
            InvalidateRect(hwnd, nullptr, FALSE);
        }
        return 0;
    case kReflected + WM_CTLCOLOREDIT:
    case kReflected + WM_CTLCOLORSTATIC:
        return OnColor(message - kReflected, wParam, lParam);
    case WM_KILLFOCUS:
        if (m_owner) {
            m_owner->SendMessageW(29, 0, 0);
        }
        break;
    case WM_CHAR:
        if (m_owner && !m_owner->AcceptsChar(static_cast<wchar_t>(wParam))) {
            return 0;
        }
        break;
    case WM_PASTE:
        OnPaste();
        return 0;
    case WM_NCDESTROY: {
        RemovePropW(hwnd, kOwnerProperty);
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        MEdit* owner = m_owner;
        m_hwnd = nullptr;
        if (m_brush) {
            DeleteObject(m_brush);
            m_brush = nullptr;
        }
        LRESULT result = CallWindowProcW(previous, hwnd, message, wParam, lParam);
        if (owner) {
            owner->OnEditDestroyed();
        }
        return result;
    }
    default:
        break;
    }
    return CallWindowProcW(previous, hwnd, message, wParam, lParam);
}

LRESULT CEditWnd::OnColor(UINT message, WPARAM wParam, LPARAM lParam) {
    const COLORREF back = m_owner ? m_owner->GetEditBKColor() : CLR_INVALID;
    if (back == CLR_INVALID) {
        return DefWindowProcW(GetParent(m_hwnd), message, wParam, lParam);
    }
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, m_owner->GetEditTextColor());
    SetBkColor(dc, back);
    if (!m_brush || m_brushColor != back) {
        if (m_brush) {
            DeleteObject(m_brush);
        }
        m_brush = CreateSolidBrush(back);
        m_brushColor = back;
    }
    return reinterpret_cast<LRESULT>(m_brush);
}

// The system edit limits pasted text to its length limit but lets letters into a digits-only
// field; both rules are applied here before the text goes in.
void CEditWnd::OnPaste() {
    if (!m_owner || (GetWindowLongW(m_hwnd, GWL_STYLE) & ES_READONLY)) {
        return;
    }
    DWORD start = 0, end = 0;
    CallWindowProcW(m_previous, m_hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                    reinterpret_cast<LPARAM>(&end));
    const auto length = static_cast<std::size_t>(GetWindowTextLengthW(m_hwnd));
    std::wstring fitted = m_owner->FitInsertion(ClipboardText(m_hwnd), length, end - start);
    if (!fitted.empty()) {
        CallWindowProcW(m_previous, m_hwnd, EM_REPLACESEL, TRUE,
                        reinterpret_cast<LPARAM>(fitted.c_str()));
    }
}

} // namespace OrvixUI
