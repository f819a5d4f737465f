#pragma once

#include <string>

// Where the connection modes of config.xml are registered, so the device layer recognises the
// keyboard's interfaces. The device manager implements it.
class KnownDeviceRegistry {
public:
    virtual ~KnownDeviceRegistry() = default;

    virtual void AddKnownDevice(int vid, int pid, const std::wstring& productName, int deviceType,
                                int mode, const std::wstring& hidInterface) = 0;
};
