#pragma once

#include "tests/toolkit/gallery/GallerySection.h"
#include "toolkit/core/MDialog.h"

#include <string>

namespace gallery {

// The sections of Sections.inc, in order.
const Section* Sections();
int SectionCount();

// The gallery window: a toolkit dialog that shows the sections on pages below a header. Each
// section gets a frame of the room it states; sections fill a page in rows, and one that does
// not fit starts the next page. The header's tabs (or Page Up and Page Down) switch pages.
class GalleryDialog : public OrvixUI::MDialog {
public:
    static constexpr int kWidth = 1280;
    static constexpr int kHeight = 720;
    static constexpr int kHeader = 40;
    static constexpr int kGap = 12;
    static constexpr int kCaptionHeight = 22;
    // Space between a frame and its section's controls (below the caption, on the other sides).
    static constexpr int kInset = 8;
    // The close button at the header's right end (img_sys_close.png).
    static constexpr UINT kCloseButton = 9001;
    // The page tabs: kFirstTab + page.
    static constexpr UINT kFirstTab = 9010;
    // Posted by a tab: wParam is the page to show.
    static constexpr UINT kShowPageMessage = WM_APP + 90;

    explicit GalleryDialog(int page = 0);

    // A hidden window of the gallery's size, centred on the screen.
    HWND Create();
    static int PageCount();
    // The page section `index` is on, and its frame there in client coordinates.
    static int PageOf(int index);
    static RECT SectionFrame(int index);
    // Where section `index`'s controls go: its frame less caption and insets.
    static RECT SectionArea(int index);

    // Rebuilds the window's controls for the page; false for a page that does not exist.
    bool ShowPage(int page);
    int GetPage() const;

    void InitUI(const RECT& rect) override;
    LRESULT OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnKeyDown(UINT vk, UINT repeat, UINT flags) override;

    // Paints the whole window into a 32-bit buffer selected into dc (bits: its pixels, bottom-up).
    void Render(HDC dc, void* bits, int width, int height);
    // Renders the back buffer of the page shown and writes it as a PNG; with allPages every
    // page is rendered, one below the other, into one picture. False when it could not be
    // written.
    bool SaveShot(const std::wstring& path, bool allPages = false);

private:
    void Build();

    int m_page;
};

} // namespace gallery
