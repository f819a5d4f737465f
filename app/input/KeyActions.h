#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// What a key assignment row asks for, and the tables that turn its value into device reports.
// Every lookup is range-checked: a value outside its table gives no output, never a read past
// the table.

// Assignment kinds (macro_type) that produce output; every other kind watches the key and
// produces nothing.
inline constexpr int kAssignKey = 2;
inline constexpr int kAssignMacro = 3;
inline constexpr int kAssignMouse = 5;
inline constexpr int kAssignShortcut = 7;

// Key values from here up to kLastMultimediaCode are multimedia functions, not keyboard usages.
inline constexpr int kFirstMultimediaCode = 232;
inline constexpr int kLastMultimediaCode = 249;

// One input the virtual device can hold down.
struct DeviceOutput {
    enum class Kind { Key, Consumer, Mouse };
    Kind kind = Kind::Key;
    int code = 0; // Key: HID keyboard usage; Consumer: consumer-control usage; Mouse: report bit
    auto operator<=>(const DeviceOutput&) const = default;
};

struct KeyAction {
    enum class Kind { None, Output, Shortcut, Macro };
    Kind kind = Kind::None;
    DeviceOutput output; // Kind::Output
    int number = 0;      // Kind::Shortcut: 1-15; Kind::Macro: the macro id
    bool operator==(const KeyAction&) const = default;
};

// The action of an assignment row's kind and value.
KeyAction ActionOfAssignment(int macroType, int macroValue);

// The consumer usage of a multimedia code 232-249.
std::optional<std::uint16_t> ConsumerUsageOfMultimediaCode(int code);

// The mouse report bit of a mouse button value 1, 2, 3, 7 or 8.
std::optional<int> MouseBitOfButton(int button);

// The keyboard usages a shortcut presses, in order; empty for a number outside 1-15.
std::span<const std::uint8_t> ShortcutKeys(int number);

// What a macro event's Windows virtual-key code presses: a keyboard usage, or the consumer usage
// of a media key; nothing for a code outside the usage table.
std::optional<DeviceOutput> OutputOfVirtualKey(int virtualKey);

// The display text of a HID keyboard usage; empty for a usage without one.
std::wstring UsageName(int usage);
