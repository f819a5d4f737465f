#pragma once

#include <string>

// The section every caller reads its texts from.
inline constexpr wchar_t kTextSection[] = L"KB.DIALOG";

// Text `id` of `section` in the current language's file (language\<id>.lan beside the
// program, ANSI or UTF-16), at most 259 characters; empty when the file, section or key is
// missing. The file is read on every call.
std::wstring GetText(const std::wstring& section, int id);
