#include "toolkit/controls/PaletteBase.h"

#include "toolkit/controls/PaletteImage.h"
#include "toolkit/core/ImageCache.h"
#include "toolkit/core/PaintManager.h"

namespace OrvixUI {

PaletteBase::PaletteBase(MObject* parent, UINT id, const RECT& rect, BOOL visible, COLORREF color)
    : MControlFont(parent, id, rect, visible, TRUE, TRUE), m_color(color) {}

COLORREF PaletteBase::GetSelectColor() const { return m_color; }

BOOL PaletteBase::SetThumbImage(const wchar_t* fileName) {
    ImgResInfo* info = m_manager && fileName ? m_manager->AddImgResInfo(fileName, 1) : nullptr;
    if (!info) {
        return FALSE;
    }
    m_thumbImage = info;
    UpdateControl(FALSE, FALSE);
    return TRUE;
}

void PaletteBase::SetControlRect(const RECT& rect) {
    MControlFont::SetControlRect(rect);
    SetSelectColor(m_color);
}

void PaletteBase::Pick(POINT point) {
    if (MoveThumbTo(point)) {
        SendMessageW(27, 0, static_cast<LPARAM>(m_color));
    }
}

BOOL PaletteBase::OnControlMouseMove(UINT, POINT point) {
    if (m_dragging) {
        Pick(point);
        return TRUE;
    }
    return ::PtInRect(&m_rect, point);
}

BOOL PaletteBase::OnControlLButtonDown(UINT, POINT point) {
    if (!HasField() || !FieldContains(point)) {
        return FALSE;
    }
    m_dragging = TRUE;
    Pick(point);
    return TRUE;
}

BOOL PaletteBase::OnControlLButtonUp(UINT, POINT) {
    const BOOL was = m_dragging;
    m_dragging = FALSE;
    return was;
}

void PaletteBase::DrawStateSlice(HDC dc, const RECT&, int) {
    Gdiplus::Graphics graphics(dc);
    DrawField(graphics);
}

// The field is kept until the cache is invalidated; the thumb moves far more often, so it is
// drawn on top each time.
void PaletteBase::DrawControl(HDC dc, const RECT&) {
    DrawCachedStates(dc, 1, 0);
    // A field needs a control of some size: nothing was drawn without one.
    if (!HasField()) {
        return;
    }
    Gdiplus::Graphics graphics(dc);
    graphics.SetClip(Gdiplus::Rect(m_rect.left, m_rect.top, m_rect.right - m_rect.left,
                                   m_rect.bottom - m_rect.top));
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
