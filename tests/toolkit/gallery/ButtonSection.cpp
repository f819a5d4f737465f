#include "tests/toolkit/gallery/ButtonSection.h"

#include "toolkit/controls/CCheckButton.h"
#include "toolkit/controls/CColorButton.h"
#include "toolkit/controls/CIconButton.h"
#include "toolkit/controls/CImageButton.h"
#include "toolkit/controls/CRadioButton.h"
#include "toolkit/controls/CSpinButton.h"
#include "toolkit/controls/CSwitchButton.h"
#include "toolkit/controls/CTextButton.h"
#include "toolkit/controls/CTimerButton.h"
#include "toolkit/controls/DPIControl.h"
#include "toolkit/controls/MSpinButton.h"

#include <algorithm>
#include <type_traits>

namespace gallery {

namespace {

using namespace OrvixUI;

constexpr int kGap = 8;
const wchar_t* const kLookNames[4] = {L"Normal", L"Hover", L"Pressed", L"Disabled"};

// Places cells left to right, starting a new row when the area's right edge is reached.
class Flow {
public:
    explicit Flow(const RECT& area) : m_area(area), m_x(area.left), m_y(area.top) {}

    RECT Next(int width, int height) {
        if (m_x > m_area.left && m_x + width > m_area.right) {
            NewRow();
        }
        RECT cell = {m_x, m_y, m_x + width, m_y + height};
        m_x += width + kGap;
        m_rowHeight = std::max(m_rowHeight, height);
        return cell;
    }

    void NewRow() {
        if (m_x == m_area.left) {
            return;
        }
        m_x = m_area.left;
        m_y += m_rowHeight + kGap;
        m_rowHeight = 0;
    }

private:
    RECT m_area;
    int m_x;
    int m_y;
    int m_rowHeight = 0;
};

class Builder {
public:
    Builder(PaintManager& manager, MObject* parent, const RECT& area)
        : m_manager(manager), m_parent(parent), m_flow(area) {}

    template <typename T>
    T* Make(const wchar_t* className, int width, int height, const wchar_t* title = L"") {
        const RECT rect = m_flow.Next(width, height);
        MControl* control =
            m_manager.CreateControl(m_parent, className, m_nextId++, rect, title, TRUE, TRUE);
        return dynamic_cast<T*>(control);
    }

    // Visible and enabled, outside the factory's list of names.
    DPIControl* MakeLevel(int width, int height) {
        auto* level = new DPIControl(m_parent, m_nextId++, m_flow.Next(width, height), TRUE, TRUE);
        m_manager.AddControl(level);
        return level;
    }

    void NewRow() { m_flow.NewRow(); }

private:
    PaintManager& m_manager;
    MObject* m_parent;
    Flow m_flow;
    UINT m_nextId = kButtonSectionFirstId;
};

// Shows look 0-3 (normal, hover, pressed, disabled) of a button.
template <typename T> void ShowLook(T* button, int look) {
    if (!button) {
        return;
    }
    if (look == MButton::kDisabled) {
        button->SetEnabled(FALSE);
    } else {
        button->SetState(button->GetState() + look);
    }
}

void PlainButtons(Builder& make) {
    for (int look = 0; look < 4; ++look) {
        auto* button = make.Make<MButton>(L"MButton", 96, 32, kLookNames[look]);
        if (button) {
            button->SetImage(L"img_btn.png", 4);
            ShowLook(button, look);
        }
    }
    make.NewRow();
    for (int look = 0; look < 4; ++look) {
        auto* button = make.Make<CImageButton>(L"CImageButton", 32, 32, L"Lighting");
        if (button) {
            button->SetImage(L"img_image_btn.png", 4);
            button->SetIconImage(L"img_icon_light.png", 4);
            button->SetAlrBladderMode(AIRBLADDER_MODE_RIGHT);
            ShowLook(button, look);
        }
    }
    for (int look = 0; look < 4; ++look) {
        ShowLook(make.Make<MButton>(L"CHelpButton", 22, 22), look);
    }
    make.NewRow();
    for (int look = 0; look < 4; ++look) {
        ShowLook(make.Make<CTextButton>(L"CTextButton", 72, 24, L"Details"), look);
    }
    const wchar_t* const timerTitles[3] = {L"Apply", L"Confirm", L"Revert"};
    for (int kind = 0; kind < 3; ++kind) {
        auto* timer = make.Make<CTimerButton>(L"CTimerButton", 112, 32, timerTitles[kind]);
        if (!timer) {
            continue;
        }
        timer->SetImage(L"img_btn.png", 4);
        if (kind == 1) {
            timer->SetRun(TRUE);
        } else if (kind == 2) {
            timer->SetEnabled(FALSE);
        }
    }
    make.NewRow();
}

// Four looks unchecked, then four checked.
template <typename T>
void CheckLooks(Builder& make, const wchar_t* className, const wchar_t* image) {
    for (int slice = 0; slice < 8; ++slice) {
        auto* box = make.Make<T>(className, 100, 24, slice < 4 ? L"Off" : L"On");
        if (!box) {
            continue;
        }
        box->SetImage(image, 8);
        if constexpr (std::is_same_v<T, CRadioButton>) {
            box->SetGroupName(slice < 4 ? L"gallery-off" : L"gallery-on");
            box->SetControlCheck(slice >= 4);
        } else {
            box->SetCheck(slice >= 4);
        }
        ShowLook(box, slice % 4);
    }
    make.NewRow();
}

void ColourButtons(Builder& make) {
    const COLORREF colours[] = {RGB(230, 40, 40), RGB(40, 200, 90), RGB(40, 120, 240),
                                RGB(250, 200, 30)};
    for (int look = 0; look < 4; ++look) {
        auto* swatch = make.Make<CColorButton>(L"CColorButton", 32, 24);
        if (swatch) {
            swatch->SetColor(colours[look]);
            swatch->SetGroupName(L"gallery");
            ShowLook(swatch, look);
        }
    }
    if (auto* checked = make.Make<CColorButton>(L"CColorButton", 32, 24)) {
        checked->SetColor(RGB(200, 60, 220));
        checked->SetCheck(TRUE);
    }
    if (auto* bordered = make.Make<CColorButton>(L"CColorButton", 32, 24)) {
        bordered->SetColor(RGB(0, 180, 255));
        bordered->SetVisibleBorder(TRUE);
    }
}

void Switches(Builder& make) {
    for (int slice = 0; slice < 8; ++slice) {
        auto* toggle = make.Make<CSwitchButton>(L"CSwitchButton", 84, 24);
        if (!toggle) {
            continue;
        }
        toggle->SetImage(L"img_switch_on.png", L"img_switch_off.png", 4);
        toggle->SetTitle(slice < 4 ? L"Off" : L"On");
        toggle->SetCheck(slice >= 4);
        ShowLook(toggle, slice % 4);
    }
    make.NewRow();
}

void IconButtons(Builder& make) {
    for (int look = 0; look < 5; ++look) {
        auto* icon = make.Make<CIconButton>(L"CIconButton", 36, 36, L"Light");
        if (!icon) {
            continue;
        }
        icon->SetImage(L"img_btn.png", 4);
        icon->SetIconImage(L"img_icon_light.png", 4);
        icon->SetGroupName(L"gallery");
        icon->SetTips(L"Light", L"Lighting effects", L"");
        icon->SetShowTips(TRUE);
        if (look == 4) {
            icon->SetCheck(TRUE);
        } else {
            ShowLook(icon, look);
        }
    }
}

void Fields(Builder& make) {
    for (int kind = 0; kind < 2; ++kind) {
        auto* spin = make.Make<MSpinButton>(L"MSpinButton", 100, 28);
        if (spin) {
            spin->SetRange(0, 100);
            spin->SetCurValue(42);
            spin->SetEnabled(kind == 0);
        }
    }
    for (int kind = 0; kind < 2; ++kind) {
        auto* spin = make.Make<CSpinButton>(L"CSpinButton", 90, 28);
        if (spin) {
            spin->SetRange(100, 16000);
            spin->SetCurValue(1600);
            spin->SetEnabled(kind == 0);
        }
    }
    make.NewRow();
    const COLORREF colours[] = {RGB(255, 60, 60), RGB(60, 220, 120), RGB(60, 140, 255),
                                RGB(255, 200, 40), RGB(200, 80, 255)};
    const int values[] = {400, 800, 1600, 3200, 6400};
    for (int look = 0; look < 5; ++look) {
        DPIControl* level = make.MakeLevel(88, 30);
        level->SetGroupName(L"gallery");
        level->SetColor(colours[look]);
        level->SetDPIValue(values[look]);
        if (look == 4) {
            level->SetCheck(TRUE);
        } else if (look == 3) {
            level->SetEnabled(FALSE);
        } else {
            level->SetState(look);
        }
    }
}

} // namespace

void BuildButtonSection(PaintManager& manager, MObject* parent, const RECT& area) {
    Builder make(manager, parent, area);
    PlainButtons(make);
    CheckLooks<CCheckButton>(make, L"CCheckButton", L"img_check.png");
    CheckLooks<CRadioButton>(make, L"CRadioButton", L"img_radio.png");
    ColourButtons(make);
    IconButtons(make);
    make.NewRow();
    Switches(make);
    Fields(make);
}

} // namespace gallery
