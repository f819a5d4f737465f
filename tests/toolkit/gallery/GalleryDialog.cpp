#include "tests/toolkit/gallery/GalleryDialog.h"

#include "tests/toolkit/PngFile.h"
#include "tests/toolkit/gallery/GalleryButton.h"
#include "toolkit/core/MRender.h"

#include <algorithm>
#include <string>
#include <vector>

namespace gallery {

#define GALLERY_SECTION(title, function, width, height)                                            \
    void function(OrvixUI::PaintManager& manager, OrvixUI::MObject* parent, const RECT& area);
#include "tests/toolkit/gallery/Sections.inc"
#undef GALLERY_SECTION

namespace {

const Section kSections[] = {
#define GALLERY_SECTION(title, function, width, height) {title, function, {width, height}},
#include "tests/toolkit/gallery/Sections.inc"
#undef GALLERY_SECTION
};

constexpr int kCaptionHeight = GalleryDialog::kCaptionHeight;
constexpr int kTabWidth = 360;
constexpr int kTabsLeft = 200;

struct Placement {
    int page;
    RECT frame;
};

// Sections fill a page in rows from the top-left; one that would pass the right edge starts a
// new row, one that would pass the bottom starts a new page.
std::vector<Placement> Layout() {
    const RECT content = {GalleryDialog::kGap, GalleryDialog::kHeader + GalleryDialog::kGap,
                          GalleryDialog::kWidth - GalleryDialog::kGap,
                          GalleryDialog::kHeight - GalleryDialog::kGap};
    std::vector<Placement> placements;
    int page = 0, x = content.left, y = content.top, rowHeight = 0;
    for (const Section& section : kSections) {
        const int width = section.size.cx + 2 * GalleryDialog::kInset;
        const int height = section.size.cy + kCaptionHeight + 2 * GalleryDialog::kInset;
        if (x > content.left && x + width > content.right) {
            x = content.left;
            y += rowHeight + GalleryDialog::kGap;
            rowHeight = 0;
        }
        if (y > content.top && y + height > content.bottom) {
            ++page;
            x = content.left;
            y = content.top;
            rowHeight = 0;
        }
        placements.push_back(Placement{page, RECT{x, y, x + width, y + height}});
        x += width + GalleryDialog::kGap;
        rowHeight = std::max(rowHeight, height);
    }
    return placements;
}

const std::vector<Placement>& Placements() {
    static const std::vector<Placement> placements = Layout();
    return placements;
}

// A section's frame and title.
class Caption : public OrvixUI::MControlFont {
public:
    Caption(OrvixUI::MObject* parent, const RECT& rect, const wchar_t* title)
        : MControlFont(parent, 0, rect, TRUE, TRUE, FALSE) {
        m_title = title;
        m_textColor = 0xFFB4C8DC;
    }
    void DrawControl(HDC dc, const RECT&) override {
        OrvixUI::MRender::DrawRectangle(dc, m_rect, RGB(0x3A, 0x3F, 0x48), 1);
        Gdiplus::Graphics graphics(dc);
        RECT band = {m_rect.left + 8, m_rect.top, m_rect.right - 8, m_rect.top + kCaptionHeight};
        DrawTitle(graphics, band, m_textColor);
    }
};

// The window's close button: the four-state strip img_sys_close.png.
class CloseButton : public GalleryButton {
public:
    CloseButton(OrvixUI::MDialog* dialog, const RECT& rect)
        : GalleryButton(dialog, GalleryDialog::kCloseButton, rect), m_dialog(dialog) {}
    void InitControl(OrvixUI::PaintManager*) override { SetImage(L"img_sys_close.png", 4); }
    void DrawControl(HDC dc, const RECT&) override {
        DrawCachedStates(dc, 4, m_pressed ? 2 : m_hovered ? 1 : 0);
    }

protected:
    void OnClick() override { m_dialog->DoClose(); }
    BOOL OnControlLButtonDown(UINT, POINT) override {
        m_pressed = true;
        UpdateControl(FALSE, FALSE);
        return TRUE;
    }
    BOOL OnControlLButtonUp(UINT flags, POINT point) override {
        m_pressed = false;
        UpdateControl(FALSE, FALSE);
        return GalleryButton::OnControlLButtonUp(flags, point);
    }

private:
    OrvixUI::MDialog* m_dialog;
    bool m_pressed = false;
};

// A page's tab in the header: the titles of its sections; the shown page's tab is lit.
class PageTab : public GalleryButton {
public:
    PageTab(OrvixUI::MDialog* dialog, int page, const RECT& rect, const std::wstring& title,
            bool selected)
        : GalleryButton(dialog, GalleryDialog::kFirstTab + static_cast<UINT>(page), rect),
          m_dialog(dialog), m_page(page), m_selected(selected) {
        m_title = title;
        m_hAlign = 1;
        m_textColor = selected ? 0xFFFFFFFF : 0xFF8C96A0;
    }
    void DrawControl(HDC dc, const RECT&) override {
        OrvixUI::MRender::DrawColor(dc, m_rect,
                                    m_selected  ? 0xFF285055
                                    : m_hovered ? 0xFF23272E
                                                : 0xFF181B20);
        OrvixUI::MRender::DrawRectangle(dc, m_rect, RGB(0x3A, 0x3F, 0x48), 1);
        Gdiplus::Graphics graphics(dc);
        DrawTitle(graphics, m_rect, m_textColor);
    }

protected:
    // Posted: the page change destroys this tab.
    void OnClick() override {
        m_dialog->PostMessageW(GalleryDialog::kShowPageMessage, static_cast<WPARAM>(m_page), 0);
    }

private:
    OrvixUI::MDialog* m_dialog;
    int m_page;
    bool m_selected;
};

} // namespace

const Section* Sections() { return kSections; }
int SectionCount() { return static_cast<int>(std::size(kSections)); }

GalleryDialog::GalleryDialog(int page) : m_page(page) {}

HWND GalleryDialog::Create() {
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    return MWindow::Create(nullptr, L"OrvixUI gallery", kDefaultStyle, 0,
                           RECT{x, y, x + kWidth, y + kHeight});
}

int GalleryDialog::PageCount() { return Placements().empty() ? 0 : Placements().back().page + 1; }

int GalleryDialog::PageOf(int index) {
    return index >= 0 && index < SectionCount() ? Placements()[static_cast<size_t>(index)].page
                                                : -1;
}

RECT GalleryDialog::SectionFrame(int index) {
    return index >= 0 && index < SectionCount() ? Placements()[static_cast<size_t>(index)].frame
                                                : RECT{};
}

RECT GalleryDialog::SectionArea(int index) {
    const RECT frame = SectionFrame(index);
    return RECT{frame.left + kInset, frame.top + kCaptionHeight + kInset, frame.right - kInset,
                frame.bottom - kInset};
}

int GalleryDialog::GetPage() const { return m_page; }

bool GalleryDialog::ShowPage(int page) {
    if (page < 0 || page >= PageCount()) {
        return false;
    }
    m_page = page;
    if (m_hwnd) {
        m_pm.ClearAllControls();
        Build();
        InvalidateRect(nullptr, FALSE);
    }
    return true;
}

void GalleryDialog::InitUI(const RECT&) {
    m_pm.SetBackColor(RGB(0x12, 0x14, 0x18), RGB(0x3A, 0x3F, 0x48));
    if (m_page < 0 || m_page >= PageCount()) {
        m_page = 0;
    }
    Build();
}

void GalleryDialog::Build() {
    m_pm.AddArea(new Caption(this, RECT{0, 0, kWidth, kHeader}, L"OrvixUI gallery"));
    m_pm.AddControl(new CloseButton(this, RECT{kWidth - 32, 8, kWidth - 8, 32}));
    for (int page = 0; page < PageCount(); ++page) {
        std::wstring title = std::to_wstring(page + 1) + L": ";
        bool first = true;
        for (int i = 0; i < SectionCount(); ++i) {
            if (PageOf(i) == page) {
                title += (first ? L"" : L", ") + std::wstring(kSections[i].title);
                first = false;
            }
        }
        const int left = kTabsLeft + page * (kTabWidth + 8);
        m_pm.AddControl(
            new PageTab(this, page, RECT{left, 8, left + kTabWidth, 32}, title, page == m_page));
    }
    for (int i = 0; i < SectionCount(); ++i) {
        if (PageOf(i) != m_page) {
            continue;
        }
        m_pm.AddArea(new Caption(this, SectionFrame(i), kSections[i].title));
        kSections[i].build(m_pm, this, SectionArea(i));
    }
}

LRESULT GalleryDialog::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kShowPageMessage) {
        ShowPage(static_cast<int>(wParam));
        return 0;
    }
    return MDialog::OnWindowMessage(message, wParam, lParam);
}

LRESULT GalleryDialog::OnKeyDown(UINT vk, UINT, UINT) {
    if (vk == VK_ESCAPE) {
        DoClose();
    } else if (vk == VK_NEXT || vk == VK_PRIOR) {
        const int count = PageCount();
        PostMessageW(kShowPageMessage,
                     static_cast<WPARAM>((m_page + (vk == VK_NEXT ? 1 : count - 1)) % count), 0);
    }
    return 0;
}

void GalleryDialog::Render(HDC dc, void* bits, int width, int height) {
    m_pm.PaintBuffer(dc, bits, width, height, RECT{0, 0, width, height});
}

bool GalleryDialog::SaveShot(const std::wstring& path, bool allPages) {
    RECT client = {};
    GetClientRect(&client);
    const int width = client.right, pageHeight = client.bottom;
    const int shown = m_page;
    const int first = allPages ? 0 : m_page;
    const int pages = allPages ? PageCount() : 1;
    if (width <= 0 || pageHeight <= 0 || pages <= 0) {
        return false;
    }
    const int height = pageHeight * pages;
    HDC dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HBITMAP buffer = OrvixUI::MRender::CreateARGB32Bitmap(dc, width, height, &bits);
    HGDIOBJ old = SelectObject(dc, buffer);
    HDC pageDc = CreateCompatibleDC(nullptr);
    void* pageBits = nullptr;
    HBITMAP page = OrvixUI::MRender::CreateARGB32Bitmap(pageDc, width, pageHeight, &pageBits);
    HGDIOBJ oldPage = SelectObject(pageDc, page);
    for (int i = 0; i < pages; ++i) {
        if (allPages) {
            ShowPage(first + i);
        }
        Render(pageDc, pageBits, width, pageHeight);
        BitBlt(dc, 0, i * pageHeight, width, pageHeight, pageDc, 0, 0, SRCCOPY);
    }
    if (allPages) {
        ShowPage(shown);
    }
    GdiFlush();
    // The buffer is bottom-up: start at its last row and step backwards.
    auto* last = static_cast<BYTE*>(bits) + static_cast<size_t>(height - 1) * width * 4;
    Gdiplus::Bitmap image(width, height, -width * 4, PixelFormat32bppRGB, last);
    const bool saved = toolkit_test::SavePng(image, path);
    SelectObject(pageDc, oldPage);
    DeleteObject(page);
    DeleteDC(pageDc);
    SelectObject(dc, old);
    DeleteObject(buffer);
    DeleteDC(dc);
    return saved;
}

} // namespace gallery
