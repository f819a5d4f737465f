#include "toolkit/controls/SpinArrows.h"

#include "toolkit/controls/ButtonDrawing.h"
#include "toolkit/core/ImageCache.h"
#include "toolkit/core/PaintManager.h"

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

int SteppedValue(int value, long long delta, int minimum, int maximum) {
    return static_cast<int>(std::clamp<long long>(value + delta, minimum, maximum));
}

void SpinRepeat::Start(PaintManager* manager, MControl* control, int arrow) {
    m_arrow = arrow;
    m_repeating = false;
    if (manager) {
        manager->SetTimer(control, m_timerKey, kDelay);
    }
}

void SpinRepeat::Stop(PaintManager* manager, MControl* control) {
    m_arrow = 0;
    m_repeating = false;
    if (manager) {
        manager->KillTimer(control, m_timerKey);
    }
}

int SpinRepeat::Tick(PaintManager* manager, MControl* control) {
    if (m_arrow == 0) {
        Stop(manager, control);
        return 0;
    }
    if (!m_repeating && manager) {
        // A stopped timer restarts with the new period.
        manager->KillTimer(control, m_timerKey);
        manager->SetTimer(control, m_timerKey, kRate);
        m_repeating = true;
    }
    return m_arrow;
}

} // namespace OrvixUI
