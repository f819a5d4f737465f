#include "toolkit/controls/ButtonFactory.h"

#include "toolkit/controls/CCheckButton.h"
#include "toolkit/controls/CColorButton.h"
#include "toolkit/controls/CHelpButton.h"
#include "toolkit/controls/CIconButton.h"
#include "toolkit/controls/CImageButton.h"
#include "toolkit/controls/CRadioButton.h"
#include "toolkit/controls/CSpinButton.h"
#include "toolkit/controls/CSwitchButton.h"
#include "toolkit/controls/CTextButton.h"
#include "toolkit/controls/CTimerButton.h"
#include "toolkit/controls/MButton.h"
#include "toolkit/controls/MSpinButton.h"

namespace OrvixUI::button_factory {

MControl* CreateMButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                        BOOL visible, BOOL enabled) {
    return new MButton(parent, id, rect, title, visible, enabled);
}

MControl* CreateImageButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                            BOOL visible, BOOL enabled) {
    return new CImageButton(parent, id, rect, title, visible, enabled);
}

MControl* CreateTextButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                           BOOL visible, BOOL enabled) {
    return new CTextButton(parent, id, rect, title, visible, enabled);
}

MControl* CreateCheckButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                            BOOL visible, BOOL enabled) {
    return new CCheckButton(parent, id, rect, title, visible, enabled);
}

MControl* CreateRadioButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                            BOOL visible, BOOL enabled) {
    return new CRadioButton(parent, id, rect, title, visible, enabled);
}

MControl* CreateColorButton(MObject* parent, UINT id, const RECT& rect, const wchar_t*,
                            BOOL visible, BOOL enabled) {
    return new CColorButton(parent, id, rect, visible, enabled);
}

MControl* CreateMSpinButton(MObject* parent, UINT id, const RECT& rect, const wchar_t*,
                            BOOL visible, BOOL enabled) {
    return new MSpinButton(parent, id, rect, visible, enabled);
}

MControl* CreateSpinButton(MObject* parent, UINT id, const RECT& rect, const wchar_t*, BOOL visible,
                           BOOL enabled) {
    return new CSpinButton(parent, id, rect, visible, enabled);
}

MControl* CreateSwitchButton(MObject* parent, UINT id, const RECT& rect, const wchar_t*,
                             BOOL visible, BOOL enabled) {
    return new CSwitchButton(parent, id, rect, visible, enabled);
}

MControl* CreateIconButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                           BOOL visible, BOOL enabled) {
    return new CIconButton(parent, id, rect, title, visible, enabled);
}

MControl* CreateTimerButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                            BOOL visible, BOOL enabled) {
    return new CTimerButton(parent, id, rect, title, visible, enabled);
}

MControl* CreateHelpButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                           BOOL visible, BOOL enabled) {
    return new CHelpButton(parent, id, rect, title, visible, enabled);
}

} // namespace OrvixUI::button_factory
