#pragma once

#include "toolkit/core/OrvixApi.h"

#include <windows.h>

namespace OrvixUI {

class MControl;

// The identity of every toolkit object and the two calls by which a child reports to its
// parent: a notification (control id, code, two values) and a repaint request.
class ORVIXUI_API MObject {
public:
    MObject();
    virtual ~MObject();

    // True when GetClassNameW() equals name exactly (case-sensitive).
    virtual BOOL IsClass(const wchar_t* name);
    virtual const wchar_t* GetClassNameW();
    virtual const wchar_t* GetObjectClass();
    virtual const wchar_t* BaseObjectClassName();
    virtual long OnBaseMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam);
    // update = 1: the control's cached image must be rebuilt.
    virtual long OnControlUpdate(const RECT& rect, BOOL update, MControl* control);
};

} // namespace OrvixUI
