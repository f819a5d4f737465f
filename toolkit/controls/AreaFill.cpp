#include "toolkit/controls/AreaFill.h"

#include "toolkit/core/MRender.h"

namespace OrvixUI {

void DrawAreaFill(HDC dc, const RECT& rect, const AreaFill& fill) {
    RECT inner = rect;
    if (fill.frame) {
        MRender::DrawColor(dc, rect, fill.frameColor);
        InflateRect(&inner, -1, -1);
    }
    const int width = inner.right - inner.left, height = inner.bottom - inner.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    const DWORD opaque = 0xFF000000 | (GetRValue(fill.color) << 16) | (GetGValue(fill.color) << 8) |
                         GetBValue(fill.color);
    if (fill.from == 0 && fill.to == 0) {
        MRender::DrawColor(dc, inner, opaque);
        return;
    }
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = MRender::CreateARGB32Bitmap(dc, width, height, nullptr);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const RECT source = {0, 0, width, height};
    MRender::DrawColor(memory, source, opaque);
    if (fill.direction == 1) {
        MRender::DrawVerticalTransition(dc, memory, inner, source, fill.from, fill.to);
    } else {
        MRender::DrawHorizontalTransition(dc, memory, inner, source, fill.from, fill.to);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

} // namespace OrvixUI
