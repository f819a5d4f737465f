#pragma once

#include "toolkit/controls/MSpinButton.h"

namespace OrvixUI {

// The spin field of forms: a text field with the up arrow above the down arrow at its right
// edge. Behaves as MSpinButton.
class ORVIXUI_API CSpinButton : public MSpinButton {
public:
    static constexpr int kArrowWidth = 18;

    CSpinButton(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled);

protected:
    Layout GetLayout() const override;
    void DrawField(Gdiplus::Graphics& graphics, const RECT& field) override;
};

} // namespace OrvixUI
