#include "toolkit/controls/ButtonDrawing.h"

#include "toolkit/core/MRender.h"
#include "toolkit/core/SkinFolder.h"

#include <algorithm>

namespace OrvixUI::button_drawing {

int FrameFor(int state, int frameCount) {
    if (frameCount <= 0 || state < 0) {
        return 0;
    }
    return state % frameCount;
}

void DrawStripFrame(Gdiplus::Graphics& graphics, Gdiplus::Image* image, int frameWidth,
                    int frameHeight, int frame, const RECT& dest, int corner) {
    if (!image || frameWidth <= 0 || frameHeight <= 0) {
        return;
    }
    const int destWidth = dest.right - dest.left, destHeight = dest.bottom - dest.top;
    const int limit = std::min({frameWidth, frameHeight, destWidth, destHeight}) / 2;
    MRender::DrawImageFrame(graphics, image, dest, frame * frameWidth, 0, frameWidth, frameHeight,
                            std::clamp(corner, 0, std::max(limit, 0)));
}

void DrawFrameAt(Gdiplus::Graphics& graphics, Gdiplus::Image* image, int frameWidth,
                 int frameHeight, int frame, int x, int y) {
    if (!image || frameWidth <= 0 || frameHeight <= 0) {
        return;
    }
    graphics.DrawImage(image, Gdiplus::Rect(x, y, frameWidth, frameHeight), frame * frameWidth, 0,
                       frameWidth, frameHeight, Gdiplus::UnitPixel);
}

void DrawLine(Gdiplus::Graphics& graphics, const std::wstring& text, Gdiplus::Font* font,
              const RECT& box, DWORD argb, int hAlign, int vAlign, int renderingHint) {
    if (text.empty() || !font || box.right <= box.left || box.bottom <= box.top) {
        return;
    }
    Gdiplus::StringFormat format;
    format.SetAlignment(hAlign == 1   ? Gdiplus::StringAlignmentCenter
                        : hAlign == 2 ? Gdiplus::StringAlignmentFar
                                      : Gdiplus::StringAlignmentNear);
    format.SetLineAlignment(vAlign == 4   ? Gdiplus::StringAlignmentCenter
                            : vAlign == 8 ? Gdiplus::StringAlignmentFar
                                          : Gdiplus::StringAlignmentNear);
    format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap);
    format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
    graphics.SetTextRenderingHint(static_cast<Gdiplus::TextRenderingHint>(renderingHint));
    Gdiplus::SolidBrush brush{Gdiplus::Color(argb)};
    Gdiplus::RectF layout(static_cast<Gdiplus::REAL>(box.left), static_cast<Gdiplus::REAL>(box.top),
                          static_cast<Gdiplus::REAL>(box.right - box.left),
                          static_cast<Gdiplus::REAL>(box.bottom - box.top));
    graphics.DrawString(text.c_str(), -1, font, layout, &format, &brush);
}

void FillRound(Gdiplus::Graphics& graphics, const RECT& box, int radius, DWORD fillArgb,
               DWORD borderArgb) {
    const int width = box.right - box.left, height = box.bottom - box.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    radius = std::clamp(radius, 0, std::min(width, height) / 2);
    MRender::DrawRoundRectange(graphics, box.left, box.top, width - 1, height - 1, radius,
                               borderArgb ? borderArgb : fillArgb, 1, TRUE, fillArgb);
}

Gdiplus::Image* LoadSkinImage(const wchar_t* fileName) {
    if (!fileName || !*fileName) {
        return nullptr;
    }
    std::wstring path = GetSkinFolder();
    path += fileName;
    return MRender::LoadImageFromFile(path.c_str());
}

DWORD ArgbOf(COLORREF color) {
    return 0xFF000000u | (static_cast<DWORD>(GetRValue(color)) << 16) |
           (static_cast<DWORD>(GetGValue(color)) << 8) | GetBValue(color);
}

} // namespace OrvixUI::button_drawing
