#pragma once

#include "app/input/KeyActions.h"

#include <map>
#include <set>

class Quillpad;

// Who holds which input of the virtual device down. Several holders (mapped physical keys, the
// playing macro, a shortcut) may hold the same input: it is pressed when the first takes it and
// released when the last lets go, so one holder letting go never releases another's key, and
// each holder can let go of everything it took. Not thread-safe: the key mapping's output lock
// guards it.
class HeldOutputs {
public:
    explicit HeldOutputs(Quillpad& pad) : m_pad(pad) {}

    // Each returns false when a report it sent did not reach the device.
    bool Press(int holder, const DeviceOutput& output);
    bool Release(int holder, const DeviceOutput& output);
    bool ReleaseHolder(int holder);
    // Zeroes every report of the device, whoever pressed what.
    bool ReleaseAll();

    bool IsHeld(const DeviceOutput& output) const { return m_holders.contains(output); }
    bool Holds(int holder, const DeviceOutput& output) const;
    bool Empty() const { return m_holders.empty(); }

private:
    bool Send(const DeviceOutput& output, bool pressed);
    bool ShowHeldConsumer();
    bool SendConsumer(std::uint16_t usage);

    Quillpad& m_pad;
    std::map<DeviceOutput, std::set<int>> m_holders; // only inputs with at least one holder
    std::uint16_t m_consumer = 0;                    // the usage the consumer report carries
};
