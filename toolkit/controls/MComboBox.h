#pragma once

#include "toolkit/controls/CComboBoxList.h"
#include "toolkit/controls/ComboBase.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace OrvixUI {

class CComboBoxWnd;

// A combo box: shows the selected item's text and, when clicked, opens a drop-down window
// listing every item. Choosing an item there selects it and reports code 2 with wParam = its
// index. Its background is the 4-frame state strip (0 normal, 1 hover, 2 pressed, 3 disabled),
// drawn as a nine-patch whose right margin holds the arrow.
class ORVIXUI_API MComboBox : public ComboBase {
public:
    MComboBox(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled);
    ~MComboBox() override;

    // Where the drop-down goes for a combo at comboScreen (screen coordinates): from the
    // combo's left + 4 to its right − 6, starting at its bottom, CComboBoxList::ListHeightFor
    // high; when that would end below the work area it spans the combo's full width and ends
    // at the combo's top.
    static RECT DropDownRect(const RECT& comboScreen, int itemCount, const RECT& workArea);

    // = InsertItem(−1, ...): appends.
    int AddItem(const wchar_t* text, long data, const wchar_t* icon = L"", DWORD color = 0);
    // index −1 appends; below −1 or beyond the end gives −1. Returns the last item's index.
    int InsertItem(int index, const wchar_t* text, long data, const wchar_t* icon, DWORD color);
    // An index outside −1 ... count − 1 returns 0 and changes nothing; −1 clears the text.
    BOOL SetCurSel(int index);
    int GetCurSel() const;
    // 0 when nothing is selected.
    long GetCurData() const;
    // Selects the first item with that data; 1 when found.
    BOOL SelectData(long data);
    // The first index with that data, −1 when none.
    int FindData(long data) const;
    BOOL SetItemText(int index, const wchar_t* text);
    BOOL SetItemData(int index, long data);
    long GetItemData(int index) const;
    std::wstring GetItemText(int index) const;
    BOOL DeleteItem(int index);
    void DelAllItems();
    int GetItemCount() const;

    // The drop-down's background image (skin file, drawn as a nine-patch).
    void SetBackImage(const wchar_t* fileName);
    void SetTextRect(const RECT& rect);
    const RECT& GetTextRect() const;
    // Scroll bar image resources for the drop-down's list; 0 keeps the library's own.
    void SetScrollResID(UINT vertical, UINT horizontal);

    BOOL IsOpen() const;
    // Opens the drop-down below (or above) the control; a drop-down still open is destroyed
    // first. Nothing opens for an empty combo. Returns whether a drop-down is open.
    BOOL OpenDropDown();
    void CloseDropDown();
    // The drop-down's window and list while one exists, else null.
    HWND GetDropDownWnd() const;
    CComboBoxList* GetDropDownList() const;

protected:
    void SetControlRect(const RECT& rect) override;
    void DrawStateSlice(HDC dc, const RECT& slice, int state) override;
    void OnComboPressed() override;
    void OnComboClicked() override;

private:
    friend class CComboBoxWnd;
    void OnDropDownChoice(int index);
    void OnDropDownClosed();
    void ResetTextRect();

    mutable std::recursive_mutex m_itemLock;
    std::vector<ComboBoxItem> m_items;
    int m_selected = -1;
    std::unique_ptr<CComboBoxWnd> m_dropDown;
    std::wstring m_backImage;
    UINT m_scrollV = 0;
    UINT m_scrollH = 0;
};

} // namespace OrvixUI
