#include "emulator/Emulator.h"
#include "emulator/Bus.h"

#include "emulator/Announcer.h"

namespace emulator {

void Reset() {
    Bus& bus = TheBus();
    std::lock_guard lock(bus.mutex);
    bus.ResetLocked();
}

namespace {

std::mutex listenerMutex; // guards listener
InterfaceListener listener;

void Announce(Mode mode, bool arrival) {
    QueueInterfaceNotifications(static_cast<int>(mode), arrival);
    InterfaceListener current;
    {
        std::lock_guard lock(listenerMutex);
        current = listener;
    }
    if (!current) {
        return;
    }
    for (const Interface& interface : AllInterfaces()) {
        if (interface.mode == static_cast<int>(mode)) {
            current(arrival, interface.path);
        }
    }
}

} // namespace

void SetInterfaceListener(InterfaceListener newListener) {
    std::lock_guard lock(listenerMutex);
    listener = std::move(newListener);
}

void Plug(Mode mode) {
    Bus& bus = TheBus();
    bool changed = false;
    {
        std::lock_guard lock(bus.mutex);
        changed = !bus.plugged[static_cast<int>(mode)];
        bus.plugged[static_cast<int>(mode)] = true;
    }
    if (changed) {
        Announce(mode, true);
    }
}

void Unplug(Mode mode) {
    Bus& bus = TheBus();
    const int index = static_cast<int>(mode);
    bool changed = false;
    {
        std::lock_guard lock(bus.mutex);
        changed = bus.plugged[index];
        if (changed) {
            ++bus.generation[index];
        }
        bus.plugged[index] = false;
    }
    if (changed) {
        Announce(mode, false);
    }
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
