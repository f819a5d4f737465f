#include "toolkit/core/MShadow.h"

#include "toolkit/core/LayeredCanvas.h"
#include "toolkit/core/MRender.h"
#include "toolkit/core/SkinFolder.h"

#include <algorithm>
#include <cmath>

namespace OrvixUI {

namespace {

constexpr int kOffsetLimit = 35;

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

} // namespace

MShadow::MShadow() = default;
MShadow::~MShadow() = default;

const wchar_t* MShadow::GetWindowClassName() { return L"ShadowWnd"; }

BOOL MShadow::Create(HWND parent, BOOL show) {
    if (!parent || !IsWindow(parent)) {
        return FALSE;
    }
    m_parent = parent;
    // Not owned by the parent: an owned window could not go beneath it.
    HWND owner = GetWindow(parent, GW_OWNER);
    if (!MWindow::Create(owner, L"", WS_POPUP,
                         WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                         RECT{0, 0, 1, 1})) {
        return FALSE;
    }
    return SetShow(show);
}

void MShadow::OnParentMessage(UINT message, WPARAM wParam, LPARAM) {
    if (!m_hwnd || !m_shown) {
        return;
    }
    switch (message) {
    case WM_WINDOWPOSCHANGED:
    case WM_SIZE:
    case WM_MOVE:
        Update();
        break;
    case WM_SHOWWINDOW:
        ::ShowWindow(m_hwnd, wParam ? SW_SHOWNOACTIVATE : SW_HIDE);
        if (wParam) {
            Update();
        }
        break;
    default:
        break;
    }
}

void MShadow::Update() {
    if (!m_hwnd || !m_parent || !IsWindow(m_parent)) {
        return;
    }
    if (!m_shown || !::IsWindowVisible(m_parent) || ::IsIconic(m_parent)) {
        ::ShowWindow(m_hwnd, SW_HIDE);
        return;
    }
    RECT parent;
    ::GetWindowRect(m_parent, &parent);
    const int spread = m_size + m_sharpness;
    RECT area = parent;
    InflateRect(&area, spread, spread);
    OffsetRect(&area, m_offset.x, m_offset.y);
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    LayeredCanvas canvas(width, height);
    if (!canvas.IsValid()) {
        return;
    }
    if (m_image) {
        MRender::DrawImageFrameMID(*canvas.Graphics(), m_image.get(), RECT{0, 0, width, height}, 0,
                                   0, static_cast<int>(m_image->GetWidth()),
                                   static_cast<int>(m_image->GetHeight()), m_corners.left,
                                   m_corners.top, m_corners.right, m_corners.bottom);
    } else {
        // Full darkness inside the shadow's core, fading linearly over `sharpness` pixels.
        const int inset = std::max(0, m_sharpness);
        const RECT core = {inset, inset, width - inset, height - inset};
        DWORD* pixels = canvas.Pixels();
        for (int y = 0; y < height; ++y) {
            const int dy = y < core.top ? core.top - y : y >= core.bottom ? y - core.bottom + 1 : 0;
            for (int x = 0; x < width; ++x) {
                const int dx = x < core.left     ? core.left - x
                               : x >= core.right ? x - core.right + 1
                                                 : 0;
                const double distance = std::sqrt(static_cast<double>(dx * dx + dy * dy));
                const double fade =
                    inset > 0 ? std::max(0.0, 1.0 - distance / inset) : (distance > 0 ? 0.0 : 1.0);
                const auto alpha = static_cast<DWORD>(m_darkness * fade);
                const DWORD r = GetRValue(m_color) * alpha / 255;
                const DWORD g = GetGValue(m_color) * alpha / 255;
                const DWORD b = GetBValue(m_color) * alpha / 255;
                pixels[static_cast<size_t>(y) * width + x] =
                    (alpha << 24) | (r << 16) | (g << 8) | b;
            }
        }
    }
    canvas.Present(m_hwnd, POINT{area.left, area.top});
    ::SetWindowPos(m_hwnd, m_parent, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

BOOL MShadow::SetSize(int size) {
    if (!InRange(size, -kOffsetLimit, kOffsetLimit)) {
        return FALSE;
    }
    m_size = size;
    Update();
    return TRUE;
}

BOOL MShadow::SetSharpness(int sharpness) {
    if (!InRange(sharpness, 0, kOffsetLimit)) {
        return FALSE;
    }
    m_sharpness = sharpness;
    Update();
    return TRUE;
}

BOOL MShadow::SetDarkness(int darkness) {
    if (!InRange(darkness, 0, 255)) {
        return FALSE;
    }
    m_darkness = darkness;
    Update();
    return TRUE;
}

BOOL MShadow::SetPosition(int x, int y) {
    if (!InRange(x, -kOffsetLimit, kOffsetLimit) || !InRange(y, -kOffsetLimit, kOffsetLimit)) {
        return FALSE;
    }
    m_offset = POINT{x, y};
    Update();
    return TRUE;
}

BOOL MShadow::SetColor(COLORREF color) {
    m_color = color & 0xFFFFFF;
    Update();
    return TRUE;
}

BOOL MShadow::SetImage(const wchar_t* fileName, const RECT& corners) {
    if (corners.left < 0 || corners.top < 0 || corners.right < 0 || corners.bottom < 0) {
        return FALSE;
    }
    std::unique_ptr<Gdiplus::Image> image;
    if (fileName && *fileName) {
        image.reset(MRender::LoadImageFromFile((std::wstring(GetSkinFolder()) + fileName).c_str()));
        if (!image) {
            return FALSE;
        }
    }
    m_image = std::move(image);
    m_corners = corners;
    Update();
    return TRUE;
}

BOOL MShadow::SetShow(BOOL show) {
    m_shown = show ? TRUE : FALSE;
    Update();
    return TRUE;
}

BOOL MShadow::IsShown() const { return m_shown; }
int MShadow::GetSize() const { return m_size; }
int MShadow::GetSharpness() const { return m_sharpness; }
int MShadow::GetDarkness() const { return m_darkness; }
POINT MShadow::GetPosition() const { return m_offset; }

} // namespace OrvixUI
