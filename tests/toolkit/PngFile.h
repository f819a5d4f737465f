#pragma once

#include "toolkit/core/GdiPlus.h"

#include <string>
#include <vector>

namespace toolkit_test {

// Writes `image` to `path` as a PNG; false when GDI+ has no PNG encoder or the write fails.
inline bool SavePng(Gdiplus::Image& image, const std::wstring& path) {
    UINT count = 0, size = 0;
    Gdiplus::GetImageEncodersSize(&count, &size);
    if (size == 0) {
        return false;
    }
    std::vector<BYTE> buffer(size);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    Gdiplus::GetImageEncoders(count, size, encoders);
    for (UINT i = 0; i < count; ++i) {
        if (std::wstring(encoders[i].MimeType) == L"image/png") {
            return image.Save(path.c_str(), &encoders[i].Clsid, nullptr) == Gdiplus::Ok;
        }
    }
    return false;
}

} // namespace toolkit_test
