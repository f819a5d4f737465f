#include "ToolkitFixture.h"

namespace toolkit_test {
namespace {

using OrvixUI::PaintManager;

void Tick(HostWindow& host, UINT timer, int times) {
    for (int i = 0; i < times; ++i) {
        host.Send(WM_TIMER, timer, 0);
    }
}

TEST(Overlay, MessageHoldsThenFadesOut) {
    HostWindow host;
    PaintManager& manager = host.manager();
    manager.SetBackColor(RGB(0, 0, 0), RGB(0, 0, 0));
    manager.SetMessage(L"Saved", RECT{10, 10, 210, 70}, OrvixUI::MSG_LEVEL_INFO);
    EXPECT_EQ(manager.GetOverlayAlpha(), 255);

    PixelBuffer buffer(400, 300);
    manager.PaintBuffer(buffer.dc(), buffer.bits(), 400, 300, RECT{0, 0, 400, 300});
    EXPECT_EQ(buffer.Rgb(11, 11), 0xE6E6E6u) << "frame";
    EXPECT_EQ(buffer.Rgb(200, 60), 0xFEFEFEu) << "inside";
    int dark = 0;
    for (int y = 15; y < 65; ++y) {
        for (int x = 15; x < 200; ++x) {
            dark += buffer.Rgb(x, y) < 0x808080 ? 1 : 0;
        }
    }
    EXPECT_GT(dark, 10) << "the text is drawn";

    Tick(host, +PaintManager::kOverlayHoldTimer, 1);
    EXPECT_EQ(manager.GetOverlayAlpha(), 255) << "the hold ends, the fade starts";
    Tick(host, +PaintManager::kOverlayFadeTimer, 1);
    EXPECT_EQ(manager.GetOverlayAlpha(), 245);
    Tick(host, +PaintManager::kOverlayFadeTimer, 22);
    EXPECT_EQ(manager.GetOverlayAlpha(), 25);
    Tick(host, +PaintManager::kOverlayFadeTimer, 1);
    EXPECT_EQ(manager.GetOverlayAlpha(), 0) << "below 20 it is gone";

    manager.PaintBuffer(buffer.dc(), buffer.bits(), 400, 300, RECT{0, 0, 400, 300});
    EXPECT_EQ(buffer.Rgb(11, 11), 0u) << "nothing drawn once faded";
}

TEST(Overlay, ProgressAnimatesInStepsOfTwoAndFadesAtOnceAtTheEnd) {
    HostWindow host;
    PaintManager& manager = host.manager();
    manager.SetProgress(100, L"Downloading", RECT{});
    EXPECT_EQ(manager.GetShownProgress(), 0);
    Tick(host, +PaintManager::kProgressTimer, 1);
    EXPECT_EQ(manager.GetShownProgress(), 2);
    Tick(host, +PaintManager::kProgressTimer, 48);
    EXPECT_EQ(manager.GetShownProgress(), 98);
    Tick(host, +PaintManager::kProgressTimer, 1);
    EXPECT_EQ(manager.GetShownProgress(), 100);
    Tick(host, +PaintManager::kOverlayFadeTimer, 1);
    EXPECT_EQ(manager.GetOverlayAlpha(), 245) << "no three-second hold after a progress";
}

TEST(Overlay, SmallProgressStepsJumpAndEqualTargetsAreIgnored) {
    HostWindow host;
    PaintManager& manager = host.manager();
    manager.SetProgress(4, L"", RECT{});
    EXPECT_EQ(manager.GetShownProgress(), 4) << "less than 6 points: shown at once";
    manager.SetProgress(20, L"", RECT{});
    EXPECT_EQ(manager.GetShownProgress(), 4);
    Tick(host, +PaintManager::kProgressTimer, 100);
    EXPECT_EQ(manager.GetShownProgress(), 20) << "the animation stops at the target";
}

} // namespace
} // namespace toolkit_test

namespace toolkit_test {
namespace {

TEST(Caret, BlinksInTheOwnersColourOnlyWhileItHasTheFocus) {
    HostWindow host;
    PaintManager& manager = host.manager();
    manager.SetBackColor(RGB(0, 0, 0), RGB(0, 0, 0));
    Probe* owner = host.AddProbe(10, RECT{0, 0, 100, 40}, RGB(0, 0, 0));
    owner->SetTextColor(0xFF00FF00);
    manager.SetFocusControl(owner);
    SetFocus(host.hwnd());
    manager.CreateCaret(nullptr, 2, 16);
    manager.SetCaretPos(owner, 20, 10);
    manager.ShowCaret(TRUE);

    PixelBuffer buffer(400, 300);
    auto paint = [&] {
        manager.PaintBuffer(buffer.dc(), buffer.bits(), 400, 300, RECT{0, 0, 400, 300});
    };
    paint();
    EXPECT_TRUE(Near(buffer.Rgb(20, 15), 0x00FF00, 2)) << "shown at once (alpha 254)";
    EXPECT_EQ(buffer.Rgb(22, 15), 0u) << "two pixels wide";
    host.Send(WM_TIMER, +PaintManager::kCaretTimer, 0);
    paint();
    EXPECT_EQ(buffer.Rgb(20, 15), 0u) << "off phase";
    host.Send(WM_TIMER, +PaintManager::kCaretTimer, 0);

    manager.SetFocusControl(nullptr);
    paint();
    EXPECT_EQ(buffer.Rgb(20, 15), 0u);
    EXPECT_FALSE(manager.IsCaretShown()) << "an unfocused owner stops the caret";
}

} // namespace
} // namespace toolkit_test
