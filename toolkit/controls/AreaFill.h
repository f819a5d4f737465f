#pragma once

#include <windows.h>

namespace OrvixUI {

// The translucent fill shared by the area controls.
struct AreaFill {
    COLORREF color = 0x00FFFFFF;
    // Transparency in percent at the two ends; 0, 0 fills opaque.
    int from = 80;
    int to = 80;
    // 1 vertical (row by row), 0 horizontal.
    int direction = 1;
    BOOL frame = FALSE;
    // ARGB.
    DWORD frameColor = 0xFF050505;

    void SetTransparent(int fromPercent, int toPercent, COLORREF fillColor) {
        from = fromPercent;
        to = toPercent;
        color = fillColor;
    }
    void SetFrame(BOOL on, DWORD argb) {
        frame = on ? TRUE : FALSE;
        frameColor = argb;
    }
    // Anything but 0 (horizontal) is vertical.
    void SetDirection(int value) { direction = value == 0 ? 0 : 1; }
};

// Draws the fill over what dc already holds in rect; with a frame, a 1-pixel border in the
// frame colour surrounds it.
void DrawAreaFill(HDC dc, const RECT& rect, const AreaFill& fill);

} // namespace OrvixUI
