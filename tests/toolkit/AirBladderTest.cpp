#include "WindowFixture.h"

#include "toolkit/core/CKeyboardTips.h"
#include "toolkit/core/MAirBladder.h"

#include <gtest/gtest.h>

namespace toolkit_test {
namespace {

using OrvixUI::MAirBladder;

constexpr POINT kAnchor = {400, 300};

class AirBladderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dialog.Create());
        m_dialog.ShowWindow(SW_SHOWNOACTIVATE);
    }
    OrvixUI::PaintManager& manager() { return m_dialog.GetPaintManager(); }
    MAirBladder* Show(const wchar_t* text, POINT at, int type) {
        manager().SetAirBladderMsg(text, at, type, OrvixUI::AIRBLADDER_MODE_AUTO);
        return manager().GetAirBladder();
    }

    TestDialog m_dialog;
};

TEST_F(AirBladderTest, IsMadeOnFirstUseAndShown) {
    EXPECT_EQ(manager().GetAirBladder(), nullptr);
    MAirBladder* tip = Show(L"Saved", kAnchor, OrvixUI::AIRBLADDER_CENTER);
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(tip->IsWindowVisible());
    EXPECT_EQ(Show(L"Again", kAnchor, OrvixUI::AIRBLADDER_CENTER), tip);
}

TEST_F(AirBladderTest, DialogShowsNothingForAZeroCoordinate) {
    EXPECT_FALSE(m_dialog.SetAirBladderMsg(L"x", POINT{0, 300}, 1));
    EXPECT_FALSE(m_dialog.SetAirBladderMsg(L"x", POINT{300, 0}, 1));
    EXPECT_EQ(manager().GetAirBladder(), nullptr);
    EXPECT_TRUE(m_dialog.SetAirBladderMsg(L"x", kAnchor, 1));
    EXPECT_NE(manager().GetAirBladder(), nullptr);
}

TEST_F(AirBladderTest, UnchangedMessageIsANoOp) {
    MAirBladder* tip = Show(L"Saved", kAnchor, OrvixUI::AIRBLADDER_LEFT);
    ASSERT_NE(tip, nullptr);
    EXPECT_FALSE(tip->SetAirBladderMsg(L"Saved", kAnchor, OrvixUI::AIRBLADDER_LEFT,
                                       OrvixUI::AIRBLADDER_MODE_AUTO));
    for (auto changed : {std::make_tuple(L"Other", kAnchor, 0, 3),
                         std::make_tuple(L"Other", POINT{401, 300}, 0, 3),
                         std::make_tuple(L"Other", POINT{401, 300}, 2, 3),
                         std::make_tuple(L"Other", POINT{401, 300}, 2, 4)}) {
        auto [text, at, type, mode] = changed;
        EXPECT_TRUE(tip->SetAirBladderMsg(text, at, type, mode));
    }
}

TEST_F(AirBladderTest, HidesWhenItsTimerFiresAndComesBackForTheSameMessage) {
    MAirBladder* tip = Show(L"Saved", kAnchor, OrvixUI::AIRBLADDER_CENTER);
    ASSERT_TRUE(tip->IsWindowVisible());
    tip->SendMessageW(WM_TIMER, MAirBladder::kHideTimer, 0);
    EXPECT_FALSE(tip->IsWindowVisible());
    // The timer was stopped: killing it again finds nothing.
    EXPECT_FALSE(KillTimer(tip->GetSafeHwnd(), MAirBladder::kHideTimer));
    EXPECT_TRUE(tip->SetAirBladderMsg(L"Saved", kAnchor, OrvixUI::AIRBLADDER_CENTER,
                                      OrvixUI::AIRBLADDER_MODE_AUTO));
}

TEST_F(AirBladderTest, StaysWithoutTimerForTypeFour) {
    MAirBladder* tip = Show(L"Stays", kAnchor, OrvixUI::AIRBLADDER_STAY);
    EXPECT_FALSE(KillTimer(tip->GetSafeHwnd(), MAirBladder::kHideTimer));
    tip = Show(L"Goes", kAnchor, OrvixUI::AIRBLADDER_CENTER);
    EXPECT_TRUE(KillTimer(tip->GetSafeHwnd(), MAirBladder::kHideTimer));
}

struct Placement {
    int type;
    const char* name;
};

class AirBladderPlacement : public AirBladderTest,
                            public ::testing::WithParamInterface<Placement> {};

TEST_P(AirBladderPlacement, ArrowPointsAtTheAnchorFromBelow) {
    MAirBladder* tip = Show(L"Placed below its anchor", kAnchor, GetParam().type);
    RECT window;
    tip->GetWindowRect(&window);
    EXPECT_EQ(window.top, kAnchor.y);
    EXPECT_EQ(window.left + tip->GetArrowX(), kAnchor.x);
    const int width = window.right - window.left;
    const int expected[] = {MAirBladder::kArrowInset, width / 2, width - MAirBladder::kArrowInset};
    EXPECT_EQ(tip->GetArrowX(), expected[GetParam().type]);
}

INSTANTIATE_TEST_SUITE_P(Types, AirBladderPlacement,
                         ::testing::Values(Placement{0, "Left"}, Placement{1, "Centre"},
                                           Placement{2, "Right"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AirBladderTest, MoreLinesMakeATallerTip) {
    MAirBladder* tip = Show(L"One line", kAnchor, 1);
    RECT one;
    tip->GetWindowRect(&one);
    Show(L"One line\nTwo lines", kAnchor, 1);
    RECT two;
    tip->GetWindowRect(&two);
    EXPECT_GT(two.bottom - two.top, one.bottom - one.top);
}

TEST_F(AirBladderTest, HidingForAnotherOwnerKeepsTheTip) {
    MAirBladder* tip = Show(L"Owned", kAnchor, 1);
    manager().ShowAirBladder(TRUE, 42);
    manager().ShowAirBladder(FALSE, 7);
    EXPECT_TRUE(tip->IsWindowVisible());
    manager().ShowAirBladder(FALSE, 42);
    EXPECT_FALSE(tip->IsWindowVisible());
}

TEST(KeyboardTips, SitsAboveThePointAndIgnoresRepeats) {
    OrvixUI::CKeyboardTips tips;
    ASSERT_TRUE(tips.Create(nullptr));
    wchar_t title[32] = {};
    tips.GetWindowTextW(title, 32);
    EXPECT_STREQ(title, L"KeyboardTip Window");
    EXPECT_TRUE(tips.SetAirBladderMsg(L"Esc", L"Escape", L"", POINT{500, 400}));
    RECT window;
    tips.GetWindowRect(&window);
    EXPECT_EQ(window.left, 500 - 95);
    EXPECT_EQ(window.top, 400 - 100);
    EXPECT_EQ(window.right - window.left, 190);
    EXPECT_EQ(window.bottom - window.top, 100);
    EXPECT_FALSE(tips.SetAirBladderMsg(L"Esc", L"Escape", L"", POINT{500, 400}));
    EXPECT_TRUE(tips.IsWindowVisible());
    tips.StartHideTimer(1000);
    tips.SendMessageW(WM_TIMER, OrvixUI::CKeyboardTips::kHideTimer, 0);
    EXPECT_FALSE(tips.IsWindowVisible());
    EXPECT_TRUE(tips.SetAirBladderMsg(L"Esc", L"Escape", L"", POINT{500, 400}))
        << "a hidden tip comes back for the same texts";
    EXPECT_TRUE(tips.IsWindowVisible());
}

} // namespace
} // namespace toolkit_test
