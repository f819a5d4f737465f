#pragma once

#include "toolkit/core/MControlFont.h"

namespace OrvixUI {

// An animated image (frames along the image's time dimension) stretched to the control. It
// runs on the window's shared animation timer: while running, each frame lasts five ticks.
class ORVIXUI_API CGifPicture : public MControlFont {
public:
    CGifPicture(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled);

    void InitControl(PaintManager* manager) override;
    void DrawControl(HDC dc, const RECT& clip) override;
    // The image comes from the window's image cache; frameCount is not used (the image knows).
    BOOL SetImage(const wchar_t* fileName, int frameCount) override;
    // 0 for an image with at most one frame; otherwise sets the frame and the run flag.
    BOOL SetRunState(BOOL run, int frame);
    // When on, the pointer entering starts the animation at frame 0, leaving stops it there.
    void SetMouseMoveActive(BOOL on);
    int GetFrameCount() const;
    int GetCurrentFrame() const;
    BOOL IsRunning() const;

protected:
    BOOL OnControlTimer() override;
    BOOL OnControlMouseMove(UINT flags, POINT point) override;
    void DrawStateSlice(HDC dc, const RECT& slice, int state) override;

private:
    // Read by the timer thread, changed by the window thread: each value is one aligned word.
    int m_gifFrames = 0;
    volatile int m_current = 0;
    volatile BOOL m_run = FALSE;
    int m_ticks = 0;
    BOOL m_mouseActive = FALSE;
    BOOL m_pointerInside = FALSE;
    PaintManager* m_registeredWith = nullptr;
};

} // namespace OrvixUI
