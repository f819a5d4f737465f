#pragma once

#include "app/input/KeyNames.h"
#include "app/input/MacroRecorder.h"

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
