#include "toolkit/controls/CSliderPicture.h"

#include "toolkit/core/PaintManager.h"

namespace OrvixUI {

CSliderPicture::CSliderPicture(MObject* parent, UINT id, const RECT& rect, BOOL visible,
                               BOOL enabled)
    : MControlFont(parent, id, rect, visible, enabled, TRUE) {
    m_runTimer = TRUE;
}

CSliderPicture::~CSliderPicture() = default;

void CSliderPicture::InitControl(PaintManager* manager) {
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

BOOL CSliderPicture::SetImage(const wchar_t* fileName, int frameCount) {
    const bool loaded = m_picture.LoadFile(fileName, frameCount);
    SetImageInfo(m_picture.Info());
    UpdateControl(TRUE, FALSE);
    return loaded ? TRUE : FALSE;
}

BOOL CSliderPicture::SetImage(UINT resourceId, const wchar_t* resourceType, int frameCount) {
    const bool loaded = m_picture.LoadResource(resourceId, resourceType, frameCount);
    SetImageInfo(m_picture.Info());
    UpdateControl(TRUE, FALSE);
    return loaded ? TRUE : FALSE;
}

BOOL CSliderPicture::SetShowMode(int mode, int cornerSize) {
    if (!m_picture.SetShowMode(mode, cornerSize)) {
        return FALSE;
    }
    UpdateControl(TRUE, FALSE);
    return TRUE;
}

BOOL CSliderPicture::SetShowModeMID(int left, int top, int right, int bottom) {
    m_picture.SetShowModeMID(left, top, right, bottom);
    UpdateControl(TRUE, FALSE);
    return TRUE;
}

void CSliderPicture::SetRun(BOOL run, SLIDER_MODE mode) {
    m_mode = mode;
    m_step = run ? 0 : kSteps;
    m_run = run ? TRUE : FALSE;
    UpdateControl(FALSE, FALSE);
}

BOOL CSliderPicture::IsRunning() const { return m_run; }
int CSliderPicture::GetStep() const { return m_step; }

BOOL CSliderPicture::OnControlTimer() {
    if (!m_run) {
        return FALSE;
    }
    const int step = m_step + 1;
    m_step = step;
    if (step >= kSteps) {
        m_run = FALSE;
    }
    UpdateControl(FALSE, FALSE);
    return TRUE;
}

RECT CSliderPicture::RevealedPart() const {
    const int width = m_rect.right - m_rect.left, height = m_rect.bottom - m_rect.top;
    const int across = width * m_step / kSteps, down = height * m_step / kSteps;
    switch (m_mode) {
    case SLIDER_RIGHT_TO_LEFT:
        return RECT{width - across, 0, width, height};
    case SLIDER_TOP_TO_BOTTOM:
        return RECT{0, 0, width, down};
    case SLIDER_BOTTOM_TO_TOP:
        return RECT{0, height - down, width, height};
    default:
        return RECT{0, 0, across, height};
    }
}

// Slice 0 holds the picture over its background, slice 1 the background alone; a step only
// changes how much of each is copied, so the reveal never rebuilds the picture.
void CSliderPicture::DrawControl(HDC dc, const RECT&) {
    const int width = m_rect.right - m_rect.left, height = m_rect.bottom - m_rect.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    DrawCachedStates(dc, 2, 1);
    const RECT part = RevealedPart();
    ::BitBlt(dc, m_rect.left + part.left, m_rect.top + part.top, part.right - part.left,
             part.bottom - part.top, GetMemDC(), part.left, part.top, SRCCOPY);
}

void CSliderPicture::DrawStateSlice(HDC dc, const RECT& slice, int state) {
    if (state == 0) {
        Gdiplus::Graphics graphics(dc);
        m_picture.Draw(graphics, slice, m_hAlign, m_vAlign);
    }
}

} // namespace OrvixUI
