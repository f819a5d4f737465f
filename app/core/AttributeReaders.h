#pragma once

#include <string_view>

// Readers for the attribute texts of the description files. An absent attribute arrives as
// empty text. Leading white space and a sign are accepted, reading stops at the first character
// that is not a digit, text without leading digits reads as 0, and values beyond the 32-bit
// range saturate at its ends.

// Decimal.
int ReadNumber(std::wstring_view text);

// Hexadecimal, with or without a 0x prefix.
int ReadHex(std::wstring_view text);

// True only for a decimal value of 1.
bool ReadFlag(std::wstring_view text);
