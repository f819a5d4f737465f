#pragma once

#include "toolkit/core/GdiPlus.h"
#include "toolkit/core/OrvixApi.h"

namespace OrvixUI {

// Static drawing operations shared by every control: images, nine-patch frames, text
// measuring, gradients, rounded rectangles, transitions and the 32-bit back buffer.
// Colours named argb are 0xAARRGGBB; COLORREF values are 0x00BBGGRR.
class ORVIXUI_API MRender {
public:
    MRender() = delete;

    // Null when the file or resource cannot be decoded.
    static Gdiplus::Image* LoadImageFromFile(const wchar_t* path);
    static Gdiplus::Image* LoadImageFromIDResource(UINT id, const wchar_t* type, HMODULE module);
    static HICON LoadIconFromFile(const wchar_t* path);

    // A bottom-up 32-bit DIB section; bits receives the address of its pixels.
    static HBITMAP CreateARGB32Bitmap(HDC dc, int width, int height, void** bits);
    static HDC CreateCompatibleDC(HDC dc);
    static HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
    static BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY);
    static BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                       DWORD rop);

    static void FillSolidRect(HDC dc, const RECT& rect, COLORREF color);
    static void FillSolidRect(HDC dc, int x, int y, int width, int height, COLORREF color);
    // Nothing is drawn for a fully transparent colour.
    static void DrawColor(HDC dc, const RECT& rect, DWORD argb);
    static void DrawTextW(HDC dc, const RECT& rect, const wchar_t* text, COLORREF color, HFONT font,
                          UINT format);

    // Nine-patch: corners keep their size, edges stretch along one axis, the centre both.
    static void DrawImageFrame(Gdiplus::Graphics& graphics, Gdiplus::Image* image, const RECT& dest,
                               int srcX, int srcY, int srcWidth, int srcHeight, int corner);
    static void DrawImageFrameMID(Gdiplus::Graphics& graphics, Gdiplus::Image* image,
                                  const RECT& dest, int srcX, int srcY, int srcWidth, int srcHeight,
                                  int left, int top, int right, int bottom);

    static SIZE GetTextBounds(const Gdiplus::Font& font, const Gdiplus::StringFormat& format,
                              const wchar_t* text);
    static SIZE GetTextBounds(const Gdiplus::Font& font, const wchar_t* text);

    // Offset of content inside a box: hAlign 0 left, 1 centre, 2 right; vAlign 0 top,
    // 4 centre, 8 bottom. The rectangle form gives the absolute point, 2 pixels lower.
    static POINT GetOriginPoint(int width, int height, int contentWidth, int contentHeight,
                                int hAlign, int vAlign);
    static POINT GetOriginPoint(const RECT& rect, int contentWidth, int contentHeight, int hAlign,
                                int vAlign);

    static void DrawGradient(HDC dc, const RECT& rect, DWORD fromArgb, DWORD toArgb, BOOL vertical,
                             int steps);
    static void DrawRectangle(HDC dc, const RECT& rect, COLORREF color, int width);
    static void DrawRoundRectange(Gdiplus::Graphics& graphics, int x, int y, int width, int height,
                                  int radius, DWORD borderArgb, int borderWidth, BOOL fill,
                                  DWORD fillArgb);
    static void DrawRoundRectange(Gdiplus::Graphics& graphics, int x, int y, int width, int height,
                                  int radius, DWORD argb);

    // Blend src onto dst row by row (column by column) with a constant alpha running linearly
    // between the two percentages; returns the last alpha used.
    static int DrawVerticalTransition(HDC dst, HDC src, const RECT& dstRect, const RECT& srcRect,
                                      int from, int to);
    static int DrawHorizontalTransition(HDC dst, HDC src, const RECT& dstRect, const RECT& srcRect,
                                        int from, int to);
    static void DrawRightBottomTransition(HDC dst, HDC src, const RECT& rect, int size);

    // Pure black becomes blue 1 so that layered windows keep it opaque; alpha is kept.
    static void CheckAlphaColor(DWORD& color);
    static BOOL SaveBitmapToFile(HBITMAP bitmap, const wchar_t* path);
};

} // namespace OrvixUI
