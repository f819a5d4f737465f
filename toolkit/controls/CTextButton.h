#pragma once

#include "toolkit/controls/MButton.h"

namespace OrvixUI {

// A button that is only its title, coloured by its state (link-like).
class ORVIXUI_API CTextButton : public MButton {
public:
    CTextButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title, BOOL visible,
                BOOL enabled);

    // ARGB colours of the four states.
    void SetTextButtonColor(DWORD normal, DWORD hover, DWORD pressed, DWORD disabled);

protected:
    void DrawStateSlice(HDC dc, const RECT& slice, int state) override;

private:
    DWORD m_colors[4] = {0xFFC8CCD4, 0xFFFFFFFF, 0xFF00B4FF, 0xFF808080};
};

} // namespace OrvixUI
