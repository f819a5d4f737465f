#include "app/device/DeviceManager.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <dbt.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

std::vector<std::pair<WPARAM, std::wstring>> notifications;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DEVICECHANGE && lParam) {
        const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
        if (header->dbch_devicetype == DBT_DEVTYP_DEVICEINTERFACE) {
            const auto* broadcast =
                reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(lParam);
            notifications.emplace_back(wParam, broadcast->dbcc_name);
        }
        return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Plugging through the control file reaches the process's windows as the system's
// device-interface notifications, without the program making any hidapi call meanwhile.
TEST(EmulatorNotifications, ControlFilePlugReachesTopLevelWindows) {
    const auto folder = std::filesystem::temp_directory_path() / "clavira-emulator-notify";
    std::filesystem::create_directories(folder);
    const auto control = folder / "control";
    std::ofstream(control) << "reset\n";
    ASSERT_EQ(_putenv_s("CLAVIRA_EMULATOR_CONTROL", control.string().c_str()), 0);
    ASSERT_EQ(_putenv_s("CLAVIRA_EMULATOR_PLUGGED", "none"), 0);

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = RecordingProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ClaviraNotificationProbe";
    ASSERT_NE(RegisterClassW(&windowClass), 0);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"probe", WS_OVERLAPPED, 0, 0, 10,
                                  10, nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    {
        DeviceManager devices; // its first enumeration starts the emulator
        devices.Refresh();
    }
    std::ofstream(control, std::ios::app) << "plug 0\nunplug 0\n";

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (notifications.size() < 8 && std::chrono::steady_clock::now() < deadline) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT | QS_SENDMESSAGE);
    }
    DestroyWindow(window);

    ASSERT_EQ(notifications.size(), 8u);
    for (std::size_t i = 0; i < notifications.size(); ++i) {
        EXPECT_EQ(notifications[i].first, i < 4 ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE);
        EXPECT_NE(notifications[i].second.find(L"vid_35f1&pid_4614"), std::wstring::npos);
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

} // namespace
