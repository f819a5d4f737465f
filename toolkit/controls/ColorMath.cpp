#include "toolkit/controls/ColorMath.h"

#include <algorithm>
#include <cmath>

namespace OrvixUI {

int ClampChannel(int value) { return std::clamp(value, 0, 255); }

std::uint32_t MakeColorRef(int red, int green, int blue) {
    return static_cast<std::uint32_t>(ClampChannel(red)) |
           (static_cast<std::uint32_t>(ClampChannel(green)) << 8) |
           (static_cast<std::uint32_t>(ClampChannel(blue)) << 16);
}

std::uint32_t HsvToColorRef(const HsvColor& hsv) {
    const double hue = std::fmod(std::fmod(hsv.hue, 360.0) + 360.0, 360.0);
    const double s = std::clamp(hsv.saturation, 0.0, 1.0);
    const double v = std::clamp(hsv.value, 0.0, 1.0);
    const double chroma = v * s;
    const double sector = hue / 60.0;
    const double x = chroma * (1 - std::fabs(std::fmod(sector, 2.0) - 1));
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(sector)) {
    case 0:
        r = chroma, g = x;
        break;
    case 1:
        r = x, g = chroma;
        break;
    case 2:
        g = chroma, b = x;
        break;
    case 3:
        g = x, b = chroma;
        break;
    case 4:
        r = x, b = chroma;
        break;
    default:
        r = chroma, b = x;
        break;
    }
    const double m = v - chroma;
    auto channel = [m](double c) { return static_cast<int>(std::lround((c + m) * 255)); };
    return MakeColorRef(channel(r), channel(g), channel(b));
}

HsvColor ColorRefToHsv(std::uint32_t color) {
    const double r = (color & 0xFF) / 255.0, g = ((color >> 8) & 0xFF) / 255.0,
                 b = ((color >> 16) & 0xFF) / 255.0;
    const double high = std::max({r, g, b}), low = std::min({r, g, b});
    const double delta = high - low;
    HsvColor hsv;
    hsv.value = high;
    hsv.saturation = high > 0 ? delta / high : 0;
    if (delta > 0) {
        double hue = high == r   ? std::fmod((g - b) / delta, 6.0)
                     : high == g ? (b - r) / delta + 2
                                 : (r - g) / delta + 4;
        hue *= 60;
        hsv.hue = hue < 0 ? hue + 360 : hue;
    }
    return hsv;
}

std::uint32_t ColorRefToArgb(std::uint32_t color) {
    return 0xFF000000u | ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

} // namespace OrvixUI
