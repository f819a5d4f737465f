#pragma once

#include "toolkit/core/MControlFont.h"

namespace OrvixUI {

// What the combo-shaped controls share: the 4-frame state strip (0 normal, 1 hover,
// 2 pressed, 3 disabled) drawn as a nine-patch whose right margin holds the arrow, the pressed
// slice shown while open, and the hover/press/release handling that ends in a click.
class ORVIXUI_API ComboBase : public MControlFont {
public:
    void DrawControl(HDC dc, const RECT& clip) override;

    // 0 normal, 1 hover, 2 pressed, 3 disabled.
    int GetState() const;

protected:
    ComboBase(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled);

    // Inside the frame and left of the arrow: where the text or the colour goes.
    RECT ContentRect() const;
    // The frame of that state, or a flat fill while no state image is set.
    void DrawFrame(Gdiplus::Graphics& graphics, HDC dc, const RECT& slice, int state);
    // A press inside, before the pressed look shows.
    virtual void OnComboPressed();
    // Press and release both inside.
    virtual void OnComboClicked() = 0;

    void SetControlEnabled(BOOL enabled) override;
    BOOL OnControlMouseMove(UINT flags, POINT point) override;
    BOOL OnControlLButtonDown(UINT flags, POINT point) override;
    BOOL OnControlLButtonUp(UINT flags, POINT point) override;

    BOOL m_open = FALSE;

private:
    void SetState(int state);

    int m_state = 0;
};

} // namespace OrvixUI
