#include "app/device/FilterMonitor.h"

#include <algorithm>
#include <array>
#include <chrono>

namespace HidUsbFilter {

FilterMonitor::~FilterMonitor() {
    Shutdown();
    m_device.Close();
}

void FilterMonitor::AddProxy(void* owner, MonitorProxy::Operation operation,
                             std::intptr_t argument) {
    const MonitorProxy proxy{owner, operation, argument};
    std::lock_guard guard(m_proxyLock);
    if (std::find(m_proxies.begin(), m_proxies.end(), proxy) == m_proxies.end()) {
        m_proxies.push_back(proxy);
    }
}

void FilterMonitor::Start() {
    std::lock_guard guard(m_lifeLock);
    if (m_thread.joinable()) {
        return;
    }
    m_device.Rearm();
    m_running = true;
    m_thread = std::thread([this] { Run(); });
}

void FilterMonitor::Stop() {
    std::lock_guard guard(m_lifeLock);
    if (!m_thread.joinable()) {
        return;
    }
    m_running = false;
    m_device.Cancel();
    m_thread.join();
    // The cancel was meant for the thread's read only; the table controls that follow a stop
    // may have to wait for the filter too.
    m_device.Rearm();
}

bool FilterMonitor::ApplyKeyTable(const std::vector<std::uint16_t>& keyCodes) {
    Stop();
    ClearKeyTable();
    const FilterKeyTable table = BuildFilterKeyTable(keyCodes);
    const bool sent = m_device.Control(FilterSetKeyTable, table.data(), table.size(), nullptr, 0);
    m_device.Control(FilterCommitTable, nullptr, 0, nullptr, 0);
    m_device.Control(FilterEnableTable, nullptr, 0, nullptr, 0);
    Start();
    return sent;
}

void FilterMonitor::Shutdown() {
    Stop();
    ClearKeyTable();
}

bool FilterMonitor::ClearKeyTable() {
    const std::array<std::uint8_t, FilterClearTableSize> zeros{};
    return m_device.Control(FilterSetKeyTable, zeros.data(), zeros.size(), nullptr, 0);
}

void FilterMonitor::Run() {
    while (m_running) {
        bool haveProxies = false;
        {
            std::lock_guard guard(m_proxyLock);
            haveProxies = !m_proxies.empty();
        }
        std::array<std::uint8_t, 4> bytes{};
        if (haveProxies &&
            m_device.Control(FilterReadKeyEvent, nullptr, 0, bytes.data(), bytes.size())) {
            const auto event = DecodeFilterKeyEvent(bytes);
            std::lock_guard guard(m_proxyLock);
            for (const MonitorProxy& proxy : m_proxies) {
                if (proxy.operation(proxy.owner, event->extra, event->keyCode, event->pressed,
                                    proxy.argument) != 0) {
                    break;
                }
            }
            continue;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

} // namespace HidUsbFilter
