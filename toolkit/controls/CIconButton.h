#pragma once

#include "toolkit/controls/MButton.h"

#include <memory>
#include <string>

namespace OrvixUI {

class CKeyboardTips;

// A checkable icon button: a click checks it and unchecks the other icon buttons of its
// group; a checked (or held-down) button shows its pressed look. With tips on, the key tip
// window (title, text and an extra line) stands above it while the pointer is over it.
class ORVIXUI_API CIconButton : public MButton {
public:
    CIconButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title, BOOL visible,
                BOOL enabled);
    ~CIconButton() override;

    const wchar_t* GetClassNameW() override;
    BOOL GetCheck() const;
    // Only while enabled; checking it unchecks the group. Returns the check state.
    BOOL SetCheck(BOOL check);
    // Sets the check and the look without touching the group.
    void SetControlCheck(BOOL check);
    void ResetGroupCheck();
    void SetGroupName(const wchar_t* name);
    const wchar_t* GetGroupName() const;
    // Keeps the pressed look while set, whatever the check.
    void SetDownState(BOOL down);
    void SetTips(const wchar_t* title, const wchar_t* text, const wchar_t* extra);
    void SetShowTips(BOOL show);
    // The key tip window once it was first shown, else null.
    CKeyboardTips* GetTipsWindow() const;

protected:
    int ShownSlice() const override;
    void DrawStateSlice(HDC dc, const RECT& slice, int state) override;
    BOOL OnControlLButtonUp(UINT flags, POINT point) override;
    BOOL OnControlMouseMove(UINT flags, POINT point) override;
    void SetControlVisible(BOOL visible) override;

private:
    // Shows the tip with its bottom centre at the button's top centre, or hides it.
    void ShowTips(bool show);

    BOOL m_check = FALSE;
    BOOL m_down = FALSE;
    BOOL m_showTips = FALSE;
    std::wstring m_group;
    std::wstring m_tipTitle;
    std::wstring m_tipText;
    std::wstring m_tipExtra;
    bool m_hovered = false;
    std::unique_ptr<CKeyboardTips> m_tips;
};

} // namespace OrvixUI
