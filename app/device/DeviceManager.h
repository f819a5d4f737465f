#pragma once

#include "app/core/KnownDeviceRegistry.h"
#include "app/device/Sleeper.h"

#include <array>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

struct hid_device_;

// One connection mode of a keyboard from the device list.
struct KnownDevice {
    int vid = 0;
    int pid = 0;
    std::wstring productName;
    int deviceType = 0;
    int mode = 0; // 0 cable, 1 and 2 the wireless connections
    std::wstring hidInterface;
};

// One opened vendor interface of a known keyboard.
struct ConnectedDevice {
    int index = 0;
    std::uint16_t vid = 0;
    std::uint16_t pid = 0;
    std::string path;
    std::wstring product; // enumeration reads no strings, so always empty
    std::uint32_t release = 0;
    std::uint32_t deviceType = 0;
    std::uint32_t mode = 0;
    int wired = 0;
};

// Finds the keyboard's vendor HID interfaces, decides which one commands go to and offers
// the send and receive primitives every keyboard command is built on, each with its pacing
// and its single retry.
//
// It is shared by the device worker, the user-interface thread and the audio capture
// thread: m_mutex is held for the whole of each primitive (its waits included) and for
// each change of the device list, so no primitive ever uses a handle another thread closes.
class DeviceManager : public KnownDeviceRegistry {
public:
    using Report = std::array<std::uint8_t, 65>;  // byte 0 is the report id
    using Feature = std::array<std::uint8_t, 8>;  // byte 0 is the report id
    using Payload = std::array<std::uint8_t, 64>; // sent behind report id 0

    explicit DeviceManager(Sleeper& sleeper = ThreadSleeper());
    ~DeviceManager() override;
    DeviceManager(const DeviceManager&) = delete;
    DeviceManager& operator=(const DeviceManager&) = delete;

    // The process-wide manager, created on first use.
    static DeviceManager& Instance();

    void AddKnownDevice(int vid, int pid, const std::wstring& productName, int deviceType, int mode,
                        const std::wstring& hidInterface) override;

    // Closes every interface, empties the list and forgets the current device; only while the
    // open flag is set, which it clears.
    void CloseAll();
    // Opens the known keyboards' vendor interfaces; called after CloseAll.
    void Enumerate();
    void SetOpen(bool open);
    bool IsOpen() const;
    // Only connected devices of this type receive commands; forgets the current device.
    void SetSelectedType(int deviceType);
    int SelectedType() const;
    // Re-enumerates from scratch under one hold of the lock: closes everything (whatever the
    // open flag), Enumerate, open flag set, selected type 0.
    void Refresh();

    // The interface commands go to: cable first, then wireless 1, then wireless 2. Null
    // when none is connected. The handle stays the manager's: use it only to compare.
    hid_device_* CurrentDevice();
    // 0 cable, else 2, else 1, else -1: which form the light and reset commands take.
    int ConnectionKind() const;
    // False when nothing was copied; selected type 0 copies every device.
    bool CollectEntries(std::vector<ConnectedDevice>& entries) const;
    // List index of the first device with this vid, pid and mode whose product matches (an
    // empty name matches any), or -1.
    int FindEntry(int vid, int pid, const std::wstring& productName, int mode) const;

    // Waits 16 ms and sends the feature report; always false, as the outcome is not read.
    bool SendFeature(const Feature& report);
    // Sends the feature report without a wait.
    bool SendFeatureNow(const Feature& report);
    // Asks for the firmware version; false when the send or both reads fail.
    bool ReadFirmwareVersion(int& version);
    // Writes the output report, and once more after 10 ms when nothing was transferred.
    bool WriteReport(const Report& report);
    // WriteReport on the auxiliary interface; false only when there is none.
    bool WriteAuxReport(const Report& report);
    // Writes the payload behind report id 0, and once more after 32 ms on failure.
    bool WritePayload(const Payload& payload);

private:
    struct OpenDevice {
        ConnectedDevice info;
        hid_device_* handle = nullptr;
    };

    void CloseAllLocked();
    void EnumerateLocked();
    hid_device_* CurrentDeviceLocked();
    bool WriteWithRetry(hid_device_* device, const Report& report);

    Sleeper& m_sleeper;
    mutable std::mutex m_mutex;
    bool m_open = false;
    std::vector<OpenDevice> m_devices;
    std::vector<KnownDevice> m_known;
    int m_selectedType = 0;
    hid_device_* m_current = nullptr;   // one of m_devices' handles, not owned
    hid_device_* m_auxiliary = nullptr; // owned
};
