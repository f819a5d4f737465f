#include "ToolkitFixture.h"

#include "toolkit/controls/CColorPalette.h"
#include "toolkit/controls/CColorSelect.h"
#include "toolkit/controls/CComboBoxList.h"
#include "toolkit/controls/CirclePalette.h"
#include "toolkit/controls/MComboBox.h"
#include "toolkit/controls/MLevelCtrl.h"
#include "toolkit/controls/MPalette.h"
#include "toolkit/controls/MProgress.h"
#include "toolkit/controls/MSlider.h"
#include "toolkit/core/MPanel.h"

namespace toolkit_test {
namespace {

using OrvixUI::MControl;

template <typename T> bool Is(MControl* control) { return dynamic_cast<T*>(control) != nullptr; }

TEST(ValueFactory, CreatesEachClassByNameWithItsConstructorInputs) {
    struct Case {
        const wchar_t* name;
        bool (*is)(MControl*);
        bool takesEnabled;
    };
    const Case cases[] = {
        {L"MSlider", Is<OrvixUI::MSlider>, true},
        {L"MProgress", Is<OrvixUI::MProgress>, true},
        {L"MLevelCtrl", Is<OrvixUI::MLevelCtrl>, true},
        {L"MComboBox", Is<OrvixUI::MComboBox>, true},
        {L"MPalette", Is<OrvixUI::MPalette>, false},
        {L"CColorPalette", Is<OrvixUI::CColorPalette>, false},
        {L"CColorSelect", Is<OrvixUI::CColorSelect>, false},
        {L"CirclePalette", Is<OrvixUI::CirclePalette>, false},
    };
    HostWindow host;
    OrvixUI::MPanel panel(&host.recorder(), 9, RECT{0, 0, 300, 300}, TRUE, TRUE);
    UINT id = 100;
    for (const Case& c : cases) {
        MControl* top = host.manager().CreateControl(&host.recorder(), c.name, ++id,
                                                     RECT{0, 0, 50, 20}, L"", FALSE, FALSE);
        ASSERT_TRUE(top && c.is(top)) << "dialog level";
        EXPECT_FALSE(top->IsVisible());
        EXPECT_EQ(top->IsEnabled() == FALSE, c.takesEnabled)
            << "classes built from the visible flag alone start enabled";
        MControl* inner = panel.CreateControl(c.name, ++id, RECT{0, 0, 50, 20}, L"", TRUE, TRUE);
        EXPECT_TRUE(inner && c.is(inner)) << "container level";
    }
    MControl* list = host.manager().CreateControl(&host.recorder(), L"CComboBoxList", ++id,
                                                  RECT{0, 0, 50, 20}, L"", TRUE, FALSE);
    EXPECT_TRUE(list && Is<OrvixUI::CComboBoxList>(list));
    EXPECT_TRUE(list->IsEnabled());
    EXPECT_EQ(panel.CreateControl(L"CComboBoxList", ++id, RECT{0, 0, 50, 20}, L"", TRUE, TRUE),
              nullptr)
        << "the drop-down's list exists only at window level";
}

} // namespace
} // namespace toolkit_test
