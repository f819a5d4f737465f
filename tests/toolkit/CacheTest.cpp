#include "PngFile.h"
#include "ToolkitFixture.h"

#include "toolkit/core/ImageCache.h"
#include "toolkit/core/MImageList.h"
#include "toolkit/core/Manager.h"
#include "toolkit/core/SkinFolder.h"

#include <filesystem>

namespace toolkit_test {
namespace {

namespace fs = std::filesystem;

// Writes a width x 10 PNG to path.
void WritePng(const fs::path& path, int width) {
    fs::create_directories(path.parent_path());
    Gdiplus::Bitmap image(width, 10, PixelFormat32bppARGB);
    ASSERT_TRUE(SavePng(image, path.wstring()));
}

class Caches : public ::testing::Test {
protected:
    void SetUp() override { WritePng(fs::path(OrvixUI::GetSkinFolder()) / "cache_probe.png", 100); }
};

TEST_F(Caches, OneDecodePerWindowAndName) {
    HostWindow first, second;
    OrvixUI::ImgResInfo* a = first.manager().AddImgResInfo(L"cache_probe.png", 3);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->frameWidth, 33);
    EXPECT_EQ(a->frameHeight, 10);
    EXPECT_EQ(first.manager().AddImgResInfo(L"cache_probe.png", 3), a) << "shared in one window";
    OrvixUI::ImgResInfo* b = second.manager().AddImgResInfo(L"cache_probe.png", 3);
    ASSERT_NE(b, nullptr);
    EXPECT_NE(b->image, a->image) << "each window decodes its own copy";
}

TEST_F(Caches, TwoControlsOfAWindowShareTheImage) {
    HostWindow host;
    Probe* one = host.AddProbe(10, RECT{0, 0, 50, 50});
    Probe* two = host.AddProbe(20, RECT{60, 0, 110, 50});
    EXPECT_TRUE(one->SetImage(L"cache_probe.png", 4));
    EXPECT_TRUE(two->SetImage(L"cache_probe.png", 2));
    EXPECT_EQ(one->GetImageInfo(), two->GetImageInfo());
    EXPECT_EQ(one->GetImageSize().cx, 25) << "each control keeps its own frame count";
    EXPECT_EQ(two->GetImageSize().cx, 50);
}

TEST_F(Caches, AMissingImageGivesNullAndDrawingGoesOn) {
    HostWindow host;
    EXPECT_EQ(host.manager().AddImgResInfo(L"no_such_image.png", 4), nullptr);
    EXPECT_EQ(host.manager().AddImgResInfo(L"", 4), nullptr);
    EXPECT_EQ(host.manager().AddImgResInfo(4242, L"PNG", 4, FALSE), nullptr);
    Probe* probe = host.AddProbe(10, RECT{10, 10, 60, 60}, RGB(0, 0, 255));
    EXPECT_FALSE(probe->SetImage(L"no_such_image.png", 4));
    EXPECT_EQ(probe->GetImageInfo(), nullptr);
    PixelBuffer buffer(400, 300);
    host.manager().PaintBuffer(buffer.dc(), buffer.bits(), 400, 300, RECT{0, 0, 400, 300});
    EXPECT_EQ(buffer.Rgb(30, 30), 0x0000FFu);
}

TEST_F(Caches, SetImageNeedsAHost) {
    Probe loose(nullptr, 1, RECT{0, 0, 10, 10});
    EXPECT_FALSE(loose.SetImage(L"cache_probe.png", 4));
}

// A layered window starts from transparent pixels; what GDI drew (alpha left at 0) becomes
// opaque, untouched pixels stay fully transparent.
TEST(LayeredPaint, GdiPixelsBecomeOpaqueAndUntouchedOnesStayTransparent) {
    {
        fs::path back = fs::path(OrvixUI::GetSkinFolder()) / "layered_back.png";
        fs::create_directories(back.parent_path());
        Gdiplus::Bitmap image(400, 300, PixelFormat32bppARGB);
        {
            Gdiplus::Graphics graphics(&image);
            graphics.Clear(Gdiplus::Color(0, 0, 0, 0));
        }
        ASSERT_TRUE(SavePng(image, back.wstring()));
    }
    HostWindow host;
    ASSERT_TRUE(host.manager().LoadBKImage(L"layered_back.png"));
    host.manager().SetLayeredWindow(TRUE);
    host.AddProbe(10, RECT{10, 10, 60, 60}, RGB(30, 40, 50));
    host.AddProbe(20, RECT{100, 10, 150, 60}, RGB(0, 0, 0));
    PixelBuffer buffer(400, 300);
    buffer.Fill(RGB(9, 9, 9));
    host.manager().PaintBuffer(buffer.dc(), buffer.bits(), 400, 300, RECT{0, 0, 400, 300});
    EXPECT_EQ(buffer.Argb(20, 20), 0xFF1E2832u) << "GDI fill made opaque";
    EXPECT_EQ(buffer.Argb(300, 200), 0u) << "untouched: fully transparent";
    EXPECT_EQ(buffer.Argb(120, 20), 0u) << "pure black cannot be told from nothing";
    EXPECT_FALSE(host.manager().LoadBKImage(L"no_such_back.png"));
}

TEST(LibraryResources, TheLibraryCarriesItsScrollImagesAndFont) {
    HostWindow host;
    struct Case {
        UINT id;
        UINT width, height;
    };
    for (Case c : {Case{101, 22, 20}, Case{102, 28, 239}}) {
        OrvixUI::ImgResInfo* info = host.manager().AddImgResInfo(c.id, L"PNG", 4, FALSE);
        ASSERT_NE(info, nullptr) << c.id;
        EXPECT_EQ(info->image->GetWidth(), c.width) << c.id;
        EXPECT_EQ(info->image->GetHeight(), c.height) << c.id;
        EXPECT_EQ(info->frameWidth, static_cast<int>(c.width) / 4);
    }
    EXPECT_EQ(host.manager().AddImgResInfo(101, L"PNG", 4, TRUE), nullptr)
        << "the application's resources are a different cache and module";

    Gdiplus::FontFamily* family = host.manager().AddTempFont(L"Open Sans Semibold", 106u);
    ASSERT_NE(family, nullptr);
    wchar_t name[LF_FACESIZE] = {};
    family->GetFamilyName(name);
    EXPECT_EQ(std::wstring(name).rfind(L"Open Sans", 0), 0u) << std::wstring(name).size();
    EXPECT_TRUE(host.manager().AddGDITempFont(106));
    EXPECT_FALSE(host.manager().AddGDITempFont(4242));
}

TEST(LibraryResources, LoadingTheLibraryRecordsItsModule) {
    HMODULE module = OrvixUI::Manager::GetModule();
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(module, GetModuleHandleW(L"OrvixUI.dll"));
    EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(106), L"TTF"), nullptr);
}

TEST(SkinFolders, AreBesideTheProgram) {
    std::wstring program = OrvixUI::GetProgramFolderPath();
    ASSERT_FALSE(program.empty());
    EXPECT_EQ(program.back(), L'\\');
    EXPECT_EQ(std::wstring(OrvixUI::GetSkinFolder()), program + L"skins\\theme1\\");
    EXPECT_EQ(std::wstring(OrvixUI::GetFontFolder()), program + L"font\\");
}

TEST(ImageList, InsertsByIndexAndRejectsBadOnes) {
    fs::path icon = fs::path(OrvixUI::GetProgramFolderPath()) / "list_icon.png";
    WritePng(icon, 40);
    OrvixUI::MImageList list;
    const std::wstring path = icon.wstring();
    EXPECT_EQ(list.AddImage(path.c_str(), 7, 2), 0);
    EXPECT_EQ(list.InsertImage(0, path.c_str(), 8, 0), 0);
    EXPECT_EQ(list.InsertImage(-1, path.c_str(), 9, 4), 2);
    EXPECT_EQ(list.InsertImage(5, path.c_str(), 10, 1), -1) << "beyond the end";
    EXPECT_EQ(list.InsertImage(0, L"", 11, 1), -1) << "empty path";
    EXPECT_EQ(list.AddImage(L"missing.png", 12, 1), -1);
    EXPECT_EQ(list.GetImageCount(), 3);
    EXPECT_EQ(list.GetImageDataByID(7)->frameWidth, 20);
    EXPECT_EQ(list.GetImageDataByID(8)->frameWidth, 40) << "zero frames count as one";
    EXPECT_EQ(list.GetImageDataByID(9)->frameWidth, 10);
    EXPECT_EQ(list.GetImagePath(7), nullptr);

    PixelBuffer buffer(20, 20);
    Gdiplus::Graphics graphics(buffer.dc());
    list.DrawItemIcon(graphics, RECT{0, 0, 10, 10}, 99);
    list.DrawItemIcon(graphics, RECT{0, 0, 10, 10}, 2, 7);
    list.DelAllImages();
    EXPECT_EQ(list.GetImageCount(), 0);
}

} // namespace
} // namespace toolkit_test
