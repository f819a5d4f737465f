#include "ToolkitFixture.h"

#include "toolkit/controls/MScroll.h"
#include "toolkit/core/MPanel.h"

#include <thread>

namespace toolkit_test {
namespace {

using OrvixUI::PaintManager;

// A (id 10) and B (id 20) overlap in x 60..110, y 30..60; B comes later in the list.
class Dispatch : public ::testing::Test {
protected:
    void SetUp() override {
        a = host.AddProbe(10, RECT{10, 10, 110, 60});
        b = host.AddProbe(20, RECT{60, 30, 160, 80});
    }
    void Run(const std::vector<Step>& steps) { RunSteps(host, steps); }
    HostWindow host;
    Probe* a = nullptr;
    Probe* b = nullptr;
};

TEST_F(Dispatch, MouseRoutingFollowsHoverAndCapture) {
    Run({
        {"enter A", WM_MOUSEMOVE, 0, 20, 20, {{10, kEnter, 0, 0}}},
        {"into the overlap: A keeps the hover", WM_MOUSEMOVE, 0, 80, 40, {}},
        {"B only", WM_MOUSEMOVE, 0, 150, 70, {{10, kLeave, 0, 0}, {20, kEnter, 0, 0}}},
        {"press B", WM_LBUTTONDOWN, MK_LBUTTON, 150, 70, {{20, 1, 0, 0}}},
        {"drag far outside: B keeps the moves",
         WM_MOUSEMOVE,
         MK_LBUTTON,
         300,
         200,
         {{20, kLeave, 0, 0}}},
        {"release outside: no click", WM_LBUTTONUP, 0, 300, 200, {}},
        {"back into the overlap",
         WM_MOUSEMOVE,
         0,
         80,
         40,
         {{10, kEnter, 0, 0}, {20, kEnter, 0, 0}}},
        {"the later child gets the press", WM_LBUTTONDOWN, MK_LBUTTON, 80, 40, {{20, 1, 0, 0}}},
        {"release inside: click", WM_LBUTTONUP, 0, 80, 40, {{20, 2, 0, 0}}},
        {"leave the window", WM_MOUSELEAVE, 0, 0, 0, {{20, kLeave, 0, 0}}},
        {"press on empty space", WM_LBUTTONDOWN, MK_LBUTTON, 300, 250, {}},
    });
}

TEST_F(Dispatch, PressCapturesTheWindowUntilRelease) {
    host.Send(WM_MOUSEMOVE, 0, At(20, 20));
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
    EXPECT_EQ(GetCapture(), host.hwnd());
    EXPECT_TRUE(host.manager().IsCaptured());
    host.Send(WM_LBUTTONUP, 0, At(20, 20));
    EXPECT_NE(GetCapture(), host.hwnd());
    EXPECT_EQ(host.manager().GetHoverControl(), a);
}

TEST_F(Dispatch, HiddenOrUnresponsiveControlsGetNothing) {
    b->SetVisible(FALSE);
    a->SetRresponse(FALSE);
    host.recorder().Take();
    Run({
        {"move over hidden B", WM_MOUSEMOVE, 0, 150, 70, {}},
        {"press hidden B", WM_LBUTTONDOWN, MK_LBUTTON, 150, 70, {}},
        {"move over unresponsive A", WM_MOUSEMOVE, 0, 20, 20, {}},
        {"press unresponsive A", WM_LBUTTONDOWN, MK_LBUTTON, 20, 20, {}},
    });
}

TEST_F(Dispatch, WheelNotchesAndSubNotchDeltasAccumulate) {
    host.Send(WM_MOUSEMOVE, 0, At(150, 70));
    host.recorder().Take();
    const auto wheel = [](int delta) {
        return MAKEWPARAM(0, static_cast<WORD>(static_cast<SHORT>(delta)));
    };
    Run({
        {"one notch towards the user",
         WM_MOUSEWHEEL,
         wheel(-120),
         150,
         70,
         {{20, kScrolled, 1, 0}}},
        {"one notch away", WM_MOUSEWHEEL, wheel(120), 150, 70, {{20, kScrolled, 0, 0}}},
        {"two notches at once",
         WM_MOUSEWHEEL,
         wheel(-240),
         150,
         70,
         {{20, kScrolled, 1, 0}, {20, kScrolled, 1, 0}}},
        {"half a notch", WM_MOUSEWHEEL, wheel(60), 150, 70, {}},
        {"the other half completes it", WM_MOUSEWHEEL, wheel(60), 150, 70, {{20, kScrolled, 0, 0}}},
        {"a touchpad's small steps", WM_MOUSEWHEEL, wheel(-40), 150, 70, {}},
        {"", WM_MOUSEWHEEL, wheel(-40), 150, 70, {}},
        {"third step", WM_MOUSEWHEEL, wheel(-40), 150, 70, {{20, kScrolled, 1, 0}}},
        {"half a notch down", WM_MOUSEWHEEL, wheel(-60), 150, 70, {}},
        {"reversing drops the remainder", WM_MOUSEWHEEL, wheel(60), 150, 70, {}},
    });
}

void SetModifiers(bool ctrl, bool shift, bool alt) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    keys[VK_MENU] = alt ? 0x80 : 0;
    SetKeyboardState(keys);
}

TEST_F(Dispatch, KeyNotificationsCarryTheModifierCode) {
    a->SetNotifyKeyDown(TRUE);
    struct Case {
        bool ctrl, shift, alt;
        UINT message;
        LPARAM modifiers;
    };
    const Case cases[] = {
        {false, false, false, WM_KEYDOWN, 0},    {false, true, false, WM_KEYDOWN, 16},
        {true, false, false, WM_KEYDOWN, 17},    {true, true, false, WM_KEYDOWN, 17},
        {false, false, true, WM_SYSKEYDOWN, 18}, {true, false, true, WM_SYSKEYDOWN, 19},
    };
    for (const Case& c : cases) {
        SetModifiers(c.ctrl, c.shift, c.alt);
        host.Send(c.message, 'K', 0);
        EXPECT_EQ(host.recorder().Take(), (std::vector<Note>{{10, 14, 'K', c.modifiers}}))
            << "ctrl " << c.ctrl << " shift " << c.shift << " alt " << c.alt;
    }
    SetModifiers(false, false, false);
    host.Send(WM_KEYUP, 'K', 0);
    EXPECT_TRUE(host.recorder().Take().empty()) << "key up reaches no control";
}

TEST_F(Dispatch, HotKeyIsConsumedOnlyWithItsExactModifiers) {
    b->SetHotKey('H', VK_CONTROL);
    Probe* c = host.AddProbe(30, RECT{300, 10, 350, 50});
    c->SetNotifyKeyDown(TRUE);
    SetModifiers(true, false, false);
    host.Send(WM_KEYDOWN, 'H', 0);
    EXPECT_TRUE(host.recorder().Take().empty()) << "B consumed it before C was offered the key";
    SetModifiers(true, true, false);
    host.Send(WM_KEYDOWN, 'H', 0);
    EXPECT_TRUE(host.recorder().Take().empty()) << "Ctrl+Shift also gives code 17";
    SetModifiers(false, true, false);
    host.Send(WM_KEYDOWN, 'H', 0);
    EXPECT_EQ(host.recorder().Take(), (std::vector<Note>{{30, 14, 'H', 16}}));
    SetModifiers(false, false, false);
}

TEST_F(Dispatch, FocusMovesWithPressesAndTab) {
    host.Send(WM_MOUSEMOVE, 0, At(150, 70));
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(150, 70));
    host.Send(WM_LBUTTONUP, 0, At(150, 70));
    EXPECT_EQ(host.manager().GetFocusControl(), b);
    EXPECT_TRUE(b->IsFocused());
    host.Send(WM_MOUSEMOVE, 0, At(300, 250));
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(300, 250));
    host.Send(WM_LBUTTONUP, 0, At(300, 250));
    EXPECT_EQ(host.manager().GetFocusControl(), nullptr) << "a press elsewhere takes it away";
    EXPECT_FALSE(b->IsFocused());

    MSG tab = {host.hwnd(), WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    SetModifiers(false, false, false);
    EXPECT_FALSE(host.manager().PreTranslateMessage(&tab)) << "no tab stops: not consumed";
    a->SetTabStop(TRUE);
    b->SetTabStop(TRUE);
    EXPECT_TRUE(host.manager().PreTranslateMessage(&tab));
    EXPECT_EQ(host.manager().GetFocusControl(), a);
    EXPECT_TRUE(host.manager().PreTranslateMessage(&tab));
    EXPECT_EQ(host.manager().GetFocusControl(), b);
    SetModifiers(false, true, false);
    EXPECT_TRUE(host.manager().PreTranslateMessage(&tab));
    EXPECT_EQ(host.manager().GetFocusControl(), a);
    SetModifiers(false, false, false);
}

TEST_F(Dispatch, DeactivationEndsTheHoverButNotAPressThatHoldsTheCapture) {
    host.Send(WM_MOUSEMOVE, 0, At(150, 70));
    host.recorder().Take();
    host.Send(WM_NCACTIVATE, FALSE, 0);
    EXPECT_EQ(host.manager().GetHoverControl(), nullptr);
    EXPECT_EQ(host.recorder().Take(), (std::vector<Note>{{20, kLeave, 0, 0}}));

    host.Send(WM_MOUSEMOVE, 0, At(150, 70));
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(150, 70));
    host.recorder().Take();
    host.Send(WM_NCACTIVATE, FALSE, 0);
    EXPECT_TRUE(host.manager().IsCaptured()) << "the release will come to this window";
    host.Send(WM_LBUTTONUP, 0, At(150, 70));
    EXPECT_EQ(host.recorder().Take(), (std::vector<Note>{{20, 2, 0, 0}}));
}

TEST_F(Dispatch, LosingTheCaptureEndsThePressWithoutAClick) {
    host.Send(WM_MOUSEMOVE, 0, At(150, 70));
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(150, 70));
    host.recorder().Take();
    ReleaseCapture();
    EXPECT_FALSE(host.manager().IsCaptured());
    EXPECT_EQ(host.manager().GetHoverControl(), nullptr);
    EXPECT_TRUE(host.recorder().Take().empty()) << "the release at (-1, -1) is outside: no click";
    host.Send(WM_LBUTTONUP, 0, At(150, 70));
    EXPECT_TRUE(host.recorder().Take().empty()) << "a late release is no click either";
}

TEST_F(Dispatch, PressOnEmptySpacePostsTheCaptionDragOnlyWhenEnabled) {
    MSG pending;
    while (PeekMessageW(&pending, host.hwnd(), WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE)) {
    }
    host.manager().EnableWndDrag(FALSE);
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(300, 250));
    EXPECT_FALSE(
        PeekMessageW(&pending, host.hwnd(), WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
    host.manager().EnableWndDrag(TRUE);
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(300, 250));
    ASSERT_TRUE(PeekMessageW(&pending, host.hwnd(), WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
    EXPECT_EQ(pending.wParam, static_cast<WPARAM>(HTCAPTION));
}

TEST(PaintManagerPost, PostMessageQueuesWithoutWaitingForTheWindowThread) {
    HostWindow host;
    BOOL posted = FALSE;
    // The window thread is busy in join() and pumps nothing: a send would never return.
    std::thread other([&] { posted = host.manager().PostMessageW(WM_APP + 7, 3, 4); });
    other.join();
    EXPECT_TRUE(posted);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, host.hwnd(), WM_APP + 7, WM_APP + 7, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_EQ(msg.lParam, 4);
}

// A panel at (200, 100)-(300, 200) with 300 pixels of content scrolled to the middle: content
// y 200 is shown at window y 100.
TEST(PanelDispatch, ClicksInsideAScrolledPanelReachTheChildAtItsContentPosition) {
    HostWindow host;
    auto* panel = new OrvixUI::MPanel(&host.recorder(), 50, RECT{200, 100, 300, 200}, TRUE, TRUE);
    host.manager().AddControl(panel);
    auto* child = new Probe(panel, 51, RECT{200, 200, 280, 230});
    panel->AddControl(child);
    panel->SetVirtualHeight(300);
    ASSERT_TRUE(panel->GetScrollVertical()->IsVisible());
    panel->GetScrollVertical()->SetScrollCurrentPos(150);
    EXPECT_EQ(panel->GetScrollOffsetY(), 100);
    host.recorder().Take();

    host.Send(WM_MOUSEMOVE, 0, At(210, 110));
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(210, 110));
    host.Send(WM_LBUTTONUP, 0, At(210, 110));
    EXPECT_EQ(host.recorder().Take(),
              (std::vector<Note>{{51, kEnter, 0, 0}, {51, 1, 0, 0}, {51, 2, 0, 0}}))
        << "the child's own id reaches the window through the panel";
}

TEST(PanelDispatch, WheelOverAPanelScrollsItOneStepPerNotch) {
    HostWindow host;
    auto* panel = new OrvixUI::MPanel(&host.recorder(), 50, RECT{200, 100, 300, 200}, TRUE, TRUE);
    host.manager().AddControl(panel);
    panel->SetVirtualHeight(300);
    host.Send(WM_MOUSEMOVE, 0, At(250, 150));
    POINT screen = {250, 150};
    ClientToScreen(host.hwnd(), &screen);
    host.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), At(screen.x, screen.y));
    EXPECT_EQ(panel->GetScrollVertical()->GetScrollCurrentPos(),
              panel->GetScrollVertical()->GetScrollStep());
    host.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, 60), At(screen.x, screen.y));
    EXPECT_EQ(panel->GetScrollVertical()->GetScrollCurrentPos(),
              panel->GetScrollVertical()->GetScrollStep())
        << "half a notch scrolls nothing yet";
}

} // namespace
} // namespace toolkit_test
