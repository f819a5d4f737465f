#pragma once

#include "toolkit/controls/MButton.h"

#include <string>

namespace OrvixUI {

// A colour swatch that is checked the moment it is pressed (code 1), unchecking the other
// colour buttons of its group; the release inside sends code 2. A checked swatch always
// shows its pressed look.
class ORVIXUI_API CColorButton : public MButton {
public:
    CColorButton(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled);

    const wchar_t* GetClassNameW() override;
    COLORREF GetColor() const;
    void SetColor(COLORREF color);
    BOOL GetCheck() const;
    // Only while enabled; checking it unchecks the group. Returns the check state.
    BOOL SetCheck(BOOL check);
    // Sets the check and the look without touching the group.
    void SetControlCheck(BOOL check);
    void ResetGroupCheck();
    void SetGroupName(const wchar_t* name);
    const wchar_t* GetGroupName() const;
    // A light frame with a dark rim around the colour instead of the state image.
    void SetVisibleBorder(BOOL on);

protected:
    int ShownSlice() const override;
    void DrawStateSlice(HDC dc, const RECT& slice, int state) override;
    BOOL OnControlLButtonDown(UINT flags, POINT point) override;

private:
    COLORREF m_color = 0x00FFFFFF;
    BOOL m_check = FALSE;
    BOOL m_border = FALSE;
    std::wstring m_group;
};

} // namespace OrvixUI
