#include "app/device/DriverlessFilter.h"
#include "app/device/DriverlessQuillpad.h"
#include "app/device/Quillpad.h"
#include "app/input/KeyMapping.h"
#include "tests/TypingWindow_win.h"
#include "tests/XdotoolInput.h"
#include "tests/input/KeyMappingFakes.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

constexpr wchar_t WindowTitle[] = L"ClaviraKeyMappingTestWindow";

// The user-mode key filter and virtual keyboard, as the program uses them without drivers.
class DriverlessMapping : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(filter.Open()); }

    KeyMapping& Mapping() {
        if (!m_mapping) {
            m_mapping.emplace(KeyMappingParts{quillpad, filter, data, sleeper,
                                              [this](int id) { queued.push_back(id); }});
        }
        return *m_mapping;
    }

    TypingWindow window{WindowTitle};
    HidUsbFilter::DriverlessFilter filter;
    DriverlessQuillpad padChannel;
    Quillpad quillpad{padChannel};
    MemoryMappingData data;
    ThreadPlaybackSleeper sleeper;
    std::vector<int> queued; // written on the monitor thread, read after it has stopped

private:
    std::optional<KeyMapping> m_mapping;
};

TEST_F(DriverlessMapping, WatchedKeyArrivesAsItsMappedKey) {
    data.Assign(4, kAssignKey, 6);      // A types C
    data.Assign(7, kAssignShortcut, 1); // D selects all
    data.Assign(8, kAssignMacro, 12);   // E queues macro 12
    ASSERT_TRUE(Mapping().ReprogramKeyFilter());
    ASSERT_TRUE(TypeWithXdotool(WindowTitle, L"a b a d e x"));
    EXPECT_TRUE(window.PumpUntil([&] { return window.Received(WM_KEYUP, 'X'); }));
    EXPECT_EQ(window.Text(), L"cbcx");
    // D played Ctrl+A; E (a macro) and the watched keys themselves reached nobody.
    const std::vector<std::pair<UINT, WPARAM>> expected{
        {WM_KEYDOWN, 'C'}, {WM_KEYUP, 'C'},        {WM_KEYDOWN, 'B'},        {WM_KEYUP, 'B'},
        {WM_KEYDOWN, 'C'}, {WM_KEYUP, 'C'},        {WM_KEYDOWN, VK_CONTROL}, {WM_KEYDOWN, 'A'},
        {WM_KEYUP, 'A'},   {WM_KEYUP, VK_CONTROL}, {WM_KEYDOWN, 'X'},        {WM_KEYUP, 'X'}};
    EXPECT_EQ(window.keys, expected);
    Mapping().Shutdown();
    EXPECT_EQ(queued, std::vector<int>{12});
    for (int key : {int{'A'}, int{'C'}, int{'D'}, VK_LCONTROL, VK_CONTROL}) {
        EXPECT_FALSE(GetAsyncKeyState(key) & 0x8000) << key;
    }
}

TEST_F(DriverlessMapping, MultimediaMappingsArriveAsMediaKeys) {
    struct Case {
        int keyCode;  // HID usage of the typed key
        int value;    // multimedia code assigned to it
        WPARAM media; // the virtual key the focused window must receive
    };
    const Case cases[] = {
        {4, 234, VK_VOLUME_UP},        // A
        {5, 238, VK_MEDIA_PLAY_PAUSE}, // B
        {6, 243, VK_BROWSER_BACK},     // C
        {7, 249, VK_LAUNCH_APP1},      // D: my computer
    };
    for (const Case& mapping : cases) {
        data.Assign(mapping.keyCode, kAssignKey, mapping.value);
    }
    ASSERT_TRUE(Mapping().ReprogramKeyFilter());
    ASSERT_TRUE(TypeWithXdotool(WindowTitle, L"a b c d x"));
    EXPECT_TRUE(window.PumpUntil([&] { return window.Received(WM_KEYUP, 'X'); }));
    std::vector<std::pair<UINT, WPARAM>> expected;
    for (const Case& mapping : cases) {
        expected.emplace_back(WM_KEYDOWN, mapping.media);
        expected.emplace_back(WM_KEYUP, mapping.media);
    }
    expected.emplace_back(WM_KEYDOWN, 'X');
    expected.emplace_back(WM_KEYUP, 'X');
    EXPECT_EQ(window.keys, expected);
    EXPECT_EQ(window.Text(), L"x");
    Mapping().Shutdown();
    for (const Case& mapping : cases) {
        EXPECT_FALSE(GetAsyncKeyState(static_cast<int>(mapping.media)) & 0x8000) << mapping.media;
    }
}

TEST_F(DriverlessMapping, MacroTypesIntoTheFocusedEdit) {
    data.AddMacro(3, 2,
                  {{2, VK_LSHIFT, 0},
                   {2, 'H', 0},
                   {3, 'H', 0},
                   {3, VK_LSHIFT, 0},
                   {2, 'I', 0},
                   {3, 'I', 20}});
    std::atomic<bool> played{false};
    std::thread worker([&] {
        Mapping().PlayMacro(3);
        played = true;
    });
    EXPECT_TRUE(window.PumpUntil([&] { return played && window.Text() == L"HiHi"; }))
        << window.Text();
    worker.join();
    for (int key : {int{'H'}, int{'I'}, VK_LSHIFT, VK_SHIFT}) {
        EXPECT_FALSE(GetAsyncKeyState(key) & 0x8000) << key;
    }
}

TEST_F(DriverlessMapping, InterruptedMacroLeavesNoKeyDown) {
    data.AddMacro(3, 1, {{2, VK_LSHIFT, 0}, {2, 'K', 31000}});
    std::thread worker([&] { Mapping().PlayMacro(3); });
    EXPECT_TRUE(window.PumpUntil([&] { return window.Text() == L"K"; })) << window.Text();
    EXPECT_TRUE(GetAsyncKeyState(VK_LSHIFT) & 0x8000);
    Mapping().InterruptMacro();
    worker.join();
    window.Pump(std::chrono::milliseconds(100));
    EXPECT_FALSE(GetAsyncKeyState(VK_LSHIFT) & 0x8000);
    EXPECT_FALSE(GetAsyncKeyState('K') & 0x8000);
}

} // namespace
