#include "toolkit/core/MAirBladder.h"

#include "toolkit/core/LayeredCanvas.h"
#include "toolkit/core/MRender.h"
#include "toolkit/core/Manager.h"
#include "toolkit/core/PaintManager.h"
#include "toolkit/core/SkinFolder.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace OrvixUI {

namespace {

constexpr int kFontSize = 14;
constexpr int kTextSlack = 4;
constexpr DWORD kTextColor = 0xFFFFFFFF;
constexpr DWORD kBodyColor = 0xF02B2F36;

std::vector<std::wstring> Lines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::wstringstream stream(text);
    std::wstring line;
    while (std::getline(stream, line, L'\n')) {
        if (!line.empty() && line.back() == L'\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    if (lines.empty()) {
        lines.emplace_back();
    }
    return lines;
}

} // namespace

MAirBladder::MAirBladder(PaintManager* fonts) : m_fonts(fonts) {}

MAirBladder::~MAirBladder() = default;

const wchar_t* MAirBladder::GetWindowClassName() { return L"OrvixAirBladder"; }

HWND MAirBladder::Create(HWND owner) {
    // Hidden until a message is set; never takes the activation from the dialog.
    return MWindow::Create(owner, L"AirBladder Window", WS_POPUP | WS_CLIPSIBLINGS,
                           WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_LAYERED,
                           RECT{0, 0, 1, 1});
}

LRESULT MAirBladder::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kHideTimer) {
        KillTimer(kHideTimer);
        if (IsWindowVisible()) {
            ::ShowWindow(m_hwnd, SW_HIDE);
        }
        return 0;
    }
    if (message == WM_MOUSEACTIVATE) {
        return MA_NOACTIVATE;
    }
    // The pointer passes through to the window beneath: a tip laid over the edge of the
    // control it explains must not take the hover from that control (which would hide it).
    if (message == WM_NCHITTEST) {
        return HTTRANSPARENT;
    }
    return MWindow::OnWindowMessage(message, wParam, lParam);
}

Gdiplus::Image* MAirBladder::Image(std::unique_ptr<Gdiplus::Image>& slot, const wchar_t* name) {
    if (!slot) {
        slot.reset(MRender::LoadImageFromFile((std::wstring(GetSkinFolder()) + name).c_str()));
    }
    return slot.get();
}

BOOL MAirBladder::SetAirBladderMsg(const wchar_t* text, POINT point, int type, int mode) {
    const std::wstring value = text ? text : L"";
    const bool unchanged = value == m_text && point.x == m_point.x && point.y == m_point.y &&
                           type == m_type && mode == m_mode;
    // A tip that hid itself comes back for the same message.
    if (unchanged && IsWindowVisible()) {
        return FALSE;
    }
    m_text = value;
    m_point = point;
    m_type = type;
    m_mode = mode;
    Layout();
    Render();
    if (type != AIRBLADDER_STAY) {
        SetTimer(kHideTimer, kHideAfterMs);
    } else {
        KillTimer(kHideTimer);
    }
    return TRUE;
}

void MAirBladder::Layout() {
    Gdiplus::FontFamily* family = m_fonts ? m_fonts->FindTempFont(Manager::GetFontName()) : nullptr;
    Gdiplus::Font font(family ? family : Gdiplus::FontFamily::GenericSansSerif(),
                       static_cast<Gdiplus::REAL>(kFontSize), Gdiplus::FontStyleRegular,
                       Gdiplus::UnitPixel);
    int width = 0, height = 0;
    for (const std::wstring& line : Lines(m_text)) {
        const SIZE size = MRender::GetTextBounds(font, line.c_str());
        width = std::max(width, static_cast<int>(size.cx));
        height += size.cy;
    }
    // Ink bounds are a little narrower than the advance of the last glyph.
    m_size = SIZE{width + 2 * kPaddingX + kTextSlack, height + 2 * kPaddingY + kArrowHeight};
    const int w = m_size.cx;
    m_arrowX = m_type == AIRBLADDER_LEFT    ? kArrowInset
               : m_type == AIRBLADDER_RIGHT ? w - kArrowInset
                                            : w / 2;
    int left = m_point.x - m_arrowX;
    // Kept on the monitor; the arrow still points at the anchor.
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint(m_point, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    left = std::max(static_cast<int>(work.left), std::min(left, static_cast<int>(work.right) - w));
    m_arrowX = std::clamp(static_cast<int>(m_point.x) - left, kArrowHeight,
                          std::max(kArrowHeight, w - kArrowHeight));
    SetWindowPos(nullptr, left, m_point.y, w, m_size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

void MAirBladder::Render() {
    if (!m_hwnd) {
        return;
    }
    LayeredCanvas canvas(m_size.cx, m_size.cy);
    Gdiplus::Graphics* graphics = canvas.Graphics();
    if (!graphics) {
        return;
    }
    const RECT body = {0, kArrowHeight, m_size.cx, m_size.cy};
    if (Gdiplus::Image* back = Image(m_back, L"img_tip_bk.png")) {
        MRender::DrawImageFrame(*graphics, back, body, 0, 0, static_cast<int>(back->GetWidth()),
                                static_cast<int>(back->GetHeight()), 6);
    } else {
        Gdiplus::SolidBrush brush{Gdiplus::Color(kBodyColor)};
        graphics->FillRectangle(&brush, 0, kArrowHeight, m_size.cx, m_size.cy - kArrowHeight);
    }
    Gdiplus::Image* arrow =
        m_type == AIRBLADDER_LEFT    ? Image(m_arrowLeft, L"img_tip_arrow_left.png")
        : m_type == AIRBLADDER_RIGHT ? Image(m_arrowRight, L"img_tip_arrow_right.png")
                                     : Image(m_arrowTop, L"img_tip_arrow_top.png");
    if (arrow) {
        const int w = static_cast<int>(arrow->GetWidth()), h = static_cast<int>(arrow->GetHeight());
        graphics->DrawImage(arrow, m_arrowX - w / 2, kArrowHeight - h + 1, w, h);
    }
    Gdiplus::FontFamily* family = m_fonts ? m_fonts->FindTempFont(Manager::GetFontName()) : nullptr;
    Gdiplus::Font font(family ? family : Gdiplus::FontFamily::GenericSansSerif(),
                       static_cast<Gdiplus::REAL>(kFontSize), Gdiplus::FontStyleRegular,
                       Gdiplus::UnitPixel);
    const std::vector<std::wstring> lines = Lines(m_text);
    Gdiplus::StringFormat format(Gdiplus::StringFormat::GenericTypographic());
    const bool centred = lines.size() == 1 || m_mode == AIRBLADDER_MODE_CENTER;
    format.SetAlignment(centred ? Gdiplus::StringAlignmentCenter : Gdiplus::StringAlignmentNear);
    format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
    format.SetFormatFlags(format.GetFormatFlags() | Gdiplus::StringFormatFlagsNoWrap);
    Gdiplus::SolidBrush brush{Gdiplus::Color(kTextColor)};
    graphics->DrawString(
        m_text.c_str(), -1, &font,
        Gdiplus::RectF(static_cast<Gdiplus::REAL>(kPaddingX),
                       static_cast<Gdiplus::REAL>(kArrowHeight + kPaddingY),
                       static_cast<Gdiplus::REAL>(m_size.cx - 2 * kPaddingX),
                       static_cast<Gdiplus::REAL>(m_size.cy - kArrowHeight - 2 * kPaddingY)),
        &format, &brush);
    RECT window;
    GetWindowRect(&window);
    canvas.Present(m_hwnd, POINT{window.left, window.top});
}

void MAirBladder::ShowAirBladder(BOOL show) {
    if (!m_hwnd) {
        return;
    }
    if (show) {
        ::ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
        return;
    }
    KillTimer(kHideTimer);
    ::ShowWindow(m_hwnd, SW_HIDE);
}

const wchar_t* MAirBladder::GetText() const { return m_text.c_str(); }
int MAirBladder::GetArrowX() const { return m_arrowX; }

} // namespace OrvixUI
