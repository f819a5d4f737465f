#include "app/device/QuillpadDriverChannel.h"

#include <windows.h>

// The HID headers of mingw-w64 declare their functions without C linkage.
extern "C" {
#include <hidsdi.h>
}
#include <setupapi.h>

#include <regex>
#include <string>
#include <vector>

namespace {

constexpr USHORT VendorId = 0xDEED;
constexpr USHORT ProductId = 0xFEED;
constexpr USAGE UsagePage = 0xFF00;
constexpr USAGE Usage = 1;

// Device interface paths differ in case between Windows versions.
const std::wregex& InterfacePattern() {
    static const std::wregex pattern(L"^\\\\\\\\\\?\\\\HID#quillpad.+$", std::regex::icase);
    return pattern;
}

bool IsQuillpad(HANDLE device) {
    HIDD_ATTRIBUTES attributes{};
    attributes.Size = sizeof(attributes);
    if (!HidD_GetAttributes(device, &attributes) || attributes.VendorID != VendorId ||
        attributes.ProductID != ProductId) {
        return false;
    }
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    if (!HidD_GetPreparsedData(device, &preparsed)) {
        return false;
    }
    HIDP_CAPS caps{};
    const bool matches = HidP_GetCaps(preparsed, &caps) == HIDP_STATUS_SUCCESS &&
                         caps.UsagePage == UsagePage && caps.Usage == Usage;
    HidD_FreePreparsedData(preparsed);
    return matches;
}

std::vector<std::wstring> HidInterfacePaths() {
    std::vector<std::wstring> paths;
    GUID hidClass;
    HidD_GetHidGuid(&hidClass);
    HDEVINFO set =
        SetupDiGetClassDevsW(&hidClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE) {
        return paths;
    }
    SP_DEVICE_INTERFACE_DATA item{};
    item.cbSize = sizeof(item);
    for (DWORD index = 0; SetupDiEnumDeviceInterfaces(set, nullptr, &hidClass, index, &item);
         ++index) {
        DWORD size = 0;
        SetupDiGetDeviceInterfaceDetailW(set, &item, nullptr, 0, &size, nullptr);
        if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) {
            continue;
        }
        std::vector<std::byte> buffer(size);
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        if (SetupDiGetDeviceInterfaceDetailW(set, &item, detail, size, nullptr, nullptr)) {
            paths.emplace_back(detail->DevicePath);
        }
    }
    SetupDiDestroyDeviceInfoList(set);
    return paths;
}

} // namespace

QuillpadDriverChannel::~QuillpadDriverChannel() { Close(); }

bool QuillpadDriverChannel::Find() {
    Close();
    for (const std::wstring& path : HidInterfacePaths()) {
        if (!std::regex_match(path, InterfacePattern())) {
            continue;
        }
        HANDLE device =
            CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (device == INVALID_HANDLE_VALUE) {
            continue;
        }
        if (!IsQuillpad(device)) {
            CloseHandle(device);
            continue;
        }
        // With two virtual devices present the last one found is used.
        Close();
        m_device = device;
    }
    return IsOpen();
}

bool QuillpadDriverChannel::IsOpen() const { return m_device != nullptr; }

bool QuillpadDriverChannel::WriteFrame(const QuillpadFrame& frame) {
    if (!IsOpen()) {
        return false;
    }
    DWORD written = 0;
    return WriteFile(m_device, frame.data(), static_cast<DWORD>(frame.size()), &written, nullptr) &&
           written == frame.size();
}

void QuillpadDriverChannel::Close() {
    if (m_device != nullptr) {
        CloseHandle(m_device);
        m_device = nullptr;
    }
}
