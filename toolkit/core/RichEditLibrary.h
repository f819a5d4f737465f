#pragma once

#include "toolkit/core/OrvixApi.h"

#include <windows.h>

namespace OrvixUI {

// The system's rich-edit text services library, loaded once per process from the system
// folder by its full path, never through the search path (a copy planted beside the program
// must not be picked up). Null when it cannot be loaded.
ORVIXUI_API HMODULE LoadRichEditLibrary();

// The full path the library is loaded from: the system folder and "Msftedit.dll".
ORVIXUI_API const wchar_t* GetRichEditLibraryPath();

} // namespace OrvixUI
