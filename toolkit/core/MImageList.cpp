#include "toolkit/core/MImageList.h"

#include "toolkit/core/ImageCache.h"
#include "toolkit/core/MRender.h"

namespace OrvixUI {

MImageList::MImageList() = default;

MImageList::~MImageList() { DelAllImages(); }

int MImageList::AddImage(const wchar_t* path, int id, int frameCount) {
    return InsertImage(-1, path, id, frameCount);
}

int MImageList::InsertImage(int index, const wchar_t* path, int id, int frameCount) {
    if (!path || !*path) {
        return -1;
    }
    std::lock_guard guard(m_lock);
    int count = static_cast<int>(m_images.size());
    if (index < -1 || index > count) {
        return -1;
    }
    Gdiplus::Image* image = MRender::LoadImageFromFile(path);
    if (!image) {
        return -1;
    }
    _M_IAMGELIST entry;
    entry.image = image;
    entry.frameCount = frameCount;
    entry.frameWidth = FrameWidth(static_cast<int>(image->GetWidth()), frameCount);
    entry.frameHeight = static_cast<int>(image->GetHeight());
    entry.id = id;
    entry.path = path;
    int at = index == -1 ? count : index;
    m_images.insert(m_images.begin() + at, std::move(entry));
    return at;
}

void MImageList::DrawItemIcon(Gdiplus::Graphics& graphics, const RECT& rect, int index) {
    DrawItemIcon(graphics, rect, index, 0);
}

void MImageList::DrawItemIcon(Gdiplus::Graphics& graphics, const RECT& rect, int index, int frame) {
    std::lock_guard guard(m_lock);
    if (index < 0 || index >= static_cast<int>(m_images.size()) || frame < 0) {
        return;
    }
    const _M_IAMGELIST& entry = m_images[static_cast<size_t>(index)];
    if (entry.frameCount > 0 && frame >= entry.frameCount) {
        return;
    }
    graphics.DrawImage(
        entry.image,
        Gdiplus::Rect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
        frame * entry.frameWidth, 0, entry.frameWidth, entry.frameHeight, Gdiplus::UnitPixel);
}

void MImageList::SetDrawImgSize(int width, int height) { m_drawSize = {width, height}; }

SIZE MImageList::GetIconSize() const { return m_drawSize; }

const _M_IAMGELIST* MImageList::GetItemImageData(int index) {
    std::lock_guard guard(m_lock);
    if (index < 0 || index >= static_cast<int>(m_images.size())) {
        return nullptr;
    }
    return &m_images[static_cast<size_t>(index)];
}

const _M_IAMGELIST* MImageList::GetImageDataByID(int id) {
    std::lock_guard guard(m_lock);
    for (const _M_IAMGELIST& entry : m_images) {
        if (entry.id == id) {
            return &entry;
        }
    }
    return nullptr;
}

const wchar_t* MImageList::GetImagePath(int index) {
    const _M_IAMGELIST* entry = GetItemImageData(index);
    return entry ? entry->path.c_str() : nullptr;
}

const wchar_t* MImageList::GetImagePathByID(int id) {
    const _M_IAMGELIST* entry = GetImageDataByID(id);
    return entry ? entry->path.c_str() : nullptr;
}

int MImageList::GetImageCount() {
    std::lock_guard guard(m_lock);
    return static_cast<int>(m_images.size());
}

void MImageList::DelAllImages() {
    std::lock_guard guard(m_lock);
    for (_M_IAMGELIST& entry : m_images) {
        delete entry.image;
    }
    m_images.clear();
}

} // namespace OrvixUI
