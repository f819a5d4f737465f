#pragma once

#include "toolkit/core/PaintManager.h"

namespace OrvixUI {

class CComboBoxList;
class MComboBox;

// A combo box's drop-down: a borderless tool window titled "ComboWnd" whose PaintManager
// hosts one CComboBoxList filled with the combo's items. It closes itself when it loses
// activation or on Escape, and reports a choice to its combo. Internal to the library.
class CComboBoxWnd : public MObject {
public:
    explicit CComboBoxWnd(MComboBox* owner);
    // Destroys the window without calling back into the combo.
    ~CComboBoxWnd() override;
    CComboBoxWnd(const CComboBoxWnd&) = delete;
    CComboBoxWnd& operator=(const CComboBoxWnd&) = delete;

    // The window at screen, owned by the combo's window; hidden until Show.
    bool Create(HWND owner, const RECT& screen);
    // Builds the list from the combo's items, under the combo's item lock.
    void Fill(const MComboBox& combo);
    void Show();
    // Hides the window now and destroys it from the message loop, so that it may be called
    // from inside the list's own input handling.
    void Close();
    HWND Hwnd() const;
    // Null once the window is gone.
    CComboBoxList* List() const;

    long OnBaseMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam) override;
    long OnControlUpdate(const RECT& rect, BOOL update, MControl* control) override;

private:
    static bool RegisterWindowClass();
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    MComboBox* m_owner;
    HWND m_hwnd = nullptr;
    PaintManager m_manager;
    CComboBoxList* m_list = nullptr;
};

} // namespace OrvixUI
