#pragma once

#include <string>

// Version texts as the update service offers them ("1.0.2").

// 1 when `offered` is newer than `current`, 0 when equal, -1 when older. Parts are compared
// left to right as decimal numbers (leading digits count); a part one text lacks reads as 0,
// so "1.0" against "1.0.1" is older, never newer.
int CompareVersions(const std::wstring& current, const std::wstring& offered);

// The offered text names files, an address and the program that gets started: only digits
// and full stops, at most 10 characters, count as a version.
bool IsValidVersionText(const std::wstring& text);

// The keyboard reports its firmware version as a number whose hexadecimal digits are read as
// the decimal version (0x105 is version 105). -1 means the keyboard could not say.
bool FirmwareNeedsUpdate(int keyboardVersion, const std::wstring& offered);
