#include "ToolkitFixture.h"

#include "tests/toolkit/gallery/GalleryDialog.h"
#include "tests/toolkit/gallery/ValueSection.h"
#include "tests/toolkit/gallery/WindowsSection.h"
#include "toolkit/core/MenuItem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace toolkit_test {
namespace {

using gallery::GalleryDialog;

POINT Centre(const RECT& rect) {
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

std::wstring TestFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path().wstring();
}

class GalleryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dialog.Create()); }
    GalleryDialog m_dialog;
};

TEST_F(GalleryTest, RendersEverySectionIntoTheBackBuffer) {
    RECT client;
    m_dialog.GetClientRect(&client);
    ASSERT_EQ(client.right, GalleryDialog::kWidth);
    ASSERT_EQ(client.bottom, GalleryDialog::kHeight);
    PixelBuffer pixels(client.right, client.bottom);
    m_dialog.Render(pixels.dc(), pixels.bits(), client.right, client.bottom);

    for (int i = 0; i < 3; ++i) {
        auto* swatch = m_dialog.GetControl(gallery::kWindowsFirstSwatch + i);
        ASSERT_NE(swatch, nullptr);
        const POINT at = Centre(swatch->GetRect());
        EXPECT_EQ(pixels.Rgb(at.x, at.y), RgbOf(gallery::kWindowsSwatchColors[i])) << i;
    }
    // The hovered items carry the highlight; the checked one its mark as well.
    for (UINT id : {gallery::kWindowsHoveredItem, gallery::kWindowsCheckedHoveredItem}) {
        auto* item = static_cast<OrvixUI::MenuItem*>(m_dialog.GetControl(id));
        ASSERT_NE(item, nullptr);
        const RECT& rect = item->GetRect();
        EXPECT_EQ(pixels.Rgb(rect.right - 50, rect.top + 2), 0x285055u) << id;
    }
    auto* checked = m_dialog.GetControl(gallery::kWindowsCheckedHoveredItem);
    bool mark = false;
    const RECT& rect = checked->GetRect();
    for (int x = rect.right - 30; x < rect.right; ++x) {
        mark = mark || Near(pixels.Rgb(x, (rect.top + rect.bottom) / 2), 0xFFFFFF, 60);
    }
    EXPECT_TRUE(mark);
    // The close button's cross, from the skin image.
    auto* close = m_dialog.GetControl(GalleryDialog::kCloseButton);
    ASSERT_NE(close, nullptr);
    const POINT cross = {close->GetRect().left + 12, close->GetRect().top + 12};
    EXPECT_TRUE(Near(pixels.Rgb(cross.x, cross.y), 0xC8C8C8, 40))
        << std::hex << pixels.Rgb(cross.x, cross.y);
    // Each section's frame, and the plain fill where no section lies.
    const RECT first = GalleryDialog::SectionFrame(0);
    EXPECT_EQ(pixels.Rgb(first.left, first.top + 40), 0x3A3F48u);
    EXPECT_EQ(pixels.Rgb(GalleryDialog::kWidth - 4, GalleryDialog::kHeight - 4), 0x121418u);
}

bool Overlap(const RECT& a, const RECT& b) {
    RECT both;
    return IntersectRect(&both, &a, &b) != FALSE;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool IsHeaderControl(UINT id) {
    return id == GalleryDialog::kCloseButton ||
           (id >= GalleryDialog::kFirstTab &&
            id < GalleryDialog::kFirstTab + static_cast<UINT>(GalleryDialog::PageCount()));
}

TEST_F(GalleryTest, EverySectionHasTheRoomItStatesOnItsPageWithoutOverlap) {
    const RECT content = {GalleryDialog::kGap, GalleryDialog::kHeader + GalleryDialog::kGap,
                          GalleryDialog::kWidth - GalleryDialog::kGap,
                          GalleryDialog::kHeight - GalleryDialog::kGap};
    ASSERT_GE(GalleryDialog::PageCount(), 2) << "the sections do not fit on one page";
    for (int page = 0; page < GalleryDialog::PageCount(); ++page) {
        SCOPED_TRACE("page " + std::to_string(page + 1));
        ASSERT_TRUE(m_dialog.ShowPage(page));
        std::vector<RECT> areas;
        for (int i = 0; i < gallery::SectionCount(); ++i) {
            if (GalleryDialog::PageOf(i) != page) {
                continue;
            }
            const RECT frame = GalleryDialog::SectionFrame(i);
            const RECT area = GalleryDialog::SectionArea(i);
            const SIZE size = gallery::Sections()[i].size;
            EXPECT_TRUE(Inside(frame, content)) << "section " << i;
            EXPECT_GE(area.right - area.left, size.cx) << "section " << i;
            EXPECT_GE(area.bottom - area.top, size.cy) << "section " << i;
            for (const RECT& other : areas) {
                EXPECT_FALSE(Overlap(frame, other)) << "section " << i;
            }
            areas.push_back(frame);
        }
        ASSERT_FALSE(areas.empty());
        std::vector<OrvixUI::MControl*> shown;
        for (OrvixUI::MControl* control : m_dialog.GetControls()) {
            if (!IsHeaderControl(control->GetControlID()) && control->IsVisible()) {
                shown.push_back(control);
            }
        }
        ASSERT_FALSE(shown.empty());
        for (size_t i = 0; i < shown.size(); ++i) {
            const RECT& rect = shown[i]->GetRect();
            bool inArea = false;
            for (int s = 0; s < gallery::SectionCount(); ++s) {
                inArea = inArea || (GalleryDialog::PageOf(s) == page &&
                                    Inside(rect, GalleryDialog::SectionArea(s)));
            }
            EXPECT_TRUE(inArea) << "control " << shown[i]->GetControlID();
            for (size_t j = i + 1; j < shown.size(); ++j) {
                EXPECT_FALSE(Overlap(rect, shown[j]->GetRect()))
                    << "controls " << shown[i]->GetControlID() << " and "
                    << shown[j]->GetControlID();
            }
        }
    }
}

TEST_F(GalleryTest, ATabShowsItsPage) {
    ASSERT_EQ(m_dialog.GetPage(), 0);
    ASSERT_NE(m_dialog.GetControl(gallery::kWindowsFirstSwatch), nullptr);
    ASSERT_EQ(m_dialog.GetControl(gallery::kValueSectionFirstId), nullptr);
    auto* tab = m_dialog.GetControl(GalleryDialog::kFirstTab + 1);
    ASSERT_NE(tab, nullptr);
    const POINT at = Centre(tab->GetRect());
    const LPARAM where = MAKELPARAM(at.x, at.y);
    m_dialog.SendMessageW(WM_MOUSEMOVE, 0, where);
    m_dialog.SendMessageW(WM_LBUTTONDOWN, MK_LBUTTON, where);
    m_dialog.SendMessageW(WM_LBUTTONUP, 0, where);
    MSG msg;
    while (PeekMessageW(&msg, m_dialog.GetSafeHwnd(), 0, 0, PM_REMOVE)) {
        DispatchMessageW(&msg);
    }
    EXPECT_EQ(m_dialog.GetPage(), 1);
    EXPECT_EQ(m_dialog.GetControl(gallery::kWindowsFirstSwatch), nullptr);
    EXPECT_NE(m_dialog.GetControl(gallery::kValueSectionFirstId), nullptr);
    EXPECT_FALSE(m_dialog.ShowPage(GalleryDialog::PageCount()));
    EXPECT_EQ(m_dialog.GetPage(), 1);
}

// Runs gallery.exe from the test folder with arguments; returns its exit code.
DWORD RunGallery(const std::wstring& arguments) {
    const std::wstring folder = TestFolder();
    std::wstring command = L"\"" + folder + L"\\gallery.exe\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process)) {
        return 255;
    }
    DWORD code = 254;
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &code);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

DWORD PixelOf(Gdiplus::Bitmap& image, POINT at) {
    Gdiplus::Color color;
    image.GetPixel(at.x, at.y, &color);
    return color.GetValue() & 0xFFFFFF;
}

TEST(GalleryProgram, WritesItsBackBufferAsPng) {
    const std::wstring shot = TestFolder() + L"\\gallery_shot_test.png";
    std::filesystem::remove(shot);
    ASSERT_EQ(RunGallery(L"--shot \"" + shot + L"\""), 0u);

    auto image = std::make_unique<Gdiplus::Bitmap>(shot.c_str());
    ASSERT_EQ(image->GetLastStatus(), Gdiplus::Ok);
    EXPECT_EQ(image->GetWidth(), static_cast<UINT>(GalleryDialog::kWidth));
    EXPECT_EQ(image->GetHeight(), static_cast<UINT>(GalleryDialog::kHeight));
    // The first swatch, where the in-process render puts it.
    GalleryDialog dialog;
    ASSERT_TRUE(dialog.Create());
    const POINT at = Centre(dialog.GetControl(gallery::kWindowsFirstSwatch)->GetRect());
    EXPECT_EQ(PixelOf(*image, at), RgbOf(gallery::kWindowsSwatchColors[0]));
    image.reset();
    std::filesystem::remove(shot);
}

TEST(GalleryProgram, PagesAreChosenByNumberOrAllAtOnce) {
    const std::wstring shot = TestFolder() + L"\\gallery_pages_test.png";
    const int pages = GalleryDialog::PageCount();
    // The red swatch: a colour page 2 does not show there.
    const POINT swatch = [] {
        GalleryDialog dialog;
        dialog.Create();
        return Centre(dialog.GetControl(gallery::kWindowsFirstSwatch + 1)->GetRect());
    }();
    const RECT secondFrame = GalleryDialog::SectionFrame(2);
    ASSERT_EQ(GalleryDialog::PageOf(2), 1);

    std::filesystem::remove(shot);
    ASSERT_EQ(RunGallery(L"--page 2 --shot \"" + shot + L"\""), 0u);
    auto image = std::make_unique<Gdiplus::Bitmap>(shot.c_str());
    ASSERT_EQ(image->GetLastStatus(), Gdiplus::Ok);
    EXPECT_EQ(image->GetHeight(), static_cast<UINT>(GalleryDialog::kHeight));
    EXPECT_EQ(PixelOf(*image, POINT{secondFrame.left, secondFrame.top + 40}), 0x3A3F48u)
        << "page 2's first frame";
    EXPECT_NE(PixelOf(*image, swatch), RgbOf(gallery::kWindowsSwatchColors[1]));
    image.reset();

    std::filesystem::remove(shot);
    ASSERT_EQ(RunGallery(L"--page all --shot \"" + shot + L"\""), 0u);
    image = std::make_unique<Gdiplus::Bitmap>(shot.c_str());
    ASSERT_EQ(image->GetLastStatus(), Gdiplus::Ok);
    EXPECT_EQ(image->GetHeight(), static_cast<UINT>(GalleryDialog::kHeight * pages));
    EXPECT_EQ(PixelOf(*image, swatch), RgbOf(gallery::kWindowsSwatchColors[1]));
    EXPECT_EQ(
        PixelOf(*image, POINT{secondFrame.left, GalleryDialog::kHeight + secondFrame.top + 40}),
        0x3A3F48u);
    image.reset();
    std::filesystem::remove(shot);

    for (const wchar_t* wrong : {L"0", L"99", L"x"}) {
        EXPECT_EQ(RunGallery(std::wstring(L"--page ") + wrong + L" --shot \"" + shot + L"\""), 3u)
            << "no page " << wrong;
    }
    EXPECT_FALSE(std::filesystem::exists(shot));
}

} // namespace
} // namespace toolkit_test
