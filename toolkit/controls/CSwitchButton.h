#pragma once

#include "toolkit/controls/MButton.h"

namespace OrvixUI {

struct ImgResInfo;

// An on/off switch: one state strip for on and one for off (normal, hover, pressed, disabled
// each), the title to the right. A click toggles it and sends code 2 with the new state.
class ORVIXUI_API CSwitchButton : public MButton {
public:
    CSwitchButton(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled);

    // Both strips from the window's image cache; returns whether both loaded.
    BOOL SetImage(const wchar_t* onFile, const wchar_t* offFile, int frameCount);
    using MButton::SetImage;
    BOOL GetCheck() const;
    BOOL SetCheck(BOOL check);

protected:
    int StateCount() const override;
    int ShownSlice() const override;
    void DrawStateSlice(HDC dc, const RECT& slice, int state) override;
    BOOL OnControlLButtonUp(UINT flags, POINT point) override;

private:
    ImgResInfo* m_on = nullptr;
    ImgResInfo* m_off = nullptr;
    int m_switchFrames = 4;
    BOOL m_check = FALSE;
};

} // namespace OrvixUI
