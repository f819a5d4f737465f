#pragma once

#include "toolkit/controls/MButton.h"

namespace OrvixUI {

// Where an image button's bubble tip points: none, at the button's right edge or at its left
// edge, both at its vertical centre.
enum AIRBLADDER_MODE {
    AIRBLADDER_MODE_NONE = 0,
    AIRBLADDER_MODE_RIGHT = 1,
    AIRBLADDER_MODE_LEFT = 2
};

// A button drawn from pictures only: each state's frame at its own size at the top-left, and
// the icon's first frame over it. The title is not drawn; with a tip mode set it is shown in
// the window's bubble tip, pointing at the chosen edge, while the pointer is over the button.
class ORVIXUI_API CImageButton : public MButton {
public:
    CImageButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title, BOOL visible,
                 BOOL enabled);

    void SetAlrBladderMode(int mode);
    int GetAlrBladderMode() const;
    // The screen point the bubble tip points at; (0, 0) with mode 0 or without a window.
    POINT GetAirBladderAnchor() const;

    // Whether this button's bubble tip is up.
    BOOL IsTipShown() const;

protected:
    void SetControlTitle(const wchar_t* text) override;
    void SetControlVisible(BOOL visible) override;
    void DrawStateSlice(HDC dc, const RECT& slice, int state) override;
    BOOL OnControlMouseMove(UINT flags, POINT point) override;

private:
    void ShowTip(bool show);

    int m_bladderMode = AIRBLADDER_MODE_NONE;
    bool m_tipShown = false;
};

} // namespace OrvixUI
