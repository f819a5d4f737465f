#include "app/input/KeyHook.h"
#include "app/input/MacroRecorder.h"
#include "app/input/RecorderSystem.h"
#include "tests/TypingWindow_win.h"
#include "tests/XdotoolInput.h"
#include "tests/input/ListSink.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr wchar_t WindowTitle[] = L"ClaviraRecorderTestWindow";

bool RecordedRelease(const std::vector<RecordedKey>& records, int code) {
    return std::any_of(records.begin(), records.end(), [code](const RecordedKey& record) {
        return record.type == RecordedKey::Release && record.value == code;
    });
}

// The recording window: hook messages and raw input go to the recorder.
struct RecordingWindow {
    RecordingWindow() {
        window.onWindowMessage = [this](UINT message, WPARAM wParam,
                                        LPARAM lParam) -> std::optional<LRESULT> {
            if (message == KeyHook::TargetMessage) {
                const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
                return recorder.OnHookKey(static_cast<std::uint32_t>(wParam),
                                          static_cast<int>(key->vkCode), key->scanCode, key->flags)
                           ? 1
                           : 0;
            }
            if (message == WM_INPUT) {
                if (const auto key = ReadRawKey(lParam)) {
                    recorder.OnRawKey(key->message, key->virtualKey);
                }
            }
            return std::nullopt;
        };
    }
    void Pump(std::chrono::milliseconds time) { window.Pump(time); }
    // The keys pressed in the window.
    std::vector<WPARAM> Typed() const {
        std::vector<WPARAM> typed;
        for (const auto& [message, key] : window.keys) {
            if (message == WM_KEYDOWN) {
                typed.push_back(key);
            }
        }
        return typed;
    }

    TypingWindow window{WindowTitle};
    ListSink sink;
    SystemKeyNames names;
    SystemRecorderClock clock;
    MacroRecorder recorder{sink, names, clock};
};

TEST(KeyHook, RecordsTypedKeysAndKeepsThemFromTheWindow) {
    RecordingWindow window;
    window.recorder.StartRecording(DelayMode::Measured, 10);
    {
        KeyHook hook;
        hook.AddTarget(window.window.Handle());
        hook.AddTarget(window.window.Handle());
        ASSERT_TRUE(hook.IsInstalled());
        ASSERT_EQ(hook.Targets().size(), 1u);
        ASSERT_TRUE(TypeWithXdotool(WindowTitle, L"a KP_Enter Home Control_R"));
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        while (!RecordedRelease(window.sink.records, 163) &&
               std::chrono::steady_clock::now() < end) {
            window.Pump(std::chrono::milliseconds(10));
        }
    }
    window.recorder.StopRecording();
    std::vector<std::pair<int, int>> events;
    for (const RecordedKey& record : window.sink.records) {
        events.emplace_back(record.type, record.value);
    }
    // A, the numeric-pad Enter and the Home key itself, each pressed and released.
    const std::vector<std::pair<int, int>> expected{{2, 'A'}, {3, 'A'}, {2, 108},
                                                    {3, 108}, {2, 36},  {3, 36}};
    ASSERT_GE(events.size(), expected.size());
    EXPECT_EQ(std::vector(events.begin(), events.begin() + 6), expected);
    EXPECT_FALSE(window.sink.records[0].name.empty());
    // Wine adds a left Ctrl to the right one; the right one must be there under its own name.
    const auto rightCtrl =
        std::find_if(window.sink.records.begin(), window.sink.records.end(),
                     [](const RecordedKey& record) { return record.value == 163; });
    ASSERT_NE(rightCtrl, window.sink.records.end());
    EXPECT_EQ(rightCtrl->name, L"RCtrl");
    EXPECT_EQ(std::count(events.begin(), events.end(), std::pair{3, 163}), 1);
    EXPECT_TRUE(window.Typed().empty());

    // Without the hook keys reach the window again.
    ASSERT_TRUE(TypeWithXdotool(WindowTitle, L"b"));
    window.Pump(std::chrono::milliseconds(300));
    EXPECT_EQ(window.Typed(), std::vector<WPARAM>{'B'});
}

TEST(RawKeyInput, KeyCaptureNamesTheNextKey) {
    RecordingWindow window;
    ASSERT_TRUE(RegisterRawKeyInput(window.window.Handle()));
    window.recorder.StartKeyCapture();
    ASSERT_TRUE(TypeWithXdotool(WindowTitle, L"Shift_L"));
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (window.sink.captured.value_or(L"").empty() && std::chrono::steady_clock::now() < end) {
        window.Pump(std::chrono::milliseconds(10));
    }
    window.recorder.EndKeyCapture();
    EXPECT_EQ(window.sink.captured, L"Shift");
    EXPECT_EQ(window.recorder.CapturedCode(), 160);
}

} // namespace
