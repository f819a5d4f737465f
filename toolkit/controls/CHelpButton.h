#pragma once

#include "toolkit/controls/MButton.h"

namespace OrvixUI {

// A plain button that wears the theme's help image ("img_help.png", 4 frames) unless another
// image is set.
class ORVIXUI_API CHelpButton : public MButton {
public:
    CHelpButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title, BOOL visible,
                BOOL enabled);

    void InitControl(PaintManager* manager) override;
};

} // namespace OrvixUI
