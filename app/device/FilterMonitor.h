#pragma once

#include "app/device/FilterChannel.h"
#include "app/device/FilterProtocol.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace HidUsbFilter {

// One listener of key events: operation(owner, extra byte, key code, pressed, argument). A
// non-zero result ends the round: later proxies do not see that event.
struct MonitorProxy {
    using Operation = int (*)(void* owner, std::uint8_t extra, std::uint16_t keyCode, bool pressed,
                              std::intptr_t argument);
    void* owner = nullptr;
    Operation operation = nullptr;
    std::intptr_t argument = 0;
    bool operator==(const MonitorProxy&) const = default;
};

// Waits for the filter's key events on its own thread and hands each to the proxies.
class FilterMonitor {
public:
    explicit FilterMonitor(IFilterChannel& device) : m_device(device) {}
    ~FilterMonitor();
    FilterMonitor(const FilterMonitor&) = delete;
    FilterMonitor& operator=(const FilterMonitor&) = delete;

    bool OpenDevice() { return m_device.Open(); }
    void AddProxy(void* owner, MonitorProxy::Operation operation, std::intptr_t argument);

    void Start();
    // Returns once the thread has ended; safe to call when not running.
    void Stop();
    bool IsRunning() const { return m_thread.joinable(); }

    // Stops the monitor, replaces the filter's table by `keyCodes`, and starts again.
    bool ApplyKeyTable(const std::vector<std::uint16_t>& keyCodes);
    // The exit sequence: stop and clear the filter's table.
    void Shutdown();

private:
    bool ClearKeyTable();
    void Run();

    IFilterChannel& m_device;
    std::mutex m_lifeLock; // serialises Start, Stop and the table changes around them
    std::thread m_thread;
    std::atomic<bool> m_running{false};
    std::mutex m_proxyLock; // guards m_proxies; held while proxies are called
    std::vector<MonitorProxy> m_proxies;
};

} // namespace HidUsbFilter
