#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// What the key filter accepts and returns: control codes, the watched-key table, key events.

constexpr std::uint32_t FilterSetKeyTable = 0x22A000;
constexpr std::uint32_t FilterCommitTable = 0x226008;
constexpr std::uint32_t FilterEnableTable = 0x22600C;
constexpr std::uint32_t FilterReadKeyEvent = 0x226044;

constexpr std::size_t FilterKeyTableEntries = 256;
constexpr std::size_t FilterKeyTableSize = FilterKeyTableEntries * 4;
// Sending this many zero bytes with FilterSetKeyTable clears the table.
constexpr std::size_t FilterClearTableSize = 256;
constexpr std::uint8_t FilterKeyAction = 0x07;
constexpr std::uint8_t FilterKeyFlags = 0x02;

using FilterKeyTable = std::array<std::uint8_t, FilterKeyTableSize>;

// Entry i watches keyCodes[i]; codes past the 256th are not watched; unused entries stay zero.
FilterKeyTable BuildFilterKeyTable(std::span<const std::uint16_t> keyCodes);

// The key codes a table watches, in table order (entries without the watch flag are skipped).
// An input of any size other than a full table watches nothing.
std::vector<std::uint16_t> WatchedKeyCodes(std::span<const std::uint8_t> table);

struct FilterKeyEvent {
    std::uint16_t keyCode = 0;
    std::uint8_t extra = 0;
    bool pressed = false;
    bool operator==(const FilterKeyEvent&) const = default;
};

std::array<std::uint8_t, 4> EncodeFilterKeyEvent(const FilterKeyEvent& event);
std::optional<FilterKeyEvent> DecodeFilterKeyEvent(std::span<const std::uint8_t> bytes);
