#include "toolkit/core/LayeredCanvas.h"

#include <algorithm>

namespace OrvixUI {

LayeredCanvas::LayeredCanvas(int width, int height)
    : m_width(std::max(1, width)), m_height(std::max(1, height)) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = m_width;
    info.bmiHeader.biHeight = -m_height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    m_dc = CreateCompatibleDC(nullptr);
    m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &m_bits, nullptr, 0);
    if (!m_bitmap || !m_bits) {
        return;
    }
    m_old = SelectObject(m_dc, m_bitmap);
    std::fill_n(static_cast<DWORD*>(m_bits), static_cast<size_t>(m_width) * m_height, 0u);
    m_image = std::make_unique<Gdiplus::Bitmap>(m_width, m_height, m_width * 4,
                                                PixelFormat32bppPARGB, static_cast<BYTE*>(m_bits));
    m_graphics = std::make_unique<Gdiplus::Graphics>(m_image.get());
    m_graphics->SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    m_graphics->SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
}

LayeredCanvas::~LayeredCanvas() {
    m_graphics.reset();
    m_image.reset();
    if (m_old) {
        SelectObject(m_dc, m_old);
    }
    if (m_bitmap) {
        DeleteObject(m_bitmap);
    }
    if (m_dc) {
        DeleteDC(m_dc);
    }
}

bool LayeredCanvas::IsValid() const { return m_graphics != nullptr; }
Gdiplus::Graphics* LayeredCanvas::Graphics() { return m_graphics.get(); }
HDC LayeredCanvas::GetDC() const { return m_dc; }
DWORD* LayeredCanvas::Pixels() { return static_cast<DWORD*>(m_bits); }
int LayeredCanvas::Width() const { return m_width; }
int LayeredCanvas::Height() const { return m_height; }

BOOL LayeredCanvas::Present(HWND hwnd, POINT topLeft) {
    if (!IsValid() || !IsWindow(hwnd)) {
        return FALSE;
    }
    m_graphics->Flush(Gdiplus::FlushIntentionSync);
    SetWindowLongPtrW(hwnd, GWL_EXSTYLE, GetWindowLongPtrW(hwnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    POINT origin = {0, 0};
    SIZE size = {m_width, m_height};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    return UpdateLayeredWindow(hwnd, nullptr, &topLeft, &size, m_dc, &origin, 0, &blend, ULW_ALPHA);
}

} // namespace OrvixUI
