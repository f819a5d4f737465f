#include "toolkit/controls/MPalette.h"

#include "toolkit/controls/ColorMath.h"
#include "toolkit/controls/PaletteImage.h"
#include "toolkit/core/ImageCache.h"
#include "toolkit/core/PaintManager.h"

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
    : MControlFont(parent, id, rect, visible, TRUE, TRUE) {}

RECT MPalette::Field() const {
    const int height = m_rect.bottom - m_rect.top;
    const int field = m_palletHeight < 0 ? height : std::min(m_palletHeight, height);
    return RECT{m_rect.left, m_rect.top, m_rect.right, m_rect.top + field};
}

bool MPalette::HasField() const {
    const RECT field = Field();
    return field.right > field.left && field.bottom > field.top;
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

COLORREF MPalette::GetSelectColor() const { return m_color; }

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

BOOL MPalette::SetThumbImage(const wchar_t* fileName) {
    ImgResInfo* info = m_manager && fileName ? m_manager->AddImgResInfo(fileName, 1) : nullptr;
    if (!info) {
        return FALSE;
    }
    m_thumbImage = info;
    UpdateControl(FALSE, FALSE);
    return TRUE;
}

void MPalette::SetPalletHeight(int height) {
    m_palletHeight =
        std::clamp(height, 0, std::max(0, static_cast<int>(m_rect.bottom - m_rect.top)));
    SetSelectColor(m_color);
    UpdateControl(TRUE, FALSE);
}

int MPalette::GetPalletHeight() const { return Field().bottom - Field().top; }

void MPalette::SetControlRect(const RECT& rect) {
    MControlFont::SetControlRect(rect);
    SetSelectColor(m_color);
}

void MPalette::Pick(POINT point) {
    if (!HasField()) {
        return;
    }
    const RECT field = Field();
    const POINT thumb = {std::clamp(point.x, field.left, field.right - 1) - field.left,
                         std::clamp(point.y, field.top, field.bottom - 1) - field.top};
    const COLORREF color = ColorAt(point);
    if (thumb.x != m_thumb.x || thumb.y != m_thumb.y) {
        m_thumb = thumb;
        UpdateControl(FALSE, FALSE);
    }
    if (color != m_color) {
        m_color = color;
        SendMessageW(27, 0, static_cast<LPARAM>(color));
    }
}

BOOL MPalette::OnControlMouseMove(UINT, POINT point) {
    if (m_dragging) {
        Pick(point);
        return TRUE;
    }
    return ::PtInRect(&m_rect, point);
}

BOOL MPalette::OnControlLButtonDown(UINT, POINT point) {
    const RECT field = Field();
    if (!m_enabled || !HasField() || !::PtInRect(&field, point)) {
        return FALSE;
    }
    m_dragging = TRUE;
    Pick(point);
    return TRUE;
}

BOOL MPalette::OnControlLButtonUp(UINT, POINT) {
    const BOOL was = m_dragging;
    m_dragging = FALSE;
    return was;
}

void MPalette::DrawControl(HDC dc, const RECT&) {
    const int width = m_rect.right - m_rect.left, height = m_rect.bottom - m_rect.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    const RECT field = Field();
    const int fieldWidth = field.right - field.left, fieldHeight = field.bottom - field.top;
    if (!m_cacheValid || !m_memDC) {
        UpdateMemDC(dc, width, height);
        ::BitBlt(m_memDC, 0, 0, width, height, dc, m_rect.left, m_rect.top, SRCCOPY);
        auto bitmap = MakePaletteBitmap(fieldWidth, fieldHeight, [&](int x, int y) {
            return ColorRefToArgb(HsvToColorRef(FieldHsv(x, y, fieldWidth, fieldHeight)));
        });
        if (bitmap) {
            Gdiplus::Graphics graphics(m_memDC);
            graphics.DrawImage(bitmap.get(), 0, 0, fieldWidth, fieldHeight);
        }
    }
    ::BitBlt(dc, m_rect.left, m_rect.top, width, height, m_memDC, 0, 0, SRCCOPY);
    if (!HasField()) {
        return;
    }
    Gdiplus::Graphics graphics(dc);
    graphics.SetClip(Gdiplus::Rect(m_rect.left, m_rect.top, width, height));
    const POINT thumb = GetThumbPos();
    if (m_thumbImage && m_thumbImage->image) {
        const int w = static_cast<int>(m_thumbImage->image->GetWidth());
        const int h = static_cast<int>(m_thumbImage->image->GetHeight());
        graphics.DrawImage(m_thumbImage->image, thumb.x - w / 2, thumb.y - h / 2, w, h);
    } else {
        DrawDefaultThumb(graphics, thumb.x, thumb.y);
    }
}

} // namespace OrvixUI
