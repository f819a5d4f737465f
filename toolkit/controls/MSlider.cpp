#include "toolkit/controls/MSlider.h"

#include "toolkit/core/ImageCache.h"
#include "toolkit/core/MRender.h"
#include "toolkit/core/PaintManager.h"

#include <algorithm>
#include <string>

namespace OrvixUI {

namespace {

constexpr int kThumbFrames = 4;
constexpr int kTrackLeft = 12;
constexpr int kTrackTop = 15;
constexpr int kTrackRightMargin = 20;
constexpr int kFillLeft = 10;

} // namespace

MSlider::MSlider(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled)
    : MControlFont(parent, id, rect, visible, enabled, TRUE) {
    SetTextColor(0xFF050505);
    m_hAlign = 1;
    PlaceThumb();
}

int MSlider::ThumbWidth() const {
    return m_thumbImage
               ? FrameWidth(static_cast<int>(m_thumbImage->image->GetWidth()), kThumbFrames)
               : kDefaultThumb;
}

int MSlider::ThumbHeight() const {
    return m_thumbImage ? static_cast<int>(m_thumbImage->image->GetHeight()) : kDefaultThumb;
}

int MSlider::FreeWidth() const { return (m_rect.right - m_rect.left) - ThumbWidth(); }

bool MSlider::HasRange() const { return m_minimum < m_maximum; }

int MSlider::ThumbOffset() const {
    const int free = FreeWidth();
    if (!HasRange() || free <= 0) {
        return 0;
    }
    const long long offset =
        static_cast<long long>(free) * (m_value - m_minimum) / (m_maximum - m_minimum);
    return static_cast<int>(std::clamp<long long>(offset, 0, free));
}

void MSlider::PlaceThumb() {
    const int left = m_rect.left + ThumbOffset();
    m_thumb = RECT{left, m_rect.top, left + ThumbWidth(), m_rect.top + ThumbHeight()};
}

int MSlider::ValueAt(int x) const {
    const int free = FreeWidth();
    if (!HasRange() || free <= 0) {
        return m_value;
    }
    const long long value =
        m_minimum + static_cast<long long>(x - m_rect.left) * (m_maximum - m_minimum + 1) / free;
    return static_cast<int>(std::clamp<long long>(value, m_minimum, m_maximum));
}

bool MSlider::MoveTo(int value) {
    if (value == m_value) {
        return false;
    }
    m_value = value;
    PlaceThumb();
    UpdateControl(TRUE, FALSE);
    return true;
}

int MSlider::SetProgress(int value) {
    if (value < 0) {
        return m_value;
    }
    value = std::min(value, m_maximum);
    value = std::max(value, m_minimum);
    MoveTo(value);
    return m_value;
}

int MSlider::GetProgress() const { return m_value; }

void MSlider::SetMinProgress(int minimum) {
    m_minimum = minimum;
    KeepValueInRange();
    PlaceThumb();
    UpdateControl(TRUE, FALSE);
}

void MSlider::KeepValueInRange() {
    if (HasRange()) {
        m_value = std::clamp(m_value, m_minimum, m_maximum);
    }
}

int MSlider::GetMinProgress() const { return m_minimum; }

void MSlider::SetMaxProgress(int maximum) {
    m_maximum = maximum;
    KeepValueInRange();
    PlaceThumb();
    UpdateControl(TRUE, FALSE);
}

int MSlider::GetMaxProgress() const { return m_maximum; }

void MSlider::SetShowText(BOOL show) {
    m_showText = show ? TRUE : FALSE;
    UpdateControl(TRUE, FALSE);
}

void MSlider::SetScale(int scale) {
    m_scale = scale;
    UpdateControl(TRUE, FALSE);
}

BOOL MSlider::SetThumbImage(const wchar_t* fileName) {
    if (!m_manager || !fileName) {
        return FALSE;
    }
    ImgResInfo* info = m_manager->AddImgResInfo(fileName, kThumbFrames);
    if (!info) {
        return FALSE;
    }
    m_thumbImage = info;
    PlaceThumb();
    UpdateControl(TRUE, FALSE);
    return TRUE;
}

BOOL MSlider::SetImage(const wchar_t* fileName, int) { return MControlFont::SetImage(fileName, 1); }

int MSlider::GetState() const { return m_state; }
const RECT& MSlider::GetThumbRect() const { return m_thumb; }

void MSlider::SetControlRect(const RECT& rect) {
    MControlFont::SetControlRect(rect);
    PlaceThumb();
}

void MSlider::SetControlEnabled(BOOL enabled) {
    MControlFont::SetControlEnabled(enabled);
    m_pressed = FALSE;
    m_state = 0;
    m_cacheValid = FALSE;
}

void MSlider::SetState(int state) {
    if (state == m_state) {
        return;
    }
    m_state = state;
    UpdateControl(TRUE, FALSE);
}

BOOL MSlider::OnControlMouseMove(UINT, POINT point) {
    if (!m_enabled) {
        return FALSE;
    }
    if (m_state == 2) {
        if (MoveTo(ValueAt(point.x))) {
            SendMessageW(8, static_cast<WPARAM>(m_value), 0);
        }
        return TRUE;
    }
    SetState(::PtInRect(&m_thumb, point) ? 1 : 0);
    return ::PtInRect(&m_rect, point);
}

BOOL MSlider::OnControlLButtonDown(UINT, POINT point) {
    if (!::PtInRect(&m_rect, point)) {
        return FALSE;
    }
    m_pressed = TRUE;
    if (::PtInRect(&m_thumb, point)) {
        SetState(2);
        return TRUE;
    }
    if (MoveTo(ValueAt(point.x))) {
        SendMessageW(8, static_cast<WPARAM>(m_value), 0);
    }
    SetState(::PtInRect(&m_thumb, point) ? 2 : 0);
    return TRUE;
}

BOOL MSlider::OnControlLButtonUp(UINT, POINT point) {
    if (!m_pressed) {
        return FALSE;
    }
    m_pressed = FALSE;
    SetState(::PtInRect(&m_thumb, point) ? 1 : 0);
    SendMessageW(2, 0, 0);
    return TRUE;
}

BOOL MSlider::OnControlScroll(UINT, UINT direction, POINT) {
    if (!HasRange()) {
        return FALSE;
    }
    const int value = std::clamp(m_value + (direction == 1 ? -1 : 1), m_minimum, m_maximum);
    if (MoveTo(value)) {
        SendMessageW(2, 0, 0);
    }
    return TRUE;
}

void MSlider::DrawStateSlice(HDC dc, const RECT& slice, int) {
    const int width = slice.right - slice.left, height = slice.bottom - slice.top;
    Gdiplus::Graphics graphics(dc);
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    if (m_image && m_image->image) {
        Gdiplus::Image* track = m_image->image;
        const int imageWidth = static_cast<int>(track->GetWidth());
        const int rowHeight = static_cast<int>(track->GetHeight()) / 2;
        graphics.DrawImage(
            track, Gdiplus::Rect(kTrackLeft, kTrackTop, width - kTrackRightMargin, rowHeight), 0,
            rowHeight, imageWidth, rowHeight, Gdiplus::UnitPixel);
        if (m_thumbImage && HasRange()) {
            const int fill = ThumbOffset() + kFillLeft;
            const int source = std::min(fill, imageWidth);
            graphics.DrawImage(track, Gdiplus::Rect(kFillLeft, kTrackTop, fill, rowHeight), 0, 0,
                               source, rowHeight, Gdiplus::UnitPixel);
        }
    }
    if (m_thumbImage && HasRange()) {
        const int frame = m_state == 1 || m_state == 2 ? 1 : 0;
        const int thumbWidth = ThumbWidth(), thumbHeight = ThumbHeight();
        graphics.DrawImage(m_thumbImage->image,
                           Gdiplus::Rect(ThumbOffset(), 0, thumbWidth, thumbHeight),
                           frame * thumbWidth, 0, thumbWidth, thumbHeight, Gdiplus::UnitPixel);
    }
    if (m_showText) {
        const std::wstring text =
            m_title + std::to_wstring(static_cast<long long>(m_value) * m_scale);
        Gdiplus::StringFormat format;
        format.SetAlignment(Gdiplus::StringAlignmentCenter);
        format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
        format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap);
        graphics.SetTextRenderingHint(static_cast<Gdiplus::TextRenderingHint>(m_renderingHint));
        Gdiplus::SolidBrush brush{Gdiplus::Color(m_enabled ? m_textColor : 0xFF808080)};
        Gdiplus::RectF band(0, static_cast<Gdiplus::REAL>(height - kTextBand),
                            static_cast<Gdiplus::REAL>(width),
                            static_cast<Gdiplus::REAL>(kTextBand));
        graphics.DrawString(text.c_str(), -1, GetTextDrawFont(), band, &format, &brush);
    }
}

void MSlider::DrawControl(HDC dc, const RECT&) { DrawCachedStates(dc, 1, 0); }

} // namespace OrvixUI
