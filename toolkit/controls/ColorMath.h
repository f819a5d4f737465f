#pragma once

#include "toolkit/core/OrvixApi.h"

#include <cstdint>

namespace OrvixUI {

// Colour conversions shared by the palettes. Colours are COLORREF values 0x00BBGGRR; hue in
// degrees 0 ... 360, saturation and value 0 ... 1.
struct ORVIXUI_API HsvColor {
    double hue = 0;
    double saturation = 0;
    double value = 0;
};

ORVIXUI_API int ClampChannel(int value);
// The channels are clamped to 0 ... 255.
ORVIXUI_API std::uint32_t MakeColorRef(int red, int green, int blue);
ORVIXUI_API std::uint32_t HsvToColorRef(const HsvColor& hsv);
ORVIXUI_API HsvColor ColorRefToHsv(std::uint32_t color);
// 0xFFRRGGBB of a COLORREF, for GDI+ drawing.
ORVIXUI_API std::uint32_t ColorRefToArgb(std::uint32_t color);

} // namespace OrvixUI
