#include "app/core/DeviceCatalog.h"

#include "app/core/AttributeReaders.h"
#include "app/core/DeviceListHost.h"
#include "app/core/KeyPlacement.h"
#include "app/core/KnownDeviceRegistry.h"
#include "app/core/ProfileDatabase.h"
#include "app/store/XmlDocument.h"

#include <algorithm>
#include <utility>

namespace {

#ifdef _WIN32
constexpr wchar_t kSeparator = L'\\';
#else
constexpr wchar_t kSeparator = L'/';
#endif

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
    if (folder.empty() || folder.back() == kSeparator || folder.back() == L'/') {
        return folder + name;
    }
    return folder + kSeparator + name;
}

struct ViewBit {
    KeyboardView view;
    uint32_t bit;
};
constexpr ViewBit kViews[] = {
    {KeyboardView::CustomKeys, kFeatureCustomKeys},
    {KeyboardView::Lighting, kFeatureLighting},
    {KeyboardView::Settings, kFeatureSettings},
};

} // namespace

DeviceCatalog::DeviceCatalog(std::wstring programFolder, std::wstring dataFolder,
                             DeviceListHost& host, KnownDeviceRegistry& registry,
                             ProfileDatabase& database)
    : m_programFolder(std::move(programFolder)), m_dataFolder(std::move(dataFolder)), m_host(host),
      m_registry(registry), m_database(database) {}

void DeviceCatalog::LoadDeviceList() {
    m_keyboards.clear();
    m_connections.clear();
    XmlDocument doc;
    if (doc.LoadFile(JoinPath(m_programFolder, L"config.xml")) && doc.FindElement(L"config")) {
        doc.EnterElement();
        ReadKeyboards(doc);
        ReadSoftware(doc);
    }
    SelectKeyboard(kStartDeviceType);
    m_host.RegisterDeviceNotification();
}

void DeviceCatalog::ReadKeyboards(XmlDocument& doc) {
    if (!doc.FindElement(L"device.info")) {
        return;
    }
    doc.EnterElement();
    while (doc.FindElement(L"keyboard")) {
        DeviceEntry entry;
        entry.name = doc.GetAttribute(L"name");
        entry.deviceType = ReadNumber(doc.GetAttribute(L"device_type"));
        entry.layoutName = doc.GetAttribute(L"device_info");
        m_keyboards.push_back(entry);
        m_host.AddDevice(entry.name, entry.deviceType);

        doc.EnterElement();
        while (doc.FindElement(L"mode")) {
            entry.connectionMode = ReadNumber(doc.GetAttribute(L"value"));
            entry.description = doc.GetAttribute(L"desc");
            entry.vendorId = ReadHex(doc.GetAttribute(L"vid"));
            entry.productId = ReadHex(doc.GetAttribute(L"pid"));
            entry.name = doc.GetAttribute(L"product_name");
            entry.interfaceFragment = doc.GetAttribute(L"hid_interface");
            m_connections.push_back(entry);
            m_registry.AddKnownDevice(entry.vendorId, entry.productId, entry.name, entry.deviceType,
                                      entry.connectionMode, entry.interfaceFragment);
        }
        doc.LeaveElement();
    }
    doc.LeaveElement();
}

void DeviceCatalog::ReadSoftware(XmlDocument& doc) {
    if (!doc.FindElement(L"software")) {
        return;
    }
    m_description.programVersion = doc.GetAttribute(L"version");
    m_host.SetVersionLabel(L"Ver: " + m_description.programVersion);
    doc.EnterElement();
    if (doc.FindElement(L"website")) {
        m_description.websiteAddress = doc.GetAttribute(L"url");
    }
    if (doc.FindElement(L"store")) {
        m_description.storeAddress = doc.GetAttribute(L"url");
    }
    if (doc.FindElement(L"upgrade")) {
        m_description.upgradeAddress = doc.GetAttribute(L"url");
    }
    if (doc.FindElement(L"copyright")) {
        m_host.SetCopyrightLabel(doc.GetAttribute(L"info"));
    }
    doc.LeaveElement();
}

void DeviceCatalog::SelectKeyboard(int deviceType) {
    m_description.firmwareAddress.clear();

    std::wstring layoutName;
    std::wstring keyboardName;
    const auto keyboard =
        std::find_if(m_keyboards.begin(), m_keyboards.end(),
                     [&](const DeviceEntry& e) { return e.deviceType == deviceType; });
    if (keyboard != m_keyboards.end()) {
        layoutName = keyboard->layoutName;
        keyboardName = keyboard->name;
    }
    m_description.currentDeviceType = deviceType;

    if (m_database.IsOpen()) {
        m_database.Close();
    }
    m_database.Open(m_dataFolder, keyboardName);
    m_description.currentKeyboardName = keyboardName;

    if (layoutName.empty()) {
        return;
    }
    XmlDocument doc;
    const std::wstring layoutFile =
        JoinPath(JoinPath(m_programFolder, L"layouts"), layoutName + L".xml");
    if (doc.LoadFile(layoutFile) && doc.FindElement(L"device.info")) {
        doc.EnterElement();
        ReadLayout(doc);
    }
}

void DeviceCatalog::ReadLayout(XmlDocument& doc) {
    DeviceDescription& d = m_description;
    if (doc.FindElement(L"menu")) {
        d.featureMask = kFeatureCustomKeys | kFeatureSettings;
        if (ReadFlag(doc.GetAttribute(L"macro"))) {
            d.featureMask |= kFeatureMacros;
        }
        if (ReadFlag(doc.GetAttribute(L"light_mode"))) {
            d.featureMask |= kFeatureLighting;
        }
    }
    if (doc.FindElement(L"firmware")) {
        d.firmwareVersion = doc.GetAttribute(L"version");
        d.firmwareFile = doc.GetAttribute(L"file");
        d.firmwareAddress = doc.GetAttribute(L"url");
    }
    if (doc.FindElement(L"light")) {
        ReadLight(doc);
    }

    d.lightPositions.clear();
    d.gridRows = 0;
    d.gridColumns = 0;
    for (auto& row : d.keyGrid) {
        row.fill(kEmptyGridCell);
    }
    // Every view loses the previous keyboard's keys, also one that this layout leaves disabled.
    for (const ViewBit& v : kViews) {
        m_host.ClearItem(v.view);
    }

    if (doc.FindElement(L"Keyboard")) {
        ReadKeyboardPicture(doc);
        doc.EnterElement();
        if (doc.FindElement(L"KeyItems")) {
            doc.EnterElement();
            while (doc.FindElement(L"key")) {
                ReadKey(doc);
            }
            doc.LeaveElement();
        }
        doc.LeaveElement();
    }
}

void DeviceCatalog::ReadLight(XmlDocument& doc) {
    DeviceDescription& d = m_description;
    d.rgbKeyboard = ReadFlag(doc.GetAttribute(L"rgb_keyboard"));
    d.defaultLightMode = ReadNumber(doc.GetAttribute(L"default_mode"));
    d.defaultBrightness = ReadNumber(doc.GetAttribute(L"default_brightness"));
    d.defaultSpeed = ReadNumber(doc.GetAttribute(L"default_speed"));
    d.brightnessMax = ReadNumber(doc.GetAttribute(L"brightness_max"));
    d.speedMax = ReadNumber(doc.GetAttribute(L"speed_max"));
    d.lightModes.clear();
    doc.EnterElement();
    while (doc.FindElement(L"info")) {
        d.lightModes.push_back({doc.GetAttribute(L"name"), ReadNumber(doc.GetAttribute(L"mode")),
                                ReadNumber(doc.GetAttribute(L"attribute"))});
    }
    doc.LeaveElement();
}

void DeviceCatalog::ReadKeyboardPicture(XmlDocument& doc) {
    DeviceDescription& d = m_description;
    const int x = ReadNumber(doc.GetAttribute(L"xpos"));
    const int y = ReadNumber(doc.GetAttribute(L"ypos"));
    const int width = ReadNumber(doc.GetAttribute(L"width"));
    const int height = ReadNumber(doc.GetAttribute(L"height"));
    const std::wstring image = L"keyboard\\" + doc.GetAttribute(L"image");
    // The grid is walked up to these counts, so they never reach past it.
    d.gridRows = std::clamp(ReadNumber(doc.GetAttribute(L"row_count")), 0, kKeyGridRows);
    d.gridColumns = std::clamp(ReadNumber(doc.GetAttribute(L"col_count")), 0, kKeyGridColumns);
    const KeyRect rect = MakeKeyRect(x, y, width, height);
    for (const ViewBit& v : kViews) {
        if (d.featureMask & v.bit) {
            m_host.SetKeyboardPicture(v.view, rect, image, width, height);
        }
    }
}

void DeviceCatalog::ReadKey(XmlDocument& doc) {
    DeviceDescription& d = m_description;
    const int code = ReadHex(doc.GetAttribute(L"code"));
    const int keyIndex = ReadNumber(doc.GetAttribute(L"key_index"));
    // A position past the colour data would be written outside it; such a key gets none.
    if (keyIndex >= 0 && keyIndex < kLightPositionCount) {
        d.lightPositions[code] = keyIndex;
    }
    // A grid cell holds one byte, and 255 marks it empty: a code that does not fit stays out.
    const std::optional<GridCell> cell = ReadGridCell(doc.GetAttribute(L"row_col"));
    if (cell && code >= 0 && code < kEmptyGridCell) {
        d.keyGrid[cell->row][cell->column] = static_cast<uint8_t>(code);
    }
    const KeyRect rect = ReadKeyRect(doc.GetAttribute(L"rect"));
    const std::wstring name = doc.GetAttribute(L"name");
    const std::wstring text = doc.GetAttribute(L"desc");
    for (const ViewBit& v : kViews) {
        if (d.featureMask & v.bit) {
            m_host.AddKeyItem(v.view, name, text, code, rect);
        }
    }
}
