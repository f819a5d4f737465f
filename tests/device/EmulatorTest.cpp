#include "emulator/Emulator.h"

#include <hidapi/hidapi.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

class EmulatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        emulator::Reset();
        m_folder = std::filesystem::temp_directory_path() /
                   ("emulator-" +
                    std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override {
        unsetenv("CLAVIRA_EMULATOR_LOG");
        unsetenv("CLAVIRA_EMULATOR_CONTROL");
        unsetenv("CLAVIRA_EMULATOR_STATE");
        std::filesystem::remove_all(m_folder);
    }

    static int CountKeyboardInterfaces() {
        int count = 0;
        hid_device_info* all = hid_enumerate(0x35F1, 0);
        for (hid_device_info* info = all; info; info = info->next) {
            ++count;
        }
        hid_free_enumeration(all);
        return count;
    }

    std::filesystem::path m_folder;
};

TEST_F(EmulatorTest, LogsEveryReportAsOneJsonLine) {
    const auto log = m_folder / "reports.jsonl";
    setenv("CLAVIRA_EMULATOR_LOG", log.c_str(), 1);
    emulator::SetClock([] { return 12.5; });
    emulator::Plug(emulator::Mode::Cable);
    hid_device_info* all = hid_enumerate(0x35F1, 0x4614);
    ASSERT_NE(all, nullptr);
    hid_device* device = hid_open_path(all->path);
    hid_free_enumeration(all);
    const unsigned char report[8] = {0x07, 0xF0, 0xAA};
    ASSERT_EQ(hid_send_feature_report(device, report, sizeof report), 8);
    hid_close(device);
    emulator::SetClock(nullptr);

    std::ifstream file(log);
    std::string line;
    ASSERT_TRUE(std::getline(file, line));
    EXPECT_EQ(line, "{\"time\":12.500000,\"interface\":\"cable/keyboard\",\"kind\":\"feature-"
                    "send\",\"bytes\":\"07f0aa0000000000\",\"result\":\"ok\"}");
    EXPECT_FALSE(std::getline(file, line));
}

TEST_F(EmulatorTest, KeepsTheLightStateInTheStateFile) {
    const auto state = m_folder / "state.json";
    setenv("CLAVIRA_EMULATOR_STATE", state.c_str(), 1);
    emulator::Plug(emulator::Mode::Cable);
    hid_device_info* all = hid_enumerate(0x35F1, 0x4614);
    hid_device* device = hid_open_path(all->path);
    hid_free_enumeration(all);
    const unsigned char light[8] = {0x07, 0xF7, 0x03, 0x05, 0x11, 0x22, 0x03, 0x33};
    ASSERT_EQ(hid_send_feature_report(device, light, sizeof light), 8);
    hid_close(device);

    std::string json;
    std::getline(std::ifstream(state), json);
    EXPECT_EQ(json.rfind("{\"mode\":4,\"brightness\":3,", 0), 0u) << json;
    EXPECT_NE(json.find("\"color_index\":5,\"color\":\"112233\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"open_handles\":0}"), std::string::npos)
        << "rewritten on close: " << json;
}

TEST_F(EmulatorTest, FollowsCommandsAppendedToTheControlFile) {
    const auto control = m_folder / "control";
    setenv("CLAVIRA_EMULATOR_CONTROL", control.c_str(), 1);
    std::ofstream(control) << "plug 0\nplug 2\n";
    EXPECT_EQ(CountKeyboardInterfaces(), 6);
    std::ofstream(control, std::ios::app) << "unplug 0\nfirmware 010a\nfail open 1\nplug";
    EXPECT_EQ(CountKeyboardInterfaces(), 2);
    // The unfinished last line waits for its end.
    EXPECT_FALSE(emulator::IsPlugged(emulator::Mode::Wireless1));
    std::ofstream(control, std::ios::app) << " 1\n";
    EXPECT_EQ(CountKeyboardInterfaces(), 6);

    hid_device_info* all = hid_enumerate(0x35F1, 0x4616);
    EXPECT_EQ(hid_open_path(all->path), nullptr);
    hid_device* device = hid_open_path(all->path);
    hid_free_enumeration(all);
    ASSERT_NE(device, nullptr);
    unsigned char reply[8] = {0x07, 0xFD};
    ASSERT_EQ(hid_get_feature_report(device, reply, sizeof reply), 8);
    EXPECT_EQ(reply[1], 0x01);
    EXPECT_EQ(reply[2], 0x0A);
    hid_close(device);
}

TEST_F(EmulatorTest, HandlesDieWithTheirConnection) {
    emulator::Plug(emulator::Mode::Wireless1);
    hid_device_info* all = hid_enumerate(0x35F1, 0x4615);
    hid_device* device = hid_open_path(all->path);
    hid_free_enumeration(all);
    ASSERT_NE(device, nullptr);
    emulator::Unplug(emulator::Mode::Wireless1);
    emulator::Plug(emulator::Mode::Wireless1);
    const unsigned char report[65] = {};
    EXPECT_EQ(hid_write(device, report, sizeof report), -1);
    EXPECT_STRNE(reinterpret_cast<const char*>(hid_error(device)), "");
    hid_close(device);
    EXPECT_EQ(emulator::OpenHandles(), 0);
}

} // namespace
