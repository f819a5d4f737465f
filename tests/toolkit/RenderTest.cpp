#include "ToolkitFixture.h"

#include "toolkit/core/ImageCache.h"
#include "toolkit/core/MRender.h"

#include <memory>

namespace toolkit_test {
namespace {

using OrvixUI::MRender;

// A 30 x 30 image: 10-pixel corners red, green, blue and white, edges grey, centre black.
std::unique_ptr<Gdiplus::Bitmap> NinePatchSource() {
    auto image = std::make_unique<Gdiplus::Bitmap>(30, 30, PixelFormat32bppARGB);
    Gdiplus::Graphics graphics(image.get());
    auto fill = [&](Gdiplus::ARGB color, int x, int y, int w, int h) {
        Gdiplus::SolidBrush brush{Gdiplus::Color(color)};
        graphics.FillRectangle(&brush, x, y, w, h);
    };
    fill(0xFF808080, 0, 0, 30, 30);
    fill(0xFF000000, 10, 10, 10, 10);
    fill(0xFFFF0000, 0, 0, 10, 10);
    fill(0xFF00FF00, 20, 0, 10, 10);
    fill(0xFF0000FF, 0, 20, 10, 10);
    fill(0xFFFFFFFF, 20, 20, 10, 10);
    return image;
}

TEST(Render, NinePatchKeepsCornersAndStretchesTheRest) {
    auto source = NinePatchSource();
    PixelBuffer buffer(120, 70);
    buffer.Fill(RGB(1, 2, 3));
    {
        Gdiplus::Graphics graphics(buffer.dc());
        MRender::DrawImageFrame(graphics, source.get(), RECT{5, 5, 115, 65}, 0, 0, 30, 30, 10);
    }
    struct Probe {
        int x, y;
        DWORD rgb;
        const char* where;
    };
    const Probe probes[] = {
        {6, 6, 0xFF0000, "top-left corner"},
        {14, 14, 0xFF0000, "top-left corner end"},
        {113, 6, 0x00FF00, "top-right corner"},
        {6, 63, 0x0000FF, "bottom-left corner"},
        {113, 63, 0xFFFFFF, "bottom-right corner"},
        {60, 8, 0x808080, "top edge"},
        {8, 35, 0x808080, "left edge"},
        {60, 35, 0x000000, "centre"},
        {2, 2, 0x010203, "outside untouched"},
    };
    for (const Probe& probe : probes) {
        EXPECT_TRUE(Near(buffer.Rgb(probe.x, probe.y), probe.rgb, 2))
            << probe.where << ": " << std::hex << buffer.Rgb(probe.x, probe.y);
    }
}

TEST(Render, NinePatchOfAFrameTakesOnlyThatFrame) {
    // Two frames side by side: frame 1 is all blue.
    Gdiplus::Bitmap strip(60, 30, PixelFormat32bppARGB);
    {
        Gdiplus::Graphics graphics(&strip);
        Gdiplus::SolidBrush red{Gdiplus::Color(0xFFFF0000)}, blue{Gdiplus::Color(0xFF0000FF)};
        graphics.FillRectangle(&red, 0, 0, 30, 30);
        graphics.FillRectangle(&blue, 30, 0, 30, 30);
    }
    PixelBuffer buffer(80, 40);
    Gdiplus::Graphics graphics(buffer.dc());
    MRender::DrawImageFrame(graphics, &strip, RECT{0, 0, 80, 40}, 30, 0, 30, 30, 10);
    graphics.Flush();
    for (POINT p : {POINT{0, 0}, POINT{79, 0}, POINT{40, 20}, POINT{10, 39}, POINT{79, 39}}) {
        EXPECT_EQ(buffer.Rgb(p.x, p.y), 0x0000FFu) << p.x << "," << p.y;
    }
}

TEST(Render, GradientRunsFromOneColourToTheOther) {
    PixelBuffer buffer(100, 20);
    buffer.Fill(RGB(0, 0, 0));
    MRender::DrawGradient(buffer.dc(), RECT{0, 0, 100, 10}, 0xFFFF0000, 0xFF0000FF, FALSE, 64);
    MRender::DrawGradient(buffer.dc(), RECT{0, 10, 100, 20}, 0x00FF0000, 0x000000FF, FALSE, 64);
    EXPECT_TRUE(Near(buffer.Rgb(0, 5), 0xFF0000, 8)) << std::hex << buffer.Rgb(0, 5);
    EXPECT_TRUE(Near(buffer.Rgb(99, 5), 0x0000FF, 8)) << std::hex << buffer.Rgb(99, 5);
    EXPECT_TRUE(Near(buffer.Rgb(50, 5), 0x800080, 16)) << std::hex << buffer.Rgb(50, 5);
    EXPECT_EQ(buffer.Rgb(50, 15), 0u) << "a fully transparent gradient draws nothing";
}

TEST(Render, HalfTransparentGradientBlendsOverTheBackground) {
    PixelBuffer buffer(100, 10);
    buffer.Fill(RGB(0, 0, 0));
    MRender::DrawGradient(buffer.dc(), RECT{0, 0, 100, 10}, 0x80FFFFFF, 0x80FFFFFF, TRUE, 4);
    EXPECT_TRUE(Near(buffer.Rgb(50, 5), 0x808080, 4)) << std::hex << buffer.Rgb(50, 5);
}

TEST(Render, DrawColorSkipsFullyTransparentColours) {
    PixelBuffer buffer(10, 10);
    buffer.Fill(RGB(9, 9, 9));
    MRender::DrawColor(buffer.dc(), RECT{0, 0, 10, 10}, 0x00FF0000);
    EXPECT_EQ(buffer.Rgb(5, 5), 0x090909u);
    MRender::DrawColor(buffer.dc(), RECT{0, 0, 10, 10}, 0xFFFF0000);
    EXPECT_EQ(buffer.Rgb(5, 5), 0xFF0000u);
}

TEST(Render, CheckAlphaColorKeepsBlackVisible) {
    struct Case {
        DWORD in, out;
    };
    for (Case c :
         {Case{0xFF000000, 0xFF000001}, Case{0x00000000, 0x00000001}, Case{0x80000000, 0x80000001},
          Case{0xFF010000, 0xFF010000}, Case{0xFFFFFFFF, 0xFFFFFFFF}}) {
        DWORD color = c.in;
        MRender::CheckAlphaColor(color);
        EXPECT_EQ(color, c.out) << std::hex << c.in;
    }
}

TEST(Render, OriginPointFollowsTheAlignment) {
    struct Case {
        int h, v;
        POINT expected;
    };
    for (Case c : {Case{0, 0, {0, 0}}, Case{1, 4, {40, 20}}, Case{2, 8, {80, 40}},
                   Case{0, 8, {0, 40}}, Case{1, 0, {40, 0}}}) {
        POINT p = MRender::GetOriginPoint(100, 50, 20, 10, c.h, c.v);
        EXPECT_EQ(p.x, c.expected.x) << c.h << "/" << c.v;
        EXPECT_EQ(p.y, c.expected.y) << c.h << "/" << c.v;
    }
    POINT inRect = MRender::GetOriginPoint(RECT{10, 20, 110, 70}, 20, 10, 1, 4);
    EXPECT_EQ(inRect.x, 50);
    EXPECT_EQ(inRect.y, 42) << "absolute, two pixels lower";
}

TEST(Render, FrameWidthIsGuardedAgainstZeroFrames) {
    EXPECT_EQ(OrvixUI::FrameWidth(100, 3), 33);
    EXPECT_EQ(OrvixUI::FrameWidth(100, 4), 25);
    EXPECT_EQ(OrvixUI::FrameWidth(100, 0), 100);
    EXPECT_EQ(OrvixUI::FrameWidth(100, -2), 100);
}

TEST(Render, TextBoundsGrowWithTheText) {
    HostWindow host;
    Gdiplus::FontFamily* family = host.manager().AddTempFont(L"Open Sans Semibold", 106u);
    ASSERT_NE(family, nullptr);
    Gdiplus::Font font(family, 14.0f, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
    SIZE shortText = MRender::GetTextBounds(font, L"ab");
    SIZE longText = MRender::GetTextBounds(font, L"abababab");
    EXPECT_GT(shortText.cx, 0);
    EXPECT_GT(longText.cx, 3 * shortText.cx);
    EXPECT_EQ(shortText.cy, longText.cy) << "height is the line height";
    EXPECT_GE(shortText.cy, 15);
}

// The whole window: background, two overlapping controls (the later on top) and a title.
TEST(Render, PaintManagerPaintsTheTreeIntoTheBackBuffer) {
    HostWindow host;
    host.manager().SetBackColor(RGB(10, 20, 30), RGB(200, 100, 50));
    host.AddProbe(10, RECT{20, 20, 120, 80}, RGB(255, 0, 0));
    host.AddProbe(20, RECT{100, 60, 200, 120}, RGB(0, 255, 0));
    Probe* titled = host.AddProbe(30, RECT{220, 20, 380, 80}, RGB(0, 0, 0));
    titled->SetTitle(L"Clavira");
    titled->SetAlignment(1, 4);
    auto* hidden = host.AddProbe(40, RECT{220, 200, 300, 280}, RGB(255, 255, 0));
    hidden->SetVisible(FALSE);

    PixelBuffer buffer(400, 300);
    host.manager().PaintBuffer(buffer.dc(), buffer.bits(), 400, 300, RECT{0, 0, 400, 300});
    EXPECT_EQ(buffer.Rgb(0, 0), RgbOf(RGB(200, 100, 50))) << "border";
    EXPECT_EQ(buffer.Rgb(5, 250), RgbOf(RGB(10, 20, 30))) << "fill";
    EXPECT_EQ(buffer.Rgb(30, 30), 0xFF0000u);
    EXPECT_EQ(buffer.Rgb(110, 70), 0x00FF00u) << "the later control is drawn on top";
    EXPECT_EQ(buffer.Rgb(250, 250), RgbOf(RGB(10, 20, 30))) << "hidden control not drawn";
}

// Probe draws its fill, then (as a cached-state control would) its title through the slices.
class TitledProbe : public Probe {
public:
    using Probe::Probe;
    void DrawControl(HDC dc, const RECT& clip) override {
        Probe::DrawControl(dc, clip);
        DrawCachedStates(dc, 4, m_state);
    }
    int m_state = 0;
};

TEST(Render, CachedStatesDrawTheTitleInsideTheControl) {
    HostWindow host;
    auto* probe = new TitledProbe(&host.recorder(), 10, RECT{20, 20, 220, 70}, RGB(0, 0, 0));
    host.manager().AddControl(probe);
    probe->SetTitle(L"WWWWWW");
    probe->SetAlignment(1, 4);
    probe->SetFontWidth(20);

    PixelBuffer buffer(400, 300);
    host.manager().PaintBuffer(buffer.dc(), buffer.bits(), 400, 300, RECT{0, 0, 400, 300});
    int bright = 0;
    for (int y = 20; y < 70; ++y) {
        for (int x = 20; x < 220; ++x) {
            bright += buffer.Rgb(x, y) > 0x808080 ? 1 : 0;
        }
    }
    EXPECT_GT(bright, 50) << "white title pixels in the control";
    EXPECT_EQ(buffer.Rgb(25, 22), 0u) << "the corner stays the control's fill";
    EXPECT_TRUE(probe->GetUpdate()) << "the cache is valid after the first paint";

    probe->SetTitle(L"");
    EXPECT_FALSE(probe->GetUpdate()) << "a new title asks for a rebuild";
    host.manager().PaintBuffer(buffer.dc(), buffer.bits(), 400, 300, RECT{0, 0, 400, 300});
    EXPECT_EQ(buffer.Rgb(120, 45), 0u) << "no title any more";
}

} // namespace
} // namespace toolkit_test

namespace toolkit_test {
namespace {

// Through the window's own WM_PAINT: the frame reaches the screen.
TEST(Render, PaintMessageCopiesTheFrameToTheWindow) {
    HostWindow host;
    host.manager().SetBackColor(RGB(10, 20, 30), RGB(10, 20, 30));
    host.AddProbe(10, RECT{20, 20, 120, 80}, RGB(255, 0, 0));
    InvalidateRect(host.hwnd(), nullptr, FALSE);
    UpdateWindow(host.hwnd());
    HDC dc = GetDC(host.hwnd());
    COLORREF inside = GetPixel(dc, 50, 50);
    COLORREF outside = GetPixel(dc, 200, 200);
    ReleaseDC(host.hwnd(), dc);
    EXPECT_EQ(inside, RGB(255, 0, 0));
    EXPECT_EQ(outside, RGB(10, 20, 30));
    RECT dirty;
    EXPECT_FALSE(GetUpdateRect(host.hwnd(), &dirty, FALSE)) << "the update region is validated";
}

} // namespace
} // namespace toolkit_test
