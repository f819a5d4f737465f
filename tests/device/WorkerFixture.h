#pragma once

#include "app/core/TextCodec.h"
#include "app/device/DeviceWorker.h"
#include "app/device/KeyboardProtocol.h"
#include "app/store/ProfileStore.h"
#include "tests/device/EmulatedKeyboard.h"
#include "tests/device/WorkerFakes.h"

#include <filesystem>
#include <optional>

// A worker over the emulated keyboard, a fresh profile database and a fake main window. The
// emulator's interface announcements reach the worker's device-change handler, as the
// system's notifications reach the main window. Passes run on the test's thread unless a test
// starts the worker's own.
class WorkerTest : public EmulatedKeyboardTest {
protected:
    void SetUp() override {
        EmulatedKeyboardTest::SetUp();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_folder = std::filesystem::temp_directory_path() /
                   (std::string("clavira-worker-") + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(m_folder);
        ASSERT_TRUE(m_store.Open(Utf8ToWide(m_folder.string()), L"M614-RGB"));
        Register(201);
        m_worker.emplace(DeviceWorkerParts{m_devices, m_protocol, m_store, m_updates, m_connections,
                                           m_clock, *m_pause, m_timer},
                         m_host);
        emulator::SetInterfaceListener([this](bool arrival, const std::string& path) {
            m_worker->OnDeviceChange(arrival ? kDeviceArrival : kDeviceRemoveComplete,
                                     kDeviceInterfaceBroadcast,
                                     std::wstring(path.begin(), path.end()));
        });
    }
    void TearDown() override {
        emulator::SetInterfaceListener(nullptr);
        m_worker.reset();
        m_store.Close();
        std::filesystem::remove_all(m_folder);
        EmulatedKeyboardTest::TearDown();
    }

    // Runs passes until the task queue is empty; false when it never empties.
    bool Drain(int maxPasses = 100) {
        for (int i = 0; i < maxPasses && !m_worker->PendingTasks().empty(); ++i) {
            m_worker->RunPass();
        }
        return m_worker->PendingTasks().empty();
    }
    // Plugs the modes and lets the worker take in the arrival.
    void Attach(std::initializer_list<emulator::Mode> modes) {
        for (emulator::Mode mode : modes) {
            emulator::Plug(mode);
        }
        ASSERT_TRUE(Drain());
        emulator::ClearReceived();
        m_host.ClearCalls();
    }
    void StoreLightRow(int mode, int brightness, int speed) {
        LightSetting row;
        row.profile = 1;
        row.mode = mode;
        row.brightness = brightness;
        row.speed = speed;
        ASSERT_GT(m_store.AddLightSetting(row), 0);
    }

    std::filesystem::path m_folder;
    ProfileStore m_store;
    KeyboardProtocol m_protocol{m_devices, m_clock};
    UnreachableTransfer m_transfer;
    QuietUpdateHost m_updateHost;
    UpdateService m_updates{m_transfer, m_updateHost};
    std::vector<DeviceEntry> m_connections = ShippedConnections();
    FakeWorkerHost m_host;
    CountingResolution m_timer;
    Sleeper* m_pause = &m_clock;
    std::optional<DeviceWorker> m_worker;
};
