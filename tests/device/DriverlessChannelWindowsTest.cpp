#include "app/device/DriverlessFilter.h"
#include "app/device/DriverlessKeyCodes.h"
#include "app/device/DriverlessQuillpad.h"
#include "app/device/FilterMonitor.h"
#include "app/device/Quillpad.h"
#include "tests/TypingWindow_win.h"
#include "tests/XdotoolInput.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr wchar_t WindowTitle[] = L"ClaviraChannelTestWindow";

TEST(DriverlessQuillpad, KeyboardReportsReachTheFocusedWindow) {
    TypingWindow window{WindowTitle};
    DriverlessQuillpad channel;
    Quillpad pad(channel);
    ASSERT_TRUE(pad.Find());
    ASSERT_TRUE(pad.SetKey(5, true)); // B
    ASSERT_TRUE(pad.SetKey(5, false));
    EXPECT_TRUE(window.PumpUntil([&] { return window.Received(WM_KEYUP, 'B'); }));
    EXPECT_TRUE(window.Received(WM_KEYDOWN, 'B'));
}

TEST(DriverlessQuillpad, ResetLeavesNoKeyPressed) {
    TypingWindow window{WindowTitle};
    DriverlessQuillpad channel;
    Quillpad pad(channel);
    pad.SetKey(225, true); // left Shift
    pad.SetKey(7, true);   // D
    window.PumpUntil([&] { return window.Received(WM_KEYDOWN, 'D'); });
    EXPECT_TRUE(GetAsyncKeyState(VK_LSHIFT) & 0x8000);
    pad.Reset();
    EXPECT_TRUE(window.PumpUntil([&] { return window.Received(WM_KEYUP, 'D'); }));
    EXPECT_FALSE(GetAsyncKeyState(VK_LSHIFT) & 0x8000);
    EXPECT_FALSE(GetAsyncKeyState('D') & 0x8000);
}

struct EventLog {
    std::mutex lock;
    std::vector<FilterKeyEvent> events;
    DriverlessQuillpad* padChannel = nullptr;
    Quillpad* pad = nullptr;
    // Answers each watched key the way a key assignment does: A becomes C.
    static int OnKey(void* owner, std::uint8_t extra, std::uint16_t keyCode, bool pressed,
                     std::intptr_t) {
        auto* self = static_cast<EventLog*>(owner);
        {
            std::lock_guard guard(self->lock);
            self->events.push_back({keyCode, extra, pressed});
        }
        self->pad->SetKey(6, pressed);
        return 0;
    }
    std::size_t Count() {
        std::lock_guard guard(lock);
        return events.size();
    }
};

TEST(DriverlessFilter, SwallowsWatchedKeysAndReportsThem) {
    TypingWindow window{WindowTitle};
    HidUsbFilter::DriverlessFilter filter;
    ASSERT_TRUE(filter.Open());
    DriverlessQuillpad padChannel;
    Quillpad pad(padChannel);
    EventLog log;
    log.pad = &pad;
    {
        HidUsbFilter::FilterMonitor monitor(filter);
        monitor.AddProxy(&log, EventLog::OnKey, 0);
        ASSERT_TRUE(monitor.ApplyKeyTable({4})); // A
        ASSERT_TRUE(TypeWithXdotool(WindowTitle, L"a b"));
        ASSERT_TRUE(window.PumpUntil([&] { return log.Count() >= 2; }));
        ASSERT_TRUE(window.PumpUntil(
            [&] { return window.Received(WM_KEYUP, 'C') && window.Received(WM_KEYUP, 'B'); }));
        monitor.Shutdown();
    }
    pad.Reset();
    window.Pump(std::chrono::milliseconds(100));
    const std::vector<FilterKeyEvent> expected{{4, 0, true}, {4, 0, false}};
    EXPECT_EQ(log.events, expected);
    EXPECT_FALSE(window.Received(WM_KEYDOWN, 'A')); // swallowed
    EXPECT_TRUE(window.Received(WM_KEYDOWN, 'B'));  // not watched
    EXPECT_TRUE(window.Received(WM_KEYDOWN, 'C'));  // the virtual keyboard's answer
    for (int key : {'A', 'B', 'C'}) {
        EXPECT_FALSE(GetAsyncKeyState(key) & 0x8000) << key;
    }
}

TEST(DriverlessFilter, InjectedInputPassesUntouched) {
    TypingWindow window{WindowTitle};
    HidUsbFilter::DriverlessFilter filter;
    ASSERT_TRUE(filter.Open());
    const FilterKeyTable table = BuildFilterKeyTable(std::vector<std::uint16_t>{8}); // E
    ASSERT_TRUE(filter.Control(FilterSetKeyTable, table.data(), table.size(), nullptr, 0));
    std::thread sender([] {
        INPUT inputs[2]{};
        inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
        inputs[0].ki.wVk = inputs[1].ki.wVk = 'E';
        inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, inputs, sizeof(INPUT));
    });
    sender.join();
    EXPECT_TRUE(window.PumpUntil([&] { return window.Received(WM_KEYUP, 'E'); }));
    filter.Cancel();
    std::array<std::uint8_t, 4> event{};
    EXPECT_FALSE(filter.Control(FilterReadKeyEvent, nullptr, 0, event.data(), event.size()));
}

// Alt's context bit comes and goes with Alt, not with the key: a numeric-pad key pressed with
// Alt held and released after Alt must end as the key it began as, or its output stays held.
TEST(DriverlessFilter, AltContextDoesNotChangeTheKey) {
    HidUsbFilter::DriverlessFilter filter; // no hook: its events are handed in directly
    const FilterKeyTable table = BuildFilterKeyTable(std::vector<std::uint16_t>{74, 95});
    ASSERT_TRUE(filter.Control(FilterSetKeyTable, table.data(), table.size(), nullptr, 0));
    constexpr std::uint32_t AltDown = 0x20;
    constexpr std::uint32_t NumericPadSeven = 71; // reported as Home while NumLock is off
    EXPECT_TRUE(filter.OnHookKey(VK_HOME, NumericPadSeven, AltDown, true));
    EXPECT_TRUE(filter.OnHookKey(VK_HOME, NumericPadSeven, HookFlagUp, false));
    filter.Cancel(); // reads hand out what is queued, then end at once
    std::vector<FilterKeyEvent> events;
    std::array<std::uint8_t, 4> bytes{};
    while (filter.Control(FilterReadKeyEvent, nullptr, 0, bytes.data(), bytes.size())) {
        events.push_back(*DecodeFilterKeyEvent(bytes));
    }
    EXPECT_EQ(events, (std::vector<FilterKeyEvent>{{95, 0, true}, {95, 0, false}}));
}

} // namespace
