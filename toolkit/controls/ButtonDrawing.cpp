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

namespace {

void DrawPiece(Gdiplus::Graphics& graphics, Gdiplus::Image* image,
               const Gdiplus::ImageAttributes& attributes, int srcX, int srcY, int srcW, int srcH,
               int x, int y, int w, int h) {
    if (srcW <= 0 || srcH <= 0 || w <= 0 || h <= 0) {
        return;
    }
    graphics.DrawImage(image, Gdiplus::Rect(x, y, w, h), srcX, srcY, srcW, srcH, Gdiplus::UnitPixel,
                       &attributes);
}

} // namespace

// The stretched pieces go first, each reaching one pixel under its fixed neighbours, and the
// corners last: stretching may leave the first or last column of a piece unpainted, and the
// overlap keeps that seam from showing what lies beneath the button.
void DrawStripFrame(Gdiplus::Graphics& graphics, Gdiplus::Image* image, int frameWidth,
                    int frameHeight, int frame, const RECT& dest, int corner) {
    if (!image || frameWidth <= 0 || frameHeight <= 0) {
        return;
    }
    const int destWidth = dest.right - dest.left, destHeight = dest.bottom - dest.top;
    const int limit = std::max(std::min({frameWidth, frameHeight, destWidth, destHeight}) / 2, 0);
    const int c = std::clamp(corner, 0, limit);
    const int sx = frame * frameWidth, sy = 0;
    const int midSrcW = frameWidth - 2 * c, midSrcH = frameHeight - 2 * c;
    const int L = dest.left, T = dest.top, R = dest.right, B = dest.bottom;
    const int midW = destWidth - 2 * c, midH = destHeight - 2 * c;
    const int lap = c > 0 ? 1 : 0;

    Gdiplus::ImageAttributes attributes;
    attributes.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    const auto oldMode = graphics.GetInterpolationMode();
    const auto oldOffset = graphics.GetPixelOffsetMode();
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);

    DrawPiece(graphics, image, attributes, sx + c, sy + c, midSrcW, midSrcH, L + c - lap,
              T + c - lap, midW + 2 * lap, midH + 2 * lap);
    DrawPiece(graphics, image, attributes, sx + c, sy, midSrcW, c, L + c - lap, T, midW + 2 * lap,
              c);
    DrawPiece(graphics, image, attributes, sx + c, sy + frameHeight - c, midSrcW, c, L + c - lap,
              B - c, midW + 2 * lap, c);
    DrawPiece(graphics, image, attributes, sx, sy + c, c, midSrcH, L, T + c - lap, c,
              midH + 2 * lap);
    DrawPiece(graphics, image, attributes, sx + frameWidth - c, sy + c, c, midSrcH, R - c,
              T + c - lap, c, midH + 2 * lap);
    DrawPiece(graphics, image, attributes, sx, sy, c, c, L, T, c, c);
    DrawPiece(graphics, image, attributes, sx + frameWidth - c, sy, c, c, R - c, T, c, c);
    DrawPiece(graphics, image, attributes, sx, sy + frameHeight - c, c, c, L, B - c, c, c);
    DrawPiece(graphics, image, attributes, sx + frameWidth - c, sy + frameHeight - c, c, c, R - c,
              B - c, c, c);

    graphics.SetInterpolationMode(oldMode);
    graphics.SetPixelOffsetMode(oldOffset);
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
