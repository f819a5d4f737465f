#include "ToolkitFixture.h"

#include "toolkit/controls/CSpinButton.h"
#include "toolkit/controls/MRichEdit.h"
#include "toolkit/controls/MSpinButton.h"

namespace toolkit_test {
namespace {

using OrvixUI::MSpinButton;

// A horizontal spin field at (10, 10) - (130, 38): down arrow 10-38, up arrow 102-130.
struct SpinHost {
    SpinHost() {
        host.manager().EnableWndDrag(FALSE);
        spin = dynamic_cast<MSpinButton*>(host.manager().CreateControl(
            &host.recorder(), L"MSpinButton", 90, RECT{10, 10, 130, 38}, L"", TRUE, TRUE));
    }
    void Click(int x, int y) {
        host.Send(WM_MOUSEMOVE, 0, At(x, y));
        host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
        host.Send(WM_LBUTTONUP, 0, At(x, y));
    }
    void Type(std::initializer_list<UINT> keys) {
        for (UINT vk : keys) {
            host.Send(WM_KEYDOWN, vk, 0);
        }
    }
    size_t Changes() { return host.recorder().Take().size(); }
    HostWindow host;
    MSpinButton* spin = nullptr;
};

constexpr int kUpX = 116, kDownX = 24, kFieldX = 70, kY = 24;

TEST(SpinButton, ArrowsStepWithinTheRangeAndReportEachChange) {
    SpinHost s;
    ASSERT_NE(s.spin, nullptr);
    s.spin->SetRange(0, 2);
    s.Click(kUpX, kY);
    EXPECT_EQ(s.spin->GetCurValue(), 1);
    EXPECT_EQ(s.host.recorder().Take(), (std::vector<Note>{{90, 28, 0, 0}}));
    s.Click(kUpX, kY);
    s.Click(kUpX, kY);
    EXPECT_EQ(s.spin->GetCurValue(), 2);
    EXPECT_EQ(s.Changes(), 1u) << "no report when the value is held at the maximum";
    EXPECT_EQ(s.spin->GetUpState(), 1);
    s.Click(kDownX, kY);
    EXPECT_EQ(s.spin->GetCurValue(), 1);
    s.host.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), At(kFieldX, kY));
    EXPECT_EQ(s.spin->GetCurValue(), 0) << "a notch towards the user steps down";
    EXPECT_EQ(s.Changes(), 2u);
}

TEST(SpinButton, HoldingAnArrowRepeatsUntilTheRelease) {
    SpinHost s;
    ASSERT_NE(s.spin, nullptr);
    s.host.Send(WM_MOUSEMOVE, 0, At(kUpX, kY));
    s.host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(kUpX, kY));
    EXPECT_EQ(s.spin->GetCurValue(), 1);
    const UINT timer = s.host.manager().GetTimerID(s.spin, MSpinButton::kRepeatTimer);
    ASSERT_NE(timer, 0u);
    for (int tick = 0; tick < 3; ++tick) {
        s.host.Send(WM_TIMER, timer, 0);
    }
    EXPECT_EQ(s.spin->GetCurValue(), 4);
    EXPECT_EQ(s.Changes(), 4u);
    s.host.Send(WM_LBUTTONUP, 0, At(kUpX, kY));
    s.host.Send(WM_TIMER, timer, 0);
    EXPECT_EQ(s.spin->GetCurValue(), 4) << "the release stops the repeat";
    EXPECT_EQ(s.Changes(), 0u);
}

TEST(SpinButton, RangeAndValueClampsHold) {
    SpinHost s;
    ASSERT_NE(s.spin, nullptr);
    struct Case {
        int minimum, maximum, value, expected;
    };
    const Case cases[] = {
        {0, 10, 11, 10}, {0, 10, -1, 0}, {10, 5, 0, 5}, {10, 5, 99, 10}, {-5, -5, 3, -5},
    };
    for (const Case& c : cases) {
        s.spin->SetRange(c.minimum, c.maximum);
        EXPECT_EQ(s.spin->SetCurValue(c.value), c.expected);
        EXPECT_LE(s.spin->GetMinValue(), s.spin->GetMaxValue());
    }
    s.spin->SetRange(0, 100);
    s.spin->SetCurValue(80);
    s.spin->SetRange(0, 50);
    EXPECT_EQ(s.spin->GetCurValue(), 50) << "a narrower range pulls the value in";
    EXPECT_EQ(s.Changes(), 0u) << "values set by the program are not reported";
}

TEST(SpinButton, TypedDigitsAreTakenOnEnterOrWhenTheFocusLeaves) {
    SpinHost s;
    ASSERT_NE(s.spin, nullptr);
    s.spin->SetRange(5, 500);
    s.spin->SetLimitLength(3);
    s.Click(kFieldX, kY);
    EXPECT_TRUE(s.spin->IsFocused());
    s.Type({'1', '2', VK_NUMPAD3, '4'});
    EXPECT_STREQ(s.spin->GetEditText(), L"123") << "at most three digits";
    EXPECT_EQ(s.spin->GetCurValue(), 5) << "not taken before Enter";
    s.Type({VK_BACK, VK_RETURN});
    EXPECT_EQ(s.spin->GetCurValue(), 12);
    EXPECT_EQ(s.Changes(), 1u);
    s.Type({'9', '9', '9', VK_RETURN});
    EXPECT_EQ(s.spin->GetCurValue(), 500) << "clamped to the maximum";
    s.Type({'1', VK_ESCAPE, VK_RETURN});
    EXPECT_EQ(s.spin->GetCurValue(), 500) << "Escape drops the typed text";
    s.Type({'7'});
    s.host.Send(WM_MOUSEMOVE, 0, At(300, 250));
    s.host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(300, 250));
    EXPECT_EQ(s.spin->GetCurValue(), 7) << "leaving the field takes the text";
    EXPECT_EQ(s.Changes(), 2u);
    s.Type({'8', VK_UP});
    EXPECT_EQ(s.spin->GetCurValue(), 7) << "keys reach the field only while it has the focus";
}

TEST(SpinButton, TenDigitsCannotOverflow) {
    SpinHost s;
    ASSERT_NE(s.spin, nullptr);
    s.spin->SetRange(-2147483647 - 1, 2147483647);
    s.spin->SetLimitLength(99);
    s.Click(kFieldX, kY);
    s.Type({'9', '9', '9', '9', '9', '9', '9', '9', '9', '9', '9', VK_RETURN});
    EXPECT_EQ(s.spin->GetCurValue(), 2147483647);
    s.Type({VK_UP});
    EXPECT_EQ(s.spin->GetCurValue(), 2147483647) << "stepping past the end does not wrap";
    s.spin->SetCurValue(-2147483647 - 1);
    s.Type({VK_DOWN});
    EXPECT_EQ(s.spin->GetCurValue(), -2147483647 - 1);
}

TEST(SpinButton, DisabledFieldsIgnoreInput) {
    SpinHost s;
    ASSERT_NE(s.spin, nullptr);
    s.spin->SetEnabled(FALSE);
    EXPECT_EQ(s.spin->GetUpState(), 3);
    s.Click(kUpX, kY);
    s.host.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), At(kFieldX, kY));
    EXPECT_EQ(s.spin->GetCurValue(), 0);
    EXPECT_EQ(s.Changes(), 0u);
}

TEST(SpinButton, FormFieldStacksItsArrowsAtTheRight) {
    HostWindow host;
    auto* spin = dynamic_cast<OrvixUI::CSpinButton*>(host.manager().CreateControl(
        &host.recorder(), L"CSpinButton", 91, RECT{10, 10, 110, 40}, L"", TRUE, TRUE));
    ASSERT_NE(spin, nullptr);
    spin->SetRange(0, 10);
    host.Send(WM_MOUSEMOVE, 0, At(100, 15));
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(100, 15));
    host.Send(WM_LBUTTONUP, 0, At(100, 15));
    EXPECT_EQ(spin->GetCurValue(), 1) << "upper half: up";
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(100, 35));
    host.Send(WM_LBUTTONUP, 0, At(100, 35));
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(100, 35));
    host.Send(WM_LBUTTONUP, 0, At(100, 35));
    EXPECT_EQ(spin->GetCurValue(), 0) << "lower half: down, held at the minimum";
    EXPECT_EQ(host.recorder().Take().size(), 2u);
}

// The form field on the rich edit at (10, 10) - (110, 40): arrows in x 92 ... 110.
struct FormSpin {
    FormSpin() {
        spin = dynamic_cast<OrvixUI::CSpinButton*>(host.manager().CreateControl(
            &host.recorder(), L"CSpinButton", 92, RECT{10, 10, 110, 40}, L"", TRUE, TRUE));
    }
    // Focuses the field and selects its text, as a user about to type over it.
    void Focus() {
        host.Send(WM_MOUSEMOVE, 0, At(40, 25));
        host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(40, 25));
        host.Send(WM_LBUTTONUP, 0, At(40, 25));
        spin->SetSelAll();
    }
    void Type(const wchar_t* keys) {
        for (const wchar_t* key = keys; *key; ++key) {
            host.Send(WM_CHAR, static_cast<WPARAM>(*key), 0);
        }
    }
    void Key(UINT vk) { host.Send(WM_KEYDOWN, vk, 0); }
    size_t Changes() {
        size_t count = 0;
        for (const Note& note : host.recorder().Take()) {
            EXPECT_EQ(note.code, 28u) << "the field reports value changes only";
            ++count;
        }
        return count;
    }
    HostWindow host;
    OrvixUI::CSpinButton* spin = nullptr;
};

TEST(SpinButton, FormFieldIsARichEditShowingItsValue) {
    FormSpin f;
    ASSERT_NE(f.spin, nullptr);
    EXPECT_NE(dynamic_cast<OrvixUI::MRichEdit*>(f.spin), nullptr);
    f.spin->SetRange(100, 16000);
    EXPECT_EQ(f.spin->SetCurValue(1600), 1600);
    EXPECT_STREQ(f.spin->GetTitle(), L"1600");
    f.host.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), At(40, 25));
    EXPECT_EQ(f.spin->GetCurValue(), 1601);
    EXPECT_STREQ(f.spin->GetTitle(), L"1601");
    EXPECT_EQ(f.Changes(), 1u);
    f.spin->SetRange(0, 50);
    EXPECT_STREQ(f.spin->GetTitle(), L"50") << "a narrower range pulls the value in";
    EXPECT_EQ(f.Changes(), 0u);
}

TEST(SpinButton, FormFieldTakesTypedDigitsOnEnterOrWhenTheFocusLeaves) {
    FormSpin f;
    ASSERT_NE(f.spin, nullptr);
    if (!f.spin->IsTextServicesReady()) {
        GTEST_SKIP() << "no windowless text services on this system";
    }
    f.spin->SetRange(5, 500);
    f.Focus();
    ASSERT_TRUE(f.spin->IsFocused());
    f.host.recorder().Take();
    f.Type(L"12x-3");
    EXPECT_STREQ(f.spin->GetTitle(), L"123") << "letters, and a minus without negatives, refused";
    EXPECT_EQ(f.spin->GetCurValue(), 5) << "not taken before Enter";
    EXPECT_EQ(f.Changes(), 0u) << "typing alone reports nothing";
    f.Key(VK_RETURN);
    EXPECT_EQ(f.spin->GetCurValue(), 123);
    EXPECT_EQ(f.Changes(), 1u);

    f.spin->SetSelAll();
    f.Type(L"9999");
    f.Key(VK_RETURN);
    EXPECT_EQ(f.spin->GetCurValue(), 500) << "clamped to the maximum";
    EXPECT_STREQ(f.spin->GetTitle(), L"500");
    f.spin->SetSelAll();
    f.Type(L"7");
    f.Key(VK_ESCAPE);
    EXPECT_STREQ(f.spin->GetTitle(), L"500") << "Escape drops the typed text";
    f.Key(VK_RETURN);
    EXPECT_EQ(f.spin->GetCurValue(), 500);
    EXPECT_EQ(f.Changes(), 1u);
    f.Key(VK_DOWN);
    EXPECT_EQ(f.spin->GetCurValue(), 499);
    EXPECT_EQ(f.Changes(), 1u);

    f.spin->SetSelAll();
    f.Type(L"42");
    f.host.Send(WM_MOUSEMOVE, 0, At(300, 250));
    f.host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(300, 250));
    EXPECT_FALSE(f.spin->IsFocused());
    EXPECT_EQ(f.spin->GetCurValue(), 42) << "leaving the field takes the text";
    EXPECT_EQ(f.Changes(), 1u);
}

TEST(SpinButton, FormFieldDigitsCannotOverflow) {
    FormSpin f;
    ASSERT_NE(f.spin, nullptr);
    if (!f.spin->IsTextServicesReady()) {
        GTEST_SKIP() << "no windowless text services on this system";
    }
    f.spin->SetRange(-2147483647 - 1, 2147483647);
    f.Focus();
    f.Type(L"99999999999999");
    f.Key(VK_RETURN);
    EXPECT_EQ(f.spin->GetCurValue(), 2147483647);
    f.Key(VK_UP);
    EXPECT_EQ(f.spin->GetCurValue(), 2147483647) << "stepping past the end does not wrap";
    f.spin->SetSelAll();
    f.Type(L"-99999999999");
    f.Key(VK_RETURN);
    EXPECT_EQ(f.spin->GetCurValue(), -2147483647 - 1);
    f.spin->SetTitle(L"123456789012345678901234567890");
    f.Key(VK_RETURN);
    EXPECT_EQ(f.spin->GetCurValue(), 2147483647) << "a long text is cut, then clamped";
}

} // namespace
} // namespace toolkit_test
