// The hidapi C functions over the emulated bus. Each call takes the bus lock, first applies
// any new control-file commands, and fails the way hidapi does: -1 or null, with the reason
// kept for hid_error.
#include "emulator/Bus.h"

#include <hidapi/hidapi.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>

using emulator::Bus;
using emulator::Failure;
using emulator::TheBus;

namespace {

wchar_t* CopyText(const std::wstring& text) {
    auto* copy = static_cast<wchar_t*>(std::calloc(text.size() + 1, sizeof(wchar_t)));
    if (copy) {
        std::wmemcpy(copy, text.c_str(), text.size());
    }
    return copy;
}

hid_device_info* NewInfo(const emulator::Interface& source) {
    auto* info = static_cast<hid_device_info*>(std::calloc(1, sizeof(hid_device_info)));
    info->path = static_cast<char*>(std::calloc(source.path.size() + 1, 1));
    std::memcpy(info->path, source.path.c_str(), source.path.size());
    info->vendor_id = source.vendorId;
    info->product_id = source.productId;
    info->serial_number = CopyText(L"");
    info->release_number = 0x0100;
    info->manufacturer_string = CopyText(source.mode < 0 ? L"" : L"Kestrune");
    info->product_string = CopyText(source.product);
    info->usage_page = source.usagePage;
    info->usage = source.usage;
    info->interface_number = source.interfaceNumber;
    info->bus_type = source.bluetooth ? HID_API_BUS_BLUETOOTH : HID_API_BUS_USB;
    return info;
}

bool Visible(const Bus& bus, const emulator::Interface& source) {
    return source.mode < 0 || bus.plugged[source.mode];
}

// Opens a handle for the caller; the lock is held.
hid_device* OpenLocked(Bus& bus, const emulator::Interface& source) {
    if (bus.TakeFailure(Failure::OpenFails)) {
        bus.lastError = L"Access is denied.";
        return nullptr;
    }
    const unsigned generation = source.mode < 0 ? 0 : bus.generation[source.mode];
    auto* device = new hid_device_{&source, generation, L""};
    bus.handles.insert(device);
    bus.SaveState();
    return device;
}

// The common part of hid_write and hid_send_feature_report.
int SendLocked(Bus& bus, hid_device* device, const unsigned char* data, size_t length,
               const char* kind, Failure failure) {
    if (!device) {
        bus.lastError = L"Invalid handle.";
        return -1;
    }
    if (!data || length == 0) {
        device->error = L"Invalid parameter.";
        return -1;
    }
    const std::span<const std::uint8_t> bytes(data, length);
    if (!bus.Alive(device) || bus.TakeFailure(failure)) {
        bus.Record(device, kind, bytes, true);
        device->error = L"The device is not connected.";
        return -1;
    }
    bus.Record(device, kind, bytes, false);
    return static_cast<int>(length);
}

} // namespace

extern "C" {

int HID_API_EXPORT HID_API_CALL hid_init(void) { return 0; }

int HID_API_EXPORT HID_API_CALL hid_exit(void) { return 0; }

struct hid_device_info HID_API_EXPORT* HID_API_CALL hid_enumerate(unsigned short vendor_id,
                                                                  unsigned short product_id) {
    Bus& bus = TheBus();
    std::lock_guard lock(bus.mutex);
    bus.PollControl();
    hid_device_info* first = nullptr;
    hid_device_info** next = &first;
    for (const emulator::Interface& source : emulator::AllInterfaces()) {
        if (!Visible(bus, source) || (vendor_id && vendor_id != source.vendorId) ||
            (product_id && product_id != source.productId)) {
            continue;
        }
        *next = NewInfo(source);
        next = &(*next)->next;
    }
    return first;
}

void HID_API_EXPORT HID_API_CALL hid_free_enumeration(struct hid_device_info* devs) {
    while (devs) {
        hid_device_info* next = devs->next;
        std::free(devs->path);
        std::free(devs->serial_number);
        std::free(devs->manufacturer_string);
        std::free(devs->product_string);
        std::free(devs);
        devs = next;
    }
}

HID_API_EXPORT hid_device* HID_API_CALL hid_open(unsigned short vendor_id,
                                                 unsigned short product_id,
                                                 const wchar_t* serial_number) {
    Bus& bus = TheBus();
    std::lock_guard lock(bus.mutex);
    bus.PollControl();
    for (const emulator::Interface& source : emulator::AllInterfaces()) {
        if (Visible(bus, source) && source.vendorId == vendor_id &&
            source.productId == product_id && (!serial_number || !*serial_number)) {
            return OpenLocked(bus, source);
        }
    }
    bus.lastError = L"Device not found.";
    return nullptr;
}

HID_API_EXPORT hid_device* HID_API_CALL hid_open_path(const char* path) {
    Bus& bus = TheBus();
    std::lock_guard lock(bus.mutex);
    bus.PollControl();
    for (const emulator::Interface& source : emulator::AllInterfaces()) {
        if (path && Visible(bus, source) && source.path == path) {
            return OpenLocked(bus, source);
        }
    }
    bus.lastError = L"The system cannot find the file specified.";
    return nullptr;
}

int HID_API_EXPORT HID_API_CALL hid_write(hid_device* dev, const unsigned char* data,
                                          size_t length) {
    Bus& bus = TheBus();
    std::lock_guard lock(bus.mutex);
    bus.PollControl();
    const int written =
        SendLocked(bus, dev, data, length, "output", Failure::WriteTransfersNothing);
    if (written > 0) {
        const bool auxiliary = dev->interface->role.ends_with("/aux");
        bus.keyboard.OnOutputReport({data, length}, auxiliary);
        bus.SaveState();
    }
    return written;
}

int HID_API_EXPORT HID_API_CALL hid_read_timeout(hid_device* dev, unsigned char*, size_t, int) {
    Bus& bus = TheBus();
    std::lock_guard lock(bus.mutex);
    return bus.Alive(dev) ? 0 : -1;
}

int HID_API_EXPORT HID_API_CALL hid_read(hid_device* dev, unsigned char* data, size_t length) {
    return hid_read_timeout(dev, data, length, 0);
}

int HID_API_EXPORT HID_API_CALL hid_set_nonblocking(hid_device*, int) { return 0; }

int HID_API_EXPORT HID_API_CALL hid_send_feature_report(hid_device* dev, const unsigned char* data,
                                                        size_t length) {
    Bus& bus = TheBus();
    std::lock_guard lock(bus.mutex);
    bus.PollControl();
    const int sent = SendLocked(bus, dev, data, length, "feature-send", Failure::FeatureSendFails);
    if (sent > 0) {
        bus.keyboard.OnFeatureReport({data, length});
        bus.SaveState();
    }
    return sent;
}

int HID_API_EXPORT HID_API_CALL hid_get_feature_report(hid_device* dev, unsigned char* data,
                                                       size_t length) {
    Bus& bus = TheBus();
    std::lock_guard lock(bus.mutex);
    bus.PollControl();
    if (!dev) {
        bus.lastError = L"Invalid handle.";
        return -1;
    }
    if (!data || length == 0) {
        dev->error = L"Invalid parameter.";
        return -1;
    }
    if (!bus.Alive(dev) || bus.TakeFailure(Failure::FeatureGetFails)) {
        bus.Record(dev, "feature-get", {data, length}, true);
        dev->error = L"The device is not connected.";
        return -1;
    }
    auto reply = bus.keyboard.FeatureReply();
    if (bus.TakeFailure(Failure::FeatureGetWrongId)) {
        reply[0] = 0x00;
    }
    const size_t count = length < reply.size() ? length : reply.size();
    std::memcpy(data, reply.data(), count);
    bus.Record(dev, "feature-get", {data, count}, false);
    return static_cast<int>(count);
}

int HID_API_EXPORT HID_API_CALL hid_get_input_report(hid_device* dev, unsigned char*, size_t) {
    if (dev) {
        dev->error = L"Not supported.";
    }
    return -1;
}

void HID_API_EXPORT HID_API_CALL hid_close(hid_device* dev) {
    if (!dev) {
        return;
    }
    Bus& bus = TheBus();
    std::lock_guard lock(bus.mutex);
    bus.handles.erase(dev);
    delete dev;
    bus.SaveState();
}

int HID_API_EXPORT_CALL hid_get_manufacturer_string(hid_device* dev, wchar_t* string,
                                                    size_t maxlen) {
    if (!dev || !string || maxlen == 0) {
        return -1;
    }
    std::wcsncpy(string, dev->interface->mode < 0 ? L"" : L"Kestrune", maxlen - 1);
    string[maxlen - 1] = 0;
    return 0;
}

int HID_API_EXPORT_CALL hid_get_product_string(hid_device* dev, wchar_t* string, size_t maxlen) {
    if (!dev || !string || maxlen == 0) {
        return -1;
    }
    std::wcsncpy(string, dev->interface->product.c_str(), maxlen - 1);
    string[maxlen - 1] = 0;
    return 0;
}

int HID_API_EXPORT_CALL hid_get_serial_number_string(hid_device* dev, wchar_t* string,
                                                     size_t maxlen) {
    if (!dev || !string || maxlen == 0) {
        return -1;
    }
    string[0] = 0;
    return 0;
}

int HID_API_EXPORT_CALL hid_get_indexed_string(hid_device* dev, int, wchar_t*, size_t) {
    if (dev) {
        dev->error = L"Not supported.";
    }
    return -1;
}

HID_API_EXPORT const wchar_t* HID_API_CALL hid_error(hid_device* dev) {
    Bus& bus = TheBus();
    std::lock_guard lock(bus.mutex);
    if (dev) {
        return dev->error.empty() ? L"Success" : dev->error.c_str();
    }
    return bus.lastError.empty() ? L"Success" : bus.lastError.c_str();
}

HID_API_EXPORT const struct hid_api_version* HID_API_CALL hid_version(void) {
    static const hid_api_version version{HID_API_VERSION_MAJOR, HID_API_VERSION_MINOR,
                                         HID_API_VERSION_PATCH};
    return &version;
}

HID_API_EXPORT const char* HID_API_CALL hid_version_str(void) { return HID_API_VERSION_STR; }

} // extern "C"
