#include "toolkit/core/PaintManager.h"

#include "toolkit/core/MRender.h"

#include <commctrl.h>

#include <algorithm>

// Painting of PaintManager: the off-screen frame, the background, the message and progress
// overlay with its timers, and the tooltip.

namespace OrvixUI {

namespace {

constexpr BYTE kBackAlpha = 0xFE;
constexpr UINT kTooltipTool = 1313;
constexpr int kOverlayHoldMs = 3000;
constexpr int kOverlayFadeMs = 50;
constexpr int kProgressStepMs = 10;
// Painting ends with this pause, which bounds the repaint rate.
constexpr DWORD kPaintPauseMs = 15;

DWORD* Pixel(void* bits, int width, int height, int x, int y) {
    // Bottom-up: the first row in memory is the bottom row.
    return static_cast<DWORD*>(bits) + static_cast<size_t>(height - 1 - y) * width + x;
}

// Writes the pixels directly: the plain background is opaque colour with alpha 0xFE, not a
// blend of it over what the buffer held.
void FillPixels(void* bits, int width, int height, const RECT& rect, BYTE alpha, COLORREF color) {
    RECT area;
    RECT all = {0, 0, width, height};
    if (!IntersectRect(&area, &rect, &all)) {
        return;
    }
    const DWORD value = (static_cast<DWORD>(alpha) << 24) | (GetRValue(color) << 16) |
                        (GetGValue(color) << 8) | GetBValue(color);
    for (int y = area.top; y < area.bottom; ++y) {
        std::fill_n(Pixel(bits, width, height, area.left, y), area.right - area.left, value);
    }
}

void FillArgb(HDC dc, const RECT& rect, BYTE alpha, COLORREF color) {
    MRender::DrawColor(dc, rect,
                       (static_cast<DWORD>(alpha) << 24) | (GetRValue(color) << 16) |
                           (GetGValue(color) << 8) | GetBValue(color));
}

} // namespace

LRESULT PaintManager::OnPaintMessage() {
    if (!HasWindow() || IsIconic(m_hwnd)) {
        return 0;
    }
    RECT update;
    if (!GetUpdateRect(m_hwnd, &update, FALSE)) {
        return 0;
    }
    int width = 0, height = 0;
    GetClientSize(width, height);
    PAINTSTRUCT paint;
    HDC windowDC = BeginPaint(m_hwnd, &paint);
    if (width > 0 && height > 0) {
        HDC memory = ::CreateCompatibleDC(windowDC);
        void* bits = nullptr;
        HBITMAP buffer = MRender::CreateARGB32Bitmap(windowDC, width, height, &bits);
        HGDIOBJ old = SelectObject(memory, buffer);
        PaintBuffer(memory, bits, width, height, update);
        if (m_layered) {
            SetWindowLongPtrW(m_hwnd, GWL_EXSTYLE,
                              GetWindowLongPtrW(m_hwnd, GWL_EXSTYLE) | WS_EX_LAYERED);
            POINT origin = {0, 0};
            SIZE size = {width, height};
            BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
            UpdateLayeredWindow(m_hwnd, nullptr, nullptr, &size, memory, &origin, 0, &blend,
                                ULW_ALPHA);
        } else {
            ::BitBlt(windowDC, update.left, update.top, update.right - update.left,
                     update.bottom - update.top, memory, update.left, update.top, SRCCOPY);
        }
        SelectObject(memory, old);
        DeleteObject(buffer);
        DeleteDC(memory);
    }
    EndPaint(m_hwnd, &paint);
    Sleep(kPaintPauseMs);
    return 0;
}

void PaintManager::PaintBuffer(HDC dc, void* bits, int width, int height, const RECT& update) {
    RECT area;
    RECT client = {0, 0, width, height};
    if (!IntersectRect(&area, &update, &client)) {
        return;
    }
    int saved = SaveDC(dc);
    if (m_layered && bits) {
        for (int y = area.top; y < area.bottom; ++y) {
            std::fill_n(Pixel(bits, width, height, area.left, y), area.right - area.left, 0u);
        }
    }
    DrawBackground(dc, bits, width, height);
    const RECT& clip = m_layered ? client : area;
    {
        std::lock_guard guard(m_areaLock);
        for (MControl* control : m_areas) {
            control->Draw(dc, clip);
        }
    }
    {
        std::lock_guard guard(m_controlLock);
        for (MControl* control : m_controls) {
            control->Draw(dc, clip);
        }
    }
    DrawCaret(dc, clip);
    GdiFlush();
    if (m_layered && bits) {
        for (int y = area.top; y < area.bottom; ++y) {
            DWORD* row = Pixel(bits, width, height, area.left, y);
            for (int x = 0; x < area.right - area.left; ++x) {
                if ((row[x] & 0xFF000000) == 0 && (row[x] & 0x00FFFFFF) != 0) {
                    row[x] |= 0xFF000000;
                }
            }
        }
    }
    DrawOverlay(dc);
    RestoreDC(dc, saved);
}

void PaintManager::DrawBackground(HDC dc, void* bits, int width, int height) {
    if (m_backImage) {
        Gdiplus::Graphics graphics(dc);
        const int imageWidth = static_cast<int>(m_backImage->GetWidth());
        const int imageHeight = static_cast<int>(m_backImage->GetHeight());
        if (m_backMode == BACK_MODE_IMAGE) {
            graphics.DrawImage(m_backImage, 0, 0, imageWidth, imageHeight);
        } else if (m_backMode == BACK_MODE_NINE_PATCH) {
            MRender::DrawImageFrame(graphics, m_backImage, RECT{0, 0, width, height}, 0, 0,
                                    imageWidth, imageHeight, m_backParameter);
        }
        return;
    }
    const RECT whole = {0, 0, width, height};
    const RECT inner = {1, 1, width - 1, height - 1};
    if (bits) {
        GdiFlush();
        FillPixels(bits, width, height, whole, kBackAlpha, m_borderColor);
        FillPixels(bits, width, height, inner, kBackAlpha, m_fillColor);
    } else {
        FillArgb(dc, whole, kBackAlpha, m_borderColor);
        FillArgb(dc, inner, kBackAlpha, m_fillColor);
    }
}

// ---------------------------------------------------------------------------------------------
// Overlay

void PaintManager::DrawOverlay(HDC dc) {
    if (m_overlayAlpha <= 10 || m_overlayText.empty()) {
        return;
    }
    const BYTE alpha = static_cast<BYTE>(m_overlayAlpha);
    const RECT& box = m_overlayRect;
    const int width = box.right - box.left;
    FillArgb(dc, box, alpha, 0xE6E6E6);
    RECT inner = box;
    InflateRect(&inner, -2, -2);
    FillArgb(dc, inner, alpha, 0xFEFEFE);

    Gdiplus::Graphics graphics(dc);
    Gdiplus::FontFamily* family = FindTempFont(m_overlayFont.c_str());
    Gdiplus::Font font(family ? family : Gdiplus::FontFamily::GenericSansSerif(), 12.0f,
                       Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintClearTypeGridFit);
    Gdiplus::SolidBrush brush(Gdiplus::Color(alpha, 0x05, 0x05, 0x05));
    Gdiplus::StringFormat format;
    format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
    const auto left = static_cast<Gdiplus::REAL>(box.left + 5);
    const auto top = static_cast<Gdiplus::REAL>(box.top + 5);
    if (m_progressShown <= 0) {
        graphics.DrawString(m_overlayText.c_str(), -1, &font, Gdiplus::RectF(left, top, 190, 50),
                            &format, &brush);
        return;
    }
    format.SetAlignment(Gdiplus::StringAlignmentCenter);
    graphics.DrawString(m_overlayText.c_str(), -1, &font,
                        Gdiplus::RectF(left, top, static_cast<Gdiplus::REAL>(width - 10), 30),
                        &format, &brush);
    Gdiplus::Pen line(Gdiplus::Color(0xC8C8C8C8), 1.0f);
    graphics.DrawLine(&line, static_cast<INT>(box.left + 10), static_cast<INT>(box.bottom - 15),
                      static_cast<INT>(box.right - 20), static_cast<INT>(box.bottom - 15));
    Gdiplus::SolidBrush bar(Gdiplus::Color(0xFEFFE100));
    graphics.FillRectangle(&bar, static_cast<INT>(box.left + 10), static_cast<INT>(box.bottom - 16),
                           static_cast<INT>(std::min(m_progressShown, 100) * (width - 20) / 100),
                           3);
}

void PaintManager::InvalidateOverlay() { InvalidateRect(&m_overlayRect, FALSE); }

void PaintManager::SetMessage(const wchar_t* text, const RECT& rect, MsgLevel level) {
    if (HasWindow()) {
        ::KillTimer(m_hwnd, kOverlayHoldTimer);
        ::KillTimer(m_hwnd, kOverlayFadeTimer);
    }
    m_overlayAlpha = 255;
    m_overlayText = text ? text : L"";
    m_overlayLevel = level;
    m_overlayRect = rect;
    m_progressShown = 0;
    m_progressTarget = 0;
    InvalidateOverlay();
    if (HasWindow()) {
        ::SetTimer(m_hwnd, kOverlayHoldTimer, kOverlayHoldMs, nullptr);
    }
}

void PaintManager::SetProgress(int percent, const wchar_t* text, const RECT& rect) {
    if (percent == m_progressTarget) {
        return;
    }
    if (percent < 5 && HasWindow()) {
        ::KillTimer(m_hwnd, kOverlayFadeTimer);
    }
    m_overlayAlpha = 255;
    m_overlayText = text ? text : L"";
    m_progressTarget = percent;
    m_overlayRect = rect;
    if (IsRectEmpty(&rect)) {
        int width = 0, height = 0;
        GetClientSize(width, height);
        m_overlayRect = RECT{0, height - 60, width, height - 2};
    }
    if (m_progressTarget - m_progressShown < 6) {
        m_progressShown = m_progressTarget;
        InvalidateOverlay();
        if (m_progressShown >= 100 && HasWindow()) {
            ::SetTimer(m_hwnd, kOverlayFadeTimer, kOverlayFadeMs, nullptr);
        }
    } else if (HasWindow()) {
        ::SetTimer(m_hwnd, kProgressTimer, kProgressStepMs, nullptr);
    }
}

int PaintManager::GetOverlayAlpha() const { return m_overlayAlpha; }
int PaintManager::GetShownProgress() const { return m_progressShown; }

void PaintManager::OnReservedTimer(UINT id) {
    switch (id) {
    case kCaretTimer:
        m_caretPhase = !m_caretPhase;
        InvalidateRect(&m_caretRect, FALSE);
        break;
    case kOverlayHoldTimer:
        ::KillTimer(m_hwnd, kOverlayHoldTimer);
        ::SetTimer(m_hwnd, kOverlayFadeTimer, kOverlayFadeMs, nullptr);
        break;
    case kOverlayFadeTimer:
        m_overlayAlpha -= 10;
        if (m_overlayAlpha < 20) {
            m_overlayAlpha = 0;
            m_progressShown = 0;
            m_progressTarget = 0;
            ::KillTimer(m_hwnd, kOverlayFadeTimer);
            Invalidate();
        } else {
            InvalidateOverlay();
        }
        break;
    case kProgressTimer:
        m_progressShown = std::min(m_progressShown + 2, m_progressTarget);
        if (m_progressShown >= m_progressTarget) {
            ::KillTimer(m_hwnd, kProgressTimer);
        }
        InvalidateOverlay();
        if (m_progressShown >= 100) {
            ::SetTimer(m_hwnd, kOverlayFadeTimer, kOverlayFadeMs, nullptr);
        }
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------------------------
// Caret

void PaintManager::CreateCaret(HBITMAP bitmap, int width, int height) {
    if (HasWindow()) {
        ::CreateCaret(m_hwnd, bitmap, width, height);
    }
    m_caretRect.right = m_caretRect.left + width;
    m_caretRect.bottom = m_caretRect.top + height;
}

void PaintManager::SetCaretPos(MControlFont* owner, int x, int y) {
    if (HasWindow()) {
        ::SetCaretPos(x, y);
    }
    m_caretOwner = owner;
    InvalidateRect(&m_caretRect, FALSE);
    OffsetRect(&m_caretRect, x - m_caretRect.left, y - m_caretRect.top);
    InvalidateRect(&m_caretRect, FALSE);
}

void PaintManager::ShowCaret(BOOL show) {
    show = show ? TRUE : FALSE;
    if (show == m_caretShown) {
        return;
    }
    m_caretShown = show;
    if (show) {
        m_caretPhase = true;
        if (HasWindow()) {
            ::SetTimer(m_hwnd, kCaretTimer, GetCaretBlinkTime(), nullptr);
        }
    } else if (HasWindow()) {
        ::KillTimer(m_hwnd, kCaretTimer);
    }
    InvalidateRect(&m_caretRect, FALSE);
}

void PaintManager::DrawCaret(HDC dc, const RECT& clip) {
    if (!m_caretShown) {
        return;
    }
    if (!m_caretOwner || !m_caretOwner->IsFocused() || !HasWindow() || GetFocus() != m_hwnd) {
        ShowCaret(FALSE);
        return;
    }
    RECT visible;
    if (m_caretPhase && IntersectRect(&visible, &m_caretRect, &clip)) {
        MRender::DrawColor(dc, visible, 0xFE000000 | (m_caretOwner->GetTextColor() & 0x00FFFFFF));
    }
}

MControlFont* PaintManager::GetCurrentCaretObject() const { return m_caretOwner; }
BOOL PaintManager::IsCaretShown() const { return m_caretShown; }

// ---------------------------------------------------------------------------------------------
// Tooltip

void PaintManager::SetTooltip(const wchar_t* text, const RECT&) {
    if (!HasWindow()) {
        return;
    }
    if (!m_tooltip) {
        INITCOMMONCONTROLSEX init = {sizeof init, ICC_BAR_CLASSES};
        InitCommonControlsEx(&init);
        m_tooltip =
            CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, m_hwnd, nullptr, nullptr, nullptr);
        if (!m_tooltip) {
            return;
        }
        ::SendMessageW(m_tooltip, TTM_SETMAXTIPWIDTH, 0, 256);
        ::SendMessageW(m_tooltip, TTM_SETTIPTEXTCOLOR, RGB(255, 255, 255), 0);
        if (GetACP() == 936) {
            RECT margin = {2, 3, 0, 0};
            ::SendMessageW(m_tooltip, TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
        }
        TTTOOLINFOW tool = {};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_TRACK | TTF_ABSOLUTE | TTF_PARSELINKS;
        tool.hwnd = m_hwnd;
        tool.uId = kTooltipTool;
        ::GetClientRect(m_hwnd, &tool.rect);
        tool.lpszText = const_cast<wchar_t*>(L"");
        ::SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = m_hwnd;
    tool.uId = kTooltipTool;
    tool.lpszText = const_cast<wchar_t*>(text ? text : L"");
    ::SendMessageW(m_tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    const bool show = text && *text;
    if (show) {
        POINT cursor;
        GetCursorPos(&cursor);
        ::SendMessageW(m_tooltip, TTM_TRACKPOSITION, 0, MAKELPARAM(cursor.x + 12, cursor.y + 16));
    }
    ::SendMessageW(m_tooltip, TTM_TRACKACTIVATE, show ? TRUE : FALSE,
                   reinterpret_cast<LPARAM>(&tool));
}

void PaintManager::ClearTooltip() {
    if (m_tooltip && m_tooltipCtrlID != 0) {
        TTTOOLINFOW tool = {};
        tool.cbSize = sizeof tool;
        tool.hwnd = m_hwnd;
        tool.uId = kTooltipTool;
        ::SendMessageW(m_tooltip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    }
    m_tooltipCtrlID = 0;
}

HWND PaintManager::GetToolTipWnd() const { return m_tooltip; }
UINT PaintManager::GetTooltipCtrlID() const { return m_tooltipCtrlID; }
void PaintManager::SetTooltipCtrlID(UINT id) { m_tooltipCtrlID = id; }

} // namespace OrvixUI
