#include "ToolkitFixture.h"

#include "toolkit/core/MRender.h"

#include <memory>
#include <sstream>

namespace toolkit_test {
namespace {

using OrvixUI::MRender;

constexpr COLORREF kBeneath = RGB(1, 2, 3);

// Each of the nine pieces has its own colour, none of them dark, so a pixel that a piece
// leaves unpainted shows the dark background beneath.
constexpr DWORD kPieceColours[3][3] = {
    {0xFFFF0000, 0xFFFFFF00, 0xFF00FF00},
    {0xFFFF00FF, 0xFFC0C0C0, 0xFF00FFFF},
    {0xFF0000FF, 0xFFFF8000, 0xFFFFFFFF},
};

struct Margins {
    int left, top, right, bottom;
};

// A source of the given size whose pieces (cut by the margins) are filled with kPieceColours,
// placed at x offset within a strip filled with black, so that a piece sampling beyond its
// frame would show black.
std::unique_ptr<Gdiplus::Bitmap> Source(int offset, int width, int height, Margins m) {
    auto image =
        std::make_unique<Gdiplus::Bitmap>(offset + width + 8, height, PixelFormat32bppARGB);
    Gdiplus::Graphics graphics(image.get());
    graphics.Clear(Gdiplus::Color(0xFF000000));
    const int xs[4] = {offset, offset + m.left, offset + width - m.right, offset + width};
    const int ys[4] = {0, m.top, height - m.bottom, height};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            Gdiplus::SolidBrush brush{Gdiplus::Color(kPieceColours[row][column])};
            graphics.FillRectangle(&brush, xs[column], ys[row], xs[column + 1] - xs[column],
                                   ys[row + 1] - ys[row]);
        }
    }
    return image;
}

int Band(int at, int start, int end, int first, int last) {
    return at < start + first ? 0 : at >= end - last ? 2 : 1;
}

struct Case {
    const char* what;
    int srcWidth, srcHeight;
    Margins margins;
    RECT dest;
};

// Every pixel of the destination shows the colour of the piece it belongs to: no seam at any
// piece boundary, whatever the stretch factor; the pixels around the destination stay as they
// were.
TEST(NinePatch, EveryPixelShowsItsPieceAtAnyStretch) {
    const Case cases[] = {
        {"button-like, corner 10, odd stretch", 30, 30, {10, 10, 10, 10}, {5, 5, 118, 47}},
        {"small stretch by one pixel", 30, 30, {10, 10, 10, 10}, {3, 4, 34, 35}},
        {"large stretch of a thin middle", 23, 21, {10, 10, 10, 10}, {2, 2, 197, 93}},
        {"separate margins", 40, 24, {4, 6, 12, 3}, {7, 9, 160, 60}},
        {"shrinking the middle", 60, 40, {8, 8, 8, 8}, {1, 1, 37, 29}},
        {"no corners at all", 12, 12, {0, 0, 0, 0}, {6, 6, 71, 43}},
    };
    for (const Case& c : cases) {
        auto source = Source(30, c.srcWidth, c.srcHeight, c.margins);
        PixelBuffer buffer(220, 110);
        buffer.Fill(kBeneath);
        {
            Gdiplus::Graphics graphics(buffer.dc());
            MRender::DrawImageFrameMID(graphics, source.get(), c.dest, 30, 0, c.srcWidth,
                                       c.srcHeight, c.margins.left, c.margins.top, c.margins.right,
                                       c.margins.bottom);
        }
        const RECT& d = c.dest;
        int wrong = 0;
        std::ostringstream first;
        for (int y = d.top - 1; y <= d.bottom; ++y) {
            for (int x = d.left - 1; x <= d.right; ++x) {
                const bool inside = x >= d.left && x < d.right && y >= d.top && y < d.bottom;
                DWORD expected = RgbOf(kBeneath);
                if (inside) {
                    const int row = Band(y, d.top, d.bottom, c.margins.top, c.margins.bottom);
                    const int column = Band(x, d.left, d.right, c.margins.left, c.margins.right);
                    expected = kPieceColours[row][column] & 0x00FFFFFF;
                }
                if (buffer.Rgb(x, y) != expected) {
                    if (wrong++ == 0) {
                        first << " first at (" << x << ", " << y << "): " << std::hex
                              << buffer.Rgb(x, y) << " instead of " << expected;
                    }
                }
            }
        }
        EXPECT_EQ(wrong, 0) << c.what << ":" << first.str();
    }
}

} // namespace
} // namespace toolkit_test
