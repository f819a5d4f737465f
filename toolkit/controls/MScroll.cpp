#include "toolkit/controls/MScroll.h"

#include "toolkit/core/ImageCache.h"
#include "toolkit/core/MRender.h"
#include "toolkit/core/PaintManager.h"

#include <algorithm>

namespace OrvixUI {

namespace {

// Every image of a scroll bar is a strip of four equal frames, whatever count was asked for.
constexpr int kScrollFrames = 4;
constexpr int kCapRows = 6;

} // namespace

MScroll::MScroll(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled)
    : MScroll(parent, id, rect, visible, enabled, true) {}

MScroll::MScroll(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled,
                 bool vertical)
    : MControlFont(parent, id, rect, visible, enabled, TRUE), m_vertical(vertical) {
    SetRange();
}

void MScroll::InitControl(PaintManager* manager) {
    if (!manager) {
        return;
    }
    UINT resourceId = m_vertical ? manager->GetScrollVID() : manager->GetScrollHID();
    ImgResInfo* info =
        resourceId ? manager->AddImgResInfo(resourceId, L"PNG", kScrollFrames, FALSE)
                   : manager->AddImgResInfo(m_vertical ? L"img_scroll_v.png" : L"img_scroll_h.png",
                                            kScrollFrames);
    SetImageInfo(info);
    if (info) {
        m_frameWidth = static_cast<int>(info->image->GetWidth()) / kScrollFrames;
    }
}

int MScroll::BarStart() const { return m_vertical ? m_rect.top : m_rect.left; }

int MScroll::BarLength() const {
    return m_vertical ? m_rect.bottom - m_rect.top : m_rect.right - m_rect.left;
}

int MScroll::Along(POINT point) const { return m_vertical ? point.y : point.x; }

int MScroll::Page() const {
    if (m_page != 0) {
        return m_page;
    }
    int length = BarLength();
    return static_cast<long long>(length) * 10 < m_range ? m_range / 10 : length;
}

int MScroll::Track() const { return std::max(0, BarLength() - 2 * m_endButton); }

int MScroll::ThumbLength() const {
    int track = Track();
    int length =
        m_range > 0 ? static_cast<int>(static_cast<long long>(Page()) * track / m_range) : track;
    length = std::max(m_endButton / 2, length);
    if (length < 100) {
        length = std::min(100, track - 50);
    }
    // Short bars leave no room for the minimum thumb; the thumb then fills the track.
    return length > 0 ? std::min(length, track) : track;
}

int MScroll::ThumbStart() const { return m_vertical ? m_thumb.top : m_thumb.left; }

void MScroll::PlaceThumb(int start, int length) {
    if (m_vertical) {
        m_thumb = RECT{m_rect.left, start, m_rect.right, start + length};
    } else {
        m_thumb = RECT{start, m_rect.top, start + length, m_rect.bottom};
    }
}

void MScroll::SetRange() {
    m_derivedPage = m_page == 0;
    const int track = Track(), length = ThumbLength(), free = track - length;
    const int first = BarStart() + m_endButton;
    const int last = BarStart() + BarLength() - m_endButton * 3 / 2;
    int start = first;
    if (free > 0 && m_range > 0) {
        start += static_cast<int>(static_cast<long long>(m_position) * free / m_range);
    }
    start = std::max(first, std::min(start, last - 1));
    const int barEnd = BarStart() + BarLength();
    if (m_vertical && start + length > barEnd) {
        start = std::max(first, barEnd - length);
        m_position =
            free > 0 ? static_cast<int>(static_cast<long long>(start - first) * m_range / free) : 0;
    }
    PlaceThumb(start, length);
    m_shown = Page() < m_range;
}

void MScroll::SetRangeEx(int contentPosition) {
    const int length = ThumbLength(), free = Track() - length;
    const int scrollable = m_range - BarLength();
    int offset = scrollable > 0 && free > 0
                     ? static_cast<int>(static_cast<long long>(contentPosition) * free / scrollable)
                     : 0;
    const int first = BarStart() + m_endButton;
    PlaceThumb(first + std::clamp(offset, 0, std::max(free, 0)), length);
    m_position = free > 0 ? static_cast<int>(static_cast<long long>(offset) * m_range / free) : 0;
    m_shown = Page() < m_range;
}

void MScroll::SetControlRect(const RECT& rect) {
    MControlFont::SetControlRect(rect);
    SetRange();
}

BOOL MScroll::SetScrollMaxRange(int range) {
    m_range = std::max(range, 0);
    m_position = std::min(m_position, m_range);
    SetRange();
    return TRUE;
}

BOOL MScroll::SetScrollSize(int page, int step) {
    m_page = std::max(page, 0);
    if (step != 0) {
        m_step = step;
    }
    SetRange();
    return TRUE;
}

BOOL MScroll::SetScrollInfo(int range, int position, int page, int step) {
    m_range = std::max(range, 0);
    m_position = std::clamp(position, 0, m_range);
    m_page = std::max(page, 0);
    if (step != 0) {
        m_step = step;
    }
    SetRange();
    return TRUE;
}

BOOL MScroll::SetScrollCurrentPos(int position) {
    m_position = std::clamp(position, 0, m_range);
    SetRange();
    return TRUE;
}

BOOL MScroll::SetScrollCurrentPosEx(int position) {
    SetRangeEx(position);
    return TRUE;
}

BOOL MScroll::SetScrollFinalPos() {
    m_position = m_range;
    SetRange();
    return TRUE;
}

BOOL MScroll::ScrollRow(int rows) {
    int position = std::clamp(m_position + rows * m_step, 0, m_range);
    if (position == m_position) {
        return FALSE;
    }
    m_position = position;
    SetRange();
    return TRUE;
}

int MScroll::GetScrollMaxRange() const { return m_range; }
int MScroll::GetScrollCurrentPos() const { return m_position; }
int MScroll::GetScrollStep() const { return m_step; }
BOOL MScroll::IsShown() const { return m_shown; }
const RECT& MScroll::GetThumbRect() const { return m_thumb; }
int MScroll::GetThumbState() const { return m_thumbState; }

int MScroll::MoveThumbBy(int pixels) {
    const int length = ThumbLength(), free = Track() - length;
    const int first = BarStart() + m_endButton;
    const int start = ThumbStart();
    const int target = std::clamp(start + pixels, first, first + std::max(free, 0));
    if (target == start) {
        return 0;
    }
    PlaceThumb(target, length);
    m_position =
        free > 0 ? static_cast<int>(static_cast<long long>(target - first) * m_range / free) : 0;
    m_changing = TRUE;
    UpdateControl(TRUE, FALSE);
    SendMessageW(8, static_cast<WPARAM>(m_position), 0);
    m_changing = FALSE;
    return target - start;
}

void MScroll::SetThumbState(int state) {
    if (state == m_thumbState) {
        return;
    }
    m_thumbState = state;
    UpdateControl(TRUE, FALSE);
}

BOOL MScroll::OnControlMouseMove(UINT, POINT point) {
    if (!m_shown) {
        return FALSE;
    }
    m_inside = ::PtInRect(&m_rect, point);
    if (m_thumbState == 2) {
        m_anchor += MoveThumbBy(Along(point) - m_anchor);
        return TRUE;
    }
    SetThumbState(::PtInRect(&m_thumb, point) ? 1 : 0);
    return m_inside;
}

BOOL MScroll::OnControlLButtonDown(UINT, POINT point) {
    if (!m_shown) {
        return FALSE;
    }
    if (::PtInRect(&m_thumb, point)) {
        m_anchor = Along(point);
        SetThumbState(2);
        return TRUE;
    }
    int page =
        m_range > 0 ? static_cast<int>(static_cast<long long>(Track()) * Page() / m_range) : 0;
    MoveThumbBy(Along(point) < ThumbStart() ? -page : page);
    return TRUE;
}

BOOL MScroll::OnControlLButtonUp(UINT, POINT point) {
    if (!m_shown) {
        return FALSE;
    }
    m_anchor = -1;
    SetThumbState(::PtInRect(&m_thumb, point) ? 1 : 0);
    return TRUE;
}

void MScroll::DrawControl(HDC dc, const RECT&) {
    if (!m_shown || !m_image || !m_image->image) {
        return;
    }
    Gdiplus::Graphics graphics(dc);
    Gdiplus::Image* image = m_image->image;
    const int frameWidth = m_frameWidth;
    const int imageHeight = static_cast<int>(image->GetHeight());
    if (m_vertical) {
        MRender::DrawImageFrameMID(graphics, image, m_rect, 0, 0, frameWidth, imageHeight, 0,
                                   kCapRows, 0, kCapRows);
        int frame = m_thumbState >= 1 ? 1 : 2;
        MRender::DrawImageFrameMID(graphics, image, m_thumb, frame * frameWidth, 0, frameWidth,
                                   imageHeight, 0, kCapRows, 0, kCapRows);
        return;
    }
    const int middle = (m_rect.top + m_rect.bottom) / 2;
    MRender::DrawColor(dc, RECT{m_rect.left, middle, m_rect.right, middle + 1}, 0xC8141414);
    const int frameHeight = imageHeight / kScrollFrames;
    const int frame = m_thumbState + 1;
    const int imageWidth = static_cast<int>(image->GetWidth());
    MRender::DrawImageFrameMID(graphics, image, m_thumb, 0, frame * frameHeight, imageWidth,
                               frameHeight, kCapRows, 0, kCapRows, 0);
}

} // namespace OrvixUI
