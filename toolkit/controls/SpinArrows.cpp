#include "toolkit/controls/SpinArrows.h"

#include "toolkit/controls/ButtonDrawing.h"
#include "toolkit/core/ImageCache.h"

#include <algorithm>

namespace OrvixUI {

namespace bd = button_drawing;

void DrawSpinArrow(Gdiplus::Graphics& graphics, const ImgResInfo* image, const RECT& box, bool up,
                   int state) {
    if (image && image->image) {
        const int frameWidth =
            FrameWidth(static_cast<int>(image->image->GetWidth()), kSpinArrowFrames);
        const int frameHeight = static_cast<int>(image->image->GetHeight());
        bd::DrawFrameAt(graphics, image->image, frameWidth, frameHeight,
                        bd::FrameFor(state, kSpinArrowFrames),
                        box.left + (box.right - box.left - frameWidth) / 2,
                        box.top + (box.bottom - box.top - frameHeight) / 2);
        return;
    }
    const float cx = (box.left + box.right) / 2.0f, cy = (box.top + box.bottom) / 2.0f;
    const float half =
        static_cast<float>(std::min(box.right - box.left, box.bottom - box.top)) / 4.0f;
    const Gdiplus::PointF points[3] = {
        {cx - half, up ? cy + half / 2 : cy - half / 2},
        {cx + half, up ? cy + half / 2 : cy - half / 2},
        {cx, up ? cy - half / 2 : cy + half / 2},
    };
    Gdiplus::SolidBrush brush{Gdiplus::Color(state == 3 ? 0xFF808080 : 0xFFE6E8EC)};
    graphics.FillPolygon(&brush, points, 3);
}

} // namespace OrvixUI
