#pragma once

#include "toolkit/core/MControlFont.h"

namespace OrvixUI {

// A combo-shaped button that shows a colour instead of a text: the 4-frame state strip (as
// MComboBox) with the colour area filling its text rectangle. A click reports code 2; the
// owner opens its colour picker and marks the combo open with SetIsOpen while it shows.
class ORVIXUI_API CColorCombo : public MControlFont {
public:
    CColorCombo(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled);

    void DrawControl(HDC dc, const RECT& clip) override;

    // COLORREF.
    void SetAreaColor(COLORREF color);
    COLORREF GetAreaColor() const;
    // While open the pressed slice is shown.
    void SetIsOpen(BOOL open);
    BOOL GetIsOpen() const;
    // 0 normal, 1 hover, 2 pressed, 3 disabled.
    int GetState() const;
    // The colour area in window coordinates.
    RECT GetAreaRect() const;

protected:
    void SetControlEnabled(BOOL enabled) override;
    void DrawStateSlice(HDC dc, const RECT& slice, int state) override;
    BOOL OnControlMouseMove(UINT flags, POINT point) override;
    BOOL OnControlLButtonDown(UINT flags, POINT point) override;
    BOOL OnControlLButtonUp(UINT flags, POINT point) override;

private:
    void SetState(int state);

    COLORREF m_areaColor = 0x0000FF;
    BOOL m_open = FALSE;
    int m_state = 0;
};

} // namespace OrvixUI
