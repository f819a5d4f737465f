#include "tests/toolkit/gallery/ValueSection.h"

#include "toolkit/controls/CColorCombo.h"
#include "toolkit/controls/CColorPalette.h"
#include "toolkit/controls/CColorSelect.h"
#include "toolkit/controls/CComboBoxList.h"
#include "toolkit/controls/CirclePalette.h"
#include "toolkit/controls/MComboBox.h"
#include "toolkit/controls/MLevelCtrl.h"
#include "toolkit/controls/MPalette.h"
#include "toolkit/controls/MProgress.h"
#include "toolkit/controls/MSlider.h"

#include <string>

namespace gallery {

namespace {

using namespace OrvixUI;

constexpr DWORD kLightText = 0xFFE8ECF2;

class Builder {
public:
    Builder(PaintManager& manager, MObject* parent, const RECT& area)
        : m_manager(manager), m_parent(parent), m_x(area.left), m_y(area.top) {}

    template <typename T> T* Create(const wchar_t* className, int x, int y, int width, int height) {
        RECT rect = {m_x + x, m_y + y, m_x + x + width, m_y + y + height};
        return static_cast<T*>(
            m_manager.CreateControl(m_parent, className, m_nextId++, rect, L"", TRUE, TRUE));
    }

    CColorCombo* ColorCombo(int x, int y, int width, int height) {
        RECT rect = {m_x + x, m_y + y, m_x + x + width, m_y + y + height};
        auto* combo = new CColorCombo(m_parent, m_nextId++, rect, TRUE, TRUE);
        m_manager.AddControl(combo);
        return combo;
    }

private:
    PaintManager& m_manager;
    MObject* m_parent;
    int m_x;
    int m_y;
    UINT m_nextId = kValueSectionFirstId;
};

MSlider* Slider(Builder& build, int x, int minimum, int maximum, int value) {
    auto* slider = build.Create<MSlider>(L"MSlider", x, 0, 200, 56);
    slider->SetImage(L"img_slider_back.png", 1);
    slider->SetThumbImage(L"img_thumb.png");
    slider->SetTextColor(kLightText);
    slider->SetMinProgress(minimum);
    slider->SetMaxProgress(maximum);
    slider->SetProgress(value);
    return slider;
}

MProgress* Progress(Builder& build, int x, int value) {
    auto* progress = build.Create<MProgress>(L"MProgress", x, 70, 200, 12);
    progress->SetBackGroundImage(L"img_progress_back.png");
    progress->SetForeGroundImage(L"img_progress_front.png", 4);
    progress->SetProgress(value);
    return progress;
}

MComboBox* Combo(Builder& build, int x, int items, int selected) {
    auto* combo = build.Create<MComboBox>(L"MComboBox", x, 140, 180, 38);
    combo->SetImage(L"img_combobox.png", 4);
    combo->SetTextColor(kLightText);
    for (int i = 0; i < items; ++i) {
        combo->AddItem((L"Option " + std::to_wstring(i + 1)).c_str(), i + 1);
    }
    combo->SetCurSel(selected);
    return combo;
}

} // namespace

void BuildValueSection(PaintManager& manager, MObject* parent, const RECT& area) {
    Builder build(manager, parent, area);

    // Sliders: in use, disabled, and one whose range is empty (no thumb).
    Slider(build, 0, 0, 10, 5)->SetTitle(L"Brightness ");
    Slider(build, 220, 1, 4, 3)->SetEnabled(FALSE);
    Slider(build, 440, 4, 4, 4);

    // Progress bars: partly done, running, and full with its percentage.
    Progress(build, 0, 30);
    Progress(build, 220, 70)->SetRun(TRUE);
    MProgress* full = Progress(build, 440, 100);
    full->SetRect(full->GetRect().left, full->GetRect().top - 4, 200, 20);
    full->SetTextColor(kLightText);
    full->EnableShowText(TRUE);

    // Level bars: from the skin, drawn plainly, and disabled.
    auto* level = build.Create<MLevelCtrl>(L"MLevelCtrl", 0, 100, 200, 20);
    level->SetImage(L"img_level.png", 2);
    level->SetLevelValue(6);
    auto* plain = build.Create<MLevelCtrl>(L"MLevelCtrl", 220, 100, 200, 20);
    plain->SetRangeValue(5);
    plain->SetLevelValue(3);
    auto* off = build.Create<MLevelCtrl>(L"MLevelCtrl", 440, 100, 200, 20);
    off->SetLevelValue(4);
    off->SetEnabled(FALSE);

    // Combo boxes: with a selection, disabled, empty; colour combos closed and open.
    Combo(build, 0, 8, 2);
    Combo(build, 200, 3, 0)->SetEnabled(FALSE);
    Combo(build, 400, 0, -1);
    CColorCombo* colour = build.ColorCombo(600, 140, 80, 38);
    colour->SetImage(L"img_combobox.png", 4);
    colour->SetAreaColor(RGB(0, 180, 255));
    CColorCombo* open = build.ColorCombo(690, 140, 80, 38);
    open->SetImage(L"img_combobox.png", 4);
    open->SetAreaColor(RGB(255, 64, 160));
    open->SetIsOpen(TRUE);

    // Palettes: the colour field, the picker panel, the preset grid and the wheel.
    auto* field = build.Create<MPalette>(L"MPalette", 0, 200, 200, 120);
    field->SetThumbImage(L"img_palette_thumb.png");
    field->SetSelectColor(RGB(0, 255, 128));
    auto* picker = build.Create<CColorPalette>(L"CColorPalette", 220, 200, 240, 170);
    picker->SetTextColor(kLightText);
    picker->SetSelectColor(RGB(255, 128, 0));
    auto* presets = build.Create<CColorSelect>(L"CColorSelect", 480, 200, 140, 80);
    presets->SetColorIndex(3);
    // The drop-down's list on its own: two rows, the second chosen.
    auto* list = build.Create<CComboBoxList>(L"CComboBoxList", 480, 290, 150,
                                             CComboBoxList::ListHeightFor(2));
    list->SetTextColor(kLightText);
    list->AddItem(L"Option 1", 1, L"", 0);
    list->AddItem(L"Option 2", 2, L"", 0xFFFF40A0);
    list->SetCurSel(1);
    auto* wheel = build.Create<CirclePalette>(L"CirclePalette", 640, 200, 130, 130);
    wheel->SetImage(L"img_circlepalette.png", 1);
    wheel->SetThumbImage(L"img_palette_thumb.png");
    wheel->SetSelectColor(RGB(0, 0, 255));
}

} // namespace gallery
