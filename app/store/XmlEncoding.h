#pragma once

#include <optional>
#include <string>
#include <string_view>

// How the bytes of an XML file become wide text and back: byte-order marks first, then the
// encoding its declaration names, and for a file that names none, UTF-8 when the bytes are
// valid UTF-8 and the system code page otherwise.

// The value of the encoding pseudo-attribute of a leading <?xml ...?> declaration; empty when
// there is none.
std::string DeclaredEncoding(std::string_view head);

// The Windows code page an encoding name stands for ("ANSI" is the system code page);
// nullopt for names that are not code pages (UTF-8 and UTF-16 among them) or are unknown.
std::optional<unsigned> CodePageFromName(std::string_view name);

std::wstring DecodeXmlBytes(std::string_view bytes);

// Encodes text as the named encoding (UTF-8 when the name is empty or unknown). Characters
// the target cannot hold are dropped.
std::string EncodeXmlText(std::wstring_view text, std::string_view encodingName);
