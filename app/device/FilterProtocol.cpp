#include "app/device/FilterProtocol.h"

#include <algorithm>

FilterKeyTable BuildFilterKeyTable(std::span<const std::uint16_t> keyCodes) {
    FilterKeyTable table{};
    const std::size_t count = std::min(keyCodes.size(), FilterKeyTableEntries);
    for (std::size_t i = 0; i < count; ++i) {
        table[i * 4] = static_cast<std::uint8_t>(keyCodes[i] & 0xFF);
        table[i * 4 + 1] = static_cast<std::uint8_t>(keyCodes[i] >> 8);
        table[i * 4 + 2] = FilterKeyAction;
        table[i * 4 + 3] = FilterKeyFlags;
    }
    return table;
}

std::vector<std::uint16_t> WatchedKeyCodes(std::span<const std::uint8_t> table) {
    std::vector<std::uint16_t> codes;
    if (table.size() != FilterKeyTableSize) {
        return codes;
    }
    for (std::size_t i = 0; i < FilterKeyTableEntries; ++i) {
        if (table[i * 4 + 3] & FilterKeyFlags) {
            codes.push_back(static_cast<std::uint16_t>(table[i * 4] | (table[i * 4 + 1] << 8)));
        }
    }
    return codes;
}

std::array<std::uint8_t, 4> EncodeFilterKeyEvent(const FilterKeyEvent& event) {
    return {static_cast<std::uint8_t>(event.keyCode & 0xFF),
            static_cast<std::uint8_t>(event.keyCode >> 8), event.extra,
            static_cast<std::uint8_t>(event.pressed ? 1 : 0)};
}

std::optional<FilterKeyEvent> DecodeFilterKeyEvent(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 4) {
        return std::nullopt;
    }
    FilterKeyEvent event;
    event.keyCode = static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
    event.extra = bytes[2];
    event.pressed = (bytes[3] & 1) != 0;
    return event;
}
