#include "ToolkitFixture.h"
#include "WindowFixture.h"

#include "toolkit/core/MenuItem.h"
#include "toolkit/core/MenuWnd.h"

#include <gtest/gtest.h>

namespace toolkit_test {
namespace {

using OrvixUI::MenuItem;
using OrvixUI::MenuWnd;

constexpr UINT kNotify = WM_APP + 40;

POINT Centre(const RECT& rect) {
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// A shown owner dialog and an open menu of three items owned by it; the menu deletes itself
// when it closes, so the test keeps only its window handle.
class MenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_owner.Create());
        m_owner.ShowWindow(SW_SHOW);
        m_menu = new MenuWnd();
        m_menu->AddMenu(L"Reset", 606);
        m_menu->AddMenu(L"Repeat", 612, static_cast<const wchar_t*>(nullptr), TRUE, FALSE);
        m_menu->AddMenu(L"Disable", 607);
        m_hwnd = m_menu->Create(m_owner.GetSafeHwnd(), POINT{40, 40}, kNotify);
        ASSERT_TRUE(m_hwnd);
        m_menu->ShowWindow(SW_SHOW);
        SetActiveWindow(m_hwnd);
        Pump();
        DropNotifications();
    }

    void TearDown() override {
        if (IsWindow(m_hwnd)) {
            DestroyWindow(m_hwnd);
        }
    }

    void DropNotifications() {
        MSG msg;
        while (PeekMessageW(&msg, m_owner.GetSafeHwnd(), kNotify, kNotify, PM_REMOVE)) {
        }
    }

    // The notifications posted to the owner, in order.
    std::vector<std::pair<WPARAM, LPARAM>> Notifications() {
        std::vector<std::pair<WPARAM, LPARAM>> notes;
        MSG msg;
        while (PeekMessageW(&msg, m_owner.GetSafeHwnd(), kNotify, kNotify, PM_REMOVE)) {
            notes.emplace_back(msg.wParam, msg.lParam);
        }
        return notes;
    }

    void Click(UINT id) {
        const POINT at = Centre(m_menu->GetItem(id)->GetRect());
        SendMessageW(m_hwnd, WM_MOUSEMOVE, 0, At(at.x, at.y));
        SendMessageW(m_hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(at.x, at.y));
        SendMessageW(m_hwnd, WM_LBUTTONUP, 0, At(at.x, at.y));
    }

    TestDialog m_owner;
    MenuWnd* m_menu = nullptr;
    HWND m_hwnd = nullptr;
};

TEST_F(MenuTest, ClickOnAnItemPostsItAndCloses) {
    Click(607);
    // Posted to the owner, not sent: the menu is still there until its queue runs.
    EXPECT_TRUE(IsWindow(m_hwnd));
    const auto notes = Notifications();
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0], std::make_pair(WPARAM{0}, LPARAM{607}));
    Pump();
    EXPECT_FALSE(IsWindow(m_hwnd));
}

TEST_F(MenuTest, OutsideClickClosesSilently) {
    // A click on another window of the program takes the activation from the menu.
    SetActiveWindow(m_owner.GetSafeHwnd());
    Pump();
    EXPECT_FALSE(IsWindow(m_hwnd));
    EXPECT_TRUE(Notifications().empty());
}

TEST_F(MenuTest, CheckableItemReportsItsStateAtPressAndStaysOpen) {
    Click(612);
    auto notes = Notifications();
    Pump();
    EXPECT_TRUE(IsWindow(m_hwnd));
    EXPECT_TRUE(m_menu->GetItem(612)->GetCheck());
    Click(612);
    const auto second = Notifications();
    notes.insert(notes.end(), second.begin(), second.end());
    EXPECT_FALSE(m_menu->GetItem(612)->GetCheck());
    ASSERT_EQ(notes.size(), 2u);
    // wParam: the check state before the press.
    EXPECT_EQ(notes[0], std::make_pair(WPARAM{0}, LPARAM{612}));
    EXPECT_EQ(notes[1], std::make_pair(WPARAM{1}, LPARAM{612}));
}

TEST_F(MenuTest, LayoutStacksItemsFromTheTopMargin) {
    EXPECT_EQ(m_menu->GetItem(606)->GetRect().top, 6);
    EXPECT_EQ(m_menu->GetItem(612)->GetRect().top, 6 + 35);
    RECT window;
    GetWindowRect(m_hwnd, &window);
    EXPECT_EQ(window.bottom - window.top, 6 + 3 * 35 + 6);
    EXPECT_EQ(window.right - window.left, 300);
    m_menu->SetItemVisible(612, FALSE);
    EXPECT_TRUE(IsRectEmpty(&m_menu->GetItem(612)->GetRect()));
    EXPECT_EQ(m_menu->GetItem(607)->GetRect().top, 6 + 35);
}

TEST(Menu, LongTitleWidensTheMenu) {
    auto* menu = new MenuWnd();
    menu->AddMenu(L"Short", 1);
    EXPECT_EQ(menu->GetMenuWidth(), 300);
    menu->AddMenu(L"A very long menu title that cannot fit into three hundred pixels", 2);
    EXPECT_GT(menu->GetMenuWidth(), 300);
    delete menu;
}

struct ItemLook {
    const char* name;
    bool checkable;
    bool checked;
    bool hovered;
    int state;
    bool highlight;
    bool checkMark;
};

void PrintTo(const ItemLook& look, std::ostream* out) { *out << look.name; }

class MenuItemLook : public ::testing::TestWithParam<ItemLook> {};

// Checked and hovered (state 6) lies past the six prepared slices: it must be drawn from
// the checked-and-hovered slice, with both the highlight and the check mark.
TEST_P(MenuItemLook, DrawsItsStateFromAPreparedSlice) {
    const ItemLook& look = GetParam();
    HostWindow host;
    auto* item = static_cast<MenuItem*>(host.manager().CreateControl(
        &host.recorder(), L"MenuItem", 9, RECT{0, 0, 200, 35}, L"Item", TRUE, TRUE));
    ASSERT_NE(item, nullptr);
    item->SetHoverColor(0xFF285055);
    item->SetCheckable(look.checkable);
    item->SetCheck(look.checked);
    if (look.hovered) {
        item->OnMouseMove(0, POINT{100, 17});
    }
    EXPECT_EQ(item->GetState(), look.state);
    const int slice = MenuItem::SliceOfState(item->GetState(), look.checkable, FALSE);
    EXPECT_LT(slice, MenuItem::SliceCount(look.checkable, FALSE));

    PixelBuffer pixels(200, 35);
    pixels.Fill(RGB(0, 0, 0));
    item->DrawControl(pixels.dc(), RECT{0, 0, 200, 35});
    // Above the title, left of the check column.
    const DWORD band = pixels.Rgb(120, 3);
    EXPECT_EQ(band == 0x285055, look.highlight) << std::hex << band;
    // The check mark crosses the middle of the 30-pixel column at the right end.
    bool mark = false;
    for (int x = 170; x < 200; ++x) {
        mark = mark || Near(pixels.Rgb(x, 17), 0xFFFFFF, 60);
    }
    EXPECT_EQ(mark, look.checkMark);
}

INSTANTIATE_TEST_SUITE_P(
    States, MenuItemLook,
    ::testing::Values(ItemLook{"Plain", false, false, false, 0, false, false},
                      ItemLook{"PlainHovered", false, false, true, 1, true, false},
                      ItemLook{"Unchecked", true, false, false, 0, false, false},
                      ItemLook{"UncheckedHovered", true, false, true, 1, true, false},
                      ItemLook{"Checked", true, true, false, 2, false, true},
                      ItemLook{"CheckedHovered", true, true, true, 6, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MenuItemSlices, EveryStateMapsInsideTheSurface) {
    for (BOOL checkable : {FALSE, TRUE}) {
        for (BOOL separator : {FALSE, TRUE}) {
            for (int state = -1; state <= 8; ++state) {
                const int slice = MenuItem::SliceOfState(state, checkable, separator);
                EXPECT_GE(slice, 0);
                EXPECT_LT(slice, MenuItem::SliceCount(checkable, separator));
            }
        }
    }
}

} // namespace
} // namespace toolkit_test
