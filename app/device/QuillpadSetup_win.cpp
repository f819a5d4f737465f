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
        const InputChannelSet set = ChooseInputChannels(
            channels.driverPad, channels.driverlessPad, channels.driverFilter,
            channels.driverlessFilter, DriverFolder(GetProgramFolder(), IsWow64Program()), tool);
        channels.choice = set.choice;
        channels.pad = set.pad;
        channels.filter = set.filter;
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
