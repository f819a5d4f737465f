#pragma once

#include "app/device/QuillpadReports.h"

#include <cstdint>
#include <vector>

// One input change the user-mode virtual keyboard must produce.
struct VirtualInputChange {
    enum class Kind { Key, MouseButton, Consumer };
    Kind kind = Kind::Key;
    // Key: HID keyboard usage; MouseButton: bit 0-7; Consumer: consumer-control usage.
    int code = 0;
    bool pressed = false;
    bool operator==(const VirtualInputChange&) const = default;
};

// Turns the virtual keyboard's write frames into input changes: only what a report changes
// relative to the previous report of its kind is pressed or released. Within one keyboard
// report, releases come first and modifiers are pressed before and released after other keys,
// so a report that holds Ctrl and C together types Ctrl+C.
class DriverlessReportTranslator {
public:
    std::vector<VirtualInputChange> Apply(const QuillpadFrame& frame);

    // Everything still pressed, as releases, and the state cleared.
    std::vector<VirtualInputChange> ReleaseAll();

private:
    QuillpadReports m_state;
};
