#pragma once

#include "app/core/DeviceEntry.h"
#include "app/device/DeviceManager.h"
#include "app/device/WorkerHost.h"
#include "app/device/WorkerQueue.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

// Device-change events as the system numbers them.
constexpr std::uint32_t kDeviceArrival = 0x8000;
constexpr std::uint32_t kDeviceRemoveComplete = 0x8004;
constexpr std::uint32_t kDeviceInterfaceBroadcast = 5;

// Task codes the hot-plug path queues.
constexpr int kTaskArrival = 2;
constexpr int kTaskRemoval = 3;
constexpr int kTaskFirmwareCheck = 13;
constexpr int kTaskApplyProfile = 5;

// Follows the keyboard as it comes and goes: device-change notifications (user-interface
// thread) queue a refresh, and the refresh (worker thread) re-enumerates and recomputes the
// connection state.
//
// m_mutex guards the connected flags of the connection list, which both threads touch, and
// m_refreshing. The list itself must not change size while this object is in use.
class HotPlug {
public:
    HotPlug(DeviceManager& devices, std::vector<DeviceEntry>& connections, WorkerQueue& tasks,
            ConnectionDisplay& display);

    // A device-change notification; `name` is the interface path of the broadcast. True when
    // a task was queued.
    bool OnDeviceChange(std::uint32_t event, std::uint32_t broadcastType, const std::wstring& name);

    // Re-enumerates from scratch and shows the outcome; queues the firmware check and the
    // profile application when a keyboard is usable.
    void Refresh();

    bool DeviceFound() const { return m_deviceFound.load(); }
    bool DeviceDescribed() const { return m_deviceDescribed.load(); }
    int ConnectionKind() const { return m_connectionKind.load(); }

private:
    DeviceManager& m_devices;
    std::vector<DeviceEntry>& m_connections;
    WorkerQueue& m_tasks;
    ConnectionDisplay& m_display;

    std::mutex m_mutex;
    bool m_refreshing = false;
    std::atomic<bool> m_deviceFound{false};
    std::atomic<bool> m_deviceDescribed{false};
    std::atomic<int> m_connectionKind{0};
};
