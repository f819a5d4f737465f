#include "ToolkitFixture.h"

#include "toolkit/controls/CTimerButton.h"

namespace toolkit_test {
namespace {

// A countdown whose clock the test sets; its ticks are driven by calling the timer entry the
// shared animation timer calls.
class ClockedTimerButton : public OrvixUI::CTimerButton {
public:
    ClockedTimerButton(OrvixUI::MObject* parent, UINT id)
        : CTimerButton(parent, id, RECT{10, 10, 130, 40}, L"Apply", TRUE, TRUE) {}
    ULONGLONG now = 1000;
    using CTimerButton::ShownTitle;

protected:
    ULONGLONG Now() const override { return now; }
};

struct TimerHost {
    TimerHost() {
        host.manager().EnableWndDrag(FALSE);
        button = new ClockedTimerButton(&host.recorder(), 80);
        host.manager().AddControl(button);
    }
    HostWindow host;
    ClockedTimerButton* button;
};

TEST(TimerButton, CountsDownAndReportsOnceWhenTheTimeIsUp) {
    TimerHost t;
    t.button->SetRun(TRUE);
    ASSERT_TRUE(t.button->IsRun());
    EXPECT_TRUE(t.button->IsRunTimer()) << "runs on the shared animation timer";
    struct Tick {
        ULONGLONG at;
        const wchar_t* title;
        std::vector<Note> notes;
    };
    const Tick ticks[] = {
        {1500, L"Apply(10s)", {}}, {2999, L"Apply(9s)", {}},           {10999, L"Apply(1s)", {}},
        {11000, L"Apply(0s)", {}}, {11001, L"Apply", {{80, 2, 0, 0}}}, {12000, L"Apply", {}},
        {30000, L"Apply", {}},
    };
    for (const Tick& tick : ticks) {
        t.button->now = tick.at;
        t.button->OnTimer();
        EXPECT_EQ(t.button->ShownTitle(), tick.title) << "at " << tick.at;
        EXPECT_EQ(t.host.recorder().Take(), tick.notes) << "at " << tick.at;
    }
    EXPECT_FALSE(t.button->IsRun());
    EXPECT_FALSE(t.button->IsRunTimer());
}

TEST(TimerButton, AClickStopsTheRunAndTheTimerStaysQuiet) {
    TimerHost t;
    t.button->SetRun(TRUE);
    t.button->now = 4000;
    t.button->OnTimer();
    t.host.Send(WM_MOUSEMOVE, 0, At(50, 20));
    t.host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(50, 20));
    t.host.Send(WM_LBUTTONUP, 0, At(50, 20));
    EXPECT_EQ(t.host.recorder().Take(), (std::vector<Note>{{80, 1, 0, 0}, {80, 2, 0, 0}}));
    EXPECT_FALSE(t.button->IsRun());
    t.button->now = 20000;
    t.button->OnTimer();
    EXPECT_TRUE(t.host.recorder().Take().empty()) << "the run was already reported by the click";
}

TEST(TimerButton, StartsOnlyWhileEnabledAndStopsQuietly) {
    TimerHost t;
    t.button->SetEnabled(FALSE);
    t.button->SetRun(TRUE);
    EXPECT_FALSE(t.button->IsRun());
    t.button->SetEnabled(TRUE);
    t.button->SetRun(TRUE);
    t.button->SetRun(TRUE);
    t.button->SetRun(FALSE);
    EXPECT_FALSE(t.button->IsRun());
    EXPECT_EQ(t.button->GetSecondsLeft(), 0);
    t.button->now = 50000;
    t.button->OnTimer();
    EXPECT_TRUE(t.host.recorder().Take().empty());
}

TEST(TimerButton, AClockThatGoesBackShowsTheFullTime) {
    TimerHost t;
    t.button->now = 5000;
    t.button->SetRun(TRUE);
    t.button->now = 100;
    t.button->OnTimer();
    EXPECT_EQ(t.button->GetSecondsLeft(), 10);
    EXPECT_TRUE(t.button->IsRun());
}

} // namespace
} // namespace toolkit_test
