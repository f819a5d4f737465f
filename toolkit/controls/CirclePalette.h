#pragma once

#include "toolkit/core/MControlFont.h"

namespace OrvixUI {

// A colour wheel: the hue is the angle around the centre (0° pointing right, growing
// counter-clockwise), the saturation the distance from the centre over the radius, always at
// full brightness. Its state image, when set, is drawn over the wheel's square (the skin's
// "img_circlepalette.png" follows the same layout); otherwise the wheel is drawn by the
// control. Pressing inside the wheel and dragging moves the thumb (held on the rim outside
// it); each new colour reports code 27 (wParam 0, lParam = the colour as COLORREF).
class ORVIXUI_API CirclePalette : public MControlFont {
public:
    CirclePalette(MObject* parent, UINT id, const RECT& rect, BOOL visible);

    void DrawControl(HDC dc, const RECT& clip) override;

    // Moves the thumb to the window point, onto the rim when it lies outside; returns whether
    // the colour changed.
    BOOL MoveThumbPos(POINT point);
    // Distance of a window point from the centre, in whole pixels.
    int GetDistanse(POINT point) const;
    // COLORREF.
    COLORREF GetSelectColor() const;
    // Places the thumb at the colour's hue and saturation; no notification.
    void SetSelectColor(COLORREF color);
    POINT GetThumbPos() const;
    POINT GetCenter() const;
    int GetRadius() const;
    // The colour at a window point (clamped onto the wheel).
    COLORREF ColorAt(POINT point) const;
    BOOL SetThumbImage(const wchar_t* fileName);

protected:
    void SetControlRect(const RECT& rect) override;
    BOOL OnControlMouseMove(UINT flags, POINT point) override;
    BOOL OnControlLButtonDown(UINT flags, POINT point) override;
    BOOL OnControlLButtonUp(UINT flags, POINT point) override;

private:
    void Pick(POINT point);

    COLORREF m_color = 0xFFFFFF;
    // Offset of the thumb from the centre.
    POINT m_thumb = {0, 0};
    ImgResInfo* m_thumbImage = nullptr;
    BOOL m_dragging = FALSE;
};

} // namespace OrvixUI
