#include "ToolkitFixture.h"
#include "tests/toolkit/gallery/TextSection.h"

#include "toolkit/controls/CArea.h"
#include "toolkit/controls/CGifPicture.h"
#include "toolkit/controls/CSliderPicture.h"
#include "toolkit/controls/MPicture.h"
#include "toolkit/controls/MText.h"
#include "toolkit/core/MPanel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <ostream>
#include <string>

namespace toolkit_test {
namespace {

using namespace OrvixUI;

constexpr DWORD kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kYellow = 0xFFFF00;
constexpr DWORD kGrey = 0x808080, kWhite = 0xFFFFFF, kBlack = 0x000000;

// A control drawn alone into a black buffer, at a known place.
template <typename Control> void Render(Control& control, PixelBuffer& buffer, const RECT& clip) {
    control.Draw(buffer.dc(), clip);
}

// --- MPicture ---

struct ModeCase {
    const char* name;
    int mode;
    int hAlign;
    int vAlign;
    // Pixels relative to the control's top-left corner and the colour expected there.
    struct Probe {
        int x, y;
        DWORD rgb;
    } probes[5];
};

// The sample picture is 12 x 12: 4-pixel corners red (top-left), green (top-right), blue
// (bottom-left), yellow (bottom-right), grey edges, white centre. The control is 40 x 30.
const ModeCase kModes[] = {
    {"normal, top left",
     SHOW_MODE_NORMAL,
     0,
     0,
     {{0, 0, kRed}, {11, 11, kYellow}, {5, 5, kWhite}, {12, 12, kBlack}, {39, 29, kBlack}}},
    {"normal, bottom right",
     SHOW_MODE_NORMAL,
     2,
     8,
     {{28, 18, kRed}, {39, 29, kYellow}, {39, 18, kGreen}, {27, 17, kBlack}, {0, 0, kBlack}}},
    {"normal, centred",
     SHOW_MODE_NORMAL,
     1,
     4,
     {{14, 9, kRed}, {25, 20, kYellow}, {19, 14, kWhite}, {13, 8, kBlack}, {26, 21, kBlack}}},
    {"tiled",
     SHOW_MODE_TILE,
     0,
     0,
     {{0, 0, kRed}, {12, 0, kRed}, {36, 24, kRed}, {35, 23, kYellow}, {24, 12, kRed}}},
    {"stretched",
     SHOW_MODE_STRETCH,
     0,
     0,
     {{1, 1, kRed}, {38, 1, kGreen}, {1, 28, kBlue}, {38, 28, kYellow}, {20, 15, kWhite}}},
    {"nine-patch",
     SHOW_MODE_FRAME,
     0,
     0,
     {{0, 0, kRed}, {39, 0, kGreen}, {0, 29, kBlue}, {39, 29, kYellow}, {20, 15, kWhite}}},
};

void PrintTo(const ModeCase& mode, std::ostream* out) { *out << mode.name; }

class PictureModes : public ::testing::TestWithParam<ModeCase> {};

TEST_P(PictureModes, DrawsTheSamplePictureWhereTheModeSays) {
    const ModeCase& mode = GetParam();
    HostWindow host;
    const RECT rect = {10, 10, 50, 40};
    MPicture picture(&host.recorder(), 1, rect, TRUE, TRUE);
    ASSERT_TRUE(picture.SetImage(L"img_picture_sample.png", 1));
    picture.SetAlignment(mode.hAlign, mode.vAlign);
    picture.SetShowMode(mode.mode, 4);
    PixelBuffer buffer(60, 50);
    buffer.Fill(RGB(0, 0, 0));
    Render(picture, buffer, RECT{0, 0, 60, 50});
    for (const auto& probe : mode.probes) {
        EXPECT_EQ(buffer.Rgb(rect.left + probe.x, rect.top + probe.y), probe.rgb)
            << mode.name << " at " << probe.x << "," << probe.y;
    }
}

INSTANTIATE_TEST_SUITE_P(MPicture, PictureModes, ::testing::ValuesIn(kModes), [](const auto& info) {
    std::string name = info.param.name;
    for (char& c : name) {
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return name;
});

TEST(MPicture, MarginsAndCustomSourceRectangle) {
    HostWindow host;
    const RECT rect = {0, 0, 40, 30};
    MPicture picture(&host.recorder(), 1, rect, TRUE, TRUE);
    ASSERT_TRUE(picture.SetImage(L"img_picture_sample.png", 1));
    PixelBuffer buffer(40, 30);

    // Margins of 4 on the left and top only: the right and bottom edges stretch.
    EXPECT_TRUE(picture.SetShowModeMID(4, 4, 0, 0));
    buffer.Fill(RGB(0, 0, 0));
    Render(picture, buffer, rect);
    EXPECT_EQ(buffer.Rgb(0, 0), kRed);
    EXPECT_EQ(buffer.Rgb(39, 29), kYellow);
    EXPECT_EQ(picture.GetShowMode(), SHOW_MODE_FRAME_MID);

    // The custom rectangle is stored without a rebuild; the mode change rebuilds.
    picture.SetCustomRect(RECT{8, 8, 12, 12});
    EXPECT_TRUE(picture.SetShowMode(SHOW_MODE_CUSTOM, 0));
    buffer.Fill(RGB(0, 0, 0));
    Render(picture, buffer, rect);
    EXPECT_EQ(buffer.Rgb(0, 0), kYellow);
    EXPECT_EQ(buffer.Rgb(39, 29), kYellow);
}

TEST(MPicture, ShowModeReportsOnlyChanges) {
    HostWindow host;
    MPicture picture(&host.recorder(), 1, RECT{0, 0, 40, 30}, TRUE, TRUE);
    PixelBuffer buffer(40, 30);
    picture.Draw(buffer.dc(), RECT{0, 0, 40, 30});
    ASSERT_TRUE(picture.GetUpdate());
    EXPECT_FALSE(picture.SetShowMode(SHOW_MODE_NORMAL, 9));
    EXPECT_TRUE(picture.GetUpdate()) << "an unchanged mode keeps the cached surface";
    EXPECT_TRUE(picture.SetShowMode(SHOW_MODE_FRAME, 4));
    EXPECT_FALSE(picture.SetShowMode(SHOW_MODE_FRAME, 4));
    EXPECT_TRUE(picture.SetShowMode(SHOW_MODE_FRAME, 6));
}

TEST(MPicture, MissingFileClearsThePicture) {
    HostWindow host;
    const RECT rect = {0, 0, 40, 30};
    MPicture picture(&host.recorder(), 1, rect, TRUE, TRUE);
    ASSERT_TRUE(picture.SetImage(L"img_picture_sample.png", 1));
    EXPECT_EQ(picture.GetImageSize().cx, 12);
    EXPECT_FALSE(picture.SetImage(L"no_such_picture.png", 1));
    EXPECT_EQ(picture.GetImageSize().cx, 0);
    PixelBuffer buffer(40, 30);
    buffer.Fill(RGB(0, 0, 0));
    Render(picture, buffer, rect);
    EXPECT_EQ(buffer.Rgb(0, 0), kBlack);
    EXPECT_EQ(buffer.Rgb(20, 15), kBlack);
}

TEST(MPicture, ZeroFrameCountCountsAsOneFrame) {
    HostWindow host;
    MPicture picture(&host.recorder(), 1, RECT{0, 0, 40, 30}, TRUE, TRUE);
    ASSERT_TRUE(picture.SetImage(L"img_picture_sample.png", 0));
    EXPECT_EQ(picture.GetImageSize().cx, 12);
}

// --- CGifPicture ---

class GifFixture : public ::testing::Test {
protected:
    void SetUp() override {
        // A long period: the test drives the ticks itself.
        timer = host.manager().SetMTimer(60000);
        ASSERT_NE(timer, 0u);
        gif = static_cast<CGifPicture*>(host.manager().CreateControl(
            &host.recorder(), L"CGifPicture", 7, RECT{0, 0, 32, 32}, nullptr, TRUE, TRUE));
        ASSERT_NE(gif, nullptr);
    }
    void Tick(int count) {
        for (int i = 0; i < count; ++i) {
            host.manager().OnMTimer(timer);
        }
    }

    HostWindow host;
    UINT timer = 0;
    CGifPicture* gif = nullptr;
};

TEST_F(GifFixture, AdvancesOneFrameEveryFiveTicksAndWraps) {
    ASSERT_TRUE(gif->SetImage(L"img_busy.gif", 1));
    ASSERT_EQ(gif->GetFrameCount(), 10);
    Tick(20);
    EXPECT_EQ(gif->GetCurrentFrame(), 0) << "not running yet";

    ASSERT_TRUE(gif->SetRunState(TRUE, 8));
    Tick(4);
    EXPECT_EQ(gif->GetCurrentFrame(), 8);
    Tick(1);
    EXPECT_EQ(gif->GetCurrentFrame(), 9);
    Tick(5);
    EXPECT_EQ(gif->GetCurrentFrame(), 0) << "frame 9 is followed by frame 0";

    gif->SetVisible(FALSE);
    Tick(10);
    EXPECT_EQ(gif->GetCurrentFrame(), 0) << "hidden: no ticks";
}

TEST_F(GifFixture, DrawsTheCurrentFrame) {
    ASSERT_TRUE(gif->SetImage(L"img_busy.gif", 1));
    PixelBuffer buffer(32, 32);
    const DWORD accent = 0x00B4FF, dark = 0x101216;
    ASSERT_TRUE(gif->SetRunState(FALSE, 0));
    gif->Draw(buffer.dc(), RECT{0, 0, 32, 32});
    EXPECT_EQ(buffer.Rgb(16, 4), accent);
    EXPECT_EQ(buffer.Rgb(27, 20), dark);
    ASSERT_TRUE(gif->SetRunState(FALSE, 3));
    gif->Draw(buffer.dc(), RECT{0, 0, 32, 32});
    EXPECT_EQ(buffer.Rgb(16, 4), dark);
    EXPECT_EQ(buffer.Rgb(27, 20), accent);
}

TEST_F(GifFixture, StillImageDoesNotRun) {
    ASSERT_TRUE(gif->SetImage(L"img_picture_sample.png", 1));
    EXPECT_EQ(gif->GetFrameCount(), 1);
    EXPECT_FALSE(gif->SetRunState(TRUE, 0));
    EXPECT_FALSE(gif->IsRunning());
}

TEST_F(GifFixture, NoImageNoFramesNoDivision) {
    EXPECT_EQ(gif->GetFrameCount(), 0);
    EXPECT_FALSE(gif->SetRunState(TRUE, 3));
    Tick(10);
    EXPECT_EQ(gif->GetCurrentFrame(), 0);
}

TEST_F(GifFixture, PointerStartsAndStopsTheAnimation) {
    ASSERT_TRUE(gif->SetImage(L"img_busy.gif", 1));
    gif->SetMouseMoveActive(TRUE);
    host.Send(WM_MOUSEMOVE, 0, At(10, 10));
    EXPECT_TRUE(gif->IsRunning());
    Tick(5);
    EXPECT_EQ(gif->GetCurrentFrame(), 1);
    host.Send(WM_MOUSEMOVE, 0, At(200, 200));
    EXPECT_FALSE(gif->IsRunning());
    EXPECT_EQ(gif->GetCurrentFrame(), 0);
}

// --- CSliderPicture ---

TEST(CSliderPicture, RevealsOneHundredthPerTick) {
    HostWindow host;
    const UINT timer = host.manager().SetMTimer(60000);
    auto* slider = static_cast<CSliderPicture*>(host.manager().CreateControl(
        &host.recorder(), L"CSliderPicture", 8, RECT{0, 0, 100, 20}, nullptr, TRUE, TRUE));
    ASSERT_NE(slider, nullptr);
    ASSERT_TRUE(slider->SetImage(L"img_picture_sample.png", 1));
    slider->SetShowMode(SHOW_MODE_STRETCH, 0);
    slider->SetRun(TRUE, SLIDER_LEFT_TO_RIGHT);
    for (int i = 0; i < 30; ++i) {
        host.manager().OnMTimer(timer);
    }
    EXPECT_EQ(slider->GetStep(), 30);
    PixelBuffer buffer(100, 20);
    buffer.Fill(RGB(0, 0, 0));
    slider->Draw(buffer.dc(), RECT{0, 0, 100, 20});
    EXPECT_EQ(buffer.Rgb(5, 2), kRed);
    EXPECT_EQ(buffer.Rgb(29, 10), kGrey);
    EXPECT_EQ(buffer.Rgb(31, 10), kBlack);
    for (int i = 0; i < 80; ++i) {
        host.manager().OnMTimer(timer);
    }
    EXPECT_EQ(slider->GetStep(), int{CSliderPicture::kSteps});
    EXPECT_FALSE(slider->IsRunning());
}

// --- CArea ---

struct AreaCase {
    const char* name;
    int from;
    int to;
    COLORREF color;
    BOOL frame;
    DWORD inside;
    DWORD edge;
};

// Over black, 80/80 white gives the constant alpha 51 (0x33); 0/0 is opaque.
const AreaCase kAreas[] = {
    {"translucent_white", 80, 80, RGB(255, 255, 255), FALSE, 0x333333, 0x333333},
    {"opaque", 0, 0, RGB(0x20, 0x60, 0xA0), FALSE, 0x2060A0, 0x2060A0},
    {"opaque_with_frame", 0, 0, RGB(0x20, 0x60, 0xA0), TRUE, 0x2060A0, 0x00B4FF},
};

void PrintTo(const AreaCase& area, std::ostream* out) { *out << area.name; }

class AreaFills : public ::testing::TestWithParam<AreaCase> {};

TEST_P(AreaFills, BlendsTheFillOverTheBackground) {
    const AreaCase& area = GetParam();
    HostWindow host;
    const RECT rect = {10, 10, 50, 40};
    CArea control(&host.recorder(), 1, rect, TRUE);
    control.SetTransparent(area.from, area.to, area.color);
    control.SetFrame(area.frame, 0xFF00B4FF, 3);
    PixelBuffer buffer(60, 50);
    buffer.Fill(RGB(0, 0, 0));
    control.Draw(buffer.dc(), RECT{0, 0, 60, 50});
    EXPECT_TRUE(Near(buffer.Rgb(30, 25), area.inside, 1)) << std::hex << buffer.Rgb(30, 25);
    EXPECT_TRUE(Near(buffer.Rgb(10, 10), area.edge, 1)) << std::hex << buffer.Rgb(10, 10);
    EXPECT_TRUE(Near(buffer.Rgb(11, 11), area.inside, 1)) << std::hex << buffer.Rgb(11, 11);
    EXPECT_EQ(buffer.Rgb(9, 9), kBlack);
    EXPECT_EQ(buffer.Rgb(50, 40), kBlack);
}

INSTANTIATE_TEST_SUITE_P(CArea, AreaFills, ::testing::ValuesIn(kAreas),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CArea, TakesNoPartInMouseRouting) {
    HostWindow host;
    Probe* below = host.AddProbe(3, RECT{0, 0, 100, 100});
    MControl* area = host.manager().CreateControl(&host.recorder(), L"CArea", 4,
                                                  RECT{0, 0, 100, 100}, nullptr, TRUE, TRUE);
    ASSERT_NE(area, nullptr);
    host.Send(WM_MOUSEMOVE, 0, At(50, 50));
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(50, 50));
    host.Send(WM_LBUTTONUP, 0, At(50, 50));
    auto notes = host.recorder().Take();
    EXPECT_NE(std::find(notes.begin(), notes.end(), Note{3, 1, 0, 0}), notes.end());
    EXPECT_TRUE(below->Hovered());
}

// --- MText ---

// Whether any pixel of the rectangle is near the colour.
bool AnyNear(const PixelBuffer& buffer, const RECT& rect, DWORD rgb, int tolerance) {
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            if (Near(buffer.Rgb(x, y), rgb, tolerance)) {
                return true;
            }
        }
    }
    return false;
}

TEST(MText, BackgroundColourIsTakenOnlyWhenSwitchedOn) {
    HostWindow host;
    const RECT rect = {0, 0, 80, 20};
    MText text(&host.recorder(), 1, rect, L"", TRUE);
    text.EnableTextBack(TRUE, 0xFF102030);
    text.EnableTextBack(TRUE, 0xFF405060);
    PixelBuffer buffer(80, 20);
    text.Draw(buffer.dc(), rect);
    EXPECT_EQ(buffer.Rgb(40, 10), 0x102030u);
}

TEST(MText, MarkIsDrawnInItsColourAfterTheTextBeforeIt) {
    HostWindow host;
    const RECT rect = {0, 0, 200, 24};
    // Through the window, whose font cache holds the toolkit font.
    auto* text = static_cast<MText*>(
        host.manager().CreateControl(&host.recorder(), L"MText", 1, rect, L"", TRUE, TRUE));
    ASSERT_NE(text, nullptr);
    text->SetMarkText(L"WWWW MMMM", L"MMMM", 0xFFFF0000, 0);
    PixelBuffer buffer(200, 24);
    buffer.Fill(RGB(0, 0, 0));
    text->Draw(buffer.dc(), rect);
    // White text first, the red mark after it, nothing red in the first part.
    EXPECT_TRUE(AnyNear(buffer, RECT{0, 0, 30, 24}, kWhite, 40));
    EXPECT_FALSE(AnyNear(buffer, RECT{0, 0, 30, 24}, kRed, 40));
    EXPECT_TRUE(AnyNear(buffer, RECT{40, 0, 200, 24}, kRed, 40));
}

TEST(MText, StartsDisabledAndLetsPressesThrough) {
    HostWindow host;
    host.AddProbe(3, RECT{0, 0, 100, 100});
    MControl* text = host.manager().CreateControl(&host.recorder(), L"MText", 4,
                                                  RECT{0, 0, 100, 100}, L"Over", TRUE, TRUE);
    ASSERT_NE(text, nullptr);
    EXPECT_FALSE(text->IsEnabled());
    host.Send(WM_MOUSEMOVE, 0, At(50, 50));
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(50, 50));
    host.Send(WM_LBUTTONUP, 0, At(50, 50));
    auto notes = host.recorder().Take();
    EXPECT_NE(std::find(notes.begin(), notes.end(), Note{3, 1, 0, 0}), notes.end());
}

// --- Creation by class name ---

struct ByName {
    const wchar_t* name;
    // What the control's enabled state is when the call asks for a disabled one.
    BOOL enabledWhenAskedDisabled;
};

const ByName kByName[] = {
    {L"CArea", TRUE},        {L"MText", FALSE},          {L"MPicture", FALSE},
    {L"CPhotoFrame", FALSE}, {L"CSliderPicture", FALSE}, {L"CGifPicture", FALSE},
    {L"MEdit", FALSE},       {L"MRichEdit", FALSE},      {L"MEditEx", FALSE},
};

TEST(TextControlFactory, CreatesEachClassAtBothLevels) {
    HostWindow host;
    MPanel* panel = new MPanel(&host.recorder(), 900, RECT{0, 0, 300, 200}, TRUE, TRUE);
    host.manager().AddControl(panel);
    UINT id = 100;
    for (const ByName& entry : kByName) {
        MControl* top = host.manager().CreateControl(&host.recorder(), entry.name, ++id,
                                                     RECT{0, 0, 50, 20}, L"t", TRUE, FALSE);
        ASSERT_NE(top, nullptr) << static_cast<const void*>(entry.name);
        EXPECT_EQ(top->IsEnabled(), entry.enabledWhenAskedDisabled);
        EXPECT_EQ(top->GetManager(), &host.manager());
        MControl* inner =
            panel->CreateControl(entry.name, ++id, RECT{0, 0, 50, 20}, L"t", TRUE, TRUE);
        ASSERT_NE(inner, nullptr);
        EXPECT_EQ(host.manager().GetControl(id), inner);
    }
    // MText starts disabled whatever the call says.
    MControl* text = host.manager().CreateControl(&host.recorder(), L"MText", ++id,
                                                  RECT{0, 0, 50, 20}, L"t", TRUE, TRUE);
    EXPECT_FALSE(text->IsEnabled());
}

TEST(CGifPicture, RegistersOnceOnTheSharedTimerInsideAPanel) {
    HostWindow host;
    const UINT timer = host.manager().SetMTimer(60000);
    MPanel* panel = new MPanel(&host.recorder(), 900, RECT{0, 0, 300, 200}, TRUE, TRUE);
    host.manager().AddControl(panel);
    auto* gif = static_cast<CGifPicture*>(
        panel->CreateControl(L"CGifPicture", 7, RECT{0, 0, 32, 32}, nullptr, TRUE, TRUE));
    ASSERT_NE(gif, nullptr);
    // The panel hands its manager to its children again whenever it gets one.
    panel->SetManager(&host.manager());
    ASSERT_TRUE(gif->SetImage(L"img_busy.gif", 1));
    ASSERT_TRUE(gif->SetRunState(TRUE, 0));
    for (int i = 0; i < 5; ++i) {
        host.manager().OnMTimer(timer);
    }
    EXPECT_EQ(gif->GetCurrentFrame(), 1) << "one tick per tick, not one per registration";
}

// --- The gallery section ---

TEST(TextGallery, RendersEveryControlInItsPlace) {
    HostWindow host;
    gallery::BuildTextSection(host.manager(), &host.recorder(), RECT{0, 0, 400, 300});
    PixelBuffer buffer(400, 300);
    host.manager().PaintBuffer(buffer.dc(), buffer.bits(), 400, 300, RECT{0, 0, 400, 300});
    auto rectOf = [&](UINT id) { return host.manager().GetControl(id)->GetRect(); };

    // Texts: white glyphs inside the plain label, the mark's orange in the marked one.
    EXPECT_TRUE(AnyNear(buffer, rectOf(gallery::kTextPlain), kWhite, 60));
    EXPECT_TRUE(AnyNear(buffer, rectOf(gallery::kTextMarked), 0xED801B, 60));
    const RECT back = rectOf(gallery::kTextBack);
    EXPECT_EQ(buffer.Rgb(back.left + 1, back.top + 1), 0x1E3A5Fu);
    // Pictures: the sample's corners where the modes put them.
    const RECT frame = rectOf(gallery::kPictureFrame);
    EXPECT_EQ(buffer.Rgb(frame.left, frame.top), kRed);
    EXPECT_EQ(buffer.Rgb(frame.right - 1, frame.bottom - 1), kYellow);
    const RECT normal = rectOf(gallery::kPictureNormal);
    EXPECT_EQ(buffer.Rgb(normal.left + 14, normal.top + 14), kRed);
    // The opaque area with its frame.
    const RECT opaque = rectOf(gallery::kAreaOpaque);
    EXPECT_EQ(buffer.Rgb(opaque.left, opaque.top), 0x00B4FFu);
    EXPECT_EQ(buffer.Rgb(opaque.left + 10, opaque.top + 10), 0x2060A0u);
    // Edits: grey tip text in the empty one, white digits in the filled one, the disabled
    // one's text in grey.
    EXPECT_TRUE(AnyNear(buffer, rectOf(gallery::kEditTip), kGrey, 24));
    EXPECT_TRUE(AnyNear(buffer, rectOf(gallery::kEditText), kWhite, 60));
    EXPECT_FALSE(AnyNear(buffer, rectOf(gallery::kEditDisabled), kWhite, 60));
    EXPECT_TRUE(AnyNear(buffer, rectOf(gallery::kEditDisabled), kGrey, 24));
    // The rich edit's text (drawn by the text services, or plain without them).
    EXPECT_TRUE(AnyNear(buffer, rectOf(gallery::kRichEdit), kWhite, 60));
}

} // namespace
} // namespace toolkit_test
