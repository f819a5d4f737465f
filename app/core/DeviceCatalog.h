#pragma once

#include "app/core/DeviceDescription.h"
#include "app/core/DeviceEntry.h"

#include <string>
#include <vector>

class DeviceListHost;
class KnownDeviceRegistry;
class ProfileDatabase;
class XmlDocument;

// The device type selected at start: the keyboard this program drives.
constexpr int kStartDeviceType = 201;

// The keyboards, their connection modes and the selected keyboard's description, read from
// config.xml and the layout files in the program folder.
//
// Each element of those files is looked up forward from the one found last at its level, so a
// file must list the elements in the order they are read; an element out of order is not seen.
// Nothing here fails loudly: a missing or malformed file leaves what it would have filled as
// it was.
class DeviceCatalog {
public:
    // programFolder holds config.xml and the folder layouts; dataFolder the profile databases.
    DeviceCatalog(std::wstring programFolder, std::wstring dataFolder, DeviceListHost& host,
                  KnownDeviceRegistry& registry, ProfileDatabase& database);

    // Rebuilds both lists from config.xml, fills the keyboard selector, registers every
    // connection mode, reads the program's version and addresses, selects the keyboard of
    // kStartDeviceType and asks for device notifications.
    void LoadDeviceList();

    // Opens the profile database of the first keyboard of that type (the one with an empty
    // name when there is none) and loads its layout into the description.
    void SelectKeyboard(int deviceType);

    const std::vector<DeviceEntry>& KeyboardList() const { return m_keyboards; }
    std::vector<DeviceEntry>& ConnectionList() { return m_connections; }
    const std::vector<DeviceEntry>& ConnectionList() const { return m_connections; }
    DeviceDescription& Description() { return m_description; }
    const DeviceDescription& Description() const { return m_description; }

private:
    void ReadKeyboards(XmlDocument& doc);
    void ReadSoftware(XmlDocument& doc);
    void ReadLayout(XmlDocument& doc);
    void ReadLight(XmlDocument& doc);
    void ReadKeyboardPicture(XmlDocument& doc);
    void ReadKey(XmlDocument& doc);

    std::wstring m_programFolder;
    std::wstring m_dataFolder;
    DeviceListHost& m_host;
    KnownDeviceRegistry& m_registry;
    ProfileDatabase& m_database;

    std::vector<DeviceEntry> m_keyboards;
    std::vector<DeviceEntry> m_connections;
    DeviceDescription m_description;
};
