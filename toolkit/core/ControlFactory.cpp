#include "toolkit/core/ControlFactory.h"

#include "toolkit/core/MenuItem.h"

#include <cwchar>

namespace OrvixUI {

namespace {

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
    {L"CArea", true, true, nullptr},
    {L"MText", true, true, nullptr},
    {L"MPicture", true, true, nullptr},
    {L"CPhotoFrame", true, true, nullptr},
    {L"CSliderPicture", true, true, nullptr},
    {L"CGifPicture", true, true, nullptr},
    {L"MProgress", true, true, nullptr},
    {L"MSlider", true, true, nullptr},
    {L"MLevelCtrl", true, true, nullptr},
    {L"MButton", true, true, nullptr},
    {L"CImageButton", true, true, nullptr},
    {L"CTextButton", true, true, nullptr},
    {L"CCheckButton", true, true, nullptr},
    {L"CRadioButton", true, true, nullptr},
    {L"CColorButton", true, true, nullptr},
    {L"MSpinButton", true, true, nullptr},
    {L"CSpinButton", true, true, nullptr},
    {L"CSwitchButton", true, true, nullptr},
    {L"CIconButton", true, true, nullptr},
    {L"CTimerButton", true, true, nullptr},
    {L"CHelpButton", true, true, nullptr},
    {L"MEdit", true, true, nullptr},
    {L"MRichEdit", true, true, nullptr},
    {L"MEditEx", true, true, nullptr},
    {L"MComboBox", true, true, nullptr},
    {L"MTabCtrl", true, true, nullptr},
    {L"MTabLayout", true, true, nullptr},
    {L"MListBox", true, true, nullptr},
    {L"MPalette", true, true, nullptr},
    {L"CColorPalette", true, true, nullptr},
    {L"CColorSelect", true, true, nullptr},
    {L"KeyboardCtrl", true, true, nullptr},
    {L"CirclePalette", true, true, nullptr},
    {L"CDeviceCtrl", true, true, nullptr},
    {L"MenuItem", true, true, [](MObject* p, UINT id, const RECT& r, const wchar_t* t, BOOL v, BOOL) -> MControl* { return new MenuItem(p, id, r, t, v); }},
    {L"CComboBoxList", true, false, nullptr},
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
