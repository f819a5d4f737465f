#pragma once

#include "toolkit/core/GdiPlus.h"

#include <memory>

namespace OrvixUI {

// A premultiplied 32-bit top-down canvas for the small windows that hand their pixels to the
// system with per-pixel alpha (bubble tip, key tip, shadow, wait window).
class LayeredCanvas {
public:
    LayeredCanvas(int width, int height);
    ~LayeredCanvas();
    LayeredCanvas(const LayeredCanvas&) = delete;
    LayeredCanvas& operator=(const LayeredCanvas&) = delete;

    bool IsValid() const;
    // Null when the canvas could not be made.
    Gdiplus::Graphics* Graphics();
    HDC GetDC() const;
    DWORD* Pixels();
    int Width() const;
    int Height() const;
    // Makes the window layered and shows the canvas at topLeft (screen) in the canvas size.
    BOOL Present(HWND hwnd, POINT topLeft);

private:
    int m_width;
    int m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    void* m_bits = nullptr;
    std::unique_ptr<Gdiplus::Bitmap> m_image;
    std::unique_ptr<Gdiplus::Graphics> m_graphics;
};

} // namespace OrvixUI
