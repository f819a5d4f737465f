#pragma once

#include "toolkit/core/MControl.h"

namespace OrvixUI {

// The factory's creators for the sliders, bars, combo boxes and palettes. Each takes the
// factory's arguments and passes on those its constructor uses.
MControl* CreateMProgress(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                          BOOL visible, BOOL enabled);
MControl* CreateMSlider(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                        BOOL visible, BOOL enabled);
MControl* CreateMLevelCtrl(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                           BOOL visible, BOOL enabled);
MControl* CreateMComboBox(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                          BOOL visible, BOOL enabled);
MControl* CreateMPalette(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                         BOOL visible, BOOL enabled);
MControl* CreateCColorPalette(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                              BOOL visible, BOOL enabled);
MControl* CreateCColorSelect(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                             BOOL visible, BOOL enabled);
MControl* CreateCirclePalette(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                              BOOL visible, BOOL enabled);
MControl* CreateCComboBoxList(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                              BOOL visible, BOOL enabled);

} // namespace OrvixUI
