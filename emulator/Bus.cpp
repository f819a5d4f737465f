#include "emulator/Bus.h"

#include "emulator/Announcer.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace emulator {

namespace {

constexpr const char* kInterfaceClass = "#{4d1e55b2-f16f-11cf-88cb-001111000030}";

Interface UsbInterface(int mode, const char* role, unsigned short pid, const char* usbInterface,
                       unsigned short usagePage, unsigned short usage, int number,
                       const wchar_t* product) {
    char device[64];
    std::snprintf(device, sizeof device, "vid_35f1&pid_%04x&%s", pid, usbInterface);
    char instance[32];
    std::snprintf(instance, sizeof instance, "#7&%08x&0&%04d", 0x2f1c5a30u + pid, number);
    return {mode,   role,   std::string("\\\\?\\hid#") + device + instance + kInterfaceClass,
            0x35F1, pid,    usagePage,
            usage,  number, product,
            false};
}

Interface BluetoothInterface(const char* role, const char* collection, unsigned short usagePage,
                             unsigned short usage) {
    std::string path = "\\\\?\\hid#{00001124-0000-1000-8000-00805f9b34fb}_vid&000235f1_pid&4616&";
    path += collection;
    path += "#8&1d2e3f40&0&0000";
    path += kInterfaceClass;
    return {2, role, path, 0x35F1, 0x4616, usagePage, usage, -1, L"M614-RGB BT", true};
}

std::vector<Interface> BuildInterfaces() {
    std::vector<Interface> list;
    list.push_back({-1, "mouse",
                    std::string("\\\\?\\hid#vid_046d&pid_c077#7&11aa22bb&0&0000") + kInterfaceClass,
                    0x046D, 0xC077, 0x01, 0x02, 0, L"USB Optical Mouse", false});
    const wchar_t* products[] = {L"M614-RGB", L"M614-RGB Receiver"};
    for (int mode = 0; mode < 2; ++mode) {
        const auto pid = static_cast<unsigned short>(0x4614 + mode);
        const std::string prefix = mode == 0 ? "cable/" : "wireless1/";
        list.push_back(UsbInterface(mode, (prefix + "keyboard").c_str(), pid, "mi_00", 0x01, 0x06,
                                    0, products[mode]));
        list.push_back(UsbInterface(mode, (prefix + "consumer").c_str(), pid, "mi_01&col01", 0x0C,
                                    0x01, 1, products[mode]));
        list.push_back(UsbInterface(mode, (prefix + "command").c_str(), pid, "mi_02", 0xFF01, 0x01,
                                    2, products[mode]));
        list.push_back(UsbInterface(mode, (prefix + "aux").c_str(), pid, "mi_03", 0xFF01, 0x01, 3,
                                    products[mode]));
    }
    list.push_back(BluetoothInterface("wireless2/keyboard", "col01", 0x01, 0x06));
    list.push_back(BluetoothInterface("wireless2/command", "col02", 0xFF01, 0x01));
    return list;
}

std::string Hex(std::span<const std::uint8_t> bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (std::uint8_t b : bytes) {
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

void AppendLogLine(const Report& report) {
    const char* path = std::getenv("CLAVIRA_EMULATOR_LOG");
    if (!path || !*path) {
        return;
    }
    std::ofstream log(path, std::ios::app);
    char time[32];
    std::snprintf(time, sizeof time, "%.6f", report.time);
    log << "{\"time\":" << time << ",\"interface\":\"" << report.interface << "\",\"kind\":\""
        << report.kind << "\",\"bytes\":\"" << Hex(report.bytes) << "\",\"result\":\""
        << (report.failed ? "failed" : "ok") << "\"}\n";
}

std::string StateJson(const LightState& state, std::size_t openHandles) {
    std::ostringstream json;
    json << "{\"mode\":" << state.mode << ",\"brightness\":" << state.brightness
         << ",\"speed\":" << state.speed << ",\"direction\":" << state.direction
         << ",\"colorful\":" << state.colorful << ",\"color_index\":" << state.colorIndex
         << ",\"color\":\"" << Hex(std::array{state.red, state.green, state.blue})
         << "\",\"colour_set\":" << state.colourSet << ",\"preview_mode\":" << state.previewMode
         << ",\"music_option\":" << state.musicOption << ",\"music_colour\":" << state.musicColour
         << ",\"music_level\":" << state.musicLevel << ",\"factory_resets\":" << state.factoryResets
         << ",\"stream_started\":" << (state.streamStarted ? "true" : "false")
         << ",\"user_colours\":\"" << Hex(state.userColours) << "\",\"key_colours\":\""
         << Hex(state.keyColours) << "\",\"open_handles\":" << openHandles << "}\n";
    return json.str();
}

// Failure names as the control file spells them, in the order of the Failure enumeration.
constexpr const char* kFailureNames[] = {"write", "feature-send", "feature-get", "feature-get-id",
                                         "open"};

} // namespace

double SystemSeconds() {
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count();
}

const std::vector<Interface>& AllInterfaces() {
    static const std::vector<Interface> list = BuildInterfaces();
    return list;
}

Bus& TheBus() {
    static Bus* bus = [] {
        auto* created = new Bus;
        created->clock = SystemSeconds;
        const char* plugged = std::getenv("CLAVIRA_EMULATOR_PLUGGED");
        const std::string modes = plugged ? plugged : "0";
        for (char c : modes) {
            if (c >= '0' && c <= '2') {
                created->plugged[c - '0'] = true;
            }
        }
        // Its thread waits for this initialisation to finish before it uses the bus.
        StartAnnouncer();
        return created;
    }();
    return *bus;
}

bool Bus::Alive(const hid_device_* device) const {
    if (!device || !handles.count(const_cast<hid_device_*>(device))) {
        return false;
    }
    const int mode = device->interface->mode;
    return mode < 0 || (plugged[mode] && generation[mode] == device->generation);
}

bool Bus::TakeFailure(Failure failure) {
    PendingFailure& pending = failures[static_cast<int>(failure)];
    if (pending.count == 0) {
        return false;
    }
    if (pending.after > 0) {
        --pending.after;
        return false;
    }
    --pending.count;
    return true;
}

void Bus::Record(const hid_device_* device, const char* kind, std::span<const std::uint8_t> bytes,
                 bool failed) {
    Report report{clock(), device->interface->role, kind, {bytes.begin(), bytes.end()}, failed};
    AppendLogLine(report);
    received.push_back(std::move(report));
}

void Bus::SaveState() const {
    const char* path = std::getenv("CLAVIRA_EMULATOR_STATE");
    if (!path || !*path) {
        return;
    }
    // Written beside and renamed over, so a reader never sees half a file.
    const std::string temporary = std::string(path) + ".new";
    std::ofstream(temporary, std::ios::trunc) << StateJson(keyboard.State(), handles.size());
    std::error_code ignored;
    std::filesystem::rename(temporary, path, ignored);
}

void Bus::PollControl() {
    const char* path = std::getenv("CLAVIRA_EMULATOR_CONTROL");
    if (!path || !*path) {
        return;
    }
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size <= controlConsumed) {
        return;
    }
    std::ifstream file(path, std::ios::binary);
    file.seekg(static_cast<std::streamoff>(controlConsumed));
    std::string line;
    while (std::getline(file, line)) {
        if (file.eof()) {
            break; // an unfinished line: read it again once its writer has ended it
        }
        controlConsumed += line.size() + 1;
        ApplyCommand(line);
    }
}

void Bus::ApplyCommand(const std::string& line) {
    std::istringstream words(line);
    std::string command;
    std::string argument;
    int count = 1;
    int after = 0;
    words >> command >> argument >> count >> after;
    if (command == "reset") {
        ResetLocked();
    } else if ((command == "plug" || command == "unplug") && argument.size() == 1 &&
               argument[0] >= '0' && argument[0] <= '2') {
        const int mode = argument[0] - '0';
        const bool plug = command == "plug";
        if (!plug && plugged[mode]) {
            ++generation[mode];
        }
        if (plugged[mode] != plug) {
            QueueInterfaceNotifications(mode, plug);
        }
        plugged[mode] = plug;
    } else if (command == "firmware") {
        keyboard.SetFirmwareVersion(
            static_cast<std::uint16_t>(std::strtoul(argument.c_str(), nullptr, 16)));
    } else if (command == "fail") {
        for (std::size_t i = 0; i < std::size(kFailureNames); ++i) {
            if (argument == kFailureNames[i]) {
                failures[i] = {after, count};
            }
        }
    }
}

void Bus::ResetLocked() {
    for (int mode = 0; mode < 3; ++mode) {
        if (plugged[mode]) {
            ++generation[mode];
            QueueInterfaceNotifications(mode, false);
        }
    }
    plugged = {};
    failures = {};
    received.clear();
    keyboard = Keyboard{};
    lastError.clear();
}

} // namespace emulator
