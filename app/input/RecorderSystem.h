#pragma once

#include "app/input/KeyNames.h"
#include "app/input/MacroRecorder.h"

#include <cstdint>
#include <optional>

// The recorder's system services on Windows.

// Key names from the keyboard layout.
class SystemKeyNames : public IKeyNameSource {
public:
    std::wstring SystemKeyName(int code) override;
};

// The system time in ms (100-ns ticks divided by 10 000).
class SystemRecorderClock : public IRecorderClock {
public:
    std::int64_t NowMs() override;
};

// Registers `window` (HWND) for raw mouse and keyboard input, also while it is in the
// background; tries twice.
bool RegisterRawKeyInput(void* window);

struct RawKey {
    std::uint32_t message = 0; // key down, key up, system key down or up
    int virtualKey = 0;
};

// The keyboard event of a raw input message's lParam; nothing for mouse input or on failure.
std::optional<RawKey> ReadRawKey(std::intptr_t rawInput);
