#pragma once

#include "app/device/FilterChannel.h"
#include "app/device/QuillpadChannel.h"

#include <string>

// Installing the virtual keyboard and key filter drivers with devcon.exe, and choosing between
// them and their user-mode stand-ins.

// "<program folder>driver\x64" for a 32-bit program on 64-bit Windows, else "...driver\x86".
std::wstring DriverFolder(const std::wstring& programFolder, bool wow64Process);

std::wstring DevconPath(const std::wstring& driverFolder);
std::wstring RemoveCommandLine();
std::wstring InstallCommandLine(const std::wstring& infPath);

// What the installer needs from the system.
class IDriverTool {
public:
    virtual ~IDriverTool() = default;
    // True for an existing file (not a folder).
    virtual bool IsFile(const std::wstring& path) = 0;
    // Starts `application` with `commandLine` and waits for it to end; true when it started.
    virtual bool Run(const std::wstring& application, const std::wstring& commandLine) = 0;
};

// quillgate.inf when present, else quillpad.inf (same hardware id); empty when neither is.
std::wstring ChooseInfFile(const std::wstring& driverFolder, IDriverTool& tool);

// Removes and reinstalls the virtual keyboard driver; true when devcon.exe started for the
// install. Nothing is started when devcon.exe or both INF files are missing.
bool ReinstallVirtualDevice(const std::wstring& driverFolder, IDriverTool& tool);

enum class InputChannelChoice { KernelDriver, Driverless, Unavailable };

// The kernel device when it is found (after a reinstallation if needed); otherwise the user-mode
// stand-in when it works; Unavailable when neither can be had.
InputChannelChoice ChooseVirtualDevice(IQuillpadChannel& kernel, IQuillpadChannel& driverless,
                                       const std::wstring& driverFolder, IDriverTool& tool);

struct InputChannelSet {
    InputChannelChoice choice = InputChannelChoice::Unavailable;
    IQuillpadChannel* pad = nullptr;
    HidUsbFilter::IFilterChannel* filter = nullptr;
};

// The virtual keyboard as ChooseVirtualDevice finds it, with the filter driver's control device
// when it opens, else the user-mode filter. The user-mode filter only goes with the user-mode
// keyboard. Unavailable when the user-mode keyboard is chosen and no filter opens.
InputChannelSet ChooseInputChannels(IQuillpadChannel& kernelPad, IQuillpadChannel& driverlessPad,
                                    HidUsbFilter::IFilterChannel& kernelFilter,
                                    HidUsbFilter::IFilterChannel& driverlessFilter,
                                    const std::wstring& driverFolder, IDriverTool& tool);
