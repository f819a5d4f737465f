#pragma once

#include "emulator/Keyboard.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace emulator {

// One line of the emulator's report log.
struct LogLine {
    double time = 0;
    std::string interface;
    std::string kind;
    std::vector<std::uint8_t> bytes;
    bool failed = false;
};

// The line's fields, or nothing when it is not a report line of the log.
std::optional<LogLine> ParseLogLine(std::string_view line);

// The light-state fields that differ, as "mode 4, brightness 3, key colours"; empty when
// nothing the keyboard keeps changed.
std::string DescribeChanges(const LightState& before, const LightState& after);

// Replays log lines through a keyboard and says, for each report, what it changed.
class LogReplay {
public:
    // "time interface kind bytes" followed by " -> changes" when the report changed the state.
    std::string Describe(const LogLine& line);

private:
    Keyboard m_keyboard;
};

} // namespace emulator
