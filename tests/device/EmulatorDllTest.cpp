#include "app/device/DeviceManager.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// The emulator built as hidapi.dll stands in for the real library in a Windows process; it is
// steered through its control file, as the program's own tests do from outside.
TEST(EmulatorDll, DeviceManagerReadsTheEmulatedKeyboard) {
    const auto folder = std::filesystem::temp_directory_path() / "clavira-emulator-dll";
    std::filesystem::create_directories(folder);
    const auto control = folder / "control";
    const auto log = folder / "reports.jsonl";
    std::filesystem::remove(log);
    std::ofstream(control) << "reset\nplug 0\nplug 1\nfirmware 010a\n";
    ASSERT_EQ(_putenv_s("CLAVIRA_EMULATOR_CONTROL", control.string().c_str()), 0);
    ASSERT_EQ(_putenv_s("CLAVIRA_EMULATOR_LOG", log.string().c_str()), 0);

    int version = 0;
    {
        DeviceManager devices;
        devices.AddKnownDevice(0x35F1, 0x4614, L"", 201, 0, L"VID_35F1&PID_4614");
        devices.AddKnownDevice(0x35F1, 0x4615, L"", 201, 1, L"VID_35F1&PID_4615");
        devices.Refresh();
        devices.SetSelectedType(201);
        EXPECT_EQ(devices.ConnectionKind(), 0);
        ASSERT_TRUE(devices.ReadFirmwareVersion(version));
    }
    EXPECT_EQ(version, 0x010A);

    std::string line;
    std::getline(std::ifstream(log), line);
    EXPECT_NE(line.find("\"interface\":\"cable/command\",\"kind\":\"feature-send\",\"bytes\":"
                        "\"07fd000000000000\""),
              std::string::npos)
        << line;
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

} // namespace
