#include "toolkit/core/ControlFactory.h"

#include "toolkit/controls/ButtonFactory.h"
#include "toolkit/controls/TextControlCreators.h"
#include "toolkit/controls/ValueControlCreators.h"
#include "toolkit/core/MenuItem.h"

#include <cwchar>

namespace OrvixUI {

namespace {

MControl* CreateMenuItem(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                         BOOL visible, BOOL) {
    return new MenuItem(parent, id, rect, title, visible);
}

using Creator = MControl* (*)(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                              BOOL visible, BOOL enabled);

struct ControlClass {
    const wchar_t* name;
    bool dialog;
    bool container;
    // Null until the class is part of the library.
    Creator create;
};

// Which names each level knows. The creators also decide which call arguments a constructor
// takes (some ignore the title, some always start enabled). One entry per line, so that adding
// a creator touches one line.
// clang-format off
const ControlClass kClasses[] = {
    {L"CArea", true, true, &CreateCArea},
    {L"MText", true, true, &CreateMText},
    {L"MPicture", true, true, &CreateMPicture},
    {L"CPhotoFrame", true, true, &CreateCPhotoFrame},
    {L"CSliderPicture", true, true, &CreateCSliderPicture},
    {L"CGifPicture", true, true, &CreateCGifPicture},
    {L"MProgress", true, true, CreateMProgress},
    {L"MSlider", true, true, CreateMSlider},
    {L"MLevelCtrl", true, true, CreateMLevelCtrl},
    {L"MButton", true, true, button_factory::CreateMButton},
    {L"CImageButton", true, true, button_factory::CreateImageButton},
    {L"CTextButton", true, true, button_factory::CreateTextButton},
    {L"CCheckButton", true, true, button_factory::CreateCheckButton},
    {L"CRadioButton", true, true, button_factory::CreateRadioButton},
    {L"CColorButton", true, true, button_factory::CreateColorButton},
    {L"MSpinButton", true, true, button_factory::CreateMSpinButton},
    {L"CSpinButton", true, true, button_factory::CreateSpinButton},
    {L"CSwitchButton", true, true, button_factory::CreateSwitchButton},
    {L"CIconButton", true, true, button_factory::CreateIconButton},
    {L"CTimerButton", true, true, button_factory::CreateTimerButton},
    {L"CHelpButton", true, true, button_factory::CreateHelpButton},
    {L"MEdit", true, true, &CreateMEdit},
    {L"MRichEdit", true, true, &CreateMRichEdit},
    {L"MEditEx", true, true, &CreateMEditEx},
    {L"MComboBox", true, true, CreateMComboBox},
    {L"MTabCtrl", true, true, nullptr},
    {L"MTabLayout", true, true, nullptr},
    {L"MListBox", true, true, nullptr},
    {L"MPalette", true, true, CreateMPalette},
    {L"CColorPalette", true, true, CreateCColorPalette},
    {L"CColorSelect", true, true, CreateCColorSelect},
    {L"KeyboardCtrl", true, true, nullptr},
    {L"CirclePalette", true, true, CreateCirclePalette},
    {L"CDeviceCtrl", true, true, nullptr},
    {L"MenuItem", true, true, &CreateMenuItem},
    {L"CComboBoxList", true, false, CreateCComboBoxList},
    {L"BatteryCtrl", true, false, nullptr},
    {L"KeyFuncControl", false, true, nullptr},
    {L"DListBox", false, true, nullptr},
    {L"CRecordList", false, true, nullptr},
    {L"UpgradeButton", false, true, nullptr},
    {L"DownloadButton", false, true, nullptr},
};
// clang-format on

const ControlClass* Find(FactoryLevel level, const wchar_t* className) {
    if (!className || !*className) {
        return nullptr;
    }
    for (const ControlClass& entry : kClasses) {
        if (std::wcscmp(entry.name, className) == 0) {
            bool known = level == FactoryLevel::Dialog ? entry.dialog : entry.container;
            return known ? &entry : nullptr;
        }
    }
    return nullptr;
}

} // namespace

bool IsControlClassKnown(FactoryLevel level, const wchar_t* className) {
    return Find(level, className) != nullptr;
}

MControl* CreateControlByName(FactoryLevel level, MObject* parent, const wchar_t* className,
                              UINT id, const RECT& rect, const wchar_t* title, BOOL visible,
                              BOOL enabled) {
    const ControlClass* entry = Find(level, className);
    if (!entry || !entry->create) {
        return nullptr;
    }
    return entry->create(parent, id, rect, title, visible, enabled);
}

} // namespace OrvixUI
