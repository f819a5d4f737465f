#pragma once

#include "toolkit/controls/PictureContent.h"
#include "toolkit/core/MControlFont.h"

namespace OrvixUI {

// The direction in which a CSliderPicture reveals its picture.
enum SLIDER_MODE {
    SLIDER_LEFT_TO_RIGHT = 0,
    SLIDER_RIGHT_TO_LEFT = 1,
    SLIDER_TOP_TO_BOTTOM = 2,
    SLIDER_BOTTOM_TO_TOP = 3,
};

// A picture (with the show modes of MPicture) revealed step by step on the window's shared
// animation timer: each tick uncovers one more hundredth of its width or height. When not
// running the whole picture shows.
class ORVIXUI_API CSliderPicture : public MControlFont {
public:
    static constexpr int kSteps = 100;

    CSliderPicture(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled);
    ~CSliderPicture() override;

    void InitControl(PaintManager* manager) override;
    void DrawControl(HDC dc, const RECT& clip) override;
    BOOL SetImage(const wchar_t* fileName, int frameCount) override;
    BOOL SetImage(UINT resourceId, const wchar_t* resourceType, int frameCount) override;
    BOOL SetShowMode(int mode, int cornerSize);
    BOOL SetShowModeMID(int left, int top, int right, int bottom);
    // Running starts the reveal from nothing in the given direction; stopping shows it all.
    void SetRun(BOOL run, SLIDER_MODE mode);
    BOOL IsRunning() const;
    // 0 ... kSteps.
    int GetStep() const;

protected:
    BOOL OnControlTimer() override;
    void DrawStateSlice(HDC dc, const RECT& slice, int state) override;

private:
    RECT RevealedPart() const;

    PictureContent m_picture;
    SLIDER_MODE m_mode = SLIDER_LEFT_TO_RIGHT;
    volatile BOOL m_run = FALSE;
    volatile int m_step = kSteps;
    PaintManager* m_registeredWith = nullptr;
};

} // namespace OrvixUI
