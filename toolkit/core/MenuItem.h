#pragma once

#include "toolkit/core/MControlFont.h"

#include <string>

namespace OrvixUI {

class MenuWnd;

// One entry of a toolkit menu: a plain item (click: code 2), a checkable item (press: code 7
// with the check state before the press; toggles at release) or a separator.
//
// Its cached surface holds one slice per prepared look: 1 for a separator, 4 for a plain item
// (normal, hover, pressed, disabled), 6 for a checkable item (unchecked, hover, checked,
// disabled, checked and hovered, checked and disabled).
class ORVIXUI_API MenuItem : public MControlFont {
public:
    // Item states as GetState reports them.
    static constexpr int kNormal = 0;
    static constexpr int kHover = 1;
    static constexpr int kPressed = 2; // plain items
    static constexpr int kChecked = 2; // checkable items
    static constexpr int kDisabled = 3;
    static constexpr int kCheckedDisabled = 5;
    static constexpr int kCheckedHover = 6;

    MenuItem(MObject* parent, UINT id, const RECT& rect, const wchar_t* title, BOOL visible);

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const RECT& clip) override;

    BOOL GetCheck() const;
    void SetCheck(BOOL check);
    BOOL IsCheckable() const;
    void SetCheckable(BOOL checkable);
    BOOL IsPopup() const;
    void SetPopupMenu(MenuWnd* menu);
    MenuWnd* GetPopupMenu() const;
    BOOL IsSeparator() const;
    void SetSeparator(BOOL separator);
    const wchar_t* GetGroupName() const;
    void SetGroupName(const wchar_t* name);
    UINT_PTR GetValue() const;
    void SetValue(UINT_PTR value);
    // ARGB.
    void SetHoverColor(DWORD color);
    DWORD GetHoverColor() const;
    void SetHoverImage(ImgResInfo* image);
    void SetCheckImage(ImgResInfo* image);
    // The highlight leaves this many pixels free at either end.
    void SetFrameWidth(int width);
    void SetTextIndent(int indent);
    int GetTextIndent() const;

    int GetState() const;
    // The prepared slice that shows a state; never beyond the slices the surface holds.
    static int SliceOfState(int state, BOOL checkable, BOOL separator);
    static int SliceCount(BOOL checkable, BOOL separator);

protected:
    void DrawStateSlice(HDC dc, const RECT& slice, int index) override;
    BOOL OnControlMouseMove(UINT flags, POINT point) override;
    BOOL OnControlLButtonDown(UINT flags, POINT point) override;
    BOOL OnControlLButtonUp(UINT flags, POINT point) override;
    void SetControlEnabled(BOOL enabled) override;

private:
    void DrawCheckMark(Gdiplus::Graphics& graphics, const RECT& slice);

    BOOL m_check = FALSE;
    BOOL m_checkable = FALSE;
    BOOL m_popup = FALSE;
    MenuWnd* m_popupMenu = nullptr;
    BOOL m_separator = FALSE;
    std::wstring m_groupName = L"Menu Group";
    bool m_groupSet = false;
    UINT_PTR m_value = 0;
    DWORD m_hoverColor = 0xFFC95100;
    int m_iconWidth = 30;
    int m_highlightInset = 0;
    int m_textIndent = 5;
    ImgResInfo* m_hoverImage = nullptr;
    ImgResInfo* m_checkImage = nullptr;
    bool m_hovered = false;
    bool m_pressed = false;
};

} // namespace OrvixUI
