#include "ToolkitFixture.h"

#include "tests/toolkit/gallery/ButtonSection.h"
#include "toolkit/controls/CCheckButton.h"
#include "toolkit/controls/CColorButton.h"
#include "toolkit/controls/CImageButton.h"
#include "toolkit/controls/CSwitchButton.h"
#include "toolkit/controls/DPIControl.h"
#include "toolkit/controls/MButton.h"
#include "toolkit/controls/MSpinButton.h"

namespace toolkit_test {
namespace {

using OrvixUI::MButton;
using OrvixUI::MControl;

constexpr int kWidth = 900, kHeight = 600;
// The window's plain background: its fill colour (COLORREF 0x130D09) as 0x00RRGGBB.
constexpr DWORD kBackground = 0x090D13;

bool IsBackground(DWORD rgb) { return Near(rgb, kBackground, 2); }

// Pixels of the rectangle that are not the window's background.
int DrawnPixels(const PixelBuffer& buffer, const RECT& rect) {
    int drawn = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            drawn += IsBackground(buffer.Rgb(x, y)) ? 0 : 1;
        }
    }
    return drawn;
}

// Pixels of the rectangle bright enough to be the white title text.
int LightPixels(const PixelBuffer& buffer, const RECT& rect) {
    int light = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            const DWORD rgb = buffer.Rgb(x, y);
            light +=
                ((rgb >> 16) & 0xFF) > 0xB0 && ((rgb >> 8) & 0xFF) > 0xB0 && (rgb & 0xFF) > 0xB0;
        }
    }
    return light;
}

class ButtonGallery : public ::testing::Test {
protected:
    void SetUp() override {
        // Built as the gallery program lists it.
        const gallery::Section section = {L"Buttons", gallery::BuildButtonSection, {880, 580}};
        section.build(host.manager(), &host.recorder(), RECT{10, 10, 890, 590});
        Paint();
    }
    void Paint() {
        host.manager().PaintBuffer(buffer.dc(), buffer.bits(), kWidth, kHeight,
                                   RECT{0, 0, kWidth, kHeight});
    }
    template <typename T> T* Control(UINT index) {
        return dynamic_cast<T*>(host.manager().GetControl(gallery::kButtonSectionFirstId + index));
    }
    HostWindow host;
    PixelBuffer buffer{kWidth, kHeight};
};

TEST_F(ButtonGallery, EveryControlIsDrawnWhereItIs) {
    const auto& controls = host.manager().GetControls();
    ASSERT_GE(controls.size(), 60u);
    for (MControl* control : controls) {
        const RECT& rect = control->GetRect();
        SCOPED_TRACE("control " + std::to_string(control->GetControlID()));
        EXPECT_GE(rect.left, 10);
        EXPECT_LE(rect.right, 890);
        EXPECT_LE(rect.bottom, 590);
        const int area = (rect.right - rect.left) * (rect.bottom - rect.top);
        EXPECT_GT(DrawnPixels(buffer, rect), area / 20) << "drawn inside its own rectangle";
        // The gap to the right of every control is left alone.
        EXPECT_TRUE(IsBackground(buffer.Rgb(rect.right + 3, (rect.top + rect.bottom) / 2)));
    }
}

TEST_F(ButtonGallery, PlainButtonsShowTheFrameOfTheirStateAndTheirTitle) {
    // The first four controls: MButton normal, hover, pressed, disabled.
    const DWORD fills[4] = {0x2A2D35, 0x343843, 0x0A6E9C, 0x24262B};
    for (UINT look = 0; look < 4; ++look) {
        auto* button = Control<MButton>(look);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->GetState(), static_cast<int>(look));
        const RECT& rect = button->GetRect();
        const int middle = (rect.top + rect.bottom) / 2;
        EXPECT_TRUE(Near(buffer.Rgb(rect.left + 5, middle), fills[look], 6))
            << "look " << look << " got " << std::hex << buffer.Rgb(rect.left + 5, middle);
        const RECT text = {rect.left + 15, rect.top + 8, rect.right - 15, rect.bottom - 8};
        if (look == 3) {
            EXPECT_EQ(LightPixels(buffer, text), 0) << "disabled titles are grey";
            EXPECT_GT(DrawnPixels(buffer, text), 20);
        } else {
            EXPECT_GT(LightPixels(buffer, text), 20) << "the title is drawn, look " << look;
        }
    }
}

TEST_F(ButtonGallery, CheckedBoxesShowTheFrameOfTheirState) {
    // The box fill of frames 4 to 7 of the theme's check strip, sampled clear of the tick.
    const DWORD fills[4] = {0x00B4FF, 0x4CCBFF, 0x0A6E9C, 0x3A3D44};
    int seen = 0;
    for (MControl* control : host.manager().GetControls()) {
        auto* box = dynamic_cast<OrvixUI::CCheckButton*>(control);
        if (!box || box->IsClass(L"RadioButton") || box->GetState() < 4) {
            continue;
        }
        const RECT& rect = box->GetRect();
        const int middle = (rect.top + rect.bottom) / 2;
        const DWORD pixel = buffer.Rgb(rect.left + 4, middle + 4);
        EXPECT_TRUE(Near(pixel, fills[box->GetState() - 4], 10))
            << "state " << box->GetState() << " got " << std::hex << pixel;
        const RECT title = {rect.left + 26, rect.top, rect.right, rect.bottom};
        EXPECT_EQ(LightPixels(buffer, title) > 10, box->GetState() != 7)
            << "a title, grey when disabled";
        ++seen;
    }
    EXPECT_EQ(seen, 4);
}

TEST_F(ButtonGallery, SwatchesSwitchesAndTilesShowTheirColours) {
    int swatches = 0, switchesOn = 0, checkedTiles = 0;
    for (MControl* control : host.manager().GetControls()) {
        const RECT& rect = control->GetRect();
        const int middleX = (rect.left + rect.right) / 2, middleY = (rect.top + rect.bottom) / 2;
        if (auto* swatch = dynamic_cast<OrvixUI::CColorButton*>(control)) {
            EXPECT_TRUE(Near(buffer.Rgb(middleX, middleY), RgbOf(swatch->GetColor()), 4));
            ++swatches;
        } else if (auto* toggle = dynamic_cast<OrvixUI::CSwitchButton*>(control)) {
            if (toggle->GetCheck() && toggle->GetState() == 0) {
                EXPECT_TRUE(Near(buffer.Rgb(rect.left + 4, middleY), 0x00B4FF, 10));
                ++switchesOn;
            }
        } else if (auto* tile = dynamic_cast<OrvixUI::DPIControl*>(control)) {
            if (tile->GetCheck()) {
                EXPECT_TRUE(Near(buffer.Rgb(middleX, rect.top), 0x00B4FF, 40))
                    << std::hex << buffer.Rgb(middleX, rect.top);
                EXPECT_TRUE(Near(buffer.Rgb(rect.left + 16, middleY), RgbOf(tile->GetColor()), 30));
                ++checkedTiles;
            }
        }
    }
    EXPECT_EQ(swatches, 6);
    EXPECT_EQ(switchesOn, 1);
    EXPECT_EQ(checkedTiles, 1);
}

TEST_F(ButtonGallery, AStateChangeIsACopyOfTheCachedSlice) {
    auto* button = Control<MButton>(0);
    ASSERT_NE(button, nullptr);
    const RECT rect = button->GetRect();
    const int middle = (rect.top + rect.bottom) / 2;
    button->SetState(MButton::kPressed);
    EXPECT_TRUE(button->GetUpdate()) << "no rebuild for a state change";
    Paint();
    EXPECT_TRUE(Near(buffer.Rgb(rect.left + 5, middle), 0x0A6E9C, 6));
}

TEST(ButtonDrawing, MissingAndDegenerateImagesDrawWithoutFaults) {
    HostWindow host;
    auto* button = new MButton(&host.recorder(), 5, RECT{10, 10, 14, 14}, L"Tiny", TRUE, TRUE);
    host.manager().AddControl(button);
    EXPECT_FALSE(button->SetImage(L"no_such_image.png", 4));
    EXPECT_TRUE(button->SetImage(L"img_btn.png", 0)) << "a zero frame count is one frame";
    button->SetFrameSize(-3);
    EXPECT_EQ(button->GetFrameSize(), 0);
    button->SetFrameSize(500);
    auto* box = new OrvixUI::CCheckButton(&host.recorder(), 6, RECT{20, 20, 60, 40}, L"A", 1, 1);
    host.manager().AddControl(box);
    EXPECT_TRUE(box->SetImage(L"img_btn.png", 4)) << "fewer frames than states";
    box->SetCheck(TRUE);
    auto* empty = new OrvixUI::CImageButton(&host.recorder(), 7, RECT{70, 70, 70, 70}, L"", 1, 1);
    host.manager().AddControl(empty);
    EXPECT_FALSE(empty->SetIconImage(L"", 0));
    auto* spin = new OrvixUI::MSpinButton(&host.recorder(), 8, RECT{80, 80, 82, 81}, 1, 1);
    host.manager().AddControl(spin);
    PixelBuffer buffer(200, 200);
    buffer.Fill(RGB(1, 2, 3));
    host.manager().PaintBuffer(buffer.dc(), buffer.bits(), 200, 200, RECT{0, 0, 200, 200});
    EXPECT_FALSE(Near(buffer.Rgb(21, 30), 0x010203, 0)) << "the box still draws a frame";
}

} // namespace
} // namespace toolkit_test
