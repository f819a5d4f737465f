#pragma once

#include "toolkit/core/GdiPlus.h"

#include <cstdint>
#include <memory>

namespace OrvixUI {

// A width × height ARGB bitmap whose pixels come from pixel(x, y) (0xAARRGGBB); null for an
// empty size. The palettes build their colour fields with it.
template <typename PixelFn>
std::unique_ptr<Gdiplus::Bitmap> MakePaletteBitmap(int width, int height, PixelFn pixel) {
    if (width <= 0 || height <= 0) {
        return nullptr;
    }
    auto bitmap = std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat32bppARGB);
    Gdiplus::BitmapData data;
    Gdiplus::Rect all(0, 0, width, height);
    if (bitmap->LockBits(&all, Gdiplus::ImageLockModeWrite, PixelFormat32bppARGB, &data) !=
        Gdiplus::Ok) {
        return nullptr;
    }
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(data.Scan0) +
                                                     static_cast<std::ptrdiff_t>(y) * data.Stride);
        for (int x = 0; x < width; ++x) {
            row[x] = pixel(x, y);
        }
    }
    bitmap->UnlockBits(&data);
    return bitmap;
}

// The default thumb: a white ring with a dark outline around (x, y).
void DrawDefaultThumb(Gdiplus::Graphics& graphics, int x, int y);

} // namespace OrvixUI
