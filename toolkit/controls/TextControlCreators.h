#pragma once

#include "toolkit/core/MControl.h"

namespace OrvixUI {

// The factory's creators for the text, picture, area and edit controls. Each takes the
// factory's arguments and passes on those its constructor uses.
MControl* CreateCArea(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                      BOOL visible, BOOL enabled);
MControl* CreateMText(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                      BOOL visible, BOOL enabled);
MControl* CreateMPicture(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                         BOOL visible, BOOL enabled);
MControl* CreateCPhotoFrame(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                            BOOL visible, BOOL enabled);
MControl* CreateCSliderPicture(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                               BOOL visible, BOOL enabled);
MControl* CreateCGifPicture(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                            BOOL visible, BOOL enabled);
MControl* CreateMEdit(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                      BOOL visible, BOOL enabled);
MControl* CreateMRichEdit(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                          BOOL visible, BOOL enabled);
MControl* CreateMEditEx(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                        BOOL visible, BOOL enabled);

} // namespace OrvixUI
