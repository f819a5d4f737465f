#pragma once

#include "toolkit/core/MControlFont.h"

namespace OrvixUI {

// What the colour palettes share: a cached colour field with a thumb over the chosen point.
// Pressing inside the field and dragging moves the thumb, also with the pointer outside the
// field until the release; each new colour reports code 27 (wParam 0, lParam = the colour as
// COLORREF).
class ORVIXUI_API PaletteBase : public MControlFont {
public:
    void DrawControl(HDC dc, const RECT& clip) override;

    // COLORREF.
    COLORREF GetSelectColor() const;
    // Places the thumb where the colour lies; no notification.
    virtual void SetSelectColor(COLORREF color) = 0;
    // The thumb's centre in window coordinates.
    virtual POINT GetThumbPos() const = 0;
    // A single-frame image centred on the chosen point; without one a ring is drawn.
    BOOL SetThumbImage(const wchar_t* fileName);

protected:
    PaletteBase(MObject* parent, UINT id, const RECT& rect, BOOL visible, COLORREF color);

    // An empty field shows no thumb and takes no press.
    virtual bool HasField() const = 0;
    virtual bool FieldContains(POINT point) const = 0;
    // Draws the field into the cached surface, whose origin is the control's top-left.
    virtual void DrawField(Gdiplus::Graphics& graphics) = 0;
    // Moves the thumb towards the window point and takes the colour there; whether the colour
    // changed.
    virtual BOOL MoveThumbTo(POINT point) = 0;

    // The thumb follows the colour, not the old position.
    void SetControlRect(const RECT& rect) override;
    // The one cached slice: the field over the background beneath the control.
    void DrawStateSlice(HDC dc, const RECT& slice, int state) override;
    BOOL OnControlMouseMove(UINT flags, POINT point) override;
    BOOL OnControlLButtonDown(UINT flags, POINT point) override;
    BOOL OnControlLButtonUp(UINT flags, POINT point) override;

    COLORREF m_color;

private:
    void Pick(POINT point);

    ImgResInfo* m_thumbImage = nullptr;
    BOOL m_dragging = FALSE;
};

} // namespace OrvixUI
