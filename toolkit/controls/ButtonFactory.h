#pragma once

#include "toolkit/core/MControl.h"

// Creators of the button family for the control factory: each takes the factory's arguments
// and uses those its class's constructor takes.
namespace OrvixUI::button_factory {

MControl* CreateMButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                        BOOL visible, BOOL enabled);
MControl* CreateImageButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                            BOOL visible, BOOL enabled);
MControl* CreateTextButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                           BOOL visible, BOOL enabled);
MControl* CreateCheckButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                            BOOL visible, BOOL enabled);
MControl* CreateRadioButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                            BOOL visible, BOOL enabled);
MControl* CreateColorButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                            BOOL visible, BOOL enabled);
MControl* CreateMSpinButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                            BOOL visible, BOOL enabled);
MControl* CreateSpinButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                           BOOL visible, BOOL enabled);
MControl* CreateSwitchButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                             BOOL visible, BOOL enabled);
MControl* CreateIconButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                           BOOL visible, BOOL enabled);
MControl* CreateTimerButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                            BOOL visible, BOOL enabled);
MControl* CreateHelpButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                           BOOL visible, BOOL enabled);

} // namespace OrvixUI::button_factory
