#include "toolkit/controls/MComboBox.h"

#include "toolkit/controls/CComboBoxWnd.h"
#include "toolkit/core/PaintManager.h"

#include <algorithm>

namespace OrvixUI {

MComboBox::MComboBox(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled)
    : ComboBase(parent, id, rect, visible, enabled) {
    ResetTextRect();
}

MComboBox::~MComboBox() { m_dropDown.reset(); }

RECT MComboBox::DropDownRect(const RECT& comboScreen, int itemCount, const RECT& workArea) {
    const int height = CComboBoxList::ListHeightFor(itemCount);
    RECT below = {comboScreen.left + 4, comboScreen.bottom, comboScreen.right - 6,
                  comboScreen.bottom + height};
    if (below.bottom <= workArea.bottom) {
        return below;
    }
    return RECT{comboScreen.left, comboScreen.top - height, comboScreen.right, comboScreen.top};
}

void MComboBox::ResetTextRect() { m_textRect = ContentRect(); }

int MComboBox::AddItem(const wchar_t* text, long data, const wchar_t* icon, DWORD color) {
    return InsertItem(-1, text, data, icon, color);
}

int MComboBox::InsertItem(int index, const wchar_t* text, long data, const wchar_t* icon,
                          DWORD color) {
    std::lock_guard guard(m_itemLock);
    const int count = static_cast<int>(m_items.size());
    if (index < -1 || index > count) {
        return -1;
    }
    ComboBoxItem item;
    item.text = text ? text : L"";
    item.icon = icon ? icon : L"";
    item.color = color;
    item.data = data;
    if (index == -1) {
        m_items.push_back(item);
    } else {
        m_items.insert(m_items.begin() + index, item);
        if (m_selected >= index) {
            ++m_selected;
        }
    }
    return static_cast<int>(m_items.size()) - 1;
}

BOOL MComboBox::SetCurSel(int index) {
    std::wstring text;
    {
        std::lock_guard guard(m_itemLock);
        if (index < -1 || index >= static_cast<int>(m_items.size())) {
            return FALSE;
        }
        m_selected = index;
        if (index >= 0) {
            text = m_items[static_cast<size_t>(index)].text;
        }
    }
    SetTitle(text.c_str());
    UpdateControl(TRUE, FALSE);
    return TRUE;
}

int MComboBox::GetCurSel() const { return m_selected; }

long MComboBox::GetCurData() const {
    std::lock_guard guard(m_itemLock);
    return m_selected >= 0 && m_selected < static_cast<int>(m_items.size())
               ? m_items[static_cast<size_t>(m_selected)].data
               : 0;
}

int MComboBox::FindData(long data) const {
    std::lock_guard guard(m_itemLock);
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].data == data) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

BOOL MComboBox::SelectData(long data) {
    const int index = FindData(data);
    return index >= 0 && SetCurSel(index);
}

BOOL MComboBox::SetItemText(int index, const wchar_t* text) {
    {
        std::lock_guard guard(m_itemLock);
        if (index < 0 || index >= static_cast<int>(m_items.size())) {
            return FALSE;
        }
        m_items[static_cast<size_t>(index)].text = text ? text : L"";
    }
    if (index == m_selected) {
        SetTitle(text);
    }
    return TRUE;
}

BOOL MComboBox::SetItemData(int index, long data) {
    std::lock_guard guard(m_itemLock);
    if (index < 0 || index >= static_cast<int>(m_items.size())) {
        return FALSE;
    }
    m_items[static_cast<size_t>(index)].data = data;
    return TRUE;
}

long MComboBox::GetItemData(int index) const {
    std::lock_guard guard(m_itemLock);
    return index >= 0 && index < static_cast<int>(m_items.size())
               ? m_items[static_cast<size_t>(index)].data
               : 0;
}

std::wstring MComboBox::GetItemText(int index) const {
    std::lock_guard guard(m_itemLock);
    return index >= 0 && index < static_cast<int>(m_items.size())
               ? m_items[static_cast<size_t>(index)].text
               : std::wstring();
}

BOOL MComboBox::DeleteItem(int index) {
    bool clearTitle = false;
    {
        std::lock_guard guard(m_itemLock);
        if (index < 0 || index >= static_cast<int>(m_items.size())) {
            return FALSE;
        }
        m_items.erase(m_items.begin() + index);
        if (index == m_selected) {
            m_selected = -1;
            clearTitle = true;
        } else if (index < m_selected) {
            --m_selected;
        }
    }
    if (clearTitle) {
        SetTitle(L"");
    }
    return TRUE;
}

void MComboBox::DelAllItems() {
    {
        std::lock_guard guard(m_itemLock);
        m_items.clear();
        m_selected = -1;
    }
    SetTitle(L"");
}

int MComboBox::GetItemCount() const {
    std::lock_guard guard(m_itemLock);
    return static_cast<int>(m_items.size());
}

void MComboBox::SetBackImage(const wchar_t* fileName) { m_backImage = fileName ? fileName : L""; }

void MComboBox::SetTextRect(const RECT& rect) {
    m_textRect = rect;
    UpdateControl(TRUE, FALSE);
}

const RECT& MComboBox::GetTextRect() const { return m_textRect; }

void MComboBox::SetScrollResID(UINT vertical, UINT horizontal) {
    m_scrollV = vertical;
    m_scrollH = horizontal;
}

BOOL MComboBox::IsOpen() const { return m_open; }

HWND MComboBox::GetDropDownWnd() const { return m_dropDown ? m_dropDown->GetSafeHwnd() : nullptr; }

CComboBoxList* MComboBox::GetDropDownList() const {
    return m_dropDown ? m_dropDown->List() : nullptr;
}

BOOL MComboBox::OpenDropDown() {
    m_dropDown.reset();
    const int count = GetItemCount();
    HWND owner = m_manager ? m_manager->GetPaintWnd() : nullptr;
    if (count == 0 || !owner || !IsWindow(owner)) {
        return FALSE;
    }
    RECT screen = m_rect;
    MapWindowPoints(owner, nullptr, reinterpret_cast<POINT*>(&screen), 2);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&screen, MONITOR_DEFAULTTONEAREST), &monitor);
    auto dropDown = std::make_unique<CComboBoxWnd>(this);
    if (!dropDown->Create(owner, DropDownRect(screen, count, monitor.rcWork))) {
        return FALSE;
    }
    m_dropDown = std::move(dropDown);
    m_open = TRUE;
    UpdateControl(FALSE, FALSE);
    m_dropDown->ShowWindow(SW_SHOW);
    return GetDropDownWnd() != nullptr;
}

void MComboBox::CloseDropDown() {
    if (m_dropDown) {
        m_dropDown->ShowWindow(SW_HIDE);
        m_dropDown->CloseWindow();
    }
}

void MComboBox::OnDropDownChoice(int index) {
    SetCurSel(index);
    m_open = FALSE;
    UpdateControl(FALSE, FALSE);
    SendMessageW(2, static_cast<WPARAM>(index), 0);
}

void MComboBox::OnDropDownClosed() {
    if (m_open) {
        m_open = FALSE;
        UpdateControl(FALSE, FALSE);
    }
}

void MComboBox::SetControlRect(const RECT& rect) {
    ComboBase::SetControlRect(rect);
    ResetTextRect();
}

// A drop-down that this press closes reports its end only once destroyed from the message
// loop; the combo stops showing it open at once.
void MComboBox::OnComboPressed() { m_open = FALSE; }

void MComboBox::OnComboClicked() { OpenDropDown(); }

void MComboBox::DrawStateSlice(HDC dc, const RECT& slice, int state) {
    Gdiplus::Graphics graphics(dc);
    DrawFrame(graphics, dc, slice, state);
    // The title keeps the control's alignment: left and vertically centred unless changed.
    RECT box = m_textRect;
    OffsetRect(&box, slice.left - m_rect.left, slice.top - m_rect.top);
    DrawTitle(graphics, box, state == 3 ? 0xFF808080 : m_textColor);
}

} // namespace OrvixUI
