#include "toolkit/core/ImageCache.h"

#include "toolkit/core/MRender.h"
#include "toolkit/core/Manager.h"
#include "toolkit/core/SkinFolder.h"

namespace OrvixUI {

namespace {

std::unique_ptr<ImgResInfo> MakeEntry(Gdiplus::Image* image, int frameCount) {
    auto entry = std::make_unique<ImgResInfo>();
    entry->image = image;
    entry->frameCount = frameCount;
    entry->frameWidth = FrameWidth(static_cast<int>(image->GetWidth()), frameCount);
    entry->frameHeight = static_cast<int>(image->GetHeight());
    return entry;
}

template <typename Map> void DeleteAll(Map& entries) {
    for (auto& [key, entry] : entries) {
        delete entry->image;
    }
    entries.clear();
}

} // namespace

int FrameWidth(int imageWidth, int frameCount) {
    return frameCount > 0 ? imageWidth / frameCount : imageWidth;
}

ImageCache::ImageCache() = default;

ImageCache::~ImageCache() { Clear(); }

ImgResInfo* ImageCache::Find(const wchar_t* fileName, int frameCount) {
    if (!fileName || !*fileName) {
        return nullptr;
    }
    std::lock_guard guard(m_lock);
    auto found = m_files.find(fileName);
    if (found != m_files.end()) {
        return found->second.get();
    }
    Gdiplus::Image* image =
        MRender::LoadImageFromFile((std::wstring(GetSkinFolder()) + fileName).c_str());
    if (!image) {
        return nullptr;
    }
    auto entry = MakeEntry(image, frameCount);
    entry->fileName = fileName;
    return (m_files[fileName] = std::move(entry)).get();
}

ImgResInfo* ImageCache::Find(UINT resourceId, const wchar_t* resourceType, int frameCount,
                             bool fromApp) {
    std::lock_guard guard(m_lock);
    ResourceEntries& entries = fromApp ? m_appResources : m_libraryResources;
    auto found = entries.find(resourceId);
    if (found != entries.end()) {
        return found->second.get();
    }
    HMODULE module = fromApp ? Manager::GetInstance() : Manager::GetModule();
    Gdiplus::Image* image = MRender::LoadImageFromIDResource(resourceId, resourceType, module);
    if (!image) {
        return nullptr;
    }
    auto entry = MakeEntry(image, frameCount);
    entry->resourceId = resourceId;
    return (entries[resourceId] = std::move(entry)).get();
}

void ImageCache::Clear() {
    std::lock_guard guard(m_lock);
    DeleteAll(m_files);
    DeleteAll(m_appResources);
    DeleteAll(m_libraryResources);
}

} // namespace OrvixUI
