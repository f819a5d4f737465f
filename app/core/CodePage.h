#pragma once

#include <optional>
#include <string>
#include <string_view>

// Windows code pages (1252, 936, 28591, ...), converted by the platform: the system's own
// tables on Windows, iconv elsewhere.

unsigned SystemCodePage();

// nullopt when the platform does not know the code page.
std::optional<std::wstring> DecodeCodePage(std::string_view bytes, unsigned codePage);

// Characters the code page cannot hold are dropped.
std::optional<std::string> EncodeCodePage(std::wstring_view text, unsigned codePage);
