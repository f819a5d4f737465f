#pragma once

#include "app/device/DriverInstaller.h"

#include <string>

// devcon.exe and the file checks on Windows.
class WindowsDriverTool : public IDriverTool {
public:
    bool IsFile(const std::wstring& path) override;
    bool Run(const std::wstring& application, const std::wstring& commandLine) override;
};

// Whether this is a 32-bit program on 64-bit Windows (its drivers are the x64 ones).
bool IsWow64Program();
