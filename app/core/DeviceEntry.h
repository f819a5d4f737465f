#pragma once

#include <string>

// One keyboard of config.xml (keyboard list) or one of its connection modes (connection list).
// A keyboard entry has mode, ids and the mode texts at their defaults; a connection entry
// carries its keyboard's device type and layout name, and the mode's product name as its name.
struct DeviceEntry {
    std::wstring name;
    int deviceType = 0;
    std::wstring layoutName;
    int connectionMode = 0;
    int vendorId = 0;
    int productId = 0;
    std::wstring description;
    // The device-path fragment that marks the keyboard's command interface.
    std::wstring interfaceFragment;
    // Set to 1 by the device layer while the connection is open.
    int connected = 0;
    int slot = -1;
};
