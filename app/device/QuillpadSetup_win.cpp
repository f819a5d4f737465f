#include "app/device/QuillpadSetup.h"

#include "app/core/Folders.h"
#include "app/device/DriverInstallerSystem.h"
#include "app/device/DriverlessFilter.h"
#include "app/device/DriverlessQuillpad.h"
#include "app/device/FilterDevice.h"
#include "app/device/QuillpadDriverChannel.h"

#include <mutex>

namespace {

// Created on first use and kept until the process ends, like the devices they stand for.
struct InputChannels {
    QuillpadDriverChannel driverPad;
    DriverlessQuillpad driverlessPad;
    HidUsbFilter::FilterDevice driverFilter;
    HidUsbFilter::DriverlessFilter driverlessFilter;
    IQuillpadChannel* pad = &driverlessPad;
    HidUsbFilter::IFilterChannel* filter = &driverlessFilter;
    Quillpad* quillpad = nullptr;
    InputChannelChoice choice = InputChannelChoice::Unavailable;
};

InputChannels& Channels() {
    static auto* channels = new InputChannels;
    return *channels;
}

std::once_flag s_setUp;

} // namespace

InputChannelChoice SetUpInputChannels() {
    std::call_once(s_setUp, [] {
        InputChannels& channels = Channels();
        WindowsDriverTool tool;
        const std::wstring folder = DriverFolder(GetProgramFolder(), IsWow64Program());
        channels.choice =
            ChooseVirtualDevice(channels.driverPad, channels.driverlessPad, folder, tool);
        if (channels.choice == InputChannelChoice::KernelDriver) {
            channels.pad = &channels.driverPad;
        }
        if (channels.driverFilter.Open()) {
            channels.filter = &channels.driverFilter;
        } else if (!channels.driverlessFilter.Open() &&
                   channels.choice == InputChannelChoice::Driverless) {
            // Without a filter no key can be watched: the user-mode pair is not usable either.
            channels.choice = InputChannelChoice::Unavailable;
        }
        channels.quillpad = new Quillpad(*channels.pad);
    });
    return Channels().choice;
}

Quillpad& GetQuillpad() {
    SetUpInputChannels();
    return *Channels().quillpad;
}

HidUsbFilter::IFilterChannel& GetFilterChannel() {
    SetUpInputChannels();
    return *Channels().filter;
}
