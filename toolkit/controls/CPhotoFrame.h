#pragma once

#include "toolkit/controls/PictureContent.h"
#include "toolkit/core/MControlFont.h"

namespace OrvixUI {

// A picture (with the show modes of MPicture) inside a frame image whose frames are the states
// normal, hover, pressed and disabled. A click sends code 1 at the press and 2 at the release.
class ORVIXUI_API CPhotoFrame : public MControlFont {
public:
    CPhotoFrame(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled);
    ~CPhotoFrame() override;

    void DrawControl(HDC dc, const RECT& clip) override;
    // The frame image, from the window's image cache.
    BOOL SetPhotoFrame(const wchar_t* fileName, int frameCount);
    BOOL SetPhotoFrame(UINT resourceId, const wchar_t* resourceType, int frameCount);
    // The picture inside the frame, loaded directly.
    BOOL SetImage(const wchar_t* fileName, int frameCount) override;
    BOOL SetImage(UINT resourceId, const wchar_t* resourceType, int frameCount) override;
    BOOL SetShowMode(int mode, int cornerSize);
    BOOL SetShowModeMID(int left, int top, int right, int bottom);
    int GetState() const;

protected:
    void SetControlEnabled(BOOL enabled) override;
    BOOL OnControlMouseMove(UINT flags, POINT point) override;
    BOOL OnControlLButtonDown(UINT flags, POINT point) override;
    BOOL OnControlLButtonUp(UINT flags, POINT point) override;
    void DrawStateSlice(HDC dc, const RECT& slice, int state) override;

private:
    void SetState(int state);
    BOOL TakeFrame(ImgResInfo* info, int frameCount);

    PictureContent m_picture;
    ImgResInfo* m_photoFrame = nullptr;
    int m_photoFrames = 4;
    int m_state = 0;
};

} // namespace OrvixUI
