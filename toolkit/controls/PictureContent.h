#pragma once

#include "toolkit/core/GdiPlus.h"
#include "toolkit/core/ImageCache.h"

namespace OrvixUI {

// How a picture fills its control.
enum enumShowMode {
    SHOW_MODE_NORMAL = 0,    // the first frame at its own size, placed by the alignment
    SHOW_MODE_TILE = 1,      // the first frame tiled from the top-left corner
    SHOW_MODE_STRETCH = 2,   // the first frame stretched to the whole control
    SHOW_MODE_FRAME = 3,     // nine-patch with equal corners
    SHOW_MODE_FRAME_MID = 4, // nine-patch with four margins
    SHOW_MODE_CUSTOM = 5,    // a source rectangle of the image stretched to the whole control
};

// A picture owned by one control (loaded directly, not shared through the image cache) and the
// way it is laid out. Used by the picture controls; not part of the library's interface.
class PictureContent {
public:
    PictureContent() = default;
    ~PictureContent();
    PictureContent(const PictureContent&) = delete;
    PictureContent& operator=(const PictureContent&) = delete;

    // Replace the picture; false (and the picture cleared) when it cannot be loaded.
    bool LoadFile(const wchar_t* fileName, int frameCount);
    bool LoadResource(UINT resourceId, const wchar_t* resourceType, int frameCount);
    void Clear();
    ImgResInfo* Info();

    // Whether anything changed.
    bool SetShowMode(int mode, int cornerSize);
    void SetShowModeMID(int left, int top, int right, int bottom);
    void SetCustomRect(const RECT& rect);
    int GetShowMode() const { return m_mode; }

    // Draws the picture into dest; hAlign/vAlign place it in the normal mode.
    void Draw(Gdiplus::Graphics& graphics, const RECT& dest, int hAlign, int vAlign) const;

private:
    bool Take(Gdiplus::Image* image, int frameCount);

    ImgResInfo m_info;
    int m_mode = SHOW_MODE_NORMAL;
    int m_corner = 4;
    RECT m_margins = {};
    RECT m_custom = {};
};

} // namespace OrvixUI
