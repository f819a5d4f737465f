#include "tests/device/EmulatedKeyboard.h"

#include <cctype>

namespace {

std::string TrimZeros(std::string hex) {
    while (hex.size() >= 2 && hex.compare(hex.size() - 2, 2, "00") == 0) {
        hex.resize(hex.size() - 2);
    }
    return hex;
}

} // namespace

std::string Describe(const emulator::Report& report) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (std::uint8_t b : report.bytes) {
        hex += digits[b >> 4];
        hex += digits[b & 15];
    }
    return report.interface + " " + report.kind + "[" + std::to_string(report.bytes.size()) + "] " +
           TrimZeros(hex);
}

std::string Hex(const std::string& spaced) {
    std::string hex;
    for (std::size_t i = 0; i < spaced.size(); ++i) {
        const char c = spaced[i];
        if (c == '{') {
            const std::size_t end = spaced.find('}', i);
            hex.append(2 * std::stoul(spaced.substr(i + 1, end - i - 1)), '0');
            i = end;
        } else if (std::isxdigit(static_cast<unsigned char>(c))) {
            hex += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return TrimZeros(hex);
}

std::vector<std::string> Arrived() {
    std::vector<std::string> described;
    for (const emulator::Report& report : emulator::Received()) {
        if (!report.failed) {
            described.push_back(Describe(report));
        }
    }
    return described;
}

void EmulatedKeyboardTest::SetUp() {
    emulator::Reset();
    emulator::SetClock([this] { return static_cast<double>(m_clock.NowMs()) / 1000.0; });
}

void EmulatedKeyboardTest::TearDown() {
    m_manager.reset();
    emulator::SetClock(nullptr);
    EXPECT_EQ(emulator::OpenHandles(), 0);
}

void EmulatedKeyboardTest::Register(int deviceType) {
    m_devices.AddKnownDevice(0x35F1, 0x4614, L"", deviceType, 0, L"VID_35F1&PID_4614");
    m_devices.AddKnownDevice(0x35F1, 0x4615, L"", deviceType, 1, L"VID_35F1&PID_4615");
    m_devices.AddKnownDevice(0x35F1, 0x4616, L"", deviceType, 2, L"VID&000235F1_PID&4616");
}

void EmulatedKeyboardTest::Connect(std::initializer_list<emulator::Mode> modes, int deviceType) {
    Register(deviceType);
    for (emulator::Mode mode : modes) {
        emulator::Plug(mode);
    }
    m_devices.CloseAll();
    m_devices.Enumerate();
    m_devices.SetOpen(true);
    m_devices.SetSelectedType(0);
    m_devices.SetSelectedType(deviceType);
    emulator::ClearReceived();
}
