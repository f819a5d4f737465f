// Under Wine or Windows: how long a light change takes from task 7 being queued until the
// emulated keyboard has its packet, with the real worker thread, its real waits and its
// window calls marshalled to a window's thread as the main window does. Prints the median of
// several runs in milliseconds.
//
// Run it from its folder, beside the emulator's hidapi.dll:
//   cd build/win64/tests/emulated
//   ../../../../scripts/wine-session --virtual /usr/lib/wine/wine64 worker_latency.exe

#include "app/core/TextCodec.h"
#include "app/device/DeviceWorker.h"
#include "app/device/KeyboardProtocol.h"
#include "app/store/ProfileStore.h"
#include "app/ui/UiThreadCalls.h"
#include "tests/device/WorkerFakes.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr int kRuns = 41;

double SystemSeconds() {
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count();
}

LRESULT CALLBACK CallingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (UiThreadCalls::Handle(message, wParam, lParam)) {
        return 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The main window as far as a light task needs it: disabled and enabled on its own thread.
class MarshallingHost : public FakeWorkerHost {
public:
    MarshallingHost(UiThreadCalls& calls, HWND window) : m_calls(calls), m_window(window) {}
    void EnableMainWindow(bool enable) override {
        m_calls.Run([&] { EnableWindow(m_window, enable ? TRUE : FALSE); });
    }

private:
    UiThreadCalls& m_calls;
    HWND m_window;
};

// The time the emulator logged for the last light settings packet, or 0.
double LastLightPacketTime(const std::filesystem::path& log) {
    std::ifstream file(log);
    std::string line;
    double time = 0;
    while (std::getline(file, line)) {
        if (line.find("\"bytes\":\"07f7") != std::string::npos) {
            std::istringstream(line.substr(line.find(':') + 1)) >> time;
        }
    }
    return time;
}

} // namespace

int main() {
    const auto folder = std::filesystem::temp_directory_path() / "clavira-worker-latency";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto log = folder / "reports.jsonl";
    std::ofstream(folder / "control") << "reset\nplug 0\n";
    _putenv_s("CLAVIRA_EMULATOR_CONTROL", (folder / "control").string().c_str());
    _putenv_s("CLAVIRA_EMULATOR_LOG", log.string().c_str());

    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = CallingWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"WorkerLatency";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, L"WorkerLatency", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    UiThreadCalls calls;
    calls.Attach(window);

    ProfileStore store;
    store.Open(Utf8ToWide(folder.string()), L"M614-RGB");
    LightSetting row;
    row.profile = 1;
    row.mode = 1;
    row.brightness = 3;
    store.AddLightSetting(row);

    std::vector<DeviceEntry> connections = ShippedConnections();
    DeviceManager devices;
    for (const DeviceEntry& entry : connections) {
        devices.AddKnownDevice(entry.vendorId, entry.productId, L"", entry.deviceType,
                               entry.connectionMode, entry.interfaceFragment);
    }
    KeyboardProtocol protocol(devices);
    UnreachableTransfer transfer;
    QuietUpdateHost updateHost;
    UpdateService updates(transfer, updateHost);
    MarshallingHost host(calls, window);
    host.lightMode = 1;

    std::vector<double> latencies;
    {
        DeviceWorker worker(DeviceWorkerParts{devices, protocol, store, updates, connections,
                                              ThreadSleeper(), ThreadSleeper(),
                                              SystemTimerResolution()},
                            host);
        const auto idle = [&] { return worker.PendingTasks().empty(); };
        worker.QueueTask(kTaskFirstConnection);
        worker.Start();
        UiThreadCalls::WaitRunningCalls(idle, 10000);
        for (int run = 0; run < kRuns; ++run) {
            const double queued = SystemSeconds();
            worker.QueueTask(kTaskLightSettings);
            UiThreadCalls::WaitRunningCalls(idle, 10000);
            const double arrived = LastLightPacketTime(log);
            if (arrived < queued) {
                std::puts("worker_latency: the light packet did not arrive");
                return 1;
            }
            latencies.push_back((arrived - queued) * 1000);
        }
        calls.BeginClosing();
        worker.RequestStop();
        UiThreadCalls::WaitRunningCalls([&] { return worker.HasEnded(); }, 10000);
    }
    store.Close();
    DestroyWindow(window);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);

    std::sort(latencies.begin(), latencies.end());
    std::printf("task 7 queued -> light packet at the emulated keyboard, %d runs: median %.1f ms "
                "(min %.1f, max %.1f)\n",
                kRuns, latencies[latencies.size() / 2], latencies.front(), latencies.back());
    return 0;
}
