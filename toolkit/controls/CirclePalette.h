#pragma once

#include "toolkit/controls/PaletteBase.h"

namespace OrvixUI {

// A colour wheel: the hue is the angle around the centre (0° pointing right, growing
// counter-clockwise), the saturation the distance from the centre over the radius, always at
// full brightness. Its state image, when set, is drawn over the wheel's square (the skin's
// "img_circlepalette.png" follows the same layout); otherwise the wheel is drawn by the
// control. Dragging outside the wheel holds the thumb on the rim.
class ORVIXUI_API CirclePalette : public PaletteBase {
public:
    CirclePalette(MObject* parent, UINT id, const RECT& rect, BOOL visible);

    // Moves the thumb to the window point, onto the rim when it lies outside; returns whether
    // the colour changed.
    BOOL MoveThumbPos(POINT point);
    // Distance of a window point from the centre, in whole pixels.
    int GetDistanse(POINT point) const;
    // Places the thumb at the colour's hue and saturation; no notification.
    void SetSelectColor(COLORREF color) override;
    POINT GetThumbPos() const override;
    POINT GetCenter() const;
    int GetRadius() const;
    // The colour at a window point (clamped onto the wheel).
    COLORREF ColorAt(POINT point) const;

protected:
    bool HasField() const override;
    bool FieldContains(POINT point) const override;
    void DrawField(Gdiplus::Graphics& graphics) override;
    BOOL MoveThumbTo(POINT point) override;

private:
    // Offset of the thumb from the centre.
    POINT m_thumb = {0, 0};
};

} // namespace OrvixUI
