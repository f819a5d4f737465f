#include "toolkit/controls/PictureContent.h"

#include "toolkit/core/MRender.h"
#include "toolkit/core/Manager.h"
#include "toolkit/core/SkinFolder.h"

#include <string>

namespace OrvixUI {

namespace {

Gdiplus::Rect ToRect(const RECT& r) {
    return Gdiplus::Rect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

} // namespace

PictureContent::~PictureContent() { Clear(); }

bool PictureContent::Take(Gdiplus::Image* image, int frameCount) {
    Clear();
    if (!image) {
        return false;
    }
    m_info.image = image;
    m_info.frameCount = frameCount < 1 ? 1 : frameCount;
    m_info.frameWidth = FrameWidth(static_cast<int>(image->GetWidth()), frameCount);
    m_info.frameHeight = static_cast<int>(image->GetHeight());
    return true;
}

bool PictureContent::LoadFile(const wchar_t* fileName, int frameCount) {
    if (!fileName || !*fileName) {
        Clear();
        return false;
    }
    std::wstring path = std::wstring(GetSkinFolder()) + fileName;
    bool loaded = Take(MRender::LoadImageFromFile(path.c_str()), frameCount);
    if (loaded) {
        m_info.fileName = fileName;
    }
    return loaded;
}

bool PictureContent::LoadResource(UINT resourceId, const wchar_t* resourceType, int frameCount) {
    bool loaded =
        Take(MRender::LoadImageFromIDResource(resourceId, resourceType, Manager::GetInstance()),
             frameCount);
    if (loaded) {
        m_info.resourceId = resourceId;
    }
    return loaded;
}

void PictureContent::Clear() {
    delete m_info.image;
    m_info = ImgResInfo{};
}

ImgResInfo* PictureContent::Info() { return m_info.image ? &m_info : nullptr; }

bool PictureContent::SetShowMode(int mode, int cornerSize) {
    if (mode == m_mode && (mode != SHOW_MODE_FRAME || cornerSize == m_corner)) {
        return false;
    }
    m_mode = mode;
    m_corner = cornerSize;
    return true;
}

void PictureContent::SetShowModeMID(int left, int top, int right, int bottom) {
    m_margins = RECT{left, top, right, bottom};
    m_mode = SHOW_MODE_FRAME_MID;
}

void PictureContent::SetCustomRect(const RECT& rect) { m_custom = rect; }

void PictureContent::Draw(Gdiplus::Graphics& graphics, const RECT& dest, int hAlign,
                          int vAlign) const {
    Gdiplus::Image* image = m_info.image;
    const int fw = m_info.frameWidth, fh = m_info.frameHeight;
    const int width = dest.right - dest.left, height = dest.bottom - dest.top;
    if (!image || fw <= 0 || fh <= 0 || width <= 0 || height <= 0) {
        return;
    }
    Gdiplus::GraphicsState saved = graphics.Save();
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    graphics.SetClip(ToRect(dest));
    switch (m_mode) {
    case SHOW_MODE_NORMAL: {
        int h = hAlign == 0 ? 0 : hAlign == 2 ? 2 : 1;
        int v = vAlign == 0 ? 0 : vAlign == 8 ? 8 : 4;
        POINT origin = MRender::GetOriginPoint(width, height, fw, fh, h, v);
        graphics.DrawImage(image, Gdiplus::Rect(dest.left + origin.x, dest.top + origin.y, fw, fh),
                           0, 0, fw, fh, Gdiplus::UnitPixel);
        break;
    }
    case SHOW_MODE_TILE:
        for (int y = dest.top; y < dest.bottom; y += fh) {
            for (int x = dest.left; x < dest.right; x += fw) {
                graphics.DrawImage(image, Gdiplus::Rect(x, y, fw, fh), 0, 0, fw, fh,
                                   Gdiplus::UnitPixel);
            }
        }
        break;
    case SHOW_MODE_STRETCH:
        graphics.DrawImage(image, ToRect(dest), 0, 0, fw, fh, Gdiplus::UnitPixel);
        break;
    case SHOW_MODE_FRAME:
        MRender::DrawImageFrame(graphics, image, dest, 0, 0, fw, fh, m_corner);
        break;
    case SHOW_MODE_FRAME_MID:
        MRender::DrawImageFrameMID(graphics, image, dest, 0, 0, fw, fh, m_margins.left,
                                   m_margins.top, m_margins.right, m_margins.bottom);
        break;
    case SHOW_MODE_CUSTOM:
        // An unset source rectangle shows nothing rather than a degenerate stretch.
        if (m_custom.right > m_custom.left && m_custom.bottom > m_custom.top) {
            graphics.DrawImage(image, ToRect(dest), m_custom.left, m_custom.top,
                               m_custom.right - m_custom.left, m_custom.bottom - m_custom.top,
                               Gdiplus::UnitPixel);
        }
        break;
    default:
        break;
    }
    graphics.Restore(saved);
}

} // namespace OrvixUI
