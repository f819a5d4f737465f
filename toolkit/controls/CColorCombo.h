#pragma once

#include "toolkit/controls/ComboBase.h"

namespace OrvixUI {

// A combo-shaped button that shows a colour instead of a text: the 4-frame state strip (as
// MComboBox) with the colour area filling its text rectangle. A click reports code 2; the
// owner opens its colour picker and marks the combo open with SetIsOpen while it shows.
class ORVIXUI_API CColorCombo : public ComboBase {
public:
    CColorCombo(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled);

    // COLORREF.
    void SetAreaColor(COLORREF color);
    COLORREF GetAreaColor() const;
    // While open the pressed slice is shown.
    void SetIsOpen(BOOL open);
    BOOL GetIsOpen() const;
    // The colour area in window coordinates.
    RECT GetAreaRect() const;

protected:
    void DrawStateSlice(HDC dc, const RECT& slice, int state) override;
    void OnComboClicked() override;

private:
    COLORREF m_areaColor = 0x0000FF;
};

} // namespace OrvixUI
