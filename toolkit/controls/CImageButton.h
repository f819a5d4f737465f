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
// the icon's first frame over it. The title is not drawn; with a tip mode set it is shown as
// the control's tip while the pointer is over it, and hidden when the pointer leaves.
class ORVIXUI_API CImageButton : public MButton {
public:
    CImageButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title, BOOL visible,
                 BOOL enabled);

    void SetAlrBladderMode(int mode);
    int GetAlrBladderMode() const;
    // The screen point the bubble tip points at; (0, 0) with mode 0 or without a window.
    POINT GetAirBladderAnchor() const;

protected:
    void SetControlTitle(const wchar_t* text) override;
    void DrawStateSlice(HDC dc, const RECT& slice, int state) override;

private:
    void UpdateTip();

    int m_bladderMode = AIRBLADDER_MODE_NONE;
};

} // namespace OrvixUI
