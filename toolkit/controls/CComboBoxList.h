#pragma once

#include "toolkit/core/MPanel.h"

#include <string>
#include <vector>

namespace OrvixUI {

// One entry of a combo box and of its drop-down list.
struct ORVIXUI_API ComboBoxItem {
    std::wstring text;
    std::wstring icon;
    // ARGB; 0 (fully transparent) shows no colour mark.
    DWORD color = 0;
    long data = 0;
    RECT rect = {};
};

// The list inside a combo box's drop-down: rows of 30 pixels between 6-pixel margins, at most
// five rows tall before it scrolls. A click on a row, or Enter on the row chosen with the arrow
// keys, reports code 2 with wParam = the row's index.
class ORVIXUI_API CComboBoxList : public MPanel {
public:
    static constexpr int kRowHeight = 30;
    static constexpr int kMargin = 6;
    static constexpr int kMaxRows = 5;

    CComboBoxList(MObject* parent, UINT id, const RECT& rect, BOOL visible);

    // Height of a drop-down showing count items: min(count, 5) rows plus the margins.
    static int ListHeightFor(int count);

    void DrawControl(HDC dc, const RECT& clip) override;

    int AddItem(const wchar_t* text, long data, const wchar_t* icon, DWORD color);
    int GetListHeight() const;
    void DelAllItems();
    int GetItemCount() const;
    const ComboBoxItem* GetItem(int index) const;
    // The row shown as chosen (the combo's selection, then the arrow keys); −1 for none.
    void SetCurSel(int index);
    int GetCurSel() const;
    int GetHoverIndex() const;
    // The row under a window point, −1 when none.
    int ItemFromPoint(POINT point) const;

protected:
    void SetControlRect(const RECT& rect) override;
    BOOL OnControlMouseMove(UINT flags, POINT point) override;
    BOOL OnControlLButtonDown(UINT flags, POINT point) override;
    BOOL OnControlLButtonUp(UINT flags, POINT point) override;
    BOOL OnControlKeyDown(UINT vk, UINT repeat, UINT modifiers) override;

private:
    RECT RowRect(int index) const;
    void UpdateVirtualHeight();
    void ScrollIntoView(int index);
    void Choose(int index);

    std::vector<ComboBoxItem> m_items;
    int m_current = -1;
    int m_hover = -1;
    int m_pressed = -1;
};

} // namespace OrvixUI
