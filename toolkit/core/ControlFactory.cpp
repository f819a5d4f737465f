#include "toolkit/core/ControlFactory.h"

#include "toolkit/controls/CArea.h"
#include "toolkit/controls/CCheckButton.h"
#include "toolkit/controls/CColorButton.h"
#include "toolkit/controls/CColorPalette.h"
#include "toolkit/controls/CColorSelect.h"
#include "toolkit/controls/CComboBoxList.h"
#include "toolkit/controls/CGifPicture.h"
#include "toolkit/controls/CHelpButton.h"
#include "toolkit/controls/CIconButton.h"
#include "toolkit/controls/CImageButton.h"
#include "toolkit/controls/CPhotoFrame.h"
#include "toolkit/controls/CRadioButton.h"
#include "toolkit/controls/CSliderPicture.h"
#include "toolkit/controls/CSpinButton.h"
#include "toolkit/controls/CSwitchButton.h"
#include "toolkit/controls/CTextButton.h"
#include "toolkit/controls/CTimerButton.h"
#include "toolkit/controls/CirclePalette.h"
#include "toolkit/controls/MButton.h"
#include "toolkit/controls/MComboBox.h"
#include "toolkit/controls/MEdit.h"
#include "toolkit/controls/MEditEx.h"
#include "toolkit/controls/MLevelCtrl.h"
#include "toolkit/controls/MPalette.h"
#include "toolkit/controls/MPicture.h"
#include "toolkit/controls/MProgress.h"
#include "toolkit/controls/MRichEdit.h"
#include "toolkit/controls/MSlider.h"
#include "toolkit/controls/MSpinButton.h"
#include "toolkit/controls/MText.h"
#include "toolkit/core/MenuItem.h"

#include <cwchar>

namespace OrvixUI {

namespace {

using Creator = MControl* (*)(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                              BOOL visible, BOOL enabled);

// One creator per constructor shape. Classes without a title or an enabled flag in their
// constructor decide those themselves, so the factory drops the argument rather than guess.
template <class T>
MControl* Create(MObject* parent, UINT id, const RECT& rect, const wchar_t* title, BOOL visible,
                 BOOL enabled) {
    return new T(parent, id, rect, title, visible, enabled);
}

template <class T>
MControl* CreateUntitled(MObject* parent, UINT id, const RECT& rect, const wchar_t*, BOOL visible,
                         BOOL enabled) {
    return new T(parent, id, rect, visible, enabled);
}

template <class T>
MControl* CreateWithoutEnabled(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                               BOOL visible, BOOL) {
    return new T(parent, id, rect, title, visible);
}

template <class T>
MControl* CreateUntitledWithoutEnabled(MObject* parent, UINT id, const RECT& rect, const wchar_t*,
                                       BOOL visible, BOOL) {
    return new T(parent, id, rect, visible);
}

struct ControlClass {
    const wchar_t* name;
    bool dialog;
    bool container;
    // Null until the class is part of the library.
    Creator create;
};

// Which names each level knows. One entry per line, so that adding a creator touches one line.
// clang-format off
const ControlClass kClasses[] = {
    {L"CArea", true, true, &CreateUntitledWithoutEnabled<CArea>},
    {L"MText", true, true, &CreateWithoutEnabled<MText>},
    {L"MPicture", true, true, &CreateUntitled<MPicture>},
    {L"CPhotoFrame", true, true, &CreateUntitled<CPhotoFrame>},
    {L"CSliderPicture", true, true, &CreateUntitled<CSliderPicture>},
    {L"CGifPicture", true, true, &CreateUntitled<CGifPicture>},
    {L"MProgress", true, true, &CreateUntitled<MProgress>},
    {L"MSlider", true, true, &CreateUntitled<MSlider>},
    {L"MLevelCtrl", true, true, &CreateUntitled<MLevelCtrl>},
    {L"MButton", true, true, &Create<MButton>},
    {L"CImageButton", true, true, &Create<CImageButton>},
    {L"CTextButton", true, true, &Create<CTextButton>},
    {L"CCheckButton", true, true, &Create<CCheckButton>},
    {L"CRadioButton", true, true, &Create<CRadioButton>},
    {L"CColorButton", true, true, &CreateUntitled<CColorButton>},
    {L"MSpinButton", true, true, &CreateUntitled<MSpinButton>},
    {L"CSpinButton", true, true, &CreateUntitled<CSpinButton>},
    {L"CSwitchButton", true, true, &CreateUntitled<CSwitchButton>},
    {L"CIconButton", true, true, &Create<CIconButton>},
    {L"CTimerButton", true, true, &Create<CTimerButton>},
    {L"CHelpButton", true, true, &Create<CHelpButton>},
    {L"MEdit", true, true, &Create<MEdit>},
    {L"MRichEdit", true, true, &Create<MRichEdit>},
    {L"MEditEx", true, true, &Create<MEditEx>},
    {L"MComboBox", true, true, &CreateUntitled<MComboBox>},
    {L"MTabCtrl", true, true, nullptr},
    {L"MTabLayout", true, true, nullptr},
    {L"MListBox", true, true, nullptr},
    {L"MPalette", true, true, &CreateUntitledWithoutEnabled<MPalette>},
    {L"CColorPalette", true, true, &CreateUntitledWithoutEnabled<CColorPalette>},
    {L"CColorSelect", true, true, &CreateUntitledWithoutEnabled<CColorSelect>},
    {L"KeyboardCtrl", true, true, nullptr},
    {L"CirclePalette", true, true, &CreateUntitledWithoutEnabled<CirclePalette>},
    {L"CDeviceCtrl", true, true, nullptr},
    {L"MenuItem", true, true, &CreateWithoutEnabled<MenuItem>},
    {L"CComboBoxList", true, false, &CreateUntitledWithoutEnabled<CComboBoxList>},
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
