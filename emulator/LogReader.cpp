#include "emulator/LogReader.h"

#include <charconv>
#include <cstdio>

namespace emulator {

namespace {

// The text value of "key":"value" or the bare value of "key":value.
std::optional<std::string_view> Field(std::string_view line, std::string_view key) {
    const std::string pattern = "\"" + std::string(key) + "\":";
    const std::size_t start = line.find(pattern);
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view rest = line.substr(start + pattern.size());
    if (rest.starts_with('"')) {
        const std::size_t end = rest.find('"', 1);
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        return rest.substr(1, end - 1);
    }
    return rest.substr(0, rest.find_first_of(",}"));
}

std::optional<std::vector<std::uint8_t>> FromHex(std::string_view hex) {
    if (hex.size() % 2 != 0) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(hex.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char* first = hex.data() + 2 * i;
        if (std::from_chars(first, first + 2, bytes[i], 16).ptr != first + 2) {
            return std::nullopt;
        }
    }
    return bytes;
}

void AddNumber(std::string& text, const char* name, int before, int after) {
    if (before != after) {
        text += (text.empty() ? "" : ", ") + std::string(name) + " " + std::to_string(after);
    }
}

void AddFlag(std::string& text, const char* name, bool changed) {
    if (changed) {
        text += (text.empty() ? "" : ", ") + std::string(name);
    }
}

} // namespace

std::optional<LogLine> ParseLogLine(std::string_view line) {
    const auto time = Field(line, "time");
    const auto interface = Field(line, "interface");
    const auto kind = Field(line, "kind");
    const auto hex = Field(line, "bytes");
    const auto result = Field(line, "result");
    if (!time || !interface || !kind || !hex || !result) {
        return std::nullopt;
    }
    LogLine parsed;
    if (std::from_chars(time->data(), time->data() + time->size(), parsed.time).ec != std::errc{}) {
        return std::nullopt;
    }
    auto bytes = FromHex(*hex);
    if (!bytes) {
        return std::nullopt;
    }
    parsed.interface = *interface;
    parsed.kind = *kind;
    parsed.bytes = std::move(*bytes);
    parsed.failed = *result != "ok";
    return parsed;
}

std::string DescribeChanges(const LightState& before, const LightState& after) {
    std::string text;
    AddNumber(text, "mode", before.mode, after.mode);
    AddNumber(text, "brightness", before.brightness, after.brightness);
    AddNumber(text, "speed", before.speed, after.speed);
    AddNumber(text, "direction", before.direction, after.direction);
    AddNumber(text, "colorful", before.colorful, after.colorful);
    AddNumber(text, "colour index", before.colorIndex, after.colorIndex);
    if (before.red != after.red || before.green != after.green || before.blue != after.blue) {
        char colour[32];
        std::snprintf(colour, sizeof colour, "colour %02x%02x%02x", after.red, after.green,
                      after.blue);
        text += (text.empty() ? "" : ", ") + std::string(colour);
    }
    AddNumber(text, "colour set", before.colourSet, after.colourSet);
    AddNumber(text, "preview mode", before.previewMode, after.previewMode);
    AddNumber(text, "music option", before.musicOption, after.musicOption);
    AddNumber(text, "music colour", before.musicColour, after.musicColour);
    AddNumber(text, "music level", before.musicLevel, after.musicLevel);
    AddNumber(text, "factory resets", before.factoryResets, after.factoryResets);
    AddFlag(text, "parameters pending", !before.resetPending && after.resetPending);
    AddFlag(text, "stream started", !before.streamStarted && after.streamStarted);
    AddFlag(text, "user colours", before.userColours != after.userColours);
    AddFlag(text, "key colours", before.keyColours != after.keyColours);
    return text;
}

std::string LogReplay::Describe(const LogLine& line) {
    char time[32];
    std::snprintf(time, sizeof time, "%.6f", line.time);
    std::string text = std::string(time) + " " + line.interface + " " + line.kind;
    for (std::uint8_t byte : line.bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02x", byte);
        text += hex;
    }
    if (line.failed) {
        return text + " (failed)";
    }
    const LightState before = m_keyboard.State();
    if (line.kind == "output") {
        m_keyboard.OnOutputReport(line.bytes, line.interface.ends_with("/aux"));
    } else if (line.kind == "feature-send") {
        m_keyboard.OnFeatureReport(line.bytes);
    }
    const std::string changes = DescribeChanges(before, m_keyboard.State());
    return changes.empty() ? text : text + " -> " + changes;
}

} // namespace emulator
