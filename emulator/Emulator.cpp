#include "emulator/Emulator.h"
#include "emulator/Bus.h"

namespace emulator {

void Reset() {
    Bus& bus = TheBus();
    std::lock_guard lock(bus.mutex);
    bus.ResetLocked();
}

void Plug(Mode mode) {
    Bus& bus = TheBus();
    std::lock_guard lock(bus.mutex);
    bus.plugged[static_cast<int>(mode)] = true;
}

void Unplug(Mode mode) {
    Bus& bus = TheBus();
    std::lock_guard lock(bus.mutex);
    const int index = static_cast<int>(mode);
    if (bus.plugged[index]) {
        ++bus.generation[index];
    }
    bus.plugged[index] = false;
}

bool IsPlugged(Mode mode) {
    Bus& bus = TheBus();
    std::lock_guard lock(bus.mutex);
    return bus.plugged[static_cast<int>(mode)];
}

void SetFirmwareVersion(std::uint16_t version) {
    Bus& bus = TheBus();
    std::lock_guard lock(bus.mutex);
    bus.keyboard.SetFirmwareVersion(version);
}

void InjectFailure(Failure failure, int count, int after) {
    Bus& bus = TheBus();
    std::lock_guard lock(bus.mutex);
    bus.failures[static_cast<int>(failure)] = {after, count};
}

void SetClock(std::function<double()> clock) {
    Bus& bus = TheBus();
    std::lock_guard lock(bus.mutex);
    bus.clock = clock ? std::move(clock) : SystemSeconds;
}

std::vector<Report> Received() {
    Bus& bus = TheBus();
    std::lock_guard lock(bus.mutex);
    return bus.received;
}

void ClearReceived() {
    Bus& bus = TheBus();
    std::lock_guard lock(bus.mutex);
    bus.received.clear();
}

LightState State() {
    Bus& bus = TheBus();
    std::lock_guard lock(bus.mutex);
    return bus.keyboard.State();
}

int OpenHandles() {
    Bus& bus = TheBus();
    std::lock_guard lock(bus.mutex);
    return static_cast<int>(bus.handles.size());
}

} // namespace emulator
