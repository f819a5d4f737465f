#include "ToolkitFixture.h"

#include "toolkit/controls/CCheckButton.h"
#include "toolkit/controls/CColorButton.h"
#include "toolkit/controls/CIconButton.h"
#include "toolkit/controls/CImageButton.h"
#include "toolkit/controls/CRadioButton.h"
#include "toolkit/controls/CSwitchButton.h"
#include "toolkit/controls/DPIControl.h"
#include "toolkit/core/CKeyboardTips.h"
#include "toolkit/core/MAirBladder.h"
#include "toolkit/core/MPanel.h"

#include <functional>
#include <string>

namespace toolkit_test {
namespace {

using OrvixUI::CCheckButton;
using OrvixUI::CColorButton;
using OrvixUI::CIconButton;
using OrvixUI::CRadioButton;
using OrvixUI::CSwitchButton;
using OrvixUI::DPIControl;
using OrvixUI::MButton;
using OrvixUI::MControl;

// Every control of these tables sits at (10, 10) - (130, 40).
constexpr int kInX = 60, kInY = 25, kOutX = 300, kOutY = 200;

enum class Do { Move, MoveOut, Down, Up, UpOut, Leave, Key };

struct Step {
    Do action;
    UINT vk;
    int state;
    std::vector<Note> notes;
};

std::string Narrow(const wchar_t* text) {
    std::string narrow;
    for (; *text; ++text) {
        narrow += static_cast<char>(*text);
    }
    return narrow;
}

std::string Name(Do action) {
    const char* names[] = {"move", "move out", "down", "up", "up out", "leave", "key"};
    return names[static_cast<int>(action)];
}

void Perform(HostWindow& host, const Step& step) {
    switch (step.action) {
    case Do::Move:
        host.Send(WM_MOUSEMOVE, 0, At(kInX, kInY));
        break;
    case Do::MoveOut:
        host.Send(WM_MOUSEMOVE, MK_LBUTTON, At(kOutX, kOutY));
        break;
    case Do::Down:
        host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(kInX, kInY));
        break;
    case Do::Up:
        host.Send(WM_LBUTTONUP, 0, At(kInX, kInY));
        break;
    case Do::UpOut:
        host.Send(WM_LBUTTONUP, 0, At(kOutX, kOutY));
        break;
    case Do::Leave:
        host.Send(WM_MOUSELEAVE, 0, 0);
        break;
    case Do::Key:
        host.Send(WM_KEYDOWN, step.vk, 0);
        break;
    }
}

// Plays the steps; after each, the state shown and the notifications sent must match.
void Play(HostWindow& host, const std::function<int()>& shown, const std::vector<Step>& steps) {
    host.recorder().Take();
    int index = 0;
    for (const Step& step : steps) {
        Perform(host, step);
        SCOPED_TRACE("step " + std::to_string(index++) + " (" + Name(step.action) + ")");
        EXPECT_EQ(shown(), step.state);
        EXPECT_EQ(host.recorder().Take(), step.notes);
    }
}

template <typename T> T* Create(HostWindow& host, const wchar_t* className, UINT id) {
    MControl* control = host.manager().CreateControl(&host.recorder(), className, id,
                                                     RECT{10, 10, 130, 40}, L"Title", TRUE, TRUE);
    auto* typed = dynamic_cast<T*>(control);
    EXPECT_NE(typed, nullptr) << "the factory makes the class it is asked for";
    return typed;
}

TEST(ButtonStates, PlainButtonsClickOnlyWhenReleasedInside) {
    for (const wchar_t* name :
         {L"MButton", L"CImageButton", L"CTextButton", L"CHelpButton", L"CTimerButton"}) {
        SCOPED_TRACE(Narrow(name));
        HostWindow host;
        host.manager().EnableWndDrag(FALSE);
        auto* button = Create<MButton>(host, name, 10);
        ASSERT_NE(button, nullptr);
        button->SetHotKey('K', 0);
        Play(host, [&] { return button->GetState(); },
             {
                 {Do::Move, 0, 1, {}},
                 {Do::Down, 0, 2, {{10, 1, 0, 0}}},
                 {Do::MoveOut, 0, 2, {}},
                 {Do::Up, 0, 1, {{10, 2, 0, 0}}},
                 {Do::Down, 0, 2, {{10, 1, 0, 0}}},
                 {Do::MoveOut, 0, 2, {}},
                 {Do::UpOut, 0, 0, {}},
                 {Do::Move, 0, 1, {}},
                 {Do::Key, 'K', 1, {}},
                 {Do::Leave, 0, 0, {}},
             });
        button->SetEnabled(FALSE);
        Play(host, [&] { return button->GetState(); },
             {
                 {Do::Move, 0, 3, {}},
                 {Do::Down, 0, 3, {}},
                 {Do::Up, 0, 3, {}},
             });
        button->SetEnabled(TRUE);
        EXPECT_EQ(button->GetState(), 0);
    }
}

TEST(ButtonStates, ImageButtonShowsItsTitleInTheBubbleTipAtTheChosenEdge) {
    HostWindow host;
    // Away from the screen's left edge, where a tip would be pushed back on screen.
    SetWindowPos(host.hwnd(), nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    auto* button = Create<OrvixUI::CImageButton>(host, L"CImageButton", 15);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->GetAirBladderAnchor().x, 0);
    host.Send(WM_MOUSEMOVE, 0, At(kInX, kInY));
    EXPECT_FALSE(button->IsTipShown()) << "no tip without a mode";
    EXPECT_EQ(host.manager().GetAirBladder(), nullptr);
    host.Send(WM_MOUSEMOVE, 0, At(kOutX, kOutY));

    struct Case {
        int mode;
        int edgeX;
    };
    for (const Case& c :
         {Case{OrvixUI::AIRBLADDER_MODE_RIGHT, 130}, Case{OrvixUI::AIRBLADDER_MODE_LEFT, 10}}) {
        button->SetAlrBladderMode(c.mode);
        POINT edge = {c.edgeX, 25};
        ClientToScreen(host.hwnd(), &edge);
        EXPECT_EQ(button->GetAirBladderAnchor().x, edge.x);
        EXPECT_EQ(button->GetAirBladderAnchor().y, edge.y);
        host.Send(WM_MOUSEMOVE, 0, At(kInX, kInY));
        OrvixUI::MAirBladder* tip = host.manager().GetAirBladder();
        ASSERT_NE(tip, nullptr);
        EXPECT_TRUE(tip->IsWindowVisible()) << c.mode;
        EXPECT_STREQ(tip->GetText(), L"Title");
        RECT window;
        tip->GetWindowRect(&window);
        EXPECT_EQ(window.left + tip->GetArrowX(), edge.x) << "the arrow points at the edge";
        EXPECT_EQ(window.top, edge.y);
        EXPECT_EQ(SendMessageW(tip->GetSafeHwnd(), WM_NCHITTEST, 0,
                               MAKELPARAM(window.left + tip->GetArrowX(), window.top + 12)),
                  HTTRANSPARENT)
            << "the part laid over the button leaves the pointer to the button";
        EXPECT_EQ(tip->GetArrowX() > (window.right - window.left) / 2,
                  c.mode == OrvixUI::AIRBLADDER_MODE_LEFT)
            << "the tip stands away from the button";
        host.Send(WM_MOUSEMOVE, 0, At(kOutX, kOutY));
        EXPECT_FALSE(tip->IsWindowVisible()) << "leaving hides it";
        EXPECT_FALSE(button->IsTipShown());
    }
    button->SetTitle(L"");
    host.Send(WM_MOUSEMOVE, 0, At(kInX, kInY));
    EXPECT_FALSE(host.manager().GetAirBladder()->IsWindowVisible())
        << "an empty title shows nothing";
    EXPECT_STREQ(button->GetTooltip(), L"") << "the plain tooltip is not used";
    button->SetAlrBladderMode(7);
    EXPECT_EQ(button->GetAlrBladderMode(), OrvixUI::AIRBLADDER_MODE_NONE);
}

TEST(ButtonStates, IconButtonShowsTheKeyTipAboveItWhileHovered) {
    HostWindow host;
    auto* button = Create<CIconButton>(host, L"CIconButton", 16);
    ASSERT_NE(button, nullptr);
    button->SetTips(L"Light", L"Lighting effects", L"F5");
    host.Send(WM_MOUSEMOVE, 0, At(kInX, kInY));
    EXPECT_EQ(button->GetTipsWindow(), nullptr) << "tips are off until switched on";
    host.Send(WM_MOUSEMOVE, 0, At(kOutX, kOutY));
    button->SetShowTips(TRUE);
    for (int round = 0; round < 2; ++round) {
        host.Send(WM_MOUSEMOVE, 0, At(kInX, kInY));
        OrvixUI::CKeyboardTips* tips = button->GetTipsWindow();
        ASSERT_NE(tips, nullptr);
        EXPECT_TRUE(tips->IsWindowVisible()) << "round " << round;
        RECT window;
        tips->GetWindowRect(&window);
        POINT top = {70, 10};
        ClientToScreen(host.hwnd(), &top);
        EXPECT_EQ(window.left, top.x - OrvixUI::CKeyboardTips::kWidth / 2);
        EXPECT_EQ(window.bottom, top.y) << "its bottom centre is the button's top centre";
        host.Send(WM_MOUSEMOVE, 0, At(kOutX, kOutY));
        EXPECT_FALSE(tips->IsWindowVisible()) << "round " << round;
    }
    EXPECT_STREQ(button->GetTooltip(), L"") << "the plain tooltip is not used";
    host.Send(WM_MOUSEMOVE, 0, At(kInX, kInY));
    button->SetShowTips(FALSE);
    EXPECT_FALSE(button->GetTipsWindow()->IsWindowVisible());
}

TEST(ButtonStates, CheckBoxTogglesOnReleaseAndByKey) {
    HostWindow host;
    auto* box = Create<CCheckButton>(host, L"CCheckButton", 11);
    ASSERT_NE(box, nullptr);
    box->SetHotKey('C', 0);
    EXPECT_TRUE(box->IsTabStop());
    Play(host, [&] { return box->GetState(); },
         {
             {Do::Move, 0, 1, {}},
             {Do::Down, 0, 2, {}},
             {Do::Up, 0, 5, {{11, 2, 0, 0}}},
             {Do::Down, 0, 6, {}},
             {Do::MoveOut, 0, 6, {}},
             {Do::UpOut, 0, 4, {}},
             {Do::Move, 0, 5, {}},
             {Do::Key, VK_SPACE, 1, {{11, 7, 0, 0}}},
             {Do::Key, 'C', 5, {{11, 7, 0, 1}}},
             {Do::Leave, 0, 4, {}},
         });
    EXPECT_TRUE(box->GetCheck());
    host.manager().SetFocusControl(nullptr);
    Play(host, [&] { return box->GetState(); }, {{Do::Key, VK_SPACE, 4, {}}});
    box->SetEnabled(FALSE);
    EXPECT_EQ(box->GetState(), 7);
    EXPECT_TRUE(box->SetCheck(FALSE)) << "a disabled box keeps its check";
    Play(host, [&] { return box->GetState(); },
         {
             {Do::Key, 'C', 7, {}},
             {Do::Move, 0, 7, {}},
             {Do::Down, 0, 7, {}},
             {Do::Up, 0, 7, {}},
         });
    box->SetEnabled(TRUE);
    EXPECT_EQ(box->GetState(), 4);
    EXPECT_FALSE(box->SetCheck(FALSE));
    EXPECT_EQ(box->GetState(), 0);
}

TEST(ButtonStates, HotKeysNeedTheirExactModifiers) {
    HostWindow host;
    auto* box = Create<CCheckButton>(host, L"CCheckButton", 12);
    auto* radio = Create<CRadioButton>(host, L"CRadioButton", 13);
    ASSERT_NE(box, nullptr);
    ASSERT_NE(radio, nullptr);
    box->SetHotKey('B', VK_CONTROL);
    radio->SetHotKey('R', VK_SHIFT);
    struct Case {
        MControl* control;
        UINT vk, modifiers;
        BOOL consumed;
        std::vector<Note> notes;
    };
    const Case cases[] = {
        {box, 'B', 0, FALSE, {}},
        {box, 'B', VK_SHIFT, FALSE, {}},
        {box, 'B', VK_CONTROL, TRUE, {{12, 7, 0, 1}}},
        {box, VK_SPACE, 0, FALSE, {}},
        {radio, 'R', VK_MENU, FALSE, {}},
        {radio, 'R', VK_SHIFT, TRUE, {{13, 7, 0, 1}}},
        {radio, 'R', VK_SHIFT, TRUE, {{13, 7, 0, 1}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.control->OnKeyDown(c.vk, 1, c.modifiers), c.consumed)
            << c.vk << " with " << c.modifiers;
        EXPECT_EQ(host.recorder().Take(), c.notes);
    }
    EXPECT_TRUE(box->GetCheck());
    EXPECT_TRUE(radio->GetCheck());
}

TEST(ButtonStates, RadioGroupsFollowListClassAndName) {
    HostWindow host;
    auto* first = Create<CRadioButton>(host, L"CRadioButton", 20);
    auto* second = new CRadioButton(&host.recorder(), 21, RECT{200, 10, 300, 40}, L"B", 1, 1);
    auto* otherGroup = new CRadioButton(&host.recorder(), 22, RECT{200, 50, 300, 80}, L"C", 1, 1);
    auto* panel = new OrvixUI::MPanel(&host.recorder(), 30, RECT{200, 100, 390, 290}, 1, 1);
    host.manager().AddControl(second);
    host.manager().AddControl(otherGroup);
    host.manager().AddControl(panel);
    auto* nested = new CRadioButton(panel, 23, RECT{210, 110, 300, 140}, L"D", 1, 1);
    panel->AddControl(nested);
    ASSERT_NE(first, nullptr);
    for (CRadioButton* radio : {first, second, nested}) {
        radio->SetGroupName(L"speed");
    }
    otherGroup->SetGroupName(L"mode");
    EXPECT_STREQ(first->GetClassNameW(), L"RadioButton");
    second->SetCheck(TRUE);
    otherGroup->SetCheck(TRUE);
    nested->SetCheck(TRUE);
    first->SetHotKey('R', 0);

    Play(host, [&] { return first->GetState(); },
         {
             {Do::Move, 0, 1, {}},
             {Do::Down, 0, 2, {}},
             {Do::Up, 0, 5, {{20, 2, 0, 0}}},
             {Do::Down, 0, 6, {}},
             {Do::Up, 0, 5, {{20, 2, 0, 0}}},
         });
    EXPECT_TRUE(first->GetCheck()) << "a click never clears a radio button";
    EXPECT_FALSE(second->GetCheck());
    EXPECT_EQ(second->GetState(), 0);
    EXPECT_TRUE(otherGroup->GetCheck()) << "another group name";
    EXPECT_TRUE(nested->GetCheck()) << "another container";

    second->SetCheck(TRUE);
    EXPECT_FALSE(first->GetCheck());
    Play(host, [&] { return first->GetState(); }, {{Do::Key, 'R', 4, {{20, 7, 0, 1}}}});
    EXPECT_FALSE(second->GetCheck());

    second->SetControlCheck(TRUE);
    EXPECT_TRUE(first->GetCheck()) << "SetControlCheck leaves the group alone";
    first->SetCheck(FALSE);
    EXPECT_TRUE(second->GetCheck()) << "unchecking one does not uncheck the others";

    // Top-level buttons whose parent is a container share the window's list.
    auto* top = dynamic_cast<CRadioButton*>(host.manager().CreateControl(
        panel, L"CRadioButton", 24, RECT{10, 250, 100, 280}, L"E", 1, 1));
    auto* topOther = dynamic_cast<CRadioButton*>(host.manager().CreateControl(
        panel, L"CRadioButton", 25, RECT{110, 250, 190, 280}, L"F", 1, 1));
    ASSERT_TRUE(top && topOther);
    top->SetGroupName(L"top");
    topOther->SetGroupName(L"top");
    top->SetCheck(TRUE);
    topOther->SetCheck(TRUE);
    EXPECT_FALSE(top->GetCheck());
    EXPECT_TRUE(nested->GetCheck());

    first->SetEnabled(FALSE);
    Play(host, [&] { return first->GetState(); }, {{Do::Key, 'R', 3, {}}});
    EXPECT_FALSE(first->GetCheck()) << "a disabled button neither changes nor reports";
    EXPECT_TRUE(second->GetCheck());
}

TEST(ButtonStates, ColourButtonChecksAtThePress) {
    HostWindow host;
    auto* swatch = Create<CColorButton>(host, L"CColorButton", 40);
    auto* other = new CColorButton(&host.recorder(), 41, RECT{200, 10, 240, 40}, 1, 1);
    host.manager().AddControl(other);
    ASSERT_NE(swatch, nullptr);
    swatch->SetHotKey('P', 0);
    other->SetCheck(TRUE);
    Play(host, [&] { return swatch->GetState(); },
         {
             {Do::Move, 0, 1, {}},
             {Do::Down, 0, 2, {{40, 1, 0, 0}}},
             {Do::Up, 0, 1, {{40, 2, 0, 0}}},
             {Do::Key, 'P', 1, {}},
             {Do::Down, 0, 2, {{40, 1, 0, 0}}},
             {Do::UpOut, 0, 0, {}},
         });
    EXPECT_TRUE(swatch->GetCheck());
    EXPECT_FALSE(other->GetCheck());
    EXPECT_EQ(other->GetState(), 0);
}

TEST(ButtonStates, SwitchReportsItsNewPosition) {
    HostWindow host;
    auto* toggle = Create<CSwitchButton>(host, L"CSwitchButton", 50);
    ASSERT_NE(toggle, nullptr);
    Play(host, [&] { return toggle->GetState() + (toggle->GetCheck() ? 4 : 0); },
         {
             {Do::Move, 0, 1, {}},
             {Do::Down, 0, 2, {{50, 1, 0, 0}}},
             {Do::Up, 0, 5, {{50, 2, 0, 1}}},
             {Do::Down, 0, 6, {{50, 1, 0, 0}}},
             {Do::Up, 0, 1, {{50, 2, 0, 0}}},
             {Do::Down, 0, 2, {{50, 1, 0, 0}}},
             {Do::UpOut, 0, 0, {}},
         });
}

TEST(ButtonStates, IconButtonsCheckOnClickWithinTheirGroup) {
    HostWindow host;
    auto* icon = Create<CIconButton>(host, L"CIconButton", 60);
    auto* other = new CIconButton(&host.recorder(), 61, RECT{200, 10, 240, 40}, L"", 1, 1);
    host.manager().AddControl(other);
    ASSERT_NE(icon, nullptr);
    other->SetCheck(TRUE);
    Play(host, [&] { return icon->GetState(); },
         {
             {Do::Move, 0, 1, {}},
             {Do::Down, 0, 2, {{60, 1, 0, 0}}},
             {Do::UpOut, 0, 0, {}},
         });
    EXPECT_FALSE(icon->GetCheck()) << "a press released outside is no click";
    Play(host, [&] { return icon->GetState(); },
         {
             {Do::Move, 0, 1, {}},
             {Do::Down, 0, 2, {{60, 1, 0, 0}}},
             {Do::Up, 0, 1, {{60, 2, 0, 0}}},
         });
    EXPECT_TRUE(icon->GetCheck());
    EXPECT_FALSE(other->GetCheck());
}

TEST(ButtonStates, LevelTilesActLikeRadioButtons) {
    HostWindow host;
    auto* tile = new DPIControl(&host.recorder(), 70, RECT{10, 10, 130, 40}, 1, 1);
    auto* other = new DPIControl(&host.recorder(), 71, RECT{200, 10, 300, 40}, 1, 1);
    host.manager().AddControl(tile);
    host.manager().AddControl(other);
    other->SetCheck(TRUE);
    tile->SetHotKey('2', 0);
    Play(host, [&] { return tile->GetState(); },
         {
             {Do::Move, 0, 1, {}},
             {Do::Down, 0, 2, {}},
             {Do::Up, 0, 1, {{70, 2, 0, 0}}},
         });
    EXPECT_TRUE(tile->GetCheck());
    EXPECT_FALSE(other->GetCheck());
    other->SetCheck(TRUE);
    Play(host, [&] { return tile->GetState(); }, {{Do::Key, '2', 0, {{70, 7, 0, 1}}}});
    EXPECT_FALSE(other->GetCheck());
    tile->SetDPIValue(-5);
    EXPECT_EQ(tile->GetDPIValue(), 0);
}

} // namespace
} // namespace toolkit_test
