#pragma once

#include "toolkit/core/GdiPlus.h"

#include <windows.h>

#include <string>

namespace OrvixUI {

// Drawing pieces the button family shares; not exported.
namespace button_drawing {

// The frame of a strip that shows a state: a strip with fewer frames than the control has
// states wraps round, so a short strip still draws something sensible and never reads
// outside the image.
int FrameFor(int state, int frameCount);

// Frame `frame` of a strip drawn as a nine-patch into dest. The corner is clamped to half the
// frame and half the destination, so small buttons do not draw overlapping corners.
void DrawStripFrame(Gdiplus::Graphics& graphics, Gdiplus::Image* image, int frameWidth,
                    int frameHeight, int frame, const RECT& dest, int corner);

// Frame `frame` at its own size with its top-left at (x, y).
void DrawFrameAt(Gdiplus::Graphics& graphics, Gdiplus::Image* image, int frameWidth,
                 int frameHeight, int frame, int x, int y);

// One line of text in a box, aligned as the toolkit's alignment codes say (horizontal
// 0 left, 1 centre, 2 right; vertical 0 top, 4 centre, 8 bottom).
void DrawLine(Gdiplus::Graphics& graphics, const std::wstring& text, Gdiplus::Font* font,
              const RECT& box, DWORD argb, int hAlign, int vAlign, int renderingHint);

// A rounded rectangle filled with one colour (ARGB), optionally outlined.
void FillRound(Gdiplus::Graphics& graphics, const RECT& box, int radius, DWORD fillArgb,
               DWORD borderArgb = 0);

// An image file of the skin folder, decoded privately (not through a window's cache); null
// when it cannot be loaded.
Gdiplus::Image* LoadSkinImage(const wchar_t* fileName);

// COLORREF (0x00BBGGRR) to opaque ARGB.
DWORD ArgbOf(COLORREF color);

} // namespace button_drawing

} // namespace OrvixUI
