#include "toolkit/controls/MPicture.h"

namespace OrvixUI {

MPicture::MPicture(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled)
    : MControlFont(parent, id, rect, visible, enabled, TRUE) {}

MPicture::~MPicture() = default;

void MPicture::DrawControl(HDC dc, const RECT&) { DrawCachedStates(dc, 1, 0); }

void MPicture::DrawStateSlice(HDC dc, const RECT& slice, int) {
    Gdiplus::Graphics graphics(dc);
    m_picture.Draw(graphics, slice, m_hAlign, m_vAlign);
}

BOOL MPicture::Loaded(bool loaded) {
    SetImageInfo(m_picture.Info());
    m_frameCount = loaded ? m_picture.Info()->frameCount : m_frameCount;
    m_imagePath = loaded ? m_picture.Info()->fileName : std::wstring();
    UpdateControl(TRUE, FALSE);
    return loaded ? TRUE : FALSE;
}

BOOL MPicture::SetImage(const wchar_t* fileName, int frameCount) {
    return Loaded(m_picture.LoadFile(fileName, frameCount));
}

BOOL MPicture::SetImage(UINT resourceId, const wchar_t* resourceType, int frameCount) {
    return Loaded(m_picture.LoadResource(resourceId, resourceType, frameCount));
}

BOOL MPicture::SetShowMode(int mode, int cornerSize) {
    if (!m_picture.SetShowMode(mode, cornerSize)) {
        return FALSE;
    }
    UpdateControl(TRUE, FALSE);
    return TRUE;
}

BOOL MPicture::SetShowModeMID(int left, int top, int right, int bottom) {
    m_picture.SetShowModeMID(left, top, right, bottom);
    UpdateControl(TRUE, FALSE);
    return TRUE;
}

void MPicture::SetCustomRect(const RECT& rect) { m_picture.SetCustomRect(rect); }

int MPicture::GetShowMode() const { return m_picture.GetShowMode(); }

} // namespace OrvixUI
