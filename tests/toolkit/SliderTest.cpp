#include "ToolkitFixture.h"

#include "toolkit/controls/MLevelCtrl.h"
#include "toolkit/controls/MProgress.h"
#include "toolkit/controls/MSlider.h"

namespace toolkit_test {
namespace {

using OrvixUI::MSlider;

constexpr UINT kId = 75;
// 200 pixels wide with the 36-pixel default thumb: 164 pixels of free track.
const RECT kSliderRect = {10, 10, 210, 54};
// Below the thumb (which is 36 high) but on the control: a press there is on the track.
constexpr int kTrackY = 50;

class Slider : public ::testing::Test {
protected:
    MSlider* Make(int minimum, int maximum, int value, const RECT& rect = kSliderRect) {
        auto* slider = static_cast<MSlider*>(
            host.manager().CreateControl(&host.recorder(), L"MSlider", kId, rect, L"", TRUE, TRUE));
        slider->SetMinProgress(minimum);
        slider->SetMaxProgress(maximum);
        slider->SetProgress(value);
        return slider;
    }
    void Click(int x, int y) {
        host.Send(WM_MOUSEMOVE, 0, At(x, y));
        host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
        host.Send(WM_LBUTTONUP, 0, At(x, y));
    }
    void Wheel(int x, int y, int delta) {
        POINT screen = {x, y};
        ClientToScreen(host.hwnd(), &screen);
        host.Send(WM_MOUSEMOVE, 0, At(x, y));
        host.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, delta), At(screen.x, screen.y));
    }
    HostWindow host;
};

TEST_F(Slider, ClickOnTheTrackTakesTheValueUnderThePointer) {
    // value = minimum + (x − left) × (maximum − minimum + 1) / (width − thumb), clamped.
    struct Case {
        int minimum, maximum, x;
        int expected;
    };
    const Case cases[] = {
        {0, 10, 60, 3},     // 50 × 11 / 164 = 3
        {0, 10, 100, 6},    // 90 × 11 / 164 = 6
        {0, 10, 173, 10},   // 163 × 11 / 164 = 10
        {0, 10, 174, 10},   // 164 × 11 / 164 = 11, clamped
        {0, 10, 209, 10},   // the far end
        {1, 4, 133, 4},     // 1 + 123 × 4 / 164 = 4
        {1, 4, 100, 3},     // 1 + 90 × 4 / 164 = 3
        {0, 255, 120, 171}, // 110 × 256 / 164 = 171
    };
    for (const Case& c : cases) {
        MSlider* slider = Make(c.minimum, c.maximum, c.minimum);
        host.recorder().Take();
        Click(c.x, kTrackY);
        EXPECT_EQ(slider->GetProgress(), c.expected) << "x " << c.x;
        EXPECT_EQ(slider->ValueAt(c.x), c.expected) << "x " << c.x;
        std::vector<Note> expected = {{kId, 8, static_cast<WPARAM>(c.expected), 0}, {kId, 2, 0, 0}};
        EXPECT_EQ(host.recorder().Take(), expected) << "x " << c.x;
        host.manager().RemoveControl(slider);
    }
}

TEST_F(Slider, SetProgressClampsToTheRangeAndIgnoresNegativeValues) {
    MSlider* slider = Make(0, 10, 0);
    struct Case {
        int value, expected;
    };
    const Case cases[] = {{11, 10}, {-1, 10}, {5, 5}, {5, 5}, {0, 0}, {1000, 10}};
    for (const Case& c : cases) {
        EXPECT_EQ(slider->SetProgress(c.value), c.expected) << c.value;
        EXPECT_EQ(slider->GetProgress(), c.expected) << c.value;
    }
    slider->SetProgress(0);
    slider->SetMinProgress(3);
    EXPECT_EQ(slider->GetProgress(), 3) << "a raised minimum pulls the value up";
    EXPECT_EQ(slider->SetProgress(1), 3);
    slider->SetMaxProgress(2);
    EXPECT_EQ(slider->GetProgress(), 3) << "an empty range leaves the value alone";
    EXPECT_TRUE(host.recorder().Take().empty()) << "setting the value by code notifies nothing";
}

TEST_F(Slider, ThumbFollowsTheValue) {
    MSlider* slider = Make(0, 10, 0);
    struct Case {
        int value, left;
    };
    // The thumb's left edge: 164 × value / 10 from the control's left.
    for (const Case& c : {Case{0, 10}, Case{5, 92}, Case{10, 174}}) {
        slider->SetProgress(c.value);
        EXPECT_EQ(slider->GetThumbRect().left, c.left) << c.value;
        EXPECT_EQ(slider->GetThumbRect().right - slider->GetThumbRect().left, 36);
    }
}

TEST_F(Slider, DraggingTheThumbReportsEachNewValueThenTheRelease) {
    MSlider* slider = Make(0, 10, 0);
    host.Send(WM_MOUSEMOVE, 0, At(20, 20));
    EXPECT_EQ(slider->GetState(), 1) << "hovering the thumb";
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
    EXPECT_EQ(slider->GetState(), 2);
    EXPECT_EQ(slider->GetProgress(), 0) << "a press on the thumb does not move it";
    host.Send(WM_MOUSEMOVE, MK_LBUTTON, At(40, 20));   // 30 × 11 / 164 = 2
    host.Send(WM_MOUSEMOVE, MK_LBUTTON, At(42, 20));   // still 2: no report
    host.Send(WM_MOUSEMOVE, MK_LBUTTON, At(100, 20));  // 6
    host.Send(WM_MOUSEMOVE, MK_LBUTTON, At(390, 200)); // far outside: clamped to 10
    host.Send(WM_MOUSEMOVE, MK_LBUTTON, At(0, 200));   // left of the control: 0
    host.Send(WM_LBUTTONUP, 0, At(0, 200));
    const std::vector<Note> expected = {
        {kId, 8, 2, 0}, {kId, 8, 6, 0}, {kId, 8, 10, 0}, {kId, 8, 0, 0}, {kId, 2, 0, 0},
    };
    EXPECT_EQ(host.recorder().Take(), expected);
    EXPECT_EQ(slider->GetState(), 0);
}

TEST_F(Slider, PressOnTheTrackUnderTheNewThumbKeepsDragging) {
    MSlider* slider = Make(0, 10, 0);
    host.Send(WM_MOUSEMOVE, 0, At(150, 20));
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(150, 20)); // 140 × 11 / 164 = 9, thumb 157..193
    EXPECT_EQ(slider->GetProgress(), 9);
    EXPECT_EQ(slider->GetState(), 0) << "the moved thumb is not under the pointer";
    host.Send(WM_LBUTTONUP, 0, At(150, 20));
    host.recorder().Take();

    host.Send(WM_MOUSEMOVE, 0, At(60, 20));
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(60, 20)); // 50 × 11 / 164 = 3, thumb 59..95
    EXPECT_EQ(slider->GetState(), 2);
    host.Send(WM_MOUSEMOVE, MK_LBUTTON, At(100, 20));
    host.Send(WM_LBUTTONUP, 0, At(100, 20));
    const std::vector<Note> expected = {{kId, 8, 3, 0}, {kId, 8, 6, 0}, {kId, 2, 0, 0}};
    EXPECT_EQ(host.recorder().Take(), expected);
}

TEST_F(Slider, WheelStepsByOneWithinTheRange) {
    MSlider* slider = Make(0, 10, 0);
    Wheel(100, 20, -WHEEL_DELTA);
    EXPECT_EQ(slider->GetProgress(), 0);
    EXPECT_TRUE(host.recorder().Take().empty()) << "at the minimum, a notch down does nothing";
    Wheel(100, 20, 2 * WHEEL_DELTA);
    EXPECT_EQ(slider->GetProgress(), 2);
    const std::vector<Note> expected = {{kId, 2, 0, 0}, {kId, 2, 0, 0}};
    EXPECT_EQ(host.recorder().Take(), expected);
}

TEST_F(Slider, DisabledSliderIgnoresClicksDragsAndTheWheel) {
    MSlider* slider = Make(0, 10, 4);
    slider->SetEnabled(FALSE);
    host.recorder().Take();
    Click(150, kTrackY);
    host.Send(WM_MOUSEMOVE, 0, At(80, 20));
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(80, 20));
    host.Send(WM_MOUSEMOVE, MK_LBUTTON, At(180, 20));
    host.Send(WM_LBUTTONUP, 0, At(180, 20));
    Wheel(100, 20, WHEEL_DELTA);
    EXPECT_EQ(slider->GetProgress(), 4);
    EXPECT_EQ(slider->GetState(), 0);
    EXPECT_TRUE(host.recorder().Take().empty());
}

TEST_F(Slider, EmptyRangeOrNoFreeTrackLeavesTheValueAlone) {
    // The value mapping divides by the free track and the thumb by the range: neither may be 0.
    struct Case {
        const char* what;
        int minimum, maximum;
        RECT rect;
    };
    const Case cases[] = {
        {"width equals the thumb", 0, 10, RECT{10, 10, 46, 54}},
        {"narrower than the thumb", 0, 10, RECT{10, 10, 30, 54}},
        {"maximum equals minimum", 4, 4, kSliderRect},
        {"maximum below minimum", 8, 2, kSliderRect},
    };
    for (const Case& c : cases) {
        MSlider* slider = Make(c.minimum, c.maximum, c.minimum, c.rect);
        const int before = slider->GetProgress();
        host.recorder().Take();
        Click(c.rect.right - 2, kTrackY);
        host.Send(WM_MOUSEMOVE, 0, At(c.rect.left + 1, 20));
        host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(c.rect.left + 1, 20));
        host.Send(WM_MOUSEMOVE, MK_LBUTTON, At(300, 20));
        host.Send(WM_LBUTTONUP, 0, At(300, 20));
        EXPECT_EQ(slider->GetProgress(), before) << c.what;
        EXPECT_EQ(slider->GetThumbRect().left, c.rect.left) << c.what;
        for (const Note& note : host.recorder().Take()) {
            EXPECT_NE(note.code, 8u) << c.what << ": no value change is reported";
        }
        // The wheel divides by nothing: it still steps a range that has room.
        Wheel(c.rect.left + 2, 20, WHEEL_DELTA);
        EXPECT_EQ(slider->GetProgress() != before, c.maximum > c.minimum) << c.what;
        EXPECT_EQ(slider->GetThumbRect().left, c.rect.left) << c.what;
        PixelBuffer buffer(400, 300);
        host.manager().PaintBuffer(buffer.dc(), buffer.bits(), 400, 300, RECT{0, 0, 400, 300});
        host.manager().RemoveControl(slider);
    }
}

TEST(ProgressBar, ProgressIsClampedToZeroAndTheMaximum) {
    HostWindow host;
    auto* bar = static_cast<OrvixUI::MProgress*>(host.manager().CreateControl(
        &host.recorder(), L"MProgress", 9, RECT{10, 10, 210, 22}, L"", TRUE, TRUE));
    bar->SetMaxProgress(10);
    struct Case {
        int value, expected, doneWidth;
    };
    for (const Case& c : {Case{11, 10, 200}, Case{-3, 0, 0}, Case{5, 5, 100}, Case{10, 10, 200}}) {
        EXPECT_EQ(bar->SetProgress(c.value), c.expected) << c.value;
        EXPECT_EQ(bar->GetProgress(), c.expected) << c.value;
        EXPECT_EQ(bar->GetDoneWidth(), c.doneWidth) << c.value;
    }
    bar->SetMaxProgress(4);
    EXPECT_EQ(bar->GetProgress(), 4) << "a lower maximum pulls the progress down";
    bar->SetMaxProgress(0);
    EXPECT_EQ(bar->GetMaxProgress(), 1) << "a zero maximum would divide by zero";
    EXPECT_EQ(bar->GetDoneWidth(), 200);
}

TEST(ProgressBar, RunningCyclesTheFrontFramesAndAZeroFrameCountHoldsStill) {
    HostWindow host;
    auto* bar = static_cast<OrvixUI::MProgress*>(host.manager().CreateControl(
        &host.recorder(), L"MProgress", 9, RECT{10, 10, 210, 22}, L"", TRUE, TRUE));
    bar->SetProgress(50);
    ASSERT_TRUE(bar->SetForeGroundImage(L"img_progress_front.png", 4));
    bar->SetRun(TRUE);
    std::vector<int> frames;
    for (int i = 0; i < 5; ++i) {
        bar->OnTimer();
        frames.push_back(bar->GetFrame());
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 0, 1}));

    ASSERT_TRUE(bar->SetForeGroundImage(L"img_progress_front.png", 0));
    bar->OnTimer();
    bar->OnTimer();
    EXPECT_EQ(bar->GetFrame(), 0);
    PixelBuffer buffer(400, 300);
    host.manager().PaintBuffer(buffer.dc(), buffer.bits(), 400, 300, RECT{0, 0, 400, 300});
    bar->SetRun(FALSE);
    bar->OnTimer();
    EXPECT_EQ(bar->GetFrame(), 0);
}

TEST(LevelBar, LevelStaysWithinTheRange) {
    HostWindow host;
    auto* level = static_cast<OrvixUI::MLevelCtrl*>(host.manager().CreateControl(
        &host.recorder(), L"MLevelCtrl", 9, RECT{10, 10, 210, 30}, L"", TRUE, TRUE));
    level->SetRangeValue(5);
    level->SetLevelValue(7);
    EXPECT_EQ(level->GetLevelValue(), 5);
    level->SetLevelValue(-2);
    EXPECT_EQ(level->GetLevelValue(), 0);
    level->SetLevelValue(4);
    level->SetRangeValue(0);
    EXPECT_EQ(level->GetRangeValue(), 1);
    EXPECT_EQ(level->GetLevelValue(), 1);
    const RECT only = level->GetSegmentRect(0);
    EXPECT_EQ(only.left, 10);
    EXPECT_EQ(only.right, 210);
}

} // namespace
} // namespace toolkit_test
