#include "toolkit/controls/MLevelCtrl.h"

#include "toolkit/core/ImageCache.h"
#include "toolkit/core/MRender.h"

#include <algorithm>

namespace OrvixUI {

namespace {

constexpr DWORD kLitColor = 0xFF00B4FF;
constexpr DWORD kUnlitColor = 0xFF2A2D35;
constexpr DWORD kDisabledColor = 0xFF555A66;

} // namespace

MLevelCtrl::MLevelCtrl(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled)
    : MControlFont(parent, id, rect, visible, enabled, TRUE) {}

void MLevelCtrl::SetLevelValue(int level) {
    level = std::clamp(level, 0, m_range);
    if (level == m_level) {
        return;
    }
    m_level = level;
    UpdateControl(TRUE, FALSE);
}

int MLevelCtrl::GetLevelValue() const { return m_level; }

void MLevelCtrl::SetRangeValue(int range) {
    m_range = std::max(range, 1);
    m_level = std::min(m_level, m_range);
    UpdateControl(TRUE, FALSE);
}

int MLevelCtrl::GetRangeValue() const { return m_range; }

RECT MLevelCtrl::GetSegmentRect(int index) const {
    const int width = m_rect.right - m_rect.left;
    const int usable = std::max(0, width - kGap * (m_range - 1));
    const int left = m_rect.left + index * usable / m_range + index * kGap;
    const int right = m_rect.left + (index + 1) * usable / m_range + index * kGap;
    return RECT{left, m_rect.top, right, m_rect.bottom};
}

void MLevelCtrl::DrawControl(HDC dc, const RECT&) {
    Gdiplus::Graphics graphics(dc);
    const bool frames = m_image && m_image->image && m_frameWidth > 0;
    for (int i = 0; i < m_range; ++i) {
        const RECT segment = GetSegmentRect(i);
        const bool lit = i < m_level;
        if (frames) {
            const int frame = lit && m_frameCount > 1 ? 1 : 0;
            graphics.DrawImage(
                m_image->image,
                Gdiplus::Rect(segment.left, segment.top, segment.right - segment.left,
                              segment.bottom - segment.top),
                frame * m_frameWidth, 0, m_frameWidth, m_frameHeight, Gdiplus::UnitPixel);
        } else {
            MRender::DrawColor(dc, segment,
                               !lit        ? kUnlitColor
                               : m_enabled ? kLitColor
                                           : kDisabledColor);
        }
    }
}

} // namespace OrvixUI
