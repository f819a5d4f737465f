#pragma once

#include "toolkit/core/MControl.h"
#include "toolkit/core/OrvixApi.h"

namespace OrvixUI {

// Where a class name may be created: by a window's paint manager or inside a container.
enum class FactoryLevel { Dialog, Container };

// Whether the class name is known at that level (exact, case-sensitive match).
ORVIXUI_API bool IsControlClassKnown(FactoryLevel level, const wchar_t* className);

// A new control of that class, not yet in any list and without a manager; null for an empty,
// unknown or not-yet-available name, or one not known at this level.
MControl* CreateControlByName(FactoryLevel level, MObject* parent, const wchar_t* className,
                              UINT id, const RECT& rect, const wchar_t* title, BOOL visible,
                              BOOL enabled);

} // namespace OrvixUI
