#include "toolkit/core/MRender.h"

#include <shellapi.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace OrvixUI {

namespace {

BYTE Alpha(DWORD argb) { return static_cast<BYTE>(argb >> 24); }

Gdiplus::Color ToColor(DWORD argb) { return Gdiplus::Color(static_cast<Gdiplus::ARGB>(argb)); }

Gdiplus::Image* Checked(Gdiplus::Image* image) {
    if (image && image->GetLastStatus() == Gdiplus::Ok) {
        return image;
    }
    delete image;
    return nullptr;
}

// One piece of a nine-patch, filled through a texture brush that holds only the piece's own
// pixels, tiled with mirroring and scaled onto the destination. Drawing the piece with
// DrawImage and a source rectangle is not enough: Wine's GDI+ maps the centre of the first
// destination column or row of some stretches to just before the source rectangle and leaves
// that pixel unpainted, whatever the wrap mode, which shows as a dark seam between pieces. A
// filled rectangle covers every destination pixel, and mirroring keeps samples at the piece's
// edges inside the piece.
void DrawPiece(Gdiplus::Graphics& graphics, Gdiplus::Image* image, int srcX, int srcY, int srcW,
               int srcH, int x, int y, int w, int h) {
    if (srcW <= 0 || srcH <= 0 || w <= 0 || h <= 0) {
        return;
    }
    Gdiplus::TextureBrush brush(image, Gdiplus::WrapModeTileFlipXY, srcX, srcY, srcW, srcH);
    if (brush.GetLastStatus() != Gdiplus::Ok) {
        return;
    }
    brush.TranslateTransform(static_cast<Gdiplus::REAL>(x), static_cast<Gdiplus::REAL>(y));
    brush.ScaleTransform(static_cast<Gdiplus::REAL>(w) / static_cast<Gdiplus::REAL>(srcW),
                         static_cast<Gdiplus::REAL>(h) / static_cast<Gdiplus::REAL>(srcH));
    graphics.FillRectangle(&brush, x, y, w, h);
}

int Lerp(int from, int to, int index, int count) {
    return count <= 1 ? from : from + (to - from) * index / (count - 1);
}

void BlendConstant(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int alpha) {
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, static_cast<BYTE>(std::clamp(alpha, 0, 255)), 0};
    AlphaBlend(dst, x, y, w, h, src, sx, sy, w, h, blend);
}

} // namespace

Gdiplus::Image* MRender::LoadImageFromFile(const wchar_t* path) {
    if (!path || !*path) {
        return nullptr;
    }
    return Checked(Gdiplus::Image::FromFile(path));
}

Gdiplus::Image* MRender::LoadImageFromIDResource(UINT id, const wchar_t* type, HMODULE module) {
    HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (!info) {
        return nullptr;
    }
    DWORD size = SizeofResource(module, info);
    HGLOBAL resource = LoadResource(module, info);
    const void* data = resource ? LockResource(resource) : nullptr;
    if (!data || size == 0) {
        return nullptr;
    }
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!copy) {
        return nullptr;
    }
    std::memcpy(GlobalLock(copy), data, size);
    GlobalUnlock(copy);
    IStream* stream = nullptr;
    if (CreateStreamOnHGlobal(copy, TRUE, &stream) != S_OK) {
        GlobalFree(copy);
        return nullptr;
    }
    // GDI+ reads the stream lazily, so the image is cloned into memory before the stream goes.
    std::unique_ptr<Gdiplus::Image> streamed(Gdiplus::Image::FromStream(stream));
    Gdiplus::Image* image = nullptr;
    if (streamed && streamed->GetLastStatus() == Gdiplus::Ok) {
        auto* bitmap =
            new Gdiplus::Bitmap(streamed->GetWidth(), streamed->GetHeight(), PixelFormat32bppARGB);
        {
            Gdiplus::Graphics graphics(bitmap);
            graphics.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
            graphics.DrawImage(streamed.get(), 0, 0, streamed->GetWidth(), streamed->GetHeight());
        }
        image = Checked(bitmap);
    }
    streamed.reset();
    stream->Release();
    return image;
}

HICON MRender::LoadIconFromFile(const wchar_t* path) {
    if (!path) {
        return nullptr;
    }
    wchar_t buffer[MAX_PATH] = {};
    wcsncpy(buffer, path, MAX_PATH - 1);
    WORD index = 0;
    return ExtractAssociatedIconW(nullptr, buffer, &index);
}

HBITMAP MRender::CreateARGB32Bitmap(HDC dc, int width, int height, void** bits) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bits) {
        *bits = pixels;
    }
    return bitmap;
}

HDC MRender::CreateCompatibleDC(HDC dc) { return ::CreateCompatibleDC(dc); }

HBITMAP MRender::CreateCompatibleBitmap(HDC dc, int width, int height) {
    return ::CreateCompatibleBitmap(dc, width, height);
}

BOOL MRender::BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY) {
    return ::BitBlt(dst, x, y, width, height, src, srcX, srcY, SRCCOPY);
}

BOOL MRender::BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                     DWORD rop) {
    return ::BitBlt(dst, x, y, width, height, src, srcX, srcY, rop);
}

void MRender::FillSolidRect(HDC dc, const RECT& rect, COLORREF color) {
    COLORREF old = SetBkColor(dc, color);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

void MRender::FillSolidRect(HDC dc, int x, int y, int width, int height, COLORREF color) {
    RECT rect = {x, y, x + width, y + height};
    FillSolidRect(dc, rect, color);
}

void MRender::DrawColor(HDC dc, const RECT& rect, DWORD argb) {
    if (Alpha(argb) == 0) {
        return;
    }
    Gdiplus::Graphics graphics(dc);
    Gdiplus::SolidBrush brush(ToColor(argb));
    graphics.FillRectangle(&brush, static_cast<INT>(rect.left), static_cast<INT>(rect.top),
                           static_cast<INT>(rect.right - rect.left),
                           static_cast<INT>(rect.bottom - rect.top));
}

void MRender::DrawTextW(HDC dc, const RECT& rect, const wchar_t* text, COLORREF color, HFONT font,
                        UINT format) {
    if (!text) {
        return;
    }
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColor = SetTextColor(dc, color);
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    RECT box = rect;
    ::DrawTextW(dc, text, -1, &box, format);
    if (oldFont) {
        SelectObject(dc, oldFont);
    }
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
}

void MRender::DrawImageFrame(Gdiplus::Graphics& graphics, Gdiplus::Image* image, const RECT& dest,
                             int srcX, int srcY, int srcWidth, int srcHeight, int corner) {
    DrawImageFrameMID(graphics, image, dest, srcX, srcY, srcWidth, srcHeight, corner, corner,
                      corner, corner);
}

void MRender::DrawImageFrameMID(Gdiplus::Graphics& graphics, Gdiplus::Image* image,
                                const RECT& dest, int srcX, int srcY, int srcWidth, int srcHeight,
                                int left, int top, int right, int bottom) {
    if (!image) {
        return;
    }
    // Whole pixels only: no smoothing of the pieces' edges, no blending between source pixels.
    const auto oldMode = graphics.GetInterpolationMode();
    const auto oldOffset = graphics.GetPixelOffsetMode();
    const auto oldSmoothing = graphics.GetSmoothingMode();
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeNone);

    const int L = dest.left, T = dest.top, R = dest.right, B = dest.bottom;
    const int midSrcW = srcWidth - left - right, midSrcH = srcHeight - top - bottom;
    const int midW = R - L - left - right, midH = B - T - top - bottom;
    const int srcRight = srcX + srcWidth - right, srcBottom = srcY + srcHeight - bottom;
    DrawPiece(graphics, image, srcX, srcY, left, top, L, T, left, top);
    DrawPiece(graphics, image, srcX, srcY + top, left, midSrcH, L, T + top, left, midH);
    DrawPiece(graphics, image, srcX, srcBottom, left, bottom, L, B - bottom, left, bottom);
    DrawPiece(graphics, image, srcX + left, srcY, midSrcW, top, L + left, T, midW, top);
    DrawPiece(graphics, image, srcRight, srcY, right, top, R - right, T, right, top);
    DrawPiece(graphics, image, srcRight, srcY + top, right, midSrcH, R - right, T + top, right,
              midH);
    DrawPiece(graphics, image, srcRight, srcBottom, right, bottom, R - right, B - bottom, right,
              bottom);
    DrawPiece(graphics, image, srcX + left, srcBottom, midSrcW, bottom, L + left, B - bottom, midW,
              bottom);
    DrawPiece(graphics, image, srcX + left, srcY + top, midSrcW, midSrcH, L + left, T + top, midW,
              midH);

    graphics.SetSmoothingMode(oldSmoothing);
    graphics.SetPixelOffsetMode(oldOffset);
    graphics.SetInterpolationMode(oldMode);
}

SIZE MRender::GetTextBounds(const Gdiplus::Font& font, const Gdiplus::StringFormat& format,
                            const wchar_t* text) {
    SIZE size = {0, 0};
    Gdiplus::FontFamily family;
    if (!text || font.GetFamily(&family) != Gdiplus::Ok) {
        return size;
    }
    Gdiplus::GraphicsPath path;
    path.AddString(text, -1, &family, font.GetStyle(), font.GetSize(), Gdiplus::PointF(0, 0),
                   &format);
    Gdiplus::RectF bounds;
    path.GetBounds(&bounds);
    size.cx = static_cast<LONG>(std::ceil(bounds.Width));
    // The line height rather than the ink height, so that lines of text stack evenly.
    Gdiplus::REAL line = font.GetHeight(96.0f);
    size.cy = static_cast<LONG>(line + (line != std::floor(line) ? 4.0f : 1.0f));
    return size;
}

SIZE MRender::GetTextBounds(const Gdiplus::Font& font, const wchar_t* text) {
    Gdiplus::StringFormat format(Gdiplus::StringFormat::GenericTypographic());
    format.SetFormatFlags(format.GetFormatFlags() | Gdiplus::StringFormatFlagsNoWrap);
    return GetTextBounds(font, format, text);
}

POINT MRender::GetOriginPoint(int width, int height, int contentWidth, int contentHeight,
                              int hAlign, int vAlign) {
    POINT point = {0, 0};
    if (hAlign == 1) {
        point.x = (width - contentWidth) / 2;
    } else if (hAlign == 2) {
        point.x = width - contentWidth;
    }
    if (vAlign == 4) {
        point.y = (height - contentHeight) / 2;
    } else if (vAlign == 8) {
        point.y = height - contentHeight;
    }
    return point;
}

POINT MRender::GetOriginPoint(const RECT& rect, int contentWidth, int contentHeight, int hAlign,
                              int vAlign) {
    POINT offset = GetOriginPoint(rect.right - rect.left, rect.bottom - rect.top, contentWidth,
                                  contentHeight, hAlign, vAlign);
    return POINT{rect.left + offset.x, rect.top + offset.y + 2};
}

namespace {

void FillGradient(HDC dc, const RECT& rect, DWORD from, DWORD to, BOOL vertical, int steps) {
    auto channel = [](DWORD color, int shift) { return static_cast<int>((color >> shift) & 0xFF); };
    TRIVERTEX vertices[2] = {};
    vertices[0] = {rect.left,
                   rect.top,
                   static_cast<COLOR16>(channel(from, 16) << 8),
                   static_cast<COLOR16>(channel(from, 8) << 8),
                   static_cast<COLOR16>(channel(from, 0) << 8),
                   0xFF00};
    vertices[1] = {rect.right,
                   rect.bottom,
                   static_cast<COLOR16>(channel(to, 16) << 8),
                   static_cast<COLOR16>(channel(to, 8) << 8),
                   static_cast<COLOR16>(channel(to, 0) << 8),
                   0xFF00};
    GRADIENT_RECT mesh = {0, 1};
    if (GradientFill(dc, vertices, 2, &mesh, 1,
                     vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H)) {
        return;
    }
    int power = steps < 4    ? 1
                : steps < 8  ? 2
                : steps < 16 ? 3
                : steps < 32 ? 4
                : steps < 64 ? 5
                             : 6;
    int bands = 1 << power;
    int length = vertical ? rect.bottom - rect.top : rect.right - rect.left;
    for (int i = 0; i < bands; ++i) {
        int start = length * i / bands, end = length * (i + 1) / bands;
        COLORREF color = RGB(Lerp(channel(from, 16), channel(to, 16), i, bands),
                             Lerp(channel(from, 8), channel(to, 8), i, bands),
                             Lerp(channel(from, 0), channel(to, 0), i, bands));
        RECT band = vertical ? RECT{rect.left, rect.top + start, rect.right, rect.top + end}
                             : RECT{rect.left + start, rect.top, rect.left + end, rect.bottom};
        MRender::FillSolidRect(dc, band, color);
    }
}

} // namespace

void MRender::DrawGradient(HDC dc, const RECT& rect, DWORD fromArgb, DWORD toArgb, BOOL vertical,
                           int steps) {
    int alpha = (Alpha(fromArgb) + Alpha(toArgb)) / 2;
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (alpha == 0 || width <= 0 || height <= 0) {
        return;
    }
    if (alpha >= 255) {
        FillGradient(dc, rect, fromArgb, toArgb, vertical, steps);
        return;
    }
    HDC memory = ::CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateARGB32Bitmap(dc, width, height, nullptr);
    HGDIOBJ old = SelectObject(memory, bitmap);
    FillGradient(memory, RECT{0, 0, width, height}, fromArgb, toArgb, vertical, steps);
    BlendConstant(dc, rect.left, rect.top, width, height, memory, 0, 0, alpha);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

void MRender::DrawRectangle(HDC dc, const RECT& rect, COLORREF color, int width) {
    HPEN pen = CreatePen(PS_INSIDEFRAME, width, color);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

void MRender::DrawRoundRectange(Gdiplus::Graphics& graphics, int x, int y, int width, int height,
                                int radius, DWORD borderArgb, int borderWidth, BOOL fill,
                                DWORD fillArgb) {
    if (width <= 0 || height <= 0) {
        return;
    }
    int diameter = std::clamp(radius * 2, 1, std::min(width, height));
    Gdiplus::GraphicsPath path;
    path.AddArc(x, y, diameter, diameter, 180, 90);
    path.AddArc(x + width - diameter, y, diameter, diameter, 270, 90);
    path.AddArc(x + width - diameter, y + height - diameter, diameter, diameter, 0, 90);
    path.AddArc(x, y + height - diameter, diameter, diameter, 90, 90);
    path.CloseFigure();
    auto oldMode = graphics.GetSmoothingMode();
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    if (fill) {
        Gdiplus::SolidBrush brush(ToColor(fillArgb));
        graphics.FillPath(&brush, &path);
    }
    if (borderWidth > 0) {
        Gdiplus::Pen pen(ToColor(borderArgb), static_cast<Gdiplus::REAL>(borderWidth));
        graphics.DrawPath(&pen, &path);
    }
    graphics.SetSmoothingMode(oldMode);
}

void MRender::DrawRoundRectange(Gdiplus::Graphics& graphics, int x, int y, int width, int height,
                                int radius, DWORD argb) {
    DrawRoundRectange(graphics, x, y, width, height, radius, argb, 1, FALSE, 0);
}

namespace {

int TransitionStart(int a, int b) { return 255 - std::min(a, b) * 255 / 100; }
int TransitionEnd(int a, int b) { return (100 - std::max(a, b)) * 255 / 100; }

} // namespace

int MRender::DrawVerticalTransition(HDC dst, HDC src, const RECT& dstRect, const RECT& srcRect,
                                    int from, int to) {
    int rows = std::min(dstRect.bottom - dstRect.top, srcRect.bottom - srcRect.top);
    int width = std::min(dstRect.right - dstRect.left, srcRect.right - srcRect.left);
    int first = TransitionStart(from, to), last = TransitionEnd(from, to);
    if (from >= to) {
        std::swap(first, last);
    }
    int alpha = first;
    for (int row = 0; row < rows && width > 0; ++row) {
        alpha = Lerp(first, last, row, rows);
        BlendConstant(dst, dstRect.left, dstRect.top + row, width, 1, src, srcRect.left,
                      srcRect.top + row, alpha);
    }
    return alpha;
}

int MRender::DrawHorizontalTransition(HDC dst, HDC src, const RECT& dstRect, const RECT& srcRect,
                                      int from, int to) {
    int columns = std::min(dstRect.right - dstRect.left, srcRect.right - srcRect.left);
    int height = std::min(dstRect.bottom - dstRect.top, srcRect.bottom - srcRect.top);
    int first = TransitionStart(from, to), last = TransitionEnd(from, to);
    if (from >= to) {
        std::swap(first, last);
    }
    int alpha = first;
    for (int column = 0; column < columns && height > 0; ++column) {
        alpha = Lerp(first, last, column, columns);
        BlendConstant(dst, dstRect.left + column, dstRect.top, 1, height, src,
                      srcRect.left + column, srcRect.top, alpha);
    }
    return alpha;
}

void MRender::DrawRightBottomTransition(HDC dst, HDC src, const RECT& rect, int size) {
    if (size <= 0) {
        return;
    }
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            int distance = static_cast<int>(std::sqrt(static_cast<double>(x * x + y * y)));
            int alpha = 255 - 255 / size * std::min(size, distance);
            BlendConstant(dst, rect.left + x, rect.top + y, 1, 1, src, rect.left + x, rect.top + y,
                          alpha);
        }
    }
}

void MRender::CheckAlphaColor(DWORD& color) {
    if ((color & 0x00FFFFFF) == 0) {
        color |= 0x00000001;
    }
}

BOOL MRender::SaveBitmapToFile(HBITMAP bitmap, const wchar_t* path) {
    BITMAP info = {};
    if (!bitmap || !path || !GetObjectW(bitmap, sizeof info, &info)) {
        return FALSE;
    }
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = info.bmWidth;
    header.biHeight = info.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    std::vector<BYTE> pixels(static_cast<size_t>(info.bmWidth) * std::abs(info.bmHeight) * 4);
    HDC screen = GetDC(nullptr);
    int lines = GetDIBits(screen, bitmap, 0, std::abs(info.bmHeight), pixels.data(),
                          reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (lines == 0) {
        return FALSE;
    }
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(std::filesystem::path(path), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(pixels.data()),
              static_cast<std::streamsize>(pixels.size()));
    return out.good() ? TRUE : FALSE;
}

} // namespace OrvixUI
