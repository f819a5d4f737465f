#pragma once

#include "toolkit/core/GdiPlus.h"

#include <windows.h>

namespace OrvixUI {

struct ImgResInfo;
class MControl;
class PaintManager;

// Frames in the spin arrow strips (normal, hot, pressed, disabled).
constexpr int kSpinArrowFrames = 4;

// One spin arrow centred in box: the frame of the skin strip for its state, or a plain
// triangle when the skin has no strip, so a missing image still leaves a usable control.
void DrawSpinArrow(Gdiplus::Graphics& graphics, const ImgResInfo* image, const RECT& box, bool up,
                   int state);

// value moved by delta, kept within minimum..maximum without overflowing.
int SteppedValue(int value, long long delta, int minimum, int maximum);

// Holding a spin arrow: the control steps once at the press, again after the delay, then once
// per period until the release.
class SpinRepeat {
public:
    static constexpr UINT kDelay = 400;
    static constexpr UINT kRate = 60;

    explicit SpinRepeat(UINT timerKey) : m_timerKey(timerKey) {}

    // arrow: 1 up, -1 down.
    void Start(PaintManager* manager, MControl* control, int arrow);
    void Stop(PaintManager* manager, MControl* control);
    // The step of a timer tick; 0 (and stopped) when no arrow is held.
    int Tick(PaintManager* manager, MControl* control);
    // 1 up, -1 down, 0 none.
    int Arrow() const { return m_arrow; }

private:
    UINT m_timerKey;
    int m_arrow = 0;
    bool m_repeating = false;
};

} // namespace OrvixUI
