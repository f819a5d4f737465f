#include "toolkit/controls/CGifPicture.h"

#include "toolkit/core/PaintManager.h"

#include <vector>

namespace OrvixUI {

namespace {

// A frame lasts this many ticks of the shared timer.
constexpr int kTicksPerFrame = 5;

int CountFrames(Gdiplus::Image* image) {
    const UINT dimensions = image ? image->GetFrameDimensionsCount() : 0;
    if (dimensions == 0) {
        return image ? 1 : 0;
    }
    std::vector<GUID> ids(dimensions);
    image->GetFrameDimensionsList(ids.data(), dimensions);
    const UINT frames = image->GetFrameCount(&ids[0]);
    return frames > 0 ? static_cast<int>(frames) : 1;
}

} // namespace

CGifPicture::CGifPicture(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled)
    : MControlFont(parent, id, rect, visible, enabled, TRUE) {
    m_runTimer = TRUE;
}

void CGifPicture::InitControl(PaintManager* manager) {
    // A control handed to another manager must leave the first one's timer list.
    if (m_registeredWith == manager) {
        return;
    }
    if (m_registeredWith) {
        m_registeredWith->DeleteFSTimer(this);
    }
    m_registeredWith = manager;
    if (manager) {
        manager->AddMTimer(this);
    }
}

BOOL CGifPicture::SetImage(const wchar_t* fileName, int) {
    ImgResInfo* info = m_manager && fileName ? m_manager->AddImgResInfo(fileName, 1) : nullptr;
    if (!info) {
        return FALSE;
    }
    m_run = FALSE;
    m_current = 0;
    m_ticks = 0;
    m_imagePath = fileName;
    m_frameCount = 1;
    SetImageInfo(info);
    m_gifFrames = CountFrames(info->image);
    UpdateControl(TRUE, FALSE);
    return TRUE;
}

BOOL CGifPicture::SetRunState(BOOL run, int frame) {
    if (m_gifFrames <= 1) {
        return FALSE;
    }
    m_current = frame < 0 ? 0 : frame % m_gifFrames;
    m_ticks = 0;
    m_run = run ? TRUE : FALSE;
    UpdateControl(TRUE, FALSE);
    return TRUE;
}

void CGifPicture::SetMouseMoveActive(BOOL on) { m_mouseActive = on ? TRUE : FALSE; }
int CGifPicture::GetFrameCount() const { return m_gifFrames; }
int CGifPicture::GetCurrentFrame() const { return m_current; }
BOOL CGifPicture::IsRunning() const { return m_run; }

BOOL CGifPicture::OnControlTimer() {
    if (!m_run || !m_visible || m_gifFrames <= 0) {
        return FALSE;
    }
    if (++m_ticks < kTicksPerFrame) {
        return FALSE;
    }
    m_ticks = 0;
    m_current = (m_current + 1) % m_gifFrames;
    UpdateControl(TRUE, FALSE);
    return TRUE;
}

BOOL CGifPicture::OnControlMouseMove(UINT, POINT point) {
    const BOOL inside = ::PtInRect(&m_rect, point);
    if (!m_mouseActive || inside == m_pointerInside) {
        m_pointerInside = inside;
        return FALSE;
    }
    m_pointerInside = inside;
    SetRunState(inside, 0);
    return FALSE;
}

void CGifPicture::DrawControl(HDC dc, const RECT&) { DrawCachedStates(dc, 1, 0); }

void CGifPicture::DrawStateSlice(HDC dc, const RECT& slice, int) {
    Gdiplus::Image* image = m_image ? m_image->image : nullptr;
    if (!image) {
        return;
    }
    if (m_gifFrames > 1) {
        GUID dimension;
        if (image->GetFrameDimensionsList(&dimension, 1) == Gdiplus::Ok) {
            image->SelectActiveFrame(&dimension, static_cast<UINT>(m_current));
        }
    }
    Gdiplus::Graphics graphics(dc);
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    graphics.DrawImage(
        image,
        Gdiplus::Rect(slice.left, slice.top, slice.right - slice.left, slice.bottom - slice.top), 0,
        0, static_cast<INT>(image->GetWidth()), static_cast<INT>(image->GetHeight()),
        Gdiplus::UnitPixel);
}

} // namespace OrvixUI
