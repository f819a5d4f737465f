#include "app/device/DeviceManager.h"

#include <hidapi/hidapi.h>

#include <algorithm>
#include <cctype>

using namespace std::chrono_literals;

namespace {

constexpr unsigned short kVendorUsagePage = 0xFF01;
constexpr unsigned short kVendorUsage = 1;
// Interface 3 of the keyboard carries the per-key colour stream.
constexpr const char* kAuxiliaryMark = "&MI_03";
constexpr std::uint8_t kFeatureReportId = 0x07;

constexpr auto kFeatureWait = 16ms;
constexpr auto kReportRetryWait = 10ms;
constexpr auto kPayloadRetryWait = 32ms;

std::string UpperCase(const char* text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

bool Written(int result) { return result > 0; }

} // namespace

DeviceManager::DeviceManager(Sleeper& sleeper) : m_sleeper(sleeper) {}

// Every handle is closed at the end, whatever the open flag says; so does Refresh.
DeviceManager::~DeviceManager() {
    std::lock_guard lock(m_mutex);
    CloseAllLocked();
}

DeviceManager& DeviceManager::Instance() {
    static DeviceManager manager;
    return manager;
}

void DeviceManager::AddKnownDevice(int vid, int pid, const std::wstring& productName,
                                   int deviceType, int mode, const std::wstring& hidInterface) {
    std::lock_guard lock(m_mutex);
    m_known.push_back({vid, pid, productName, deviceType, mode, hidInterface});
}

void DeviceManager::CloseAll() {
    std::lock_guard lock(m_mutex);
    if (m_open) {
        CloseAllLocked();
    }
}

void DeviceManager::CloseAllLocked() {
    m_open = false;
    for (OpenDevice& device : m_devices) {
        hid_close(device.handle);
    }
    m_devices.clear();
    m_current = nullptr;
    if (m_auxiliary) {
        hid_close(m_auxiliary);
        m_auxiliary = nullptr;
    }
}

void DeviceManager::Enumerate() {
    std::lock_guard lock(m_mutex);
    EnumerateLocked();
}

void DeviceManager::EnumerateLocked() {
    hid_device_info* all = hid_enumerate(0, 0);
    for (const hid_device_info* info = all; info; info = info->next) {
        // Enumeration reads no strings, so only records without a product name match.
        const bool known = std::any_of(m_known.begin(), m_known.end(), [&](const KnownDevice& k) {
            return k.vid == info->vendor_id && k.pid == info->product_id && k.productName.empty();
        });
        if (!known || !info->path) {
            continue;
        }
        const std::string upperPath = UpperCase(info->path);
        hid_device* handle = hid_open_path(info->path);
        if (!handle) {
            continue;
        }
        if (info->usage_page != kVendorUsagePage || info->usage != kVendorUsage) {
            hid_close(handle);
            continue;
        }
        if (upperPath.find(kAuxiliaryMark) != std::string::npos) {
            if (m_auxiliary) {
                hid_close(m_auxiliary);
            }
            m_auxiliary = handle;
            continue;
        }
        ConnectedDevice device;
        device.index = static_cast<int>(m_devices.size());
        device.vid = info->vendor_id;
        device.pid = info->product_id;
        device.path = info->path;
        device.release = info->release_number;
        const auto match = std::find_if(m_known.begin(), m_known.end(), [&](const KnownDevice& k) {
            return k.vid == info->vendor_id && k.pid == info->product_id;
        });
        if (match != m_known.end()) {
            device.deviceType = static_cast<std::uint32_t>(match->deviceType);
            device.mode = static_cast<std::uint32_t>(match->mode);
        }
        device.wired = device.mode == 0 ? 1 : 0;
        m_devices.push_back({std::move(device), handle});
    }
    hid_free_enumeration(all);
}

void DeviceManager::SetOpen(bool open) {
    std::lock_guard lock(m_mutex);
    m_open = open;
}

bool DeviceManager::IsOpen() const {
    std::lock_guard lock(m_mutex);
    return m_open;
}

void DeviceManager::SetSelectedType(int deviceType) {
    std::lock_guard lock(m_mutex);
    m_selectedType = deviceType;
    m_current = nullptr;
}

int DeviceManager::SelectedType() const {
    std::lock_guard lock(m_mutex);
    return m_selectedType;
}

void DeviceManager::Refresh() {
    std::lock_guard lock(m_mutex);
    CloseAllLocked();
    EnumerateLocked();
    m_open = true;
    m_selectedType = 0;
    m_current = nullptr;
}

hid_device_* DeviceManager::CurrentDevice() {
    std::lock_guard lock(m_mutex);
    return CurrentDeviceLocked();
}

hid_device_* DeviceManager::CurrentDeviceLocked() {
    if (m_current) {
        return m_current;
    }
    for (std::uint32_t mode : {0u, 1u, 2u}) {
        for (const OpenDevice& device : m_devices) {
            if (static_cast<int>(device.info.deviceType) == m_selectedType &&
                device.info.mode == mode) {
                m_current = device.handle;
                return m_current;
            }
        }
    }
    return nullptr;
}

int DeviceManager::ConnectionKind() const {
    std::lock_guard lock(m_mutex);
    auto present = [&](std::uint32_t mode) {
        return std::any_of(m_devices.begin(), m_devices.end(), [&](const OpenDevice& device) {
            return static_cast<int>(device.info.deviceType) == m_selectedType &&
                   device.info.mode == mode;
        });
    };
    // Both wireless connections present: the second one decides the command form.
    for (int mode : {0, 2, 1}) {
        if (present(static_cast<std::uint32_t>(mode))) {
            return mode;
        }
    }
    return -1;
}

bool DeviceManager::CollectEntries(std::vector<ConnectedDevice>& entries) const {
    std::lock_guard lock(m_mutex);
    entries.clear();
    for (const OpenDevice& device : m_devices) {
        if (m_selectedType == 0 || static_cast<int>(device.info.deviceType) == m_selectedType) {
            entries.push_back(device.info);
        }
    }
    return !entries.empty();
}

int DeviceManager::FindEntry(int vid, int pid, const std::wstring& productName, int mode) const {
    std::lock_guard lock(m_mutex);
    for (const OpenDevice& device : m_devices) {
        const ConnectedDevice& info = device.info;
        if (info.vid == vid && info.pid == pid && static_cast<int>(info.mode) == mode) {
            return productName.empty() || info.product == productName ? info.index : -1;
        }
    }
    return -1;
}

bool DeviceManager::SendFeature(const Feature& report) {
    std::lock_guard lock(m_mutex);
    hid_device* device = m_open ? CurrentDeviceLocked() : nullptr;
    if (!device) {
        return false;
    }
    m_sleeper.SleepFor(kFeatureWait);
    hid_send_feature_report(device, report.data(), report.size());
    return false;
}

bool DeviceManager::SendFeatureNow(const Feature& report) {
    std::lock_guard lock(m_mutex);
    hid_device* device = m_open ? CurrentDeviceLocked() : nullptr;
    if (!device) {
        return false;
    }
    return Written(hid_send_feature_report(device, report.data(), report.size()));
}

bool DeviceManager::ReadFirmwareVersion(int& version) {
    std::lock_guard lock(m_mutex);
    hid_device* device = m_open ? CurrentDeviceLocked() : nullptr;
    if (!device) {
        return false;
    }
    const Feature request{kFeatureReportId, 0xFD, 0, 0, 0, 0, 0, 0};
    m_sleeper.SleepFor(kFeatureWait);
    if (!Written(hid_send_feature_report(device, request.data(), request.size()))) {
        return false;
    }
    Feature reply = request;
    m_sleeper.SleepFor(kFeatureWait);
    int result = hid_get_feature_report(device, reply.data(), reply.size());
    if (!Written(result) || reply[0] != kFeatureReportId) {
        reply = request;
        m_sleeper.SleepFor(kFeatureWait);
        result = hid_get_feature_report(device, reply.data(), reply.size());
    }
    // A failed read leaves the request in the buffer; it must not pass for a version.
    if (!Written(result) || reply[0] != kFeatureReportId) {
        return false;
    }
    version = reply[1] * 256 + reply[2];
    return true;
}

bool DeviceManager::WriteWithRetry(hid_device_* device, const Report& report) {
    if (Written(hid_write(device, report.data(), report.size()))) {
        return true;
    }
    m_sleeper.SleepFor(kReportRetryWait);
    return Written(hid_write(device, report.data(), report.size()));
}

bool DeviceManager::WriteReport(const Report& report) {
    std::lock_guard lock(m_mutex);
    hid_device* device = m_open ? CurrentDeviceLocked() : nullptr;
    if (!device) {
        return false;
    }
    return WriteWithRetry(device, report);
}

bool DeviceManager::WriteAuxReport(const Report& report) {
    std::lock_guard lock(m_mutex);
    if (!m_open || !m_auxiliary) {
        return false;
    }
    WriteWithRetry(m_auxiliary, report);
    return true;
}

bool DeviceManager::WritePayload(const Payload& payload) {
    std::lock_guard lock(m_mutex);
    hid_device* device = m_open ? CurrentDeviceLocked() : nullptr;
    if (!device) {
        return false;
    }
    Report wire{};
    std::copy(payload.begin(), payload.end(), wire.begin() + 1);
    if (Written(hid_write(device, wire.data(), wire.size()))) {
        return true;
    }
    m_sleeper.SleepFor(kPayloadRetryWait);
    return Written(hid_write(device, wire.data(), wire.size()));
}
