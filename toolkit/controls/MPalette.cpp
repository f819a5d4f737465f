#include "toolkit/controls/MPalette.h"

#include "toolkit/controls/ColorMath.h"
#include "toolkit/controls/PaletteImage.h"

#include <algorithm>
#include <cmath>

namespace OrvixUI {

namespace {

HsvColor FieldHsv(int x, int y, int width, int height) {
    HsvColor hsv;
    hsv.hue = width > 1 ? 360.0 * x / (width - 1) : 0;
    hsv.saturation = height > 1 ? 1.0 - static_cast<double>(y) / (height - 1) : 1;
    hsv.value = 1;
    return hsv;
}

} // namespace

MPalette::MPalette(MObject* parent, UINT id, const RECT& rect, BOOL visible)
    : PaletteBase(parent, id, rect, visible, 0x0000FF) {}

RECT MPalette::Field() const {
    const int height = m_rect.bottom - m_rect.top;
    const int field = m_palletHeight < 0 ? height : std::min(m_palletHeight, height);
    return RECT{m_rect.left, m_rect.top, m_rect.right, m_rect.top + field};
}

bool MPalette::HasField() const {
    const RECT field = Field();
    return field.right > field.left && field.bottom > field.top;
}

bool MPalette::FieldContains(POINT point) const {
    const RECT field = Field();
    return ::PtInRect(&field, point) != FALSE;
}

COLORREF MPalette::ColorAt(POINT point) const {
    const RECT field = Field();
    const int width = field.right - field.left, height = field.bottom - field.top;
    if (width <= 0 || height <= 0) {
        return m_color;
    }
    const int x = std::clamp(static_cast<int>(point.x - field.left), 0, width - 1);
    const int y = std::clamp(static_cast<int>(point.y - field.top), 0, height - 1);
    return HsvToColorRef(FieldHsv(x, y, width, height));
}

POINT MPalette::GetThumbPos() const {
    return POINT{m_rect.left + m_thumb.x, m_rect.top + m_thumb.y};
}

void MPalette::SetSelectColor(COLORREF color) {
    m_color = color & 0xFFFFFF;
    const RECT field = Field();
    const int width = field.right - field.left, height = field.bottom - field.top;
    const HsvColor hsv = ColorRefToHsv(m_color);
    m_thumb.x = width > 1 ? static_cast<LONG>(std::lround(hsv.hue / 360.0 * (width - 1))) : 0;
    m_thumb.y =
        height > 1 ? static_cast<LONG>(std::lround((1.0 - hsv.saturation) * (height - 1))) : 0;
    UpdateControl(FALSE, FALSE);
}

void MPalette::SetPalletHeight(int height) {
    m_palletHeight =
        std::clamp(height, 0, std::max(0, static_cast<int>(m_rect.bottom - m_rect.top)));
    SetSelectColor(m_color);
    UpdateControl(TRUE, FALSE);
}

int MPalette::GetPalletHeight() const { return Field().bottom - Field().top; }

BOOL MPalette::MoveThumbTo(POINT point) {
    // The field can shrink to nothing during a drag.
    if (!HasField()) {
        return FALSE;
    }
    const RECT field = Field();
    const POINT thumb = {std::clamp(point.x, field.left, field.right - 1) - field.left,
                         std::clamp(point.y, field.top, field.bottom - 1) - field.top};
    const COLORREF color = ColorAt(point);
    if (thumb.x != m_thumb.x || thumb.y != m_thumb.y) {
        m_thumb = thumb;
        UpdateControl(FALSE, FALSE);
    }
    if (color == m_color) {
        return FALSE;
    }
    m_color = color;
    return TRUE;
}

void MPalette::DrawField(Gdiplus::Graphics& graphics) {
    const RECT field = Field();
    const int width = field.right - field.left, height = field.bottom - field.top;
    auto bitmap = MakePaletteBitmap(width, height, [&](int x, int y) {
        return ColorRefToArgb(HsvToColorRef(FieldHsv(x, y, width, height)));
    });
    if (bitmap) {
        graphics.DrawImage(bitmap.get(), 0, 0, width, height);
    }
}

} // namespace OrvixUI
