#include "ToolkitFixture.h"

#include "toolkit/controls/MScroll.h"
#include "toolkit/core/ControlFactory.h"
#include "toolkit/core/MPanel.h"

namespace toolkit_test {
namespace {

using OrvixUI::FactoryLevel;
using OrvixUI::FS_POSITION_ITEM;

TEST(PositionItem, GivesTheDocumentedValues) {
    struct Case {
        FS_POSITION_ITEM item;
        int expected;
    };
    const Case cases[] = {
        {{0, FALSE, 15.7f}, 115}, {{0, TRUE, 15.0f}, 285},  {{1, FALSE, 10.0f}, 210},
        {{1, TRUE, 10.0f}, 190},  {{2, FALSE, 50.0f}, 200}, {{2, FALSE, 150.0f}, 300},
        {{7, FALSE, 10.0f}, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OrvixUI::PositionItem2Value(c.item, 100, 300), c.expected)
            << "type " << c.item.type << " value " << c.item.value;
    }
}

TEST(Factory, KnowsEachNameAtItsLevel) {
    struct Case {
        const wchar_t* name;
        bool dialog, container;
    };
    const Case cases[] = {
        {L"CArea", true, true},
        {L"MButton", true, true},
        {L"DListBox", false, true},
        {L"CRecordList", false, true},
        {L"BatteryCtrl", true, false},
        {L"CComboBoxList", true, false},
        {L"UpgradeButton", false, true},
        {L"dlistbox", false, false},
        {L"", false, false},
        {L"NoSuchControl", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OrvixUI::IsControlClassKnown(FactoryLevel::Dialog, c.name), c.dialog);
        EXPECT_EQ(OrvixUI::IsControlClassKnown(FactoryLevel::Container, c.name), c.container);
    }
}

TEST(Factory, UnknownNamesCreateNothing) {
    HostWindow host;
    const RECT rect = {0, 0, 10, 10};
    EXPECT_EQ(host.manager().CreateControl(&host.recorder(), L"NoSuchControl", 5, rect, L"", 1, 1),
              nullptr);
    EXPECT_EQ(host.manager().CreateControl(&host.recorder(), nullptr, 5, rect, L"", 1, 1), nullptr);
    EXPECT_EQ(host.manager().CreateControl(&host.recorder(), L"DListBox", 5, rect, L"", 1, 1),
              nullptr)
        << "only containers make list boxes";
    EXPECT_TRUE(host.manager().GetControls().empty());
    OrvixUI::MPanel panel(&host.recorder(), 9, RECT{0, 0, 100, 100}, TRUE, TRUE);
    EXPECT_EQ(panel.CreateControl(L"BatteryCtrl", 5, rect, L"", 1, 1), nullptr);
    EXPECT_EQ(panel.GetControls().size(), 2u) << "just the scroll bars";
}

TEST(ControlTree, LookupIsDepthFirstAndUnknownIdsGiveNull) {
    HostWindow host;
    auto* panel = new OrvixUI::MPanel(&host.recorder(), 50, RECT{0, 0, 200, 200}, TRUE, TRUE);
    host.manager().AddControl(panel);
    auto* child = new Probe(panel, 51, RECT{0, 0, 10, 10});
    panel->AddControl(child);
    EXPECT_EQ(host.manager().GetControl(51), child);
    EXPECT_EQ(host.manager().GetControl(50), panel);
    EXPECT_EQ(host.manager().GetControl(1), panel->GetScrollVertical());
    EXPECT_EQ(host.manager().GetControl(999), nullptr);
    EXPECT_EQ(panel->GetControl(999), nullptr);
    EXPECT_EQ(child->GetManager(), &host.manager()) << "children added later get the manager";
}

TEST(ControlTree, VisibilityChangesRepaintOnlyWhenTheyChangeSomething) {
    HostWindow host;
    Probe* probe = host.AddProbe(10, RECT{10, 10, 50, 50});
    PixelBuffer buffer(400, 300);
    host.manager().PaintBuffer(buffer.dc(), buffer.bits(), 400, 300, RECT{0, 0, 400, 300});
    ValidateRect(host.hwnd(), nullptr);
    probe->SetVisible(TRUE);
    EXPECT_FALSE(GetUpdateRect(host.hwnd(), nullptr, FALSE)) << "unchanged: no repaint";
    probe->SetVisible(FALSE);
    RECT dirty;
    ASSERT_TRUE(GetUpdateRect(host.hwnd(), &dirty, FALSE)) << "hiding repaints the old area";
    EXPECT_LE(dirty.left, 10);
    EXPECT_GE(dirty.right, 50);
}

TEST(ControlTree, DoubleClickWithoutDoubleClicksIsASecondPress) {
    HostWindow host;
    host.AddProbe(10, RECT{10, 10, 50, 50});
    host.Send(WM_MOUSEMOVE, 0, At(20, 20));
    host.recorder().Take();
    host.Send(WM_LBUTTONDBLCLK, MK_LBUTTON, At(20, 20));
    EXPECT_EQ(host.recorder().Take(), (std::vector<Note>{{10, 1, 0, 0}}));
}

TEST(ControlTree, DoubleClickNotifiesWhenAskedFor) {
    HostWindow host;
    Probe* probe = host.AddProbe(10, RECT{10, 10, 50, 50});
    probe->SetDblClk(TRUE);
    probe->SetNotifyDblClk(TRUE);
    host.Send(WM_MOUSEMOVE, 0, At(20, 20));
    host.recorder().Take();
    host.Send(WM_LBUTTONDBLCLK, MK_LBUTTON, At(20, 20));
    EXPECT_EQ(host.recorder().Take(), (std::vector<Note>{{10, 3, MK_LBUTTON, 0}}));
}

TEST(ScrollBar, EmptyRangesAndShortBarsDoNotDivideByZero) {
    Recorder* none = nullptr;
    (void)none;
    OrvixUI::MScroll bar(nullptr, 1, RECT{0, 0, 7, 100}, TRUE, TRUE);
    EXPECT_TRUE(bar.SetScrollInfo(0, 0, 0, 0));
    EXPECT_FALSE(bar.IsShown());
    EXPECT_FALSE(bar.ScrollRow(3));
    OrvixUI::MScroll flat(nullptr, 1, RECT{0, 0, 7, 0}, TRUE, TRUE);
    EXPECT_TRUE(flat.SetScrollInfo(1000, 500, 0, 10));
    EXPECT_TRUE(flat.SetScrollCurrentPosEx(300));
    EXPECT_TRUE(flat.SetScrollFinalPos());
}

TEST(ScrollBar, DraggingTheThumbMovesThePositionAndReports) {
    HostWindow host;
    auto* panel = new OrvixUI::MPanel(&host.recorder(), 50, RECT{100, 0, 200, 200}, TRUE, TRUE);
    host.manager().AddControl(panel);
    panel->SetVirtualHeight(1000);
    OrvixUI::MScroll* bar = panel->GetScrollVertical();
    ASSERT_TRUE(bar->IsShown());
    const RECT thumb = bar->GetThumbRect();
    EXPECT_EQ(thumb.top, 0);
    const int x = 196, y = thumb.top + 5;
    host.Send(WM_MOUSEMOVE, 0, At(x, y));
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
    EXPECT_EQ(bar->GetThumbState(), 2);
    host.Send(WM_MOUSEMOVE, MK_LBUTTON, At(x, y + 50));
    EXPECT_EQ(bar->GetThumbRect().top, 50);
    EXPECT_GT(bar->GetScrollCurrentPos(), 0);
    EXPECT_GT(panel->GetScrollOffsetY(), 0);
    host.Send(WM_MOUSEMOVE, MK_LBUTTON, At(x, y + 5000));
    EXPECT_EQ(bar->GetScrollCurrentPos(), 1000) << "clamped at the end";
    host.Send(WM_LBUTTONUP, 0, At(x, y + 5000));
    EXPECT_EQ(bar->GetThumbState(), 0);
    EXPECT_TRUE(host.recorder().Take().empty()) << "the panel keeps its bars' reports";
}

} // namespace
} // namespace toolkit_test
