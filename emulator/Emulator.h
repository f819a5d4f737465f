#pragma once

#include "emulator/Keyboard.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Control of the emulated keyboard for tests that run in the same process as the hidapi
// functions it provides. Other processes steer it through the control file (README.md).
namespace emulator {

// The keyboard's connection modes, numbered as the device list numbers them.
enum class Mode { Cable = 0, Wireless1 = 1, Wireless2 = 2 };

enum class Failure {
    WriteTransfersNothing, // hid_write returns -1
    FeatureSendFails,      // hid_send_feature_report returns -1
    FeatureGetFails,       // hid_get_feature_report returns -1
    FeatureGetWrongId,     // hid_get_feature_report answers with report id 00
    OpenFails,             // hid_open_path returns null
};

// One report as the keyboard saw it, also written as one JSON line to the log file.
struct Report {
    double time = 0;       // seconds, from the clock (see SetClock)
    std::string interface; // "cable/command", "cable/aux", "wireless1/command", ...
    std::string kind;      // "output", "feature-send" or "feature-get"
    std::vector<std::uint8_t> bytes;
    bool failed = false; // an injected failure or an unplugged interface: nothing arrived
};

// Back to the start: nothing plugged, default light state, firmware 0x0100, no pending
// failures, empty report list. Handles opened before stay valid objects but are dead.
void Reset();

// Called after a Plug or Unplug that changed the mode's state, once for each of the mode's
// interfaces with its path, as the system announces device interfaces coming and going. It
// runs on the thread that plugged, outside the emulator's lock.
using InterfaceListener = std::function<void(bool arrival, const std::string& path)>;
void SetInterfaceListener(InterfaceListener listener);

void Plug(Mode mode);
void Unplug(Mode mode);
bool IsPlugged(Mode mode);

void SetFirmwareVersion(std::uint16_t version);

// After `after` calls of the kind have gone through, the next `count` fail, on any interface.
void InjectFailure(Failure failure, int count = 1, int after = 0);

// Source of the report times; by default (and after SetClock(nullptr)) the system clock in
// seconds since 1970.
void SetClock(std::function<double()> clock);

std::vector<Report> Received();
void ClearReceived();
LightState State();

// Handles opened with hid_open_path and not yet closed.
int OpenHandles();

} // namespace emulator
