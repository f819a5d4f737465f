#pragma once

#include "toolkit/core/GdiPlus.h"
#include "toolkit/core/OrvixApi.h"

#include <mutex>
#include <string>
#include <vector>

namespace OrvixUI {

struct ORVIXUI_API _M_IAMGELIST {
    Gdiplus::Image* image = nullptr;
    int frameWidth = 0;
    int frameHeight = 0;
    int id = 0;
    int frameCount = 0;
    std::wstring path;
};

// Icons loaded from paths taken as given (not relative to the skin folder), each with its
// frames side by side. Owns its images.
class ORVIXUI_API MImageList {
public:
    MImageList();
    ~MImageList();
    MImageList(const MImageList&) = delete;
    MImageList& operator=(const MImageList&) = delete;

    // Returns the new index, or -1 when the path is empty or cannot be loaded.
    int AddImage(const wchar_t* path, int id, int frameCount);
    // index -1 appends; an index beyond the end gives -1.
    int InsertImage(int index, const wchar_t* path, int id, int frameCount);
    // Frame 0 (or the given frame) scaled into rect; nothing for an invalid index.
    void DrawItemIcon(Gdiplus::Graphics& graphics, const RECT& rect, int index);
    void DrawItemIcon(Gdiplus::Graphics& graphics, const RECT& rect, int index, int frame);
    void SetDrawImgSize(int width, int height);
    SIZE GetIconSize() const;
    const _M_IAMGELIST* GetItemImageData(int index);
    const _M_IAMGELIST* GetImageDataByID(int id);
    const wchar_t* GetImagePath(int index);
    const wchar_t* GetImagePathByID(int id);
    int GetImageCount();
    void DelAllImages();

private:
    std::recursive_mutex m_lock;
    std::vector<_M_IAMGELIST> m_images;
    SIZE m_drawSize = {0, 0};
};

} // namespace OrvixUI
