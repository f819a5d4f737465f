#pragma once

#include "toolkit/core/GdiPlus.h"

#include <windows.h>

namespace OrvixUI {

struct ImgResInfo;

// Frames in the spin arrow strips (normal, hot, pressed, disabled).
constexpr int kSpinArrowFrames = 4;

// One spin arrow centred in box: the frame of the skin strip for its state, or a plain
// triangle when the skin has no strip, so a missing image still leaves a usable control.
void DrawSpinArrow(Gdiplus::Graphics& graphics, const ImgResInfo* image, const RECT& box, bool up,
                   int state);

} // namespace OrvixUI
