#include "toolkit/core/CKeyboardTips.h"

#include "toolkit/core/LayeredCanvas.h"
#include "toolkit/core/MRender.h"
#include "toolkit/core/Manager.h"
#include "toolkit/core/SkinFolder.h"

#include <memory>

namespace OrvixUI {

namespace {

HFONT MakeFont(int size, int weight) {
    LOGFONTW font = {};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    lstrcpynW(font.lfFaceName, Manager::GetFontName(), LF_FACESIZE);
    font.lfHeight = -size;
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = ANTIALIASED_QUALITY;
    return CreateFontIndirectW(&font);
}

} // namespace

CKeyboardTips::CKeyboardTips() = default;

CKeyboardTips::~CKeyboardTips() {
    if (m_titleFont) {
        DeleteObject(m_titleFont);
    }
    if (m_textFont) {
        DeleteObject(m_textFont);
    }
}

const wchar_t* CKeyboardTips::GetWindowClassName() { return L"OrvixKeyboardTips"; }

HWND CKeyboardTips::Create(HWND owner) {
    return MWindow::Create(owner, L"KeyboardTip Window", WS_POPUP,
                           WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_LAYERED,
                           RECT{0, 0, kWidth, kHeight});
}

LRESULT CKeyboardTips::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kHideTimer) {
        Hide();
        return 0;
    }
    if (message == WM_KILLFOCUS || (message == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE)) {
        Hide();
    }
    if (message == WM_MOUSEACTIVATE) {
        return MA_NOACTIVATE;
    }
    return MWindow::OnWindowMessage(message, wParam, lParam);
}

void CKeyboardTips::Hide() {
    KillTimer(kHideTimer);
    if (IsWindowVisible()) {
        ::ShowWindow(m_hwnd, SW_HIDE);
    }
}

void CKeyboardTips::StartHideTimer(UINT milliseconds) { SetTimer(kHideTimer, milliseconds); }

BOOL CKeyboardTips::SetAirBladderMsg(const wchar_t* title, const wchar_t* text,
                                     const wchar_t* extra, POINT point) {
    const std::wstring t = title ? title : L"", x = text ? text : L"", e = extra ? extra : L"";
    // A tip that was hidden comes back for the same texts.
    if (m_placed && t == m_title && x == m_text && e == m_extra && point.x == m_point.x &&
        point.y == m_point.y && IsWindowVisible()) {
        return FALSE;
    }
    m_title = t;
    m_text = x;
    m_extra = e;
    m_point = point;
    m_placed = true;
    SetWindowPos(nullptr, point.x - kWidth / 2, point.y - kHeight, kWidth, kHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    Render();
    return TRUE;
}

void CKeyboardTips::Render() {
    if (!m_hwnd) {
        return;
    }
    LayeredCanvas canvas(kWidth, kHeight);
    Gdiplus::Graphics* graphics = canvas.Graphics();
    if (!graphics) {
        return;
    }
    std::unique_ptr<Gdiplus::Image> back(MRender::LoadImageFromFile(
        (std::wstring(GetSkinFolder()) + L"img_key_tips_bk.png").c_str()));
    if (back) {
        MRender::DrawImageFrame(*graphics, back.get(), RECT{0, 0, kWidth, kHeight}, 0, 0,
                                static_cast<int>(back->GetWidth()),
                                static_cast<int>(back->GetHeight()), 8);
    } else {
        Gdiplus::SolidBrush brush{Gdiplus::Color(0xF0202328)};
        graphics->FillRectangle(&brush, 0, 0, kWidth, kHeight);
    }
    graphics->Flush(Gdiplus::FlushIntentionSync);
    if (!m_titleFont) {
        m_titleFont = MakeFont(16, FW_BOLD);
        m_textFont = MakeFont(13, FW_NORMAL);
    }
    // GDI text leaves alpha 0: the three bands are made opaque below.
    struct Band {
        const std::wstring& text;
        HFONT font;
        RECT rect;
    };
    const Band bands[] = {{m_title, m_titleFont, RECT{0, 10, kWidth, 36}},
                          {m_text, m_textFont, RECT{0, 38, kWidth, 60}},
                          {m_extra, m_textFont, RECT{0, 62, kWidth, 84}}};
    for (const Band& band : bands) {
        MRender::DrawTextW(canvas.GetDC(), band.rect, band.text.c_str(), RGB(255, 255, 255),
                           band.font, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    GdiFlush();
    DWORD* pixels = canvas.Pixels();
    for (int i = 0; i < kWidth * kHeight; ++i) {
        if ((pixels[i] & 0xFF000000) == 0 && (pixels[i] & 0x00FFFFFF) != 0) {
            pixels[i] |= 0xFF000000;
        }
    }
    canvas.Present(m_hwnd, POINT{m_point.x - kWidth / 2, m_point.y - kHeight});
    ::ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
}

} // namespace OrvixUI
