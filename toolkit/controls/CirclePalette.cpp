#include "toolkit/controls/CirclePalette.h"

#include "toolkit/controls/ColorMath.h"
#include "toolkit/controls/PaletteImage.h"
#include "toolkit/core/ImageCache.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace OrvixUI {

namespace {

HsvColor WheelHsv(double dx, double dy, int radius) {
    HsvColor hsv;
    const double distance = std::hypot(dx, dy);
    hsv.saturation = radius > 0 ? std::min(distance / radius, 1.0) : 0;
    double angle = std::atan2(-dy, dx) * 180 / std::numbers::pi;
    hsv.hue = angle < 0 ? angle + 360 : angle;
    hsv.value = 1;
    return hsv;
}

} // namespace

CirclePalette::CirclePalette(MObject* parent, UINT id, const RECT& rect, BOOL visible)
    : PaletteBase(parent, id, rect, visible, 0xFFFFFF) {}

POINT CirclePalette::GetCenter() const {
    return POINT{(m_rect.left + m_rect.right) / 2, (m_rect.top + m_rect.bottom) / 2};
}

int CirclePalette::GetRadius() const {
    const int size = std::min(m_rect.right - m_rect.left, m_rect.bottom - m_rect.top);
    return std::max(size / 2 - 1, 0);
}

int CirclePalette::GetDistanse(POINT point) const {
    const POINT centre = GetCenter();
    return static_cast<int>(std::hypot(point.x - centre.x, point.y - centre.y));
}

COLORREF CirclePalette::ColorAt(POINT point) const {
    const POINT centre = GetCenter();
    return HsvToColorRef(WheelHsv(point.x - centre.x, point.y - centre.y, GetRadius()));
}

POINT CirclePalette::GetThumbPos() const {
    const POINT centre = GetCenter();
    return POINT{centre.x + m_thumb.x, centre.y + m_thumb.y};
}

void CirclePalette::SetSelectColor(COLORREF color) {
    m_color = color & 0xFFFFFF;
    const HsvColor hsv = ColorRefToHsv(m_color);
    const double distance = hsv.saturation * GetRadius();
    const double angle = hsv.hue * std::numbers::pi / 180;
    m_thumb = POINT{static_cast<LONG>(std::lround(distance * std::cos(angle))),
                    static_cast<LONG>(std::lround(-distance * std::sin(angle)))};
    UpdateControl(FALSE, FALSE);
}

BOOL CirclePalette::MoveThumbPos(POINT point) {
    const POINT centre = GetCenter();
    const int radius = GetRadius();
    double dx = point.x - centre.x, dy = point.y - centre.y;
    const double distance = std::hypot(dx, dy);
    if (distance > radius) {
        // Onto the rim; a wheel without a radius keeps the thumb at its centre.
        const double scale = distance > 0 ? radius / distance : 0;
        dx *= scale;
        dy *= scale;
    }
    const POINT thumb = {static_cast<LONG>(std::lround(dx)), static_cast<LONG>(std::lround(dy))};
    if (thumb.x != m_thumb.x || thumb.y != m_thumb.y) {
        m_thumb = thumb;
        UpdateControl(FALSE, FALSE);
    }
    const COLORREF color = HsvToColorRef(WheelHsv(dx, dy, radius));
    if (color == m_color) {
        return FALSE;
    }
    m_color = color;
    return TRUE;
}

bool CirclePalette::HasField() const { return GetRadius() > 0; }

bool CirclePalette::FieldContains(POINT point) const { return GetDistanse(point) <= GetRadius(); }

BOOL CirclePalette::MoveThumbTo(POINT point) { return MoveThumbPos(point); }

void CirclePalette::DrawField(Gdiplus::Graphics& graphics) {
    const POINT centre = GetCenter();
    const int radius = GetRadius();
    const int side = radius * 2 + 1;
    const int left = centre.x - m_rect.left - radius, top = centre.y - m_rect.top - radius;
    if (m_image && m_image->image) {
        graphics.DrawImage(m_image->image, left, top, side, side);
        return;
    }
    auto wheel = MakePaletteBitmap(side, side, [&](int x, int y) -> std::uint32_t {
        const double dx = x - radius, dy = y - radius;
        if (std::hypot(dx, dy) > radius + 0.5) {
            return 0;
        }
        return ColorRefToArgb(HsvToColorRef(WheelHsv(dx, dy, radius)));
    });
    if (wheel) {
        graphics.DrawImage(wheel.get(), left, top, side, side);
    }
}

} // namespace OrvixUI
