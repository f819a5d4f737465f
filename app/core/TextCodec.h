#pragma once

#include <string>
#include <string_view>

// Conversions between the program's wide text and the byte encodings it meets on disk.
// wchar_t is UTF-16 on Windows and UTF-32 on Linux; both widths are handled.
// Malformed input never fails a conversion: each bad sequence becomes U+FFFD.

bool IsValidUtf8(std::string_view bytes);
std::wstring Utf8ToWide(std::string_view bytes);
std::string WideToUtf8(std::wstring_view text);

enum class ByteOrder { LittleEndian, BigEndian };
std::wstring Utf16ToWide(std::string_view bytes, ByteOrder order);
std::string WideToUtf16(std::wstring_view text, ByteOrder order);
