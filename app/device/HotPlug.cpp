#include "app/device/HotPlug.h"

#include "app/core/DeviceCatalog.h"

namespace {

// The Bluetooth HID-over-GATT service interface of a paired keyboard.
constexpr const wchar_t* kGattServiceMark = L"00001812-0000-1000-8000-00805F9B34FB";

std::wstring UpperCase(std::wstring text) {
    for (wchar_t& c : text) {
        if (c >= L'a' && c <= L'z') {
            c = static_cast<wchar_t>(c - L'a' + L'A');
        }
    }
    return text;
}

bool Contains(const std::wstring& name, const std::wstring& fragment) {
    return name.find(fragment) != std::wstring::npos;
}

} // namespace

HotPlug::HotPlug(DeviceManager& devices, std::vector<DeviceEntry>& connections, WorkerQueue& tasks,
                 ConnectionDisplay& display)
    : m_devices(devices), m_connections(connections), m_tasks(tasks), m_display(display) {}

bool HotPlug::OnDeviceChange(std::uint32_t event, std::uint32_t broadcastType,
                             const std::wstring& name) {
    if (broadcastType != kDeviceInterfaceBroadcast ||
        (event != kDeviceArrival && event != kDeviceRemoveComplete)) {
        return false;
    }
    const std::wstring upper = UpperCase(name);
    if (Contains(upper, kGattServiceMark)) {
        return false;
    }
    std::lock_guard lock(m_mutex);
    if (event == kDeviceArrival) {
        for (const DeviceEntry& entry : m_connections) {
            if (Contains(upper, entry.interfaceFragment)) {
                m_tasks.Append(kTaskArrival);
                return true;
            }
        }
        return false;
    }
    // A refresh that is running may be about to mark this description connected from an
    // enumeration taken before the removal; without a second refresh that stale state would
    // stay until the next matching notification.
    for (DeviceEntry& entry : m_connections) {
        if ((entry.connected || m_refreshing) && Contains(upper, entry.interfaceFragment)) {
            entry.connected = 0;
            m_tasks.Append(kTaskRemoval);
            return true;
        }
    }
    return false;
}

void HotPlug::Refresh() {
    {
        std::lock_guard lock(m_mutex);
        m_refreshing = true;
    }
    m_deviceDescribed = false;
    m_devices.Refresh();
    std::vector<ConnectedDevice> entries;
    const bool found = m_devices.CollectEntries(entries);
    m_deviceFound = found;
    m_display.ResetDeviceSelector();
    std::vector<int> connectedTypes;
    {
        std::lock_guard lock(m_mutex);
        for (DeviceEntry& entry : m_connections) {
            if (m_devices.FindEntry(entry.vendorId, entry.productId, entry.name,
                                    entry.connectionMode) >= 0) {
                m_deviceDescribed = true;
                entry.connected = 1;
                connectedTypes.push_back(entry.deviceType);
            }
        }
        m_refreshing = false;
    }
    for (int deviceType : connectedTypes) {
        m_display.MarkDeviceConnected(deviceType);
    }
    m_display.CloseSecondaryWindows();
    if (!found) {
        m_connectionKind = -1;
        m_display.ShowNotConnectedState();
        return;
    }
    m_devices.SetSelectedType(kStartDeviceType);
    const int kind = m_devices.ConnectionKind();
    m_connectionKind = kind;
    if ((kind == 1 || kind == 2) && !m_deviceDescribed) {
        m_display.ShowNotConnectedState();
        return;
    }
    m_display.ShowConnectedState();
    m_tasks.Append(kTaskFirmwareCheck);
    m_tasks.Append(kTaskApplyProfile);
}
