#include "toolkit/controls/CComboBoxWnd.h"

#include "toolkit/controls/CComboBoxList.h"
#include "toolkit/controls/MComboBox.h"

#include <mutex>

namespace OrvixUI {

CComboBoxWnd::CComboBoxWnd(MComboBox* combo) : MPopupWnd(combo), m_combo(combo) {}

CComboBoxWnd::~CComboBoxWnd() {
    // The combo may be going itself: it hears nothing from here on.
    m_combo = nullptr;
    if (m_hwnd && IsWindow(m_hwnd)) {
        ::DestroyWindow(m_hwnd);
    }
}

const wchar_t* CComboBoxWnd::GetWindowClassName() { return L"CComboBoxWnd"; }

HWND CComboBoxWnd::Create(HWND owner, const RECT& screen) {
    return MWindow::Create(owner, L"ComboWnd", WS_POPUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                           WS_EX_TOOLWINDOW | WS_EX_TOPMOST, screen);
}

CComboBoxList* CComboBoxWnd::List() const { return m_hwnd ? m_list : nullptr; }

void CComboBoxWnd::InitUI(const RECT& rect) {
    if (!m_combo) {
        return;
    }
    const MComboBox& combo = *m_combo;
    m_pm.SetBackColor(kBackFill, kBackBorder);
    if (combo.m_scrollV || combo.m_scrollH) {
        m_pm.SetScrollResID(combo.m_scrollV, combo.m_scrollH);
    }
    if (!combo.m_backImage.empty() && m_pm.LoadBKImage(combo.m_backImage.c_str())) {
        m_pm.SetBackMode(BACK_MODE_NINE_PATCH, 10);
    }
    m_list = static_cast<CComboBoxList*>(
        CreateControl(L"CComboBoxList", kListId, rect, L"", TRUE, TRUE));
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
    m_pm.SetFocusControl(m_list);
    m_list->UpdateControl(TRUE, FALSE);
}

long CComboBoxWnd::OnMessage(UINT id, UINT code, WPARAM wParam, LPARAM) {
    if (id == kListId && code == 2) {
        // Hidden at once; destroyed from the message loop, outside the list's own handling.
        ShowWindow(SW_HIDE);
        CloseWindow();
        if (m_combo) {
            m_combo->OnDropDownChoice(static_cast<int>(wParam));
        }
    }
    return 0;
}

LRESULT CComboBoxWnd::OnKeyDown(UINT vk, UINT, UINT) {
    if (vk == VK_ESCAPE) {
        CloseWindow();
    }
    return 0;
}

void CComboBoxWnd::PostNcDestroy() {
    MPopupWnd::PostNcDestroy();
    m_list = nullptr;
    if (m_combo) {
        m_combo->OnDropDownClosed();
    }
}

} // namespace OrvixUI
