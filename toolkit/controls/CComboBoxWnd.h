#pragma once

#include "toolkit/core/MPopupWnd.h"

namespace OrvixUI {

class CComboBoxList;
class MComboBox;

// A combo box's drop-down: a toolkit popup titled "ComboWnd" whose one control is a
// CComboBoxList filled with the combo's items. Like every popup it closes itself when it loses
// the activation; Escape closes it too. A choice is reported to the combo, and so is the
// window's end. Internal to the library.
class CComboBoxWnd : public MPopupWnd {
public:
    static constexpr UINT kListId = 100;
    static constexpr COLORREF kBackFill = 0x130D09;
    static constexpr COLORREF kBackBorder = 0x555028;

    explicit CComboBoxWnd(MComboBox* combo);
    // Destroys the window without calling back into the combo.
    ~CComboBoxWnd() override;

    const wchar_t* GetWindowClassName() override;
    // The window at screen, owned by the combo's window, its list filled; hidden until shown.
    HWND Create(HWND owner, const RECT& screen);
    // Null once the window is gone.
    CComboBoxList* List() const;

    void InitUI(const RECT& rect) override;
    long OnMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnKeyDown(UINT vk, UINT repeat, UINT flags) override;
    void PostNcDestroy() override;

private:
    MComboBox* m_combo;
    CComboBoxList* m_list = nullptr;
};

} // namespace OrvixUI
