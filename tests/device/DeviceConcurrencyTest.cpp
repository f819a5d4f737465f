#include "app/device/KeyboardProtocol.h"
#include "tests/device/EmulatedKeyboard.h"

#include <thread>

namespace {

using emulator::Mode;

// The audio thread sends music levels while the worker re-enumerates as hot-plug does and the
// user-interface thread previews a light mode. Under the sanitizers a primitive that used a
// handle closed by another thread would stop the test; every report that arrived must be
// whole.
TEST_F(EmulatedKeyboardTest, MusicLevelsSurviveReenumerationOnAnotherThread) {
    Connect({Mode::Cable, Mode::Wireless1}, 100);
    KeyboardProtocol protocol(m_devices, m_clock);
    std::atomic<bool> running{true};

    std::thread worker([&] {
        for (int i = 0; i < 300; ++i) {
            m_devices.CloseAll();
            m_devices.Enumerate();
            m_devices.SetOpen(true);
            m_devices.SetSelectedType(0);
            m_devices.SetSelectedType(100);
        }
        running = false;
    });
    std::thread preview([&] {
        while (running) {
            protocol.SendLightPreview(100, {6, 3, 2, 0, 0, 0, 0, 0x100}, 1);
        }
    });
    for (int level = 0; running; ++level) {
        protocol.SendMusicLevel(1, 2, level & 0xFF);
    }
    worker.join();
    preview.join();

    // The storm over, the manager is whole: the keyboard is found and takes the next level.
    EXPECT_TRUE(protocol.SendMusicLevel(1, 2, 0));
    for (const emulator::Report& report : emulator::Received()) {
        if (report.failed) {
            continue;
        }
        ASSERT_EQ(report.bytes.size(), 8u);
        const std::string hex = Describe(report);
        const bool music = hex.find(" 07234567890102") != std::string::npos;
        const bool preview = hex.find(" 07ffff0503020001") != std::string::npos;
        EXPECT_TRUE(music || preview) << hex;
    }
}

} // namespace
