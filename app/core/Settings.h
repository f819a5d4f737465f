#pragma once

#include <string>

// Per-user settings under HKEY_CURRENT_USER\SOFTWARE\<application name>, each a REG_SZ
// holding a decimal number, and the entry that starts the program with Windows.

// The named value as a decimal number; 0 when absent, unreadable or not a number. Creates
// the settings key when it does not exist yet.
int ReadSettingInt(const std::wstring& name);

// Skipped when the settings key cannot be opened.
void WriteSettingString(const std::wstring& name, const std::wstring& text);

void WriteLanguageId(int id);

// Adds or removes the autorun entry for this program folder; returns 1.
int SetAutorun(bool enabled);
bool IsAutorunSet();
