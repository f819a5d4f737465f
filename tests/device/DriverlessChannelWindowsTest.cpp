#include "app/device/DriverlessFilter.h"
#include "app/device/DriverlessQuillpad.h"
#include "app/device/FilterMonitor.h"
#include "app/device/Quillpad.h"
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

// A focused window that logs the key messages it receives.
class KeyWindow {
public:
    KeyWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"ClaviraChannelTest";
        RegisterClassW(&windowClass);
        m_window = CreateWindowExW(0, windowClass.lpszClassName, WindowTitle,
                                   WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200, nullptr,
                                   nullptr, windowClass.hInstance, this);
        SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetForegroundWindow(m_window);
        SetFocus(m_window);
        Pump(std::chrono::milliseconds(200));
    }
    ~KeyWindow() { DestroyWindow(m_window); }

    // Handles messages until `done` holds or the time is up.
    template <typename Done>
    bool PumpUntil(Done done, std::chrono::milliseconds limit = std::chrono::milliseconds(3000)) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (!done()) {
            if (std::chrono::steady_clock::now() > end) {
                return false;
            }
            Pump(std::chrono::milliseconds(5));
        }
        return true;
    }
    void Pump(std::chrono::milliseconds time) {
        const auto end = std::chrono::steady_clock::now() + time;
        do {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            Sleep(1);
        } while (std::chrono::steady_clock::now() < end);
    }
    bool Received(UINT message, WPARAM key) const {
        for (const auto& [m, k] : keys) {
            if (m == message && k == key) {
                return true;
            }
        }
        return false;
    }

    HWND m_window = nullptr;
    std::vector<std::pair<UINT, WPARAM>> keys;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<KeyWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self != nullptr && (message == WM_KEYDOWN || message == WM_KEYUP)) {
            self->keys.emplace_back(message, wParam);
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
};

TEST(DriverlessQuillpad, KeyboardReportsReachTheFocusedWindow) {
    KeyWindow window;
    DriverlessQuillpad channel;
    Quillpad pad(channel);
    ASSERT_TRUE(pad.Find());
    ASSERT_TRUE(pad.SetKey(5, true)); // B
    ASSERT_TRUE(pad.SetKey(5, false));
    EXPECT_TRUE(window.PumpUntil([&] { return window.Received(WM_KEYUP, 'B'); }));
    EXPECT_TRUE(window.Received(WM_KEYDOWN, 'B'));
}

TEST(DriverlessQuillpad, ResetLeavesNoKeyPressed) {
    KeyWindow window;
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
    KeyWindow window;
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
    KeyWindow window;
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

} // namespace
