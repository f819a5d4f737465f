#pragma once

#include <string>

namespace OrvixUI {

// Folders beside the running program (the main executable, not this library), each with a
// trailing backslash.
std::wstring GetProgramFolderPath();
// skins\ and the theme folder: every image loaded by file name is relative to it.
std::wstring GetSkinFolder();
std::wstring GetFontFolder();

} // namespace OrvixUI
