#include "ToolkitFixture.h"

#include "toolkit/controls/CColorPalette.h"
#include "toolkit/controls/CColorSelect.h"
#include "toolkit/controls/CirclePalette.h"
#include "toolkit/controls/ColorMath.h"
#include "toolkit/controls/MPalette.h"
#include "toolkit/core/SkinFolder.h"

#include <string>

namespace toolkit_test {
namespace {

using OrvixUI::CColorPalette;
using OrvixUI::CColorSelect;
using OrvixUI::CirclePalette;
using OrvixUI::MPalette;

class Palettes : public ::testing::Test {
protected:
    template <typename T> T* Make(const wchar_t* className, UINT id, const RECT& rect) {
        return static_cast<T*>(
            host.manager().CreateControl(&host.recorder(), className, id, rect, L"", TRUE, TRUE));
    }
    void Click(int x, int y) {
        host.Send(WM_MOUSEMOVE, 0, At(x, y));
        host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
        host.Send(WM_LBUTTONUP, 0, At(x, y));
    }
    void Wheel(int x, int y, int delta) {
        host.Send(WM_MOUSEMOVE, 0, At(x, y));
        host.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, delta), At(x, y));
    }
    HostWindow host;
};

TEST(ColorMath, ConversionsRoundTripAndClamp) {
    const COLORREF colours[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0x123456, 0xFFFFFF, 0};
    for (COLORREF colour : colours) {
        EXPECT_EQ(OrvixUI::HsvToColorRef(OrvixUI::ColorRefToHsv(colour)), colour)
            << std::hex << colour;
    }
    EXPECT_EQ(OrvixUI::MakeColorRef(300, -5, 128), 0x8000FFu);
    EXPECT_EQ(OrvixUI::ColorRefToArgb(0x0080FF), 0xFFFF8000u);
}

TEST_F(Palettes, FieldPicksHueAcrossAndSaturationDown) {
    // 361 pixels wide: one degree of hue per pixel; 101 high: 1 % saturation per pixel.
    auto* field = Make<MPalette>(L"MPalette", 30, RECT{10, 10, 371, 111});
    struct Case {
        int x, y;
        COLORREF colour;
    };
    const Case cases[] = {
        {130, 10, 0x00FF00},  // hue 120, full saturation: green
        {250, 10, 0xFF0000},  // hue 240: blue
        {70, 60, 0x80FFFF},   // hue 60, half saturation: pale yellow
        {200, 110, 0xFFFFFF}, // bottom row: no saturation
        {10, 10, 0x0000FF},   // back to red
    };
    for (const Case& c : cases) {
        Click(c.x, c.y);
        EXPECT_EQ(field->GetSelectColor(), c.colour) << c.x << "," << c.y;
        EXPECT_EQ(host.recorder().Take(),
                  (std::vector<Note>{{30, 27, 0, static_cast<LPARAM>(c.colour)}}))
            << c.x << "," << c.y;
    }
    Click(10, 10);
    EXPECT_TRUE(host.recorder().Take().empty()) << "the same colour again reports nothing";
}

TEST_F(Palettes, DraggingOutsideTheFieldHoldsTheThumbAtItsEdge) {
    auto* field = Make<MPalette>(L"MPalette", 30, RECT{10, 10, 371, 111});
    host.Send(WM_MOUSEMOVE, 0, At(100, 50));
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(100, 50));
    host.Send(WM_MOUSEMOVE, MK_LBUTTON, At(399, 0));
    host.Send(WM_LBUTTONUP, 0, At(399, 0));
    EXPECT_EQ(field->GetThumbPos().x, 370);
    EXPECT_EQ(field->GetThumbPos().y, 10);
    EXPECT_EQ(field->GetSelectColor(), 0x0000FFu) << "hue 360 is red again";
}

TEST_F(Palettes, FieldHeightLimitsPickingAndAnEmptyFieldPicksNothing) {
    auto* field = Make<MPalette>(L"MPalette", 30, RECT{10, 10, 371, 111});
    field->SetPalletHeight(500);
    EXPECT_EQ(field->GetPalletHeight(), 101) << "no taller than the control";
    field->SetPalletHeight(51);
    Click(130, 80);
    EXPECT_TRUE(host.recorder().Take().empty()) << "below the field";
    Click(130, 60);
    EXPECT_EQ(field->GetSelectColor(), 0xFFFFFFu) << "the field's last row";
    host.recorder().Take();
    field->SetPalletHeight(0);
    Click(200, 10);
    EXPECT_TRUE(host.recorder().Take().empty());
    PixelBuffer buffer(400, 300);
    host.manager().PaintBuffer(buffer.dc(), buffer.bits(), 400, 300, RECT{0, 0, 400, 300});
}

TEST_F(Palettes, SetSelectColorPlacesTheFieldThumb) {
    auto* field = Make<MPalette>(L"MPalette", 30, RECT{10, 10, 371, 111});
    field->SetSelectColor(0xFF0000);
    EXPECT_EQ(field->GetThumbPos().x, 250);
    EXPECT_EQ(field->GetThumbPos().y, 10);
    field->SetSelectColor(0x80FFFF);
    EXPECT_EQ(field->GetThumbPos().x, 70);
    EXPECT_NEAR(field->GetThumbPos().y, 60, 1);
    EXPECT_TRUE(host.recorder().Take().empty());
}

TEST_F(Palettes, WheelPicksByAngleAndDistance) {
    // Centre (110, 110), radius 99.
    auto* wheel = Make<CirclePalette>(L"CirclePalette", 116, RECT{10, 10, 210, 210});
    ASSERT_EQ(wheel->GetRadius(), 99);
    struct Case {
        POINT at;
        COLORREF colour;
    };
    const Case cases[] = {
        {{209, 110}, 0x0000FF}, // right, rim: red
        {{110, 11}, 0x00FF80},  // top: hue 90
        {{11, 110}, 0xFFFF00},  // left: cyan
        {{110, 110}, 0xFFFFFF}, // centre: white
    };
    for (const Case& c : cases) {
        Click(c.at.x, c.at.y);
        EXPECT_EQ(wheel->GetSelectColor(), c.colour) << c.at.x << "," << c.at.y;
        EXPECT_EQ(host.recorder().Take(),
                  (std::vector<Note>{{116, 27, 0, static_cast<LPARAM>(c.colour)}}));
    }
    EXPECT_EQ(wheel->GetDistanse(POINT{140, 150}), 50);
    Click(15, 15);
    EXPECT_TRUE(host.recorder().Take().empty()) << "a press outside the circle picks nothing";
    host.Send(WM_MOUSEMOVE, 0, At(150, 110));
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(150, 110));
    host.Send(WM_MOUSEMOVE, MK_LBUTTON, At(390, 110));
    host.Send(WM_LBUTTONUP, 0, At(390, 110));
    EXPECT_EQ(wheel->GetThumbPos().x, 209) << "dragged beyond the rim, the thumb stays on it";
    EXPECT_EQ(wheel->GetSelectColor(), 0x0000FFu);
}

TEST_F(Palettes, TheSkinWheelMatchesTheControlsColours) {
    auto* wheel = Make<CirclePalette>(L"CirclePalette", 116, RECT{0, 0, 203, 203});
    ASSERT_EQ(wheel->GetRadius(), 100);
    const std::wstring path = std::wstring(OrvixUI::GetSkinFolder()) + L"img_circlepalette.png";
    Gdiplus::Bitmap skin(path.c_str());
    ASSERT_EQ(skin.GetLastStatus(), Gdiplus::Ok);
    ASSERT_EQ(skin.GetWidth(), 201u);
    Gdiplus::Bitmap* image = &skin;
    for (POINT at : {POINT{190, 101}, POINT{40, 30}, POINT{101, 180}, POINT{150, 60}}) {
        Gdiplus::Color pixel;
        image->GetPixel(at.x - 1, at.y - 1, &pixel);
        const COLORREF expected = wheel->ColorAt(at);
        EXPECT_TRUE(Near(RgbOf(RGB(pixel.GetR(), pixel.GetG(), pixel.GetB())), RgbOf(expected), 8))
            << at.x << "," << at.y << " image " << std::hex << pixel.GetValue() << " control "
            << expected;
    }
}

TEST_F(Palettes, ZeroSizedWheelAndFieldStayQuiet) {
    auto* wheel = Make<CirclePalette>(L"CirclePalette", 116, RECT{10, 10, 11, 11});
    auto* field = Make<MPalette>(L"MPalette", 30, RECT{20, 20, 20, 60});
    EXPECT_EQ(wheel->GetRadius(), 0);
    EXPECT_FALSE(wheel->MoveThumbPos(POINT{300, 300}));
    Click(10, 10);
    Click(20, 30);
    EXPECT_TRUE(host.recorder().Take().empty());
    EXPECT_EQ(field->ColorAt(POINT{20, 30}), field->GetSelectColor());
    PixelBuffer buffer(400, 300);
    host.manager().PaintBuffer(buffer.dc(), buffer.bits(), 400, 300, RECT{0, 0, 400, 300});
}

TEST_F(Palettes, PresetGridSelectsTheClickedCell) {
    // 140 wide: (140 + 6) / 28 = 5 columns.
    auto* grid = Make<CColorSelect>(L"CColorSelect", 40, RECT{10, 10, 150, 90});
    ASSERT_EQ(grid->GetColumns(), 5);
    const RECT cell = grid->GetCellRect(7); // row 1, column 2
    EXPECT_EQ(cell.left, 10 + 2 * 28);
    EXPECT_EQ(cell.top, 10 + 28);
    Click(cell.left + 5, cell.top + 5);
    EXPECT_EQ(grid->GetColorIndex(), 7);
    EXPECT_EQ(grid->GetSelectColor(), 0xFF8000u);
    EXPECT_EQ(host.recorder().Take(), (std::vector<Note>{{40, 27, 0, 0xFF8000}}));
    Click(cell.left + 24, cell.top + 5);
    EXPECT_TRUE(host.recorder().Take().empty()) << "the gap between cells picks nothing";
    EXPECT_FALSE(grid->SetColorIndex(16));
    EXPECT_EQ(grid->GetColorIndex(), 7);
    grid->SetSelectColor(0xFFFFFF);
    EXPECT_EQ(grid->GetColorIndex(), 12);
    grid->SetSelectColor(0x123456);
    EXPECT_EQ(grid->GetColorIndex(), -1);
    EXPECT_EQ(grid->GetSelectColor(), 0x123456u);
    grid->SetRect(RECT{10, 10, 20, 90});
    EXPECT_EQ(grid->GetColumns(), 1) << "narrower than a cell: one column";
}

TEST_F(Palettes, PickerChannelsStayWithinABytesRange) {
    auto* picker = Make<CColorPalette>(L"CColorPalette", 50, RECT{10, 10, 250, 180});
    picker->SetSelectColor(RGB(250, 3, 128));
    struct Case {
        int channel, value, expected;
    };
    for (const Case& c : {Case{0, 300, 255}, Case{1, -5, 0}, Case{2, 256, 255}, Case{2, 17, 17}}) {
        EXPECT_TRUE(picker->SetChannelValue(c.channel, c.value));
        EXPECT_EQ(picker->GetChannelValue(c.channel), c.expected) << c.channel << " " << c.value;
    }
    EXPECT_FALSE(picker->SetChannelValue(3, 1));
    EXPECT_EQ(picker->GetSelectColor(), RGB(255, 0, 17));
    EXPECT_TRUE(host.recorder().Take().empty()) << "set by code: no report";

    const RECT red = picker->GetChannelRect(0);
    const RECT green = picker->GetChannelRect(1);
    Wheel(red.left + 5, red.top + 5, WHEEL_DELTA);
    Wheel(green.left + 5, green.top + 5, -WHEEL_DELTA);
    EXPECT_TRUE(host.recorder().Take().empty()) << "255 up and 0 down go nowhere";
    Wheel(red.left + 5, red.top + 5, -2 * WHEEL_DELTA);
    EXPECT_EQ(picker->GetChannelValue(0), 253);
    const std::vector<Note> expected = {{50, 27, 0, static_cast<LPARAM>(RGB(254, 0, 17))},
                                        {50, 27, 0, static_cast<LPARAM>(RGB(253, 0, 17))}};
    EXPECT_EQ(host.recorder().Take(), expected);
}

TEST_F(Palettes, PickerReportsFieldPicksUnderItsOwnId) {
    auto* picker = Make<CColorPalette>(L"CColorPalette", 50, RECT{10, 10, 250, 180});
    MPalette* field = picker->GetField();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->GetRect().bottom, 180 - CColorPalette::kRowHeight - 6);
    Click(field->GetRect().left + 1, field->GetRect().top + 1);
    const COLORREF picked = field->GetSelectColor();
    EXPECT_EQ(picker->GetSelectColor(), picked);
    EXPECT_EQ(picker->GetChannelValue(0), GetRValue(picked));
    EXPECT_EQ(host.recorder().Take(),
              (std::vector<Note>{{50, 27, 0, static_cast<LPARAM>(picked)}}));
}

} // namespace
} // namespace toolkit_test
