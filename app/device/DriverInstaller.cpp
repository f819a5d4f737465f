#include "app/device/DriverInstaller.h"

std::wstring DriverFolder(const std::wstring& programFolder, bool wow64Process) {
    return programFolder + L"driver" + (wow64Process ? L"\\x64" : L"\\x86");
}

std::wstring DevconPath(const std::wstring& driverFolder) { return driverFolder + L"\\devcon.exe"; }

std::wstring RemoveCommandLine() { return L" remove root\\quillpad"; }

std::wstring InstallCommandLine(const std::wstring& infPath) {
    return L" install \"" + infPath + L"\" root\\quillpad";
}

std::wstring ChooseInfFile(const std::wstring& driverFolder, IDriverTool& tool) {
    for (const wchar_t* name : {L"\\quillgate.inf", L"\\quillpad.inf"}) {
        std::wstring path = driverFolder + name;
        if (tool.IsFile(path)) {
            return path;
        }
    }
    return {};
}

bool ReinstallVirtualDevice(const std::wstring& driverFolder, IDriverTool& tool) {
    const std::wstring devcon = DevconPath(driverFolder);
    const std::wstring inf = ChooseInfFile(driverFolder, tool);
    if (!tool.IsFile(devcon) || inf.empty()) {
        return false;
    }
    tool.Run(devcon, RemoveCommandLine());
    return tool.Run(devcon, InstallCommandLine(inf));
}

InputChannelChoice ChooseVirtualDevice(IQuillpadChannel& kernel, IQuillpadChannel& driverless,
                                       const std::wstring& driverFolder, IDriverTool& tool) {
    if (kernel.Find()) {
        return InputChannelChoice::KernelDriver;
    }
    if (ReinstallVirtualDevice(driverFolder, tool) && kernel.Find()) {
        return InputChannelChoice::KernelDriver;
    }
    if (driverless.Find()) {
        return InputChannelChoice::Driverless;
    }
    return InputChannelChoice::Unavailable;
}

InputChannelSet ChooseInputChannels(IQuillpadChannel& kernelPad, IQuillpadChannel& driverlessPad,
                                    HidUsbFilter::IFilterChannel& kernelFilter,
                                    HidUsbFilter::IFilterChannel& driverlessFilter,
                                    const std::wstring& driverFolder, IDriverTool& tool) {
    InputChannelSet set{ChooseVirtualDevice(kernelPad, driverlessPad, driverFolder, tool),
                        &driverlessPad, &driverlessFilter};
    if (set.choice == InputChannelChoice::KernelDriver) {
        set.pad = &kernelPad;
    }
    if (kernelFilter.Open()) {
        set.filter = &kernelFilter;
        return set;
    }
    if (!driverlessFilter.Open()) {
        if (set.choice == InputChannelChoice::Driverless) {
            // Without a filter no key can be watched: the user-mode pair is not usable either.
            set.choice = InputChannelChoice::Unavailable;
        }
        return set;
    }
    // The user-mode filter's hook lets only injected keys pass, and the kernel keyboard's keys
    // are not marked injected: it would catch every mapped key the kernel keyboard types as a
    // key press of its own, so that a key mapped to a watched key (two keys swapped, a key
    // mapped to itself) types nothing.
    if (set.choice == InputChannelChoice::KernelDriver && driverlessPad.Find()) {
        set.choice = InputChannelChoice::Driverless;
        set.pad = &driverlessPad;
    }
    return set;
}
