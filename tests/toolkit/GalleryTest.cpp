#include "ToolkitFixture.h"

#include "tests/toolkit/gallery/GalleryDialog.h"
#include "tests/toolkit/gallery/WindowsSection.h"
#include "toolkit/core/MenuItem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

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
    const RECT first = GalleryDialog::SectionArea(0, gallery::SectionCount());
    EXPECT_EQ(pixels.Rgb(first.left, first.top + 40), 0x3A3F48u);
    EXPECT_EQ(pixels.Rgb(GalleryDialog::kWidth - 4, GalleryDialog::kHeight - 4), 0x121418u);
}

TEST(GalleryProgram, WritesItsBackBufferAsPng) {
    const std::wstring folder = TestFolder();
    const std::wstring shot = folder + L"\\gallery_shot_test.png";
    std::filesystem::remove(shot);
    std::wstring command = L"\"" + folder + L"\\gallery.exe\" --shot \"" + shot + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               folder.c_str(), &startup, &process));
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ASSERT_EQ(code, 0u);

    auto image = std::make_unique<Gdiplus::Bitmap>(shot.c_str());
    ASSERT_EQ(image->GetLastStatus(), Gdiplus::Ok);
    EXPECT_EQ(image->GetWidth(), static_cast<UINT>(GalleryDialog::kWidth));
    EXPECT_EQ(image->GetHeight(), static_cast<UINT>(GalleryDialog::kHeight));
    // The first swatch, where the in-process render puts it.
    GalleryDialog dialog;
    ASSERT_TRUE(dialog.Create());
    const POINT at = Centre(dialog.GetControl(gallery::kWindowsFirstSwatch)->GetRect());
    Gdiplus::Color color;
    image->GetPixel(at.x, at.y, &color);
    EXPECT_EQ(color.GetValue() & 0xFFFFFF, RgbOf(gallery::kWindowsSwatchColors[0]));
    image.reset();
    std::filesystem::remove(shot);
}

} // namespace
} // namespace toolkit_test
