#pragma once

#include "toolkit/core/MControlFont.h"

namespace OrvixUI {

// A rectangular colour field: hue runs from 0° at the left edge to 360° at the right, the
// saturation from full at the top to none at the bottom of the field, always at full
// brightness. The field is the top `pallet height` pixels of the control (all of it by
// default). Pressing and dragging moves the thumb; each new colour reports code 27
// (wParam 0, lParam = the colour as COLORREF).
class ORVIXUI_API MPalette : public MControlFont {
public:
    MPalette(MObject* parent, UINT id, const RECT& rect, BOOL visible);

    void DrawControl(HDC dc, const RECT& clip) override;

    // COLORREF.
    COLORREF GetSelectColor() const;
    // Places the thumb where the colour's hue and saturation lie; no notification.
    void SetSelectColor(COLORREF color);
    // A single-frame image centred on the chosen point; without one a ring is drawn.
    BOOL SetThumbImage(const wchar_t* fileName);
    // Clamped to 0 ... control height; an empty field picks nothing.
    void SetPalletHeight(int height);
    int GetPalletHeight() const;
    // The colour of the field at a window point (clamped into the field).
    COLORREF ColorAt(POINT point) const;
    // The thumb's centre in window coordinates.
    POINT GetThumbPos() const;

protected:
    void SetControlRect(const RECT& rect) override;
    BOOL OnControlMouseMove(UINT flags, POINT point) override;
    BOOL OnControlLButtonDown(UINT flags, POINT point) override;
    BOOL OnControlLButtonUp(UINT flags, POINT point) override;

private:
    RECT Field() const;
    bool HasField() const;
    void Pick(POINT point);

    int m_palletHeight = -1;
    COLORREF m_color = 0x0000FF;
    // Relative to the field's top-left.
    POINT m_thumb = {0, 0};
    ImgResInfo* m_thumbImage = nullptr;
    BOOL m_dragging = FALSE;
};

} // namespace OrvixUI
