#include "ToolkitFixture.h"

#include "toolkit/core/MPanel.h"

#include <functional>

namespace toolkit_test {
namespace {

using OrvixUI::PaintManager;

void SetModifiers(bool ctrl) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    keys[VK_SHIFT] = 0;
    keys[VK_MENU] = 0;
    SetKeyboardState(keys);
}

// B (id 20, enabled) at x 10..110 and D (id 30, disabled) at x 60..160, both y 10..60; D comes
// later in the list, so it would be the one hit in the overlap were it enabled.
class DisabledRouting : public ::testing::Test {
protected:
    void SetUp() override {
        b = host.AddProbe(20, RECT{10, 10, 110, 60});
        d = host.AddProbe(30, RECT{60, 10, 160, 60});
        d->SetEnabled(FALSE);
        host.recorder().Take();
    }
    HostWindow host;
    Probe* b = nullptr;
    Probe* d = nullptr;
};

// The pointer around B and D, the same wherever the two are placed.
const std::vector<Step> kPassThroughSteps = {
    {"move over D alone", WM_MOUSEMOVE, 0, 140, 30, {}},
    {"press D", WM_LBUTTONDOWN, MK_LBUTTON, 140, 30, {}},
    {"release D", WM_LBUTTONUP, 0, 140, 30, {}},
    {"double click D", WM_LBUTTONDBLCLK, MK_LBUTTON, 140, 30, {}},
    {"release after it", WM_LBUTTONUP, 0, 140, 30, {}},
    {"into the overlap: B lies beneath", WM_MOUSEMOVE, 0, 80, 30, {{20, kEnter, 0, 0}}},
    {"press there reaches B", WM_LBUTTONDOWN, MK_LBUTTON, 80, 30, {{20, 1, 0, 0}}},
    {"release: B's click", WM_LBUTTONUP, 0, 80, 30, {{20, 2, 0, 0}}},
};

TEST_F(DisabledRouting, PointerAndPressesPassThroughToWhatLiesBeneath) {
    host.manager().EnableWndDrag(FALSE);
    RunSteps(host, kPassThroughSteps);
    EXPECT_FALSE(d->Hovered());
    EXPECT_EQ(host.manager().GetHoverControl(), b);
}

TEST_F(DisabledRouting, HotKeysOfDisabledControlsAreNotTaken) {
    d->SetHotKey('H', 17);
    Probe* c = host.AddProbe(40, RECT{300, 10, 350, 50});
    c->SetNotifyKeyDown(TRUE);
    SetModifiers(true);
    host.Send(WM_KEYDOWN, 'H', 0);
    SetModifiers(false);
    EXPECT_EQ(host.recorder().Take(), (std::vector<Note>{{40, 14, 'H', 17}}))
        << "the key went on past the disabled control";
}

// Presses B, disables it while held and releases over it; what the release reported.
std::vector<Note> ReleaseAfterDisabling(HostWindow& host, Probe* b) {
    host.Send(WM_MOUSEMOVE, 0, At(30, 30));
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(30, 30));
    host.recorder().Take();
    b->SetEnabled(FALSE);
    host.Send(WM_LBUTTONUP, 0, At(30, 30));
    return host.recorder().Take();
}

TEST_F(DisabledRouting, ControlDisabledDuringItsPressIsReleasedWithoutAClick) {
    EXPECT_TRUE(ReleaseAfterDisabling(host, b).empty());
    EXPECT_EQ(host.manager().GetPressedControl(), nullptr);
    EXPECT_NE(GetCapture(), host.hwnd()) << "the press ended";
}

// The same B and D as children of a panel that covers them: the panel routes to its children
// as the window routes to its controls.
class DisabledChildRouting : public ::testing::Test {
protected:
    void SetUp() override {
        panel = new OrvixUI::MPanel(&host.recorder(), 50, RECT{0, 0, 300, 200}, TRUE, TRUE);
        host.manager().AddControl(panel);
        b = new Probe(panel, 20, RECT{10, 10, 110, 60});
        d = new Probe(panel, 30, RECT{60, 10, 160, 60});
        panel->AddControl(b);
        panel->AddControl(d);
        d->SetEnabled(FALSE);
        host.recorder().Take();
    }
    HostWindow host;
    OrvixUI::MPanel* panel = nullptr;
    Probe* b = nullptr;
    Probe* d = nullptr;
};

TEST_F(DisabledChildRouting, PointerAndPressesPassThroughToWhatLiesBeneath) {
    RunSteps(host, kPassThroughSteps);
    EXPECT_FALSE(d->Hovered());
    EXPECT_EQ(panel->GetHotControl(), b);
}

TEST_F(DisabledChildRouting, ChildDisabledDuringItsPressIsReleasedWithoutAClick) {
    EXPECT_TRUE(ReleaseAfterDisabling(host, b).empty());
}

// A top-level window of this thread that takes the activation when shown, as a popup or an
// in-place editor does; it can also take the mouse capture.
class Popup {
public:
    explicit Popup(bool takeCapture) {
        m_hwnd =
            CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"popup", WS_POPUP | WS_VISIBLE, 500, 400,
                            120, 80, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetActiveWindow(m_hwnd);
        if (takeCapture) {
            SetCapture(m_hwnd);
        }
    }
    ~Popup() { DestroyWindow(m_hwnd); }
    HWND hwnd() const { return m_hwnd; }

private:
    HWND m_hwnd = nullptr;
};

// A probe that runs an action when its press arrives, or when it gains the focus.
class ActingProbe : public Probe {
public:
    using Probe::Probe;
    std::function<void()> onPress;
    std::function<void()> onFocus;

protected:
    BOOL OnControlLButtonDown(UINT flags, POINT point) override {
        BOOL result = Probe::OnControlLButtonDown(flags, point);
        if (onPress) {
            onPress();
        }
        return result;
    }
    void SetControlFocus(BOOL focus) override {
        Probe::SetControlFocus(focus);
        if (focus && onFocus) {
            onFocus();
        }
    }
};

class PopupRouting : public ::testing::Test {
protected:
    void SetUp() override {
        probe = new ActingProbe(&host.recorder(), 20, RECT{10, 10, 110, 60});
        host.manager().AddControl(probe);
        SetActiveWindow(host.hwnd());
        ASSERT_EQ(GetActiveWindow(), host.hwnd());
        host.Send(WM_MOUSEMOVE, 0, At(30, 30));
        host.recorder().Take();
    }
    void MakeLayered() {
        SetWindowLongPtrW(host.hwnd(), GWL_EXSTYLE,
                          GetWindowLongPtrW(host.hwnd(), GWL_EXSTYLE) | WS_EX_LAYERED);
        host.manager().SetLayeredWindow(TRUE);
    }
    HostWindow host;
    ActingProbe* probe = nullptr;
    std::unique_ptr<Popup> popup;
};

TEST_F(PopupRouting, FocusThatOpensAPopupDoesNotLoseThePress) {
    probe->onFocus = [this] { popup = std::make_unique<Popup>(false); };
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(30, 30));
    ASSERT_NE(GetActiveWindow(), host.hwnd()) << "the popup took the activation";
    EXPECT_EQ(host.recorder().Take(), (std::vector<Note>{{20, 1, 0, 0}}));
    host.Send(WM_LBUTTONUP, 0, At(30, 30));
    EXPECT_EQ(host.recorder().Take(), (std::vector<Note>{{20, 2, 0, 0}}));
}

// The window keeps the capture while the popup is active, so the release comes to it and
// completes the click.
TEST_F(PopupRouting, InALayeredWindowThePressThatOpensAPopupStillClicks) {
    MakeLayered();
    probe->onPress = [this] { popup = std::make_unique<Popup>(false); };
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(30, 30));
    ASSERT_NE(GetActiveWindow(), host.hwnd()) << "the popup took the activation";
    EXPECT_EQ(GetCapture(), host.hwnd());
    EXPECT_EQ(host.manager().GetPressedControl(), probe);
    host.Send(WM_MOUSEMOVE, MK_LBUTTON, At(40, 35));
    host.Send(WM_LBUTTONUP, 0, At(40, 35));
    EXPECT_EQ(host.recorder().Take(), (std::vector<Note>{{20, 1, 0, 0}, {20, 2, 0, 0}}));
    EXPECT_EQ(host.manager().GetPressedControl(), nullptr);
    EXPECT_NE(GetCapture(), host.hwnd());
}

// A popup that takes the mouse as well takes the release: the press ends at once, outside the
// control, and a release that still arrives later is no click.
TEST_F(PopupRouting, APopupThatTakesTheCaptureEndsThePressWithoutAClick) {
    MakeLayered();
    probe->onPress = [this] { popup = std::make_unique<Popup>(true); };
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(30, 30));
    EXPECT_EQ(GetCapture(), popup->hwnd());
    EXPECT_EQ(host.manager().GetPressedControl(), nullptr);
    EXPECT_FALSE(host.manager().IsCaptured());
    host.Send(WM_LBUTTONUP, 0, At(30, 30));
    EXPECT_EQ(host.recorder().Take(), (std::vector<Note>{{20, 1, 0, 0}}));
}

} // namespace
} // namespace toolkit_test
