#include "toolkit/controls/CComboBoxWnd.h"

#include "toolkit/controls/CComboBoxList.h"
#include "toolkit/controls/MComboBox.h"

#include <mutex>

namespace OrvixUI {

namespace {

constexpr UINT kListId = 100;
constexpr const wchar_t* kWindowClass = L"CComboBoxWnd";
constexpr const wchar_t* kWindowTitle = L"ComboWnd";
constexpr COLORREF kDropFill = 0x130D09;
constexpr COLORREF kDropBorder = 0x555028;

} // namespace

CComboBoxWnd::CComboBoxWnd(MComboBox* owner) : m_owner(owner) {}

CComboBoxWnd::~CComboBoxWnd() {
    m_owner = nullptr;
    if (m_hwnd && IsWindow(m_hwnd)) {
        DestroyWindow(m_hwnd);
    }
}

bool CComboBoxWnd::Create(HWND owner, const RECT& screen) {
    if (!RegisterWindowClass()) {
        return false;
    }
    m_hwnd = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kWindowClass, kWindowTitle,
                             WS_POPUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, screen.left, screen.top,
                             screen.right - screen.left, screen.bottom - screen.top, owner, nullptr,
                             GetModuleHandleW(nullptr), this);
    return m_hwnd != nullptr;
}

void CComboBoxWnd::Fill(const MComboBox& combo) {
    m_manager.Init(m_hwnd, this);
    m_manager.EnableWndDrag(FALSE);
    m_manager.SetBackColor(kDropFill, kDropBorder);
    if (combo.m_scrollV || combo.m_scrollH) {
        m_manager.SetScrollResID(combo.m_scrollV, combo.m_scrollH);
    }
    if (!combo.m_backImage.empty() && m_manager.LoadBKImage(combo.m_backImage.c_str())) {
        m_manager.SetBackMode(BACK_MODE_NINE_PATCH, 10);
    }
    RECT client = {};
    ::GetClientRect(m_hwnd, &client);
    m_list = static_cast<CComboBoxList*>(
        m_manager.CreateControl(this, L"CComboBoxList", kListId, client, L"", TRUE, TRUE));
    if (!m_list) {
        return;
    }
    m_list->SetTextColor(combo.GetTextColor());
    {
        std::lock_guard guard(combo.m_itemLock);
        for (const ComboBoxItem& item : combo.m_items) {
            m_list->AddItem(item.text.c_str(), item.data, item.icon.c_str(), item.color);
        }
    }
    m_list->SetCurSel(combo.GetCurSel());
    m_manager.SetFocusControl(m_list);
    m_list->UpdateControl(TRUE, FALSE);
}

void CComboBoxWnd::Show() { ShowWindow(m_hwnd, SW_SHOW); }

void CComboBoxWnd::Close() {
    if (m_hwnd) {
        ShowWindow(m_hwnd, SW_HIDE);
        PostMessageW(m_hwnd, WM_CLOSE, 0, 0);
    }
}

HWND CComboBoxWnd::Hwnd() const { return m_hwnd; }
CComboBoxList* CComboBoxWnd::List() const { return m_hwnd ? m_list : nullptr; }

long CComboBoxWnd::OnBaseMessage(UINT id, UINT code, WPARAM wParam, LPARAM) {
    if (id == kListId && code == 2) {
        Close();
        if (m_owner) {
            m_owner->OnDropDownChoice(static_cast<int>(wParam));
        }
    }
    return 0;
}

long CComboBoxWnd::OnControlUpdate(const RECT& rect, BOOL update, MControl* control) {
    return m_manager.OnControlUpdate(rect, update, control);
}

bool CComboBoxWnd::RegisterWindowClass() {
    WNDCLASSW wc = {};
    if (GetClassInfoW(GetModuleHandleW(nullptr), kWindowClass, &wc)) {
        return true;
    }
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kWindowClass;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    return RegisterClassW(&wc) != 0;
}

LRESULT CALLBACK CComboBoxWnd::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<CComboBoxWnd*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->OnMessage(hwnd, message, wParam, lParam);
}

LRESULT CComboBoxWnd::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            PostMessageW(hwnd, WM_CLOSE, 0, 0);
        }
        break;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) {
            PostMessageW(hwnd, WM_CLOSE, 0, 0);
            return 0;
        }
        break;
    case WM_ERASEBKGND:
        return 1;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_NCDESTROY:
        m_manager.OnWindowMessage(message, wParam, lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        m_hwnd = nullptr;
        m_list = nullptr;
        if (m_owner) {
            m_owner->OnDropDownClosed();
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    default:
        break;
    }
    const LRESULT result = m_manager.OnWindowMessage(message, wParam, lParam);
    if (result || message == WM_PAINT) {
        return result;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace OrvixUI
