#pragma once

#include "toolkit/controls/PaletteBase.h"

namespace OrvixUI {

// A rectangular colour field: hue runs from 0° at the left edge to 360° at the right, the
// saturation from full at the top to none at the bottom of the field, always at full
// brightness. The field is the top `pallet height` pixels of the control (all of it by
// default).
class ORVIXUI_API MPalette : public PaletteBase {
public:
    MPalette(MObject* parent, UINT id, const RECT& rect, BOOL visible);

    // Places the thumb where the colour's hue and saturation lie; no notification.
    void SetSelectColor(COLORREF color) override;
    // Clamped to 0 ... control height; an empty field picks nothing.
    void SetPalletHeight(int height);
    int GetPalletHeight() const;
    // The colour of the field at a window point (clamped into the field).
    COLORREF ColorAt(POINT point) const;
    POINT GetThumbPos() const override;

protected:
    bool HasField() const override;
    bool FieldContains(POINT point) const override;
    void DrawField(Gdiplus::Graphics& graphics) override;
    BOOL MoveThumbTo(POINT point) override;

private:
    RECT Field() const;

    int m_palletHeight = -1;
    // Relative to the field's top-left.
    POINT m_thumb = {0, 0};
};

} // namespace OrvixUI
