#pragma once

#include "toolkit/core/OrvixApi.h"

namespace OrvixUI {

// Folders beside the running program (the main executable, not this library), each with a
// trailing backslash. The texts live until the process ends.
ORVIXUI_API const wchar_t* GetProgramFolderPath();
// skins\ and the theme folder: every image loaded by file name is relative to it.
ORVIXUI_API const wchar_t* GetSkinFolder();
ORVIXUI_API const wchar_t* GetFontFolder();

} // namespace OrvixUI
