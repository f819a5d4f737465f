#pragma once

#include <optional>
#include <string>

// Names of recorded keys: the system's key names, with this program's own names for modifiers,
// media and browser keys, which the system names poorly or not at all.

enum class KeyNameSet {
    Recording, // keys caught while recording: every replacement
    KeyCapture // keys of the key capture field: modifiers and system keys only
};

struct NamedKey {
    int code = 0;
    std::wstring name;
    bool operator==(const NamedKey&) const = default;
};

// The replacement for a code, if it has one; generic Shift, Ctrl and Alt (16, 17, 18) also
// become their left-hand codes 160, 162 and 164.
std::optional<NamedKey> ReplacementKeyName(int code, KeyNameSet set);

// The system's name of a key (Windows: from the keyboard layout).
class IKeyNameSource {
public:
    virtual ~IKeyNameSource() = default;
    virtual std::wstring SystemKeyName(int code) = 0;
};

NamedKey NameKey(int code, KeyNameSet set, IKeyNameSource& names);

// The scan-code word the system's key-name lookup takes: the layout's scan code of `code`,
// with the extended bit for the navigation keys 33-46 other than 41-44.
unsigned KeyNameScanWord(int code, unsigned scanCode);
