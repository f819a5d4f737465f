#pragma once

#include <chrono>

// The waits that pace traffic to the keyboard go through this, so tests can count them on a
// virtual clock instead of sleeping.
class Sleeper {
public:
    virtual ~Sleeper() = default;
    virtual void SleepFor(std::chrono::milliseconds duration) = 0;
};

// Sleeps the calling thread; the default everywhere outside tests.
Sleeper& ThreadSleeper();
