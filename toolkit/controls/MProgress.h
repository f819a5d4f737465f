#pragma once

#include "toolkit/core/MControlFont.h"

#include <string>

namespace OrvixUI {

// A progress bar: the back image stretched over the control and the front image over the
// done part (progress / maximum of the width). While running (`SetRun`) the front image's
// frames follow each other on the shared animation timer. Optionally shows "NN%" centred.
class ORVIXUI_API MProgress : public MControlFont {
public:
    MProgress(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled);

    void DrawControl(HDC dc, const RECT& clip) override;

    BOOL SetBackGroundImage(const wchar_t* fileName);
    // A strip of frameCount frames side by side (a count below 1 counts as one).
    BOOL SetForeGroundImage(const wchar_t* fileName, int frameCount);
    // Clamped to 0 ... maximum; returns the value kept.
    int SetProgress(int progress);
    int GetProgress() const;
    // At least 1; the progress is clamped to it.
    void SetMaxProgress(int maximum);
    int GetMaxProgress() const;
    void EnableShowText(BOOL show);
    // Starts or stops the front image's animation on the window's shared timer.
    void SetRun(BOOL run);
    BOOL IsRun() const;
    int GetFrame() const;
    // Width of the done part in pixels.
    int GetDoneWidth() const;

protected:
    BOOL OnControlTimer() override;

private:
    ImgResInfo* m_back = nullptr;
    ImgResInfo* m_front = nullptr;
    int m_frontFrames = 1;
    int m_frame = 0;
    int m_progress = 0;
    int m_maximum = 100;
    BOOL m_showText = FALSE;
    BOOL m_run = FALSE;
    BOOL m_timerAdded = FALSE;
};

} // namespace OrvixUI
