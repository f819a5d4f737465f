#pragma once

#include "toolkit/core/GdiPlus.h"
#include "toolkit/core/OrvixApi.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace OrvixUI {

// One decoded image with its frame geometry: frames lie side by side, each
// frameWidth = width / frameCount wide.
struct ORVIXUI_API ImgResInfo {
    Gdiplus::Image* image = nullptr;
    int frameWidth = 0;
    int frameHeight = 0;
    int frameCount = 0;
    std::wstring fileName;
    UINT resourceId = 0;
};

// Frame width of an image split into frameCount frames; a count below 1 counts as one frame.
ORVIXUI_API int FrameWidth(int imageWidth, int frameCount);

// A window's decoded images: by skin file name, by application resource id and by the
// library's own resource id. Each image is decoded once per cache; entries live until Clear.
class ImageCache {
public:
    ImageCache();
    ~ImageCache();
    ImageCache(const ImageCache&) = delete;
    ImageCache& operator=(const ImageCache&) = delete;

    // Null (and nothing cached) when the image cannot be loaded.
    ImgResInfo* Find(const wchar_t* fileName, int frameCount);
    ImgResInfo* Find(UINT resourceId, const wchar_t* resourceType, int frameCount, bool fromApp);
    void Clear();

private:
    using Entries = std::map<std::wstring, std::unique_ptr<ImgResInfo>>;
    using ResourceEntries = std::map<UINT, std::unique_ptr<ImgResInfo>>;

    std::recursive_mutex m_lock;
    Entries m_files;
    ResourceEntries m_appResources;
    ResourceEntries m_libraryResources;
};

} // namespace OrvixUI
