#include "WindowFixture.h"

#include "toolkit/core/Manager.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace toolkit_test {
namespace {

using OrvixUI::MDialog;

struct Ending {
    const char* name;
    std::function<void(TestDialog&)> end;
    INT_PTR result;
};

void PrintTo(const Ending& ending, std::ostream* out) { *out << ending.name; }

class ModalResult : public ::testing::TestWithParam<Ending> {};

TEST_P(ModalResult, EndsTheLoopWithItsResult) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.Post([&] { GetParam().end(dialog); });
    EXPECT_EQ(dialog.ShowModal(SW_SHOWNOACTIVATE), GetParam().result);
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Endings, ModalResult,
    ::testing::Values(
        Ending{"DoOK", [](TestDialog& d) { d.DoOK(); }, 1},
        Ending{"DoCancel", [](TestDialog& d) { d.DoCancel(); }, 2},
        Ending{"DoClose", [](TestDialog& d) { d.DoClose(); }, 2},
        Ending{"DoYes", [](TestDialog& d) { d.DoYes(); }, 6},
        Ending{"DoNo", [](TestDialog& d) { d.DoNo(); }, 7},
        // Alt+F4 and the system menu: WM_CLOSE without a result is a cancel.
        Ending{"PostedCloseWithoutResult", [](TestDialog& d) { d.PostMessageW(WM_CLOSE, 0, 0); },
               2},
        Ending{"SentCloseWithoutResult", [](TestDialog& d) { d.SendMessageW(WM_CLOSE, 0, 0); }, 2},
        Ending{"SystemMenuClose", [](TestDialog& d) { d.SendMessageW(WM_SYSCOMMAND, SC_CLOSE, 0); },
               2},
        Ending{"CloseCarryingResult", [](TestDialog& d) { d.PostMessageW(WM_CLOSE, 6, 0); }, 6},
        Ending{"DestroyedWithoutClose", [](TestDialog& d) { d.DestroyWindow(); }, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Dialog, ResultsArePostedNotSent) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    const HWND hwnd = dialog.GetSafeHwnd();
    MSG msg;
    while (PeekMessageW(&msg, hwnd, 0, 0, PM_REMOVE)) {
    }

    dialog.DoYes();
    EXPECT_TRUE(IsWindow(hwnd));
    ASSERT_TRUE(
        PeekMessageW(&msg, hwnd, MDialog::kCloseMessage, MDialog::kCloseMessage, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 6u);

    // The close message is answered by posting WM_CLOSE with the same values.
    dialog.SendMessageW(MDialog::kCloseMessage, 7, 9);
    EXPECT_TRUE(IsWindow(hwnd));
    ASSERT_TRUE(PeekMessageW(&msg, hwnd, WM_CLOSE, WM_CLOSE, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_EQ(msg.lParam, 9);
}

TEST(Dialog, ShowModalWithoutWindowReturnsMinusOne) {
    TestDialog dialog;
    EXPECT_EQ(dialog.ShowModal(), -1);
}

TEST(Dialog, QuitDuringModalEndsTheLoopAndIsPostedAgain) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.Post([] { PostQuitMessage(5); });
    EXPECT_EQ(dialog.ShowModal(SW_SHOWNOACTIVATE), 2);
    EXPECT_TRUE(IsWindow(dialog.GetSafeHwnd()));
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 5u);
}

TEST(Dialog, OwnerIsDisabledWhileModalAndEnabledAfter) {
    TestDialog owner;
    ASSERT_TRUE(owner.Create());
    owner.ShowWindow(SW_SHOWNOACTIVATE);
    TestDialog child;
    ASSERT_TRUE(child.Create(owner.GetSafeHwnd()));
    BOOL enabledDuring = TRUE;
    child.Post([&] {
        enabledDuring = owner.IsWindowEnabled();
        child.DoOK();
    });
    EXPECT_EQ(child.ShowModal(SW_SHOWNOACTIVATE), 1);
    EXPECT_FALSE(enabledDuring);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST(Dialog, NestedModalDialogsEachKeepTheirResult) {
    TestDialog outer;
    ASSERT_TRUE(outer.Create());
    TestDialog inner;
    INT_PTR innerResult = 0;
    BOOL outerEnabledDuringInner = TRUE;
    BOOL outerEnabledAfterInner = FALSE;
    outer.Post([&] {
        ASSERT_TRUE(inner.Create(outer.GetSafeHwnd()));
        inner.Post([&] {
            outerEnabledDuringInner = outer.IsWindowEnabled();
            inner.DoYes();
        });
        innerResult = inner.ShowModal(SW_SHOWNOACTIVATE);
        outerEnabledAfterInner = outer.IsWindowEnabled();
        EXPECT_TRUE(outer.IsModal());
        outer.DoNo();
    });
    EXPECT_EQ(outer.ShowModal(SW_SHOWNOACTIVATE), 7);
    EXPECT_EQ(innerResult, 6);
    EXPECT_FALSE(outerEnabledDuringInner);
    EXPECT_TRUE(outerEnabledAfterInner);
}

TEST(Dialog, CreateTwiceReturnsTheLiveWindow) {
    TestDialog dialog;
    HWND first = dialog.Create();
    ASSERT_TRUE(first);
    EXPECT_EQ(dialog.Create(), first);
}

TEST(Dialog, CreationRemovesCaptionAndFrame) {
    TestDialog dialog;
    ASSERT_TRUE(
        dialog.MWindow::Create(nullptr, L"t", WS_OVERLAPPEDWINDOW, 0, RECT{0, 0, 200, 100}));
    const DWORD style = dialog.GetStyle();
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME), 0u);
    EXPECT_EQ(style & (WS_CLIPCHILDREN | WS_CLIPSIBLINGS),
              DWORD{WS_CLIPCHILDREN | WS_CLIPSIBLINGS});
}

TEST(Dialog, WindowRegistryFollowsWindows) {
    const int before = OrvixUI::Manager::GetWndCount();
    HWND hwnd = nullptr;
    {
        TestDialog dialog;
        EXPECT_EQ(OrvixUI::Manager::GetWndCount(), before);
        hwnd = dialog.Create();
        ASSERT_TRUE(hwnd);
        EXPECT_EQ(OrvixUI::Manager::GetWndCount(), before + 1);
        EXPECT_EQ(OrvixUI::Manager::FindWnd(hwnd), &dialog);
        dialog.DestroyWindow();
        EXPECT_EQ(OrvixUI::Manager::GetWndCount(), before);
        EXPECT_EQ(OrvixUI::Manager::FindWnd(hwnd), nullptr);
        dialog.Create();
        EXPECT_EQ(OrvixUI::Manager::GetWndCount(), before + 1);
    }
    // The object went first: its window went with it, and so did its entry.
    EXPECT_EQ(OrvixUI::Manager::GetWndCount(), before);
}

TEST(Dialog, AirBladderPointIsUnderTheControlsBottomEdge) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.GetAirBladderPoint(nullptr, 1).x, 0);
    RECT window;
    dialog.GetWindowRect(&window);
    POINT origin = {0, 0};
    dialog.ClientToScreen(&origin);
    auto* item = dialog.CreateControl(L"MenuItem", 5, RECT{10, 20, 110, 40}, L"x", TRUE, TRUE);
    ASSERT_NE(item, nullptr);
    const int expected[] = {10, 60, 110};
    for (int type = 0; type < 3; ++type) {
        POINT point = dialog.GetAirBladderPoint(item, type);
        EXPECT_EQ(point.x, origin.x + expected[type]) << type;
        EXPECT_EQ(point.y, origin.y + 40) << type;
    }
}

} // namespace
} // namespace toolkit_test
