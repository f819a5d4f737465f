#include "toolkit/controls/PaletteImage.h"

namespace OrvixUI {

void DrawDefaultThumb(Gdiplus::Graphics& graphics, int x, int y) {
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    Gdiplus::Pen outline{Gdiplus::Color(0xFF050505), 4};
    Gdiplus::Pen ring{Gdiplus::Color(0xFFFFFFFF), 2};
    graphics.DrawEllipse(&outline, x - 6, y - 6, 12, 12);
    graphics.DrawEllipse(&ring, x - 6, y - 6, 12, 12);
}

} // namespace OrvixUI
