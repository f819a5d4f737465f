#pragma once

#include "emulator/Emulator.h"
#include "emulator/Keyboard.h"

#include <array>
#include <cstdint>
#include <functional>
#include <mutex>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace emulator {

// One HID interface of the emulated system, as enumeration reports it.
struct Interface {
    int mode; // connection mode, or -1 for a device that is not the keyboard
    std::string role;
    std::string path;
    unsigned short vendorId;
    unsigned short productId;
    unsigned short usagePage;
    unsigned short usage;
    int interfaceNumber;
    std::wstring product;
    bool bluetooth;
};

// Every interface the emulated system can show, in enumeration order.
const std::vector<Interface>& AllInterfaces();

} // namespace emulator

// hidapi's opaque handle type.
struct hid_device_ {
    const emulator::Interface* interface;
    unsigned generation; // the plug generation of its mode when it was opened
    std::wstring error;
};

namespace emulator {

// The emulated system: plugged modes, open handles, the keyboard, pending failures and the
// report list. Every member is guarded by mutex; the hidapi functions and the control API
// take it for each call.
struct Bus {
    std::mutex mutex;
    Keyboard keyboard;
    std::array<bool, 3> plugged{};
    std::array<unsigned, 3> generation{};
    struct PendingFailure {
        int after = 0; // calls still to go through first
        int count = 0; // calls to fail then
    };
    std::array<PendingFailure, 5> failures{};
    std::set<hid_device_*> handles;
    std::vector<Report> received;
    std::function<double()> clock;
    std::wstring lastError;
    std::uintmax_t controlConsumed = 0; // bytes of the control file already applied

    bool Alive(const hid_device_* device) const;
    bool TakeFailure(Failure failure);
    void Record(const hid_device_* device, const char* kind, std::span<const std::uint8_t> bytes,
                bool failed);
    // Writes the light state and the number of open handles to the state file, when one is
    // named.
    void SaveState() const;
    // Applies the commands appended to the control file since the last call.
    void PollControl();
    void ApplyCommand(const std::string& line);
    void ResetLocked();
};

double SystemSeconds();

// The process-wide bus; never destroyed, so hidapi calls made during static destruction of
// other objects still find it.
Bus& TheBus();

} // namespace emulator
