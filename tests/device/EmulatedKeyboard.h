#pragma once

#include "app/device/DeviceManager.h"
#include "app/device/Sleeper.h"
#include "emulator/Emulator.h"

#include <gtest/gtest.h>

#include <atomic>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

// A clock that moves only when the code under test waits, so the emulator stamps each report
// with the sum of the waits before it.
class VirtualClock : public Sleeper {
public:
    void SleepFor(std::chrono::milliseconds duration) override { m_now += duration.count(); }
    long long NowMs() const { return m_now; }

private:
    std::atomic<long long> m_now{0};
};

// One report as the tests compare it: "cable/command output[65] 0089...", with the trailing
// zero bytes left out of the hex.
std::string Describe(const emulator::Report& report);
// Expected bytes as written in the tables: hex pairs separated by spaces, "{n}" for n zero
// bytes; trailing zeros need not be written.
std::string Hex(const std::string& spaced);
// The reports the keyboard took in (injected failures left out), described.
std::vector<std::string> Arrived();

// The emulated keyboard with nothing plugged, a manager on the virtual clock with the
// keyboard's three connection modes registered as the device list registers them.
class EmulatedKeyboardTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void Register(int deviceType);
    // Plugs the modes, re-enumerates as a hot-plug refresh does and selects the device type.
    void Connect(std::initializer_list<emulator::Mode> modes, int deviceType = 201);

    VirtualClock m_clock;
    std::optional<DeviceManager> m_manager{std::in_place, m_clock};
    DeviceManager& m_devices = *m_manager;
};
