#include "ToolkitFixture.h"

#include "tests/toolkit/gallery/ValueSection.h"
#include "toolkit/controls/CirclePalette.h"
#include "toolkit/controls/MPalette.h"

namespace toolkit_test {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 400;
// The section's origin inside the buffer.
constexpr int kX = 10;
constexpr int kY = 10;

// The section is one of the gallery's section builders.
constexpr gallery::BuildSection kBuild = &gallery::BuildValueSection;

UINT Id(int index) { return gallery::kValueSectionFirstId + static_cast<UINT>(index); }

TEST(ValueGallery, SectionPaintsEachControlWhereItBelongs) {
    HostWindow host;
    kBuild(host.manager(), &host.recorder(), RECT{kX, kY, kX + 780, kY + 380});
    PixelBuffer buffer(kWidth, kHeight);
    host.manager().PaintBuffer(buffer.dc(), buffer.bits(), kWidth, kHeight,
                               RECT{0, 0, kWidth, kHeight});

    struct Probe {
        const char* where;
        int x, y;
        DWORD rgb;
    };
    const Probe probes[] = {
        {"window background", 5, 5, 0x090D13},
        {"slider: filled track left of the thumb", kX + 40, kY + 17, 0x00B4FF},
        {"slider: empty track right of the thumb", kX + 170, kY + 18, 0x2A2D35},
        {"slider: thumb at 164 x 5 / 10", kX + 82 + 18, kY + 18, 0xE8ECF2},
        {"slider without a range: empty track only", kX + 440 + 40, kY + 17, 0x2A2D35},
        {"progress: done part", kX + 20, kY + 76, 0x00B4FF},
        {"progress: the rest", kX + 150, kY + 76, 0x2A2D35},
        {"level: lit segment 2", kX + 2 * 17 + 6 + 8, kY + 110, 0x00B4FF},
        {"level: unlit segment 8", kX + 138 + 24 + 8, kY + 110, 0x2A2D35},
        {"combo: normal frame", kX + 150, kY + 145, 0x1B1D22},
        {"combo: arrow", kX + 162, kY + 158, 0xC8D0DA},
        {"open colour combo: its colour", kX + 690 + 28, kY + 159, 0xFF40A0},
        {"closed colour combo: its colour", kX + 600 + 28, kY + 159, 0x00B4FF},
        {"preset grid: cell 1", kX + 480 + 28 + 11, kY + 200 + 11, 0xFF8000},
        {"drop-down list: the chosen row", kX + 600, kY + 290 + 6 + 30 + 15, 0x04618A},
        {"drop-down list: the row's colour mark", kX + 480 + 6 + 10 + 7, kY + 290 + 6 + 45,
         0xFF40A0},
        {"picker swatch", kX + 220 + 15, kY + 200 + 155, 0xFF8000},
    };
    for (const Probe& probe : probes) {
        EXPECT_TRUE(Near(buffer.Rgb(probe.x, probe.y), probe.rgb, 6))
            << probe.where << ": " << std::hex << buffer.Rgb(probe.x, probe.y);
    }

    auto* field = dynamic_cast<OrvixUI::MPalette*>(host.manager().GetControl(Id(14)));
    ASSERT_NE(field, nullptr);
    for (POINT at :
         {POINT{kX + 2, kY + 260}, POINT{kX + 150, kY + 210}, POINT{kX + 190, kY + 300}}) {
        EXPECT_TRUE(Near(buffer.Rgb(at.x, at.y), RgbOf(field->ColorAt(at)), 3))
            << "colour field at " << at.x << "," << at.y;
    }
    auto* wheel = dynamic_cast<OrvixUI::CirclePalette*>(host.manager().GetControl(Id(18)));
    ASSERT_NE(wheel, nullptr);
    const POINT centre = wheel->GetCenter();
    for (POINT at : {POINT{centre.x + 50, centre.y}, POINT{centre.x, centre.y - 50},
                     POINT{centre.x - 30, centre.y - 30}}) {
        EXPECT_TRUE(Near(buffer.Rgb(at.x, at.y), RgbOf(wheel->ColorAt(at)), 16))
            << "wheel at " << at.x << "," << at.y;
    }
    const POINT thumb = wheel->GetThumbPos();
    EXPECT_FALSE(Near(buffer.Rgb(thumb.x + 6, thumb.y), RgbOf(wheel->ColorAt(thumb)), 40))
        << "the thumb's ring covers the wheel at the chosen colour";
}

} // namespace
} // namespace toolkit_test
