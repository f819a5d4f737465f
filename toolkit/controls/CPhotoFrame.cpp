#include "toolkit/controls/CPhotoFrame.h"

#include "toolkit/core/MRender.h"
#include "toolkit/core/PaintManager.h"

namespace OrvixUI {

namespace {

constexpr int kStates = 4;
// The frame's corner size, and how far the picture sits inside the frame.
constexpr int kFrameCorner = 4;

} // namespace

CPhotoFrame::CPhotoFrame(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled)
    : MControlFont(parent, id, rect, visible, enabled, TRUE), m_state(enabled ? 0 : 3) {}

CPhotoFrame::~CPhotoFrame() = default;

BOOL CPhotoFrame::TakeFrame(ImgResInfo* info, int frameCount) {
    if (!info) {
        return FALSE;
    }
    m_photoFrame = info;
    m_photoFrames = frameCount < 1 ? 1 : frameCount;
    UpdateControl(TRUE, FALSE);
    return TRUE;
}

BOOL CPhotoFrame::SetPhotoFrame(const wchar_t* fileName, int frameCount) {
    return TakeFrame(m_manager && fileName ? m_manager->AddImgResInfo(fileName, frameCount)
                                           : nullptr,
                     frameCount);
}

BOOL CPhotoFrame::SetPhotoFrame(UINT resourceId, const wchar_t* resourceType, int frameCount) {
    return TakeFrame(
        m_manager ? m_manager->AddImgResInfo(resourceId, resourceType, frameCount, TRUE) : nullptr,
        frameCount);
}

BOOL CPhotoFrame::SetImage(const wchar_t* fileName, int frameCount) {
    const bool loaded = m_picture.LoadFile(fileName, frameCount);
    SetImageInfo(m_picture.Info());
    UpdateControl(TRUE, FALSE);
    return loaded ? TRUE : FALSE;
}

BOOL CPhotoFrame::SetImage(UINT resourceId, const wchar_t* resourceType, int frameCount) {
    const bool loaded = m_picture.LoadResource(resourceId, resourceType, frameCount);
    SetImageInfo(m_picture.Info());
    UpdateControl(TRUE, FALSE);
    return loaded ? TRUE : FALSE;
}

BOOL CPhotoFrame::SetShowMode(int mode, int cornerSize) {
    if (!m_picture.SetShowMode(mode, cornerSize)) {
        return FALSE;
    }
    UpdateControl(TRUE, FALSE);
    return TRUE;
}

BOOL CPhotoFrame::SetShowModeMID(int left, int top, int right, int bottom) {
    m_picture.SetShowModeMID(left, top, right, bottom);
    UpdateControl(TRUE, FALSE);
    return TRUE;
}

int CPhotoFrame::GetState() const { return m_state; }

void CPhotoFrame::SetState(int state) {
    if (state != m_state) {
        m_state = state;
        UpdateControl(FALSE, FALSE);
    }
}

void CPhotoFrame::SetControlEnabled(BOOL enabled) {
    MControlFont::SetControlEnabled(enabled);
    m_state = enabled ? 0 : 3;
}

BOOL CPhotoFrame::OnControlMouseMove(UINT, POINT point) {
    if (!m_enabled || m_state == 2) {
        return FALSE;
    }
    const bool inside = ::PtInRect(&m_rect, point) != FALSE;
    SetState(inside ? 1 : 0);
    return inside;
}

BOOL CPhotoFrame::OnControlLButtonDown(UINT, POINT point) {
    if (!::PtInRect(&m_rect, point)) {
        return FALSE;
    }
    SetState(2);
    SendMessageW(1, 0, 0);
    return TRUE;
}

BOOL CPhotoFrame::OnControlLButtonUp(UINT, POINT point) {
    if (!m_enabled || m_state != 2) {
        return FALSE;
    }
    const bool inside = ::PtInRect(&m_rect, point) != FALSE;
    SetState(inside ? 1 : 0);
    if (inside) {
        SendMessageW(2, 0, 0);
    }
    return TRUE;
}

void CPhotoFrame::DrawControl(HDC dc, const RECT&) { DrawCachedStates(dc, kStates, m_state); }

void CPhotoFrame::DrawStateSlice(HDC dc, const RECT& slice, int state) {
    Gdiplus::Graphics graphics(dc);
    if (m_photoFrame && m_photoFrame->image) {
        const int frame = state < m_photoFrames ? state : 0;
        const int width =
            FrameWidth(static_cast<int>(m_photoFrame->image->GetWidth()), m_photoFrames);
        MRender::DrawImageFrame(graphics, m_photoFrame->image, slice, frame * width, 0, width,
                                static_cast<int>(m_photoFrame->image->GetHeight()), kFrameCorner);
    }
    // The picture goes over the frame's centre, inside its border.
    RECT inner = slice;
    InflateRect(&inner, -kFrameCorner, -kFrameCorner);
    m_picture.Draw(graphics, inner, m_hAlign, m_vAlign);
}

} // namespace OrvixUI
