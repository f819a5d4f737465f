#include "toolkit/core/LoadingWnd.h"

#include "toolkit/core/ImageCache.h"
#include "toolkit/core/LayeredCanvas.h"
#include "toolkit/core/MRender.h"
#include "toolkit/core/SkinFolder.h"

#include <algorithm>

namespace OrvixUI {

namespace {

Gdiplus::Image* LoadSkin(const wchar_t* fileName) {
    if (!fileName || !*fileName) {
        return nullptr;
    }
    return MRender::LoadImageFromFile((std::wstring(GetSkinFolder()) + fileName).c_str());
}

} // namespace

LoadingWnd::LoadingWnd() = default;
LoadingWnd::~LoadingWnd() = default;

const wchar_t* LoadingWnd::GetWindowClassName() { return L"OrvixLoading"; }

HWND LoadingWnd::Create(HWND owner, const RECT& rect) {
    return MWindow::Create(owner, L"Loading Window", WS_POPUP,
                           WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LAYERED, rect);
}

LRESULT LoadingWnd::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kFrameTimer) {
        NextFrame();
        return 0;
    }
    return MWindow::OnWindowMessage(message, wParam, lParam);
}

BOOL LoadingWnd::SetBackImage(const wchar_t* fileName) {
    m_back.reset(LoadSkin(fileName));
    return m_back != nullptr;
}

BOOL LoadingWnd::SetAnimation(const wchar_t* fileName, int frameCount) {
    m_animation.reset(LoadSkin(fileName ? fileName : kDefaultStrip));
    m_gif = false;
    m_frameCount = std::max(1, frameCount);
    m_frame = 0;
    return m_animation != nullptr;
}

BOOL LoadingWnd::SetGif(const wchar_t* fileName) {
    m_animation.reset(LoadSkin(fileName ? fileName : kDefaultGif));
    m_gif = m_animation != nullptr;
    m_frameCount = 1;
    m_frame = 0;
    if (m_gif) {
        GUID dimension = Gdiplus::FrameDimensionTime;
        m_frameCount = std::max(1, static_cast<int>(m_animation->GetFrameCount(&dimension)));
    }
    return m_animation != nullptr;
}

void LoadingWnd::Start(UINT milliseconds) {
    SetTimer(kFrameTimer, std::max(1u, milliseconds));
    Render();
    ShowWindow(SW_SHOWNOACTIVATE);
}

void LoadingWnd::Stop() {
    KillTimer(kFrameTimer);
    ShowWindow(SW_HIDE);
}

int LoadingWnd::GetFrame() const { return m_frame; }
int LoadingWnd::GetFrameCount() const { return m_frameCount; }

void LoadingWnd::NextFrame() {
    m_frame = (m_frame + 1) % std::max(1, m_frameCount);
    if (m_gif && m_animation) {
        GUID dimension = Gdiplus::FrameDimensionTime;
        m_animation->SelectActiveFrame(&dimension, static_cast<UINT>(m_frame));
    }
    Render();
}

void LoadingWnd::Render() {
    RECT window;
    if (!GetWindowRect(&window)) {
        return;
    }
    const int width = window.right - window.left, height = window.bottom - window.top;
    LayeredCanvas canvas(width, height);
    Gdiplus::Graphics* graphics = canvas.Graphics();
    if (!graphics) {
        return;
    }
    if (m_back) {
        graphics->DrawImage(m_back.get(), 0, 0, width, height);
    }
    if (m_animation) {
        const int imageWidth = static_cast<int>(m_animation->GetWidth());
        const int frameWidth = m_gif ? imageWidth : FrameWidth(imageWidth, m_frameCount);
        const int frameHeight = static_cast<int>(m_animation->GetHeight());
        const int sourceX = m_gif ? 0 : m_frame * frameWidth;
        graphics->DrawImage(m_animation.get(),
                            Gdiplus::Rect((width - frameWidth) / 2, (height - frameHeight) / 2,
                                          frameWidth, frameHeight),
                            sourceX, 0, frameWidth, frameHeight, Gdiplus::UnitPixel);
    }
    canvas.Present(m_hwnd, POINT{window.left, window.top});
}

} // namespace OrvixUI
