#pragma once

#include "toolkit/controls/MButton.h"

namespace OrvixUI {

// A check box: an 8-frame strip (normal, hover, pressed, disabled, then the same four
// checked) drawn at its own size at the left, the title to its right. Nothing is sent at the
// press; a press released inside toggles the check and sends code 2. Its hot key, or the
// space bar while it has the focus, toggles it and sends code 7 with the new check state.
class ORVIXUI_API CCheckButton : public MButton {
public:
    static constexpr int kCheckedOffset = 4;

    CCheckButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title, BOOL visible,
                 BOOL enabled);

    BOOL GetCheck() const;
    // Only while enabled: a disabled box keeps its check. Returns the check state.
    virtual BOOL SetCheck(BOOL check);
    void SetControlFocus(BOOL focus) override;

protected:
    int StateCount() const override;
    void DrawStateSlice(HDC dc, const RECT& slice, int state) override;
    void SetControlEnabled(BOOL enabled) override;
    BOOL OnControlMouseMove(UINT flags, POINT point) override;
    BOOL OnControlLButtonDown(UINT flags, POINT point) override;
    BOOL OnControlLButtonUp(UINT flags, POINT point) override;
    BOOL OnControlKeyDown(UINT vk, UINT repeat, UINT modifiers) override;

    // The state of the given look (0 normal ... 3 disabled) for the current check.
    int StateOf(int look) const;
    // A press released inside: toggles here, checks radio buttons.
    virtual void OnClicked();
    // The hot key (hotKey true) or the space bar; returns whether the key was taken.
    virtual BOOL OnKeyToggle(bool hotKey);
    // The title's box inside a slice whose frame (the check mark) is frameWidth wide.
    virtual RECT TitleBox(const RECT& slice);

    BOOL m_check = FALSE;
    BOOL m_pressing = FALSE;
};

} // namespace OrvixUI
