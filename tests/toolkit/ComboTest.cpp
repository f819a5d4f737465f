#include "ToolkitFixture.h"

#include "toolkit/controls/CColorCombo.h"
#include "toolkit/controls/CComboBoxList.h"
#include "toolkit/controls/MComboBox.h"
#include "toolkit/core/MPopupWnd.h"

#include <ostream>
#include <string>

inline bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
inline void PrintTo(const RECT& rect, std::ostream* out) {
    *out << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom
         << "}";
}

namespace toolkit_test {
namespace {

using OrvixUI::CComboBoxList;
using OrvixUI::MComboBox;

constexpr UINT kId = 110;
const RECT kComboRect = {10, 10, 190, 48};

// Runs the thread's queued messages (the drop-down closes itself through posted messages).
void Pump() {
    MSG msg;
    for (int round = 0; round < 5; ++round) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    }
}

class Combo : public ::testing::Test {
protected:
    MComboBox* Make(int items) {
        auto* combo = static_cast<MComboBox*>(host.manager().CreateControl(
            &host.recorder(), L"MComboBox", kId, kComboRect, L"", TRUE, TRUE));
        for (int i = 0; i < items; ++i) {
            combo->AddItem((L"Item " + std::to_wstring(i)).c_str(), 100 + i);
        }
        return combo;
    }
    void Click(HWND hwnd, int x, int y) {
        SendMessageW(hwnd, WM_MOUSEMOVE, 0, At(x, y));
        SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
        SendMessageW(hwnd, WM_LBUTTONUP, 0, At(x, y));
    }
    // Opens the drop-down the way the user does.
    HWND Open(MComboBox* combo) {
        Click(host.hwnd(), 100, 30);
        return combo->GetDropDownWnd();
    }
    HostWindow host;
};

TEST(ComboDropDown, HeightIsFiveRowsAtMostAndItOpensAboveWhenThereIsNoRoom) {
    const RECT work = {0, 0, 1024, 768};
    const RECT combo = {100, 200, 280, 238};
    for (int items = 0; items <= 8; ++items) {
        const int rows = items < 5 ? items : 5;
        const RECT below = MComboBox::DropDownRect(combo, items, work);
        EXPECT_EQ(below.bottom - below.top, rows * 30 + 12) << items << " items";
        EXPECT_EQ(CComboBoxList::ListHeightFor(items), rows * 30 + 12);
        EXPECT_EQ(below, (RECT{104, 238, 274, 238 + rows * 30 + 12})) << items << " items";
    }
    const RECT low = {100, 650, 280, 688};
    EXPECT_EQ(MComboBox::DropDownRect(low, 8, work), (RECT{100, 488, 280, 650}))
        << "162 pixels below would pass the work area's bottom: full width, ending at the top";
    EXPECT_EQ(MComboBox::DropDownRect(low, 2, work), (RECT{104, 688, 274, 760}))
        << "72 pixels still fit";
}

TEST_F(Combo, ClickOpensADropDownWindowOfTheListsHeight) {
    for (int items = 1; items <= 7; ++items) {
        MComboBox* combo = Make(items);
        HWND dropDown = Open(combo);
        ASSERT_NE(dropDown, nullptr) << items << " items";
        EXPECT_TRUE(combo->IsOpen());
        wchar_t title[32] = {};
        GetWindowTextW(dropDown, title, 32);
        EXPECT_STREQ(title, L"ComboWnd");
        if (items == 1) {
            // A toolkit popup: its own class, a tool window keyed on the popup colour.
            GetClassNameW(dropDown, title, 32);
            EXPECT_STREQ(title, L"CComboBoxWnd");
            EXPECT_TRUE(GetWindowLongW(dropDown, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
            EXPECT_NE(dynamic_cast<OrvixUI::MPopupWnd*>(OrvixUI::MWindow::FromHandle(dropDown)),
                      nullptr);
            COLORREF key = 0;
            DWORD flags = 0;
            ASSERT_TRUE(GetLayeredWindowAttributes(dropDown, &key, nullptr, &flags));
            const COLORREF popupKey = OrvixUI::MPopupWnd::kColorKey;
            EXPECT_EQ(key, popupKey);
            EXPECT_TRUE(flags & LWA_COLORKEY);
        }
        RECT window;
        GetWindowRect(dropDown, &window);
        const int rows = items < 5 ? items : 5;
        EXPECT_EQ(window.bottom - window.top, rows * 30 + 12) << items << " items";
        EXPECT_EQ(window.right - window.left, 180 - 10) << items << " items";
        POINT comboBottom = {kComboRect.left + 4, kComboRect.bottom};
        ClientToScreen(host.hwnd(), &comboBottom);
        EXPECT_EQ(window.left, comboBottom.x);
        EXPECT_EQ(window.top, comboBottom.y);
        ASSERT_NE(combo->GetDropDownList(), nullptr);
        EXPECT_EQ(combo->GetDropDownList()->GetItemCount(), items);
        host.manager().RemoveControl(combo);
        EXPECT_FALSE(IsWindow(dropDown)) << "the drop-down goes with its combo";
        Pump();
    }
}

TEST_F(Combo, AnEmptyComboOpensNothing) {
    MComboBox* combo = Make(0);
    EXPECT_EQ(Open(combo), nullptr);
    EXPECT_FALSE(combo->IsOpen());
    EXPECT_EQ(combo->GetState(), 1);
    EXPECT_TRUE(host.recorder().Take().empty());
}

TEST_F(Combo, ChoosingARowByClickSelectsItAndClosesTheDropDown) {
    MComboBox* combo = Make(8);
    combo->SetCurSel(0);
    host.recorder().Take();
    HWND dropDown = Open(combo);
    ASSERT_NE(dropDown, nullptr);
    // Row 2 lies at 6 + 2 × 30 ... 6 + 3 × 30 in the drop-down.
    Click(dropDown, 40, 6 + 2 * 30 + 15);
    EXPECT_EQ(combo->GetCurSel(), 2);
    EXPECT_STREQ(combo->GetTitle(), L"Item 2");
    EXPECT_EQ(combo->GetCurData(), 102);
    EXPECT_FALSE(combo->IsOpen());
    EXPECT_EQ(host.recorder().Take(), (std::vector<Note>{{kId, 2, 2, 0}}));
    Pump();
    EXPECT_FALSE(IsWindow(dropDown));
    EXPECT_EQ(combo->GetDropDownWnd(), nullptr);
}

TEST_F(Combo, ChoosingARowByKeyStartsFromTheSelectionAndScrollsTheList) {
    MComboBox* combo = Make(8);
    combo->SetCurSel(1);
    host.recorder().Take();
    HWND dropDown = Open(combo);
    ASSERT_NE(dropDown, nullptr);
    CComboBoxList* list = combo->GetDropDownList();
    EXPECT_EQ(list->GetCurSel(), 1);
    for (int i = 0; i < 5; ++i) {
        SendMessageW(dropDown, WM_KEYDOWN, VK_DOWN, 0);
    }
    EXPECT_EQ(list->GetCurSel(), 6);
    EXPECT_GT(list->GetScrollOffsetY(), 0) << "row 6 is below the five visible rows";
    SendMessageW(dropDown, WM_KEYDOWN, VK_UP, 0);
    SendMessageW(dropDown, WM_KEYDOWN, VK_END, 0);
    SendMessageW(dropDown, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(list->GetCurSel(), 7) << "the last row stays the last";
    EXPECT_TRUE(host.recorder().Take().empty()) << "moving chooses nothing";
    SendMessageW(dropDown, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(combo->GetCurSel(), 7);
    EXPECT_EQ(combo->GetCurData(), 107);
    EXPECT_EQ(host.recorder().Take(), (std::vector<Note>{{kId, 2, 7, 0}}));
    Pump();
}

TEST_F(Combo, ClickOnAScrolledListPicksTheRowUnderThePointer) {
    MComboBox* combo = Make(8);
    HWND dropDown = Open(combo);
    ASSERT_NE(dropDown, nullptr);
    CComboBoxList* list = combo->GetDropDownList();
    SendMessageW(dropDown, WM_KEYDOWN, VK_END, 0);
    const int offset = list->GetScrollOffsetY();
    ASSERT_GT(offset, 0);
    // The row whose top lies at content y 6 + 4 × 30 now shows offset pixels higher.
    Click(dropDown, 40, 6 + 4 * 30 + 15 - offset);
    EXPECT_EQ(combo->GetCurSel(), 4);
    host.recorder().Take();
    Pump();
}

TEST_F(Combo, EscapeClosesWithoutChoosing) {
    MComboBox* combo = Make(3);
    combo->SetCurSel(1);
    host.recorder().Take();
    HWND dropDown = Open(combo);
    ASSERT_NE(dropDown, nullptr);
    SendMessageW(dropDown, WM_KEYDOWN, VK_ESCAPE, 0);
    Pump();
    EXPECT_FALSE(IsWindow(dropDown));
    EXPECT_FALSE(combo->IsOpen());
    EXPECT_EQ(combo->GetCurSel(), 1);
    EXPECT_TRUE(host.recorder().Take().empty());
}

TEST_F(Combo, LosingActivationClosesTheDropDownAndReopeningReplacesIt) {
    MComboBox* combo = Make(3);
    HWND first = Open(combo);
    ASSERT_NE(first, nullptr);
    HWND second = Open(combo);
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(IsWindow(first)) << "a drop-down still open is destroyed first";
    EXPECT_TRUE(combo->IsOpen());
    SetActiveWindow(host.hwnd());
    Pump();
    EXPECT_FALSE(IsWindow(second));
    EXPECT_FALSE(combo->IsOpen());
    EXPECT_EQ(combo->GetCurSel(), -1);
    EXPECT_TRUE(host.recorder().Take().empty());
}

TEST_F(Combo, SelectionOperationsKeepTheirBounds) {
    MComboBox* combo = Make(3);
    EXPECT_EQ(combo->SetCurSel(3), FALSE);
    EXPECT_EQ(combo->SetCurSel(-2), FALSE);
    EXPECT_EQ(combo->GetCurSel(), -1);
    EXPECT_EQ(combo->GetCurData(), 0);
    EXPECT_EQ(combo->SelectData(102), TRUE);
    EXPECT_EQ(combo->GetCurSel(), 2);
    EXPECT_STREQ(combo->GetTitle(), L"Item 2");
    EXPECT_EQ(combo->SelectData(999), FALSE);
    EXPECT_EQ(combo->GetCurSel(), 2) << "a missing data value keeps the selection";
    EXPECT_EQ(combo->SetCurSel(-1), TRUE);
    EXPECT_STREQ(combo->GetTitle(), L"");
    EXPECT_EQ(combo->GetCurData(), 0);

    EXPECT_EQ(combo->InsertItem(-2, L"x", 1, L"", 0), -1);
    EXPECT_EQ(combo->InsertItem(4, L"x", 1, L"", 0), -1);
    combo->SetCurSel(1);
    EXPECT_EQ(combo->InsertItem(0, L"first", 50, L"", 0), 3) << "returns the last item's index";
    EXPECT_EQ(combo->GetCurSel(), 2) << "the selection follows its item";
    EXPECT_EQ(combo->FindData(50), 0);
    EXPECT_EQ(combo->AddItem(L"last", 7), 4);

    EXPECT_TRUE(combo->SetItemText(2, L"renamed"));
    EXPECT_STREQ(combo->GetTitle(), L"renamed") << "renaming the selected item shows it";
    EXPECT_TRUE(combo->DeleteItem(0));
    EXPECT_EQ(combo->GetCurSel(), 1);
    EXPECT_TRUE(combo->DeleteItem(1));
    EXPECT_EQ(combo->GetCurSel(), -1);
    EXPECT_STREQ(combo->GetTitle(), L"");
    EXPECT_FALSE(combo->DeleteItem(9));
    combo->DelAllItems();
    EXPECT_EQ(combo->GetItemCount(), 0);
    EXPECT_EQ(combo->SelectData(7), FALSE);
}

TEST_F(Combo, StatesFollowThePointerAndTheEnabledFlag) {
    MComboBox* combo = Make(2);
    host.Send(WM_MOUSEMOVE, 0, At(100, 30));
    EXPECT_EQ(combo->GetState(), 1);
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(100, 30));
    EXPECT_EQ(combo->GetState(), 2);
    host.Send(WM_MOUSEMOVE, MK_LBUTTON, At(300, 200));
    EXPECT_EQ(combo->GetState(), 2) << "held while the button is down";
    host.Send(WM_LBUTTONUP, 0, At(300, 200));
    EXPECT_EQ(combo->GetState(), 0);
    EXPECT_EQ(combo->GetDropDownWnd(), nullptr) << "a release outside opens nothing";
    combo->SetEnabled(FALSE);
    EXPECT_EQ(combo->GetState(), 3);
    EXPECT_EQ(Open(combo), nullptr);
    combo->SetEnabled(TRUE);
    EXPECT_EQ(combo->GetState(), 0);
}

TEST(ComboList, AnEmptyListTakesNoClickOrKey) {
    HostWindow host;
    auto* list = static_cast<CComboBoxList*>(host.manager().CreateControl(
        &host.recorder(), L"CComboBoxList", 7, RECT{0, 0, 170, 12}, L"", TRUE, TRUE));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetListHeight(), 12);
    host.Send(WM_MOUSEMOVE, 0, At(20, 6));
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(20, 6));
    host.Send(WM_LBUTTONUP, 0, At(20, 6));
    for (WPARAM key : {VK_DOWN, VK_UP, VK_END, VK_RETURN}) {
        host.Send(WM_KEYDOWN, key, 0);
    }
    EXPECT_EQ(list->GetCurSel(), -1);
    EXPECT_EQ(list->ItemFromPoint(POINT{20, 6}), -1);
    EXPECT_TRUE(host.recorder().Take().empty());
    PixelBuffer buffer(400, 300);
    host.manager().PaintBuffer(buffer.dc(), buffer.bits(), 400, 300, RECT{0, 0, 400, 300});
}

TEST(ColorCombo, ClickReportsAndOpenShowsThePressedLook) {
    HostWindow host;
    auto* combo = new OrvixUI::CColorCombo(&host.recorder(), 12, RECT{10, 10, 110, 48}, TRUE, TRUE);
    host.manager().AddControl(combo);
    combo->SetAreaColor(RGB(255, 0, 0));
    host.Send(WM_MOUSEMOVE, 0, At(50, 30));
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(50, 30));
    host.Send(WM_LBUTTONUP, 0, At(50, 30));
    EXPECT_EQ(host.recorder().Take(), (std::vector<Note>{{12, 2, 0, 0}}));
    PixelBuffer buffer(400, 300);
    host.manager().PaintBuffer(buffer.dc(), buffer.bits(), 400, 300, RECT{0, 0, 400, 300});
    const RECT area = combo->GetAreaRect();
    EXPECT_EQ(buffer.Rgb((area.left + area.right) / 2, (area.top + area.bottom) / 2), 0xFF0000u);
    const DWORD hover = buffer.Rgb(12, 12);
    combo->SetIsOpen(TRUE);
    host.manager().PaintBuffer(buffer.dc(), buffer.bits(), 400, 300, RECT{0, 0, 400, 300});
    EXPECT_NE(buffer.Rgb(12, 12), hover) << "open shows the pressed slice";
}

} // namespace
} // namespace toolkit_test
