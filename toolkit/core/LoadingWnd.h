#pragma once

#include "toolkit/core/GdiPlus.h"
#include "toolkit/core/MWindow.h"

#include <memory>
#include <string>

namespace OrvixUI {

// A wait window: a popup with a background image and an animation, either a strip of frames
// side by side or an animated GIF, advanced by a timer.
class ORVIXUI_API LoadingWnd : public MWindow {
public:
    static constexpr UINT_PTR kFrameTimer = 1;
    static constexpr const wchar_t* kDefaultStrip = L"logo\\logo_loading.png";
    static constexpr const wchar_t* kDefaultGif = L"loading\\loading.gif";

    LoadingWnd();
    ~LoadingWnd() override;

    const wchar_t* GetWindowClassName() override;
    LRESULT OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A hidden popup of the given screen rectangle.
    HWND Create(HWND owner, const RECT& rect);

    BOOL SetBackImage(const wchar_t* fileName);
    // frameCount frames side by side; a count below 1 counts as one.
    BOOL SetAnimation(const wchar_t* fileName, int frameCount);
    // An animated GIF; its frames are advanced in order.
    BOOL SetGif(const wchar_t* fileName);
    void Start(UINT milliseconds);
    void Stop();
    int GetFrame() const;
    int GetFrameCount() const;
    void NextFrame();

private:
    void Render();

    std::unique_ptr<Gdiplus::Image> m_back;
    std::unique_ptr<Gdiplus::Image> m_animation;
    bool m_gif = false;
    int m_frameCount = 1;
    int m_frame = 0;
};

} // namespace OrvixUI
