// The device worker against the emulated keyboard, with the real waits: how long a light
// change takes from its task being queued until the keyboard has the packet, how many per-key
// frames a report protocol keyboard gets while the worker has nothing else to do, and what one
// re-enumeration of the device list costs.

#include "app/core/TextCodec.h"
#include "app/device/DeviceWorker.h"
#include "app/device/HotPlug.h"
#include "app/device/KeyboardProtocol.h"
#include "app/store/ProfileStore.h"
#include "emulator/Emulator.h"
#include "tests/device/WorkerFakes.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <thread>
#include <unistd.h>

namespace {

double SteadySeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// A cable keyboard of the given type, a profile database with one light row and a running
// worker on real time.
class Rig {
public:
    explicit Rig(int hostDeviceType)
        : m_folder(std::filesystem::temp_directory_path() /
                   ("clavira-bench-worker-" + std::to_string(getpid()))) {
        emulator::Reset();
        emulator::SetClock(SteadySeconds);
        std::filesystem::remove_all(m_folder);
        m_store.Open(Utf8ToWide(m_folder.string()), L"M614-RGB");
        LightSetting row;
        row.profile = 1;
        row.mode = 1;
        row.brightness = 3;
        m_store.AddLightSetting(row);
        for (const DeviceEntry& entry : m_connections) {
            m_devices.AddKnownDevice(entry.vendorId, entry.productId, L"", entry.deviceType,
                                     entry.connectionMode, entry.interfaceFragment);
        }
        m_host.deviceType = hostDeviceType;
        m_worker.emplace(DeviceWorkerParts{m_devices, m_protocol, m_store, m_updates, m_connections,
                                           ThreadSleeper(), ThreadSleeper(),
                                           SystemTimerResolution()},
                         m_host);
        emulator::Plug(emulator::Mode::Cable);
        m_worker->QueueTask(kTaskFirstConnection);
        m_worker->Start();
        WaitForEmptyQueue();
    }
    ~Rig() {
        m_worker.reset();
        m_store.Close();
        std::filesystem::remove_all(m_folder);
        emulator::SetClock(nullptr);
        emulator::Reset();
    }
    void WaitForEmptyQueue() {
        while (!m_worker->PendingTasks().empty()) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }
    DeviceWorker& Worker() { return *m_worker; }
    FakeWorkerHost& Host() { return m_host; }

private:
    std::filesystem::path m_folder;
    DeviceManager m_devices;
    KeyboardProtocol m_protocol{m_devices};
    ProfileStore m_store;
    UnreachableTransfer m_transfer;
    QuietUpdateHost m_updateHost;
    UpdateService m_updates{m_transfer, m_updateHost};
    std::vector<DeviceEntry> m_connections = ShippedConnections();
    FakeWorkerHost m_host;
    std::optional<DeviceWorker> m_worker;
};

// One repetition per measured light change; the aggregates give the median. Each change is
// queued at a different point of the worker's pause, as a user's would be.
void LightTaskToPacket(benchmark::State& state) {
    Rig rig(201);
    static int repetition = 0;
    for (auto _ : state) {
        emulator::ClearReceived();
        std::this_thread::sleep_for(std::chrono::microseconds(400 * (repetition++ % 40)));
        const double queued = SteadySeconds();
        rig.Worker().QueueTask(kTaskLightSettings);
        std::vector<emulator::Report> received;
        while ((received = emulator::Received()).empty()) {
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
        state.SetIterationTime(received.front().time - queued);
        rig.WaitForEmptyQueue();
    }
}
BENCHMARK(LightTaskToPacket)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(40)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// Frames a music-light keyboard receives per second while no task is queued.
void KeyFramesWhileIdle(benchmark::State& state) {
    Rig rig(100);
    rig.Host().tab = kLightingTab;
    rig.Host().lightFunctions = 0x200;
    emulator::ClearReceived();
    const double start = SteadySeconds();
    for (auto _ : state) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    }
    const double seconds = SteadySeconds() - start;
    int auxPackets = 0;
    for (const emulator::Report& report : emulator::Received()) {
        auxPackets += report.interface == "cable/aux";
    }
    state.counters["frames_per_s"] = auxPackets / 6 / seconds;
}
BENCHMARK(KeyFramesWhileIdle)->Iterations(3)->Unit(benchmark::kMillisecond);

class SilentDisplay : public ConnectionDisplay {
public:
    void CloseSecondaryWindows() override {}
    void ResetDeviceSelector() override {}
    void MarkDeviceConnected(int) override {}
    void ShowConnectedState() override {}
    void ShowNotConnectedState() override {}
};

// Close everything, enumerate, open the keyboard's interfaces and recompute the state, with
// the cable and the receiver plugged.
void Reenumeration(benchmark::State& state) {
    emulator::Reset();
    emulator::Plug(emulator::Mode::Cable);
    emulator::Plug(emulator::Mode::Wireless1);
    DeviceManager devices;
    std::vector<DeviceEntry> connections = ShippedConnections();
    for (const DeviceEntry& entry : connections) {
        devices.AddKnownDevice(entry.vendorId, entry.productId, L"", entry.deviceType,
                               entry.connectionMode, entry.interfaceFragment);
    }
    SilentDisplay display;
    for (auto _ : state) {
        WorkerQueue tasks;
        HotPlug hotPlug(devices, connections, tasks, display);
        hotPlug.Refresh();
        benchmark::DoNotOptimize(hotPlug.ConnectionKind());
    }
    emulator::Reset();
}
BENCHMARK(Reenumeration)->Unit(benchmark::kMicrosecond);

} // namespace
