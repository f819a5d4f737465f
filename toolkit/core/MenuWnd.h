#pragma once

#include "toolkit/core/MPopupWnd.h"

#include <string>
#include <vector>

namespace OrvixUI {

class MenuItem;

// A popup menu of MenuItem controls. Items report through the notify message, posted to the
// window given at Create with wParam the notification's value and lParam the item id; a click
// closes the menu, and so does losing the activation (silently). The object deletes itself once its
// window is gone, so it is made with new and not touched after it closed.
class ORVIXUI_API MenuWnd : public MPopupWnd {
public:
    explicit MenuWnd(MObject* parent = nullptr);

    HWND Create(HWND parentHwnd, POINT point, UINT notifyMessage);
    // backImage: a skin file drawn with backMode and modeParameter (empty: the plain fill);
    // width: the menu width (0 keeps the current one); titles may widen it.
    HWND Create(HWND parentHwnd, POINT point, UINT notifyMessage, const wchar_t* backImage,
                int modeParameter, int width, enumBackMode backMode);
    HWND Create(HWND parentHwnd, POINT point, UINT notifyMessage, UINT resourceId,
                const wchar_t* resourceType, int modeParameter, int width, enumBackMode backMode);

    // Returns -1. The menu widens to fit the title.
    int AddMenu(const wchar_t* title, UINT id, const wchar_t* icon = nullptr,
                BOOL checkable = FALSE, BOOL check = FALSE);
    int AddMenu(const wchar_t* title, UINT id, UINT iconResourceId, BOOL checkable = FALSE,
                BOOL check = FALSE);
    int AddSeparator(UINT id, const wchar_t* image = nullptr);

    void SetItemTitle(UINT id, const wchar_t* title);
    void SetItemVisible(UINT id, BOOL visible);
    void SetItemEnable(UINT id, BOOL enabled);
    void SetItemCheck(UINT id, BOOL check);
    MenuItem* GetItem(UINT id);

    // ARGB hover fill, or a skin image stretched over the hovered item.
    void SetHoverColor(DWORD color);
    void SetHoverImage(const wchar_t* fileName);
    void SetCheckImage(const wchar_t* fileName);
    void SetMenuFont(const wchar_t* face, int size, int style);
    void SetItemHeight(int height);
    void SetTextIndent(int indent);
    void SetMargins(int top, int bottom);
    int GetMenuWidth() const;

    void InitUI(const RECT& rect) override;
    void UISize(const RECT& rect) override;
    long OnMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

private:
    struct ItemSetting {
        UINT id;
        std::wstring title;
        BOOL visible;
        BOOL enabled;
        BOOL check;
    };

    MenuItem* NewItem(const wchar_t* title, UINT id);
    int TitleWidth(const wchar_t* title);
    void Widen(const wchar_t* title);
    ItemSetting& Setting(UINT id);
    void ApplySetting(const ItemSetting& setting);
    // Lays the items out from the top margin and fits the window to them.
    void SetMenuPoint();

    std::wstring m_fontFace;
    int m_fontSize;
    int m_fontStyle = 0;
    int m_vAlign = 4;
    int m_textIndent = 5;
    int m_itemHeight = 35;
    int m_menuWidth = 300;
    // The widest title so far, with its indent.
    int m_neededWidth = 0;
    int m_topMargin = 6;
    int m_bottomMargin = 6;
    DWORD m_hoverColor = 0xFF285055;
    std::wstring m_hoverImage;
    std::wstring m_checkImage;
    UINT m_notifyMessage = 0;
    HWND m_notifyHwnd = nullptr;
    std::vector<ItemSetting> m_settings;
};

} // namespace OrvixUI
