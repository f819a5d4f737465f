#include "app/input/KeyMapping.h"
#include "app/device/Quillpad.h"
#include "app/device/WorkerQueue.h"
#include "app/input/KeyActions.h"
#include "tests/input/KeyMappingFakes.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using Changes = std::vector<std::string>;

constexpr int kPress = 2;
constexpr int kRelease = 3;

class KeyMappingTest : public testing::Test {
protected:
    KeyMapping& Mapping() {
        if (!m_mapping) {
            m_mapping.emplace(KeyMappingParts{quillpad, filter, data, sleeper,
                                              [this](int id) { queued.push_back(id); }});
        }
        return *m_mapping;
    }
    // Presses and releases the key, returning the changes of each edge.
    std::pair<Changes, Changes> Tap(std::uint16_t keyCode) {
        pad.ClearChanges();
        Mapping().OnKeyEvent(keyCode, true);
        const Changes down = pad.Changes();
        pad.ClearChanges();
        Mapping().OnKeyEvent(keyCode, false);
        return {down, pad.Changes()};
    }

    RecordingPad pad;
    Quillpad quillpad{pad};
    QueueFilter filter;
    MemoryMappingData data;
    VirtualSleeper sleeper;
    std::vector<int> queued;

private:
    std::optional<KeyMapping> m_mapping;
};

TEST(WatchedKeys, EveryRowWatchesItsKeyWhatItsKind) {
    std::vector<KeyAssignment> rows(5);
    const int kinds[] = {1, 2, 12, 99, 3};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].keyCode = static_cast<int>(10 + i);
        rows[i].kind = kinds[i];
        rows[i].value = 7;
    }
    const std::vector<WatchedKey> keys = WatchedKeys(rows);
    ASSERT_EQ(keys.size(), 5u);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(keys[i].keyCode, 10 + i);
    }
    EXPECT_EQ(keys[0].action.kind, KeyAction::Kind::None);
    EXPECT_EQ(keys[1].action.output, (DeviceOutput{DeviceOutput::Kind::Key, 7}));
    EXPECT_EQ(keys[2].action.kind, KeyAction::Kind::None);
    EXPECT_EQ(keys[3].action.kind, KeyAction::Kind::None);
    EXPECT_EQ(keys[4].action, (KeyAction{KeyAction::Kind::Macro, {}, 7}));
}

// A key code the 16-bit table cannot hold would be watched as another key (its low bits) with
// nothing assigned to it, swallowing that key; such rows watch nothing.
TEST(WatchedKeys, SkipsCodesTheTableCannotHoldAndStopsAtAFullTable) {
    std::vector<KeyAssignment> rows;
    for (int code : {0, -4, 0x10004, 0xFFFF, 4}) {
        KeyAssignment row;
        row.keyCode = code;
        rows.push_back(row);
    }
    std::vector<WatchedKey> keys = WatchedKeys(rows);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].keyCode, 0xFFFF);
    EXPECT_EQ(keys[1].keyCode, 4);

    rows.assign(300, KeyAssignment{});
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].keyCode = static_cast<int>(i + 1);
    }
    keys = WatchedKeys(rows);
    ASSERT_EQ(keys.size(), 256u);
    EXPECT_EQ(keys.back().keyCode, 256);
}

TEST_F(KeyMappingTest, ReprogrammingWatchesTheActiveProfilesFirstLayer) {
    data.activeProfile = 2;
    data.Assign(4, kAssignKey, 5, 2);
    data.Assign(30, 1, 0, 2);
    data.Assign(5, kAssignKey, 6, 1);    // another profile
    data.Assign(6, kAssignKey, 6, 2, 1); // another layer
    ASSERT_TRUE(Mapping().ReprogramKeyFilter());
    EXPECT_EQ(filter.table, (std::vector<std::uint16_t>{4, 30}));
    const std::vector<std::pair<std::uint32_t, std::size_t>> expected{
        {FilterSetKeyTable, 256}, {FilterSetKeyTable, 1024}, {0x226008, 0}, {0x22600C, 0}};
    EXPECT_EQ(filter.controls, expected);
    EXPECT_TRUE(Mapping().Monitor().IsRunning());
    EXPECT_EQ(Tap(5).first, Changes{}); // not mapped any more
    EXPECT_EQ(Tap(4).first, Changes{"key 5 down"});
}

struct EventCase {
    const char* name;
    int kind;
    int value;
    Changes onPress;
    Changes onRelease;
};

class AssignmentOutput : public KeyMappingTest, public testing::WithParamInterface<EventCase> {};

TEST_P(AssignmentOutput, PressAndReleaseProduce) {
    data.Assign(41, GetParam().kind, GetParam().value);
    Mapping().ReprogramKeyFilter();
    const auto [down, up] = Tap(41);
    EXPECT_EQ(down, GetParam().onPress);
    EXPECT_EQ(up, GetParam().onRelease);
    EXPECT_TRUE(pad.StillPressed().empty());
    EXPECT_TRUE(queued.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, AssignmentOutput,
    testing::Values(
        EventCase{"Key", kAssignKey, 6, {"key 6 down"}, {"key 6 up"}},
        EventCase{"Modifier", kAssignKey, 225, {"key 225 down"}, {"key 225 up"}},
        EventCase{"LastUsage", kAssignKey, 231, {"key 231 down"}, {"key 231 up"}},
        EventCase{
            "FirstMultimedia", kAssignKey, 232, {"consumer 0x0183 down"}, {"consumer 0x0183 up"}},
        EventCase{"VolumeUp", kAssignKey, 234, {"consumer 0x00E9 down"}, {"consumer 0x00E9 up"}},
        EventCase{
            "LastMultimedia", kAssignKey, 249, {"consumer 0x0194 down"}, {"consumer 0x0194 up"}},
        EventCase{"PastMultimediaTable", kAssignKey, 250, {}, {}},
        EventCase{"HugeKeyValue", kAssignKey, 100000, {}, {}},
        EventCase{"NoKey", kAssignKey, 0, {}, {}}, EventCase{"NegativeKey", kAssignKey, -3, {}, {}},
        EventCase{"MouseLeft", kAssignMouse, 1, {"mouse 0 down"}, {"mouse 0 up"}},
        EventCase{"MouseRight", kAssignMouse, 2, {"mouse 2 down"}, {"mouse 2 up"}},
        EventCase{"MouseMiddle", kAssignMouse, 3, {"mouse 1 down"}, {"mouse 1 up"}},
        EventCase{"MouseBack", kAssignMouse, 7, {"mouse 4 down"}, {"mouse 4 up"}},
        EventCase{"MouseForward", kAssignMouse, 8, {"mouse 3 down"}, {"mouse 3 up"}},
        EventCase{"MouseFour", kAssignMouse, 4, {}, {}},
        EventCase{"MouseSix", kAssignMouse, 6, {}, {}},
        EventCase{"MouseZero", kAssignMouse, 0, {}, {}},
        EventCase{"MousePastTable", kAssignMouse, 9, {}, {}},
        EventCase{"ShortcutZero", kAssignShortcut, 0, {}, {}},
        EventCase{"ShortcutPastTable", kAssignShortcut, 16, {}, {}},
        EventCase{"Disabled", 1, 6, {}, {}}, EventCase{"NoOutputKind", 12, 6, {}, {}},
        EventCase{"UnknownKind", 42, 6, {}, {}}),
    [](const testing::TestParamInfo<EventCase>& info) { return info.param.name; });

TEST_F(KeyMappingTest, UnwatchedKeysProduceNothing) {
    data.Assign(41, kAssignKey, 6);
    Mapping().ReprogramKeyFilter();
    EXPECT_EQ(Tap(42), (std::pair<Changes, Changes>{}));
    EXPECT_EQ(pad.FrameCount(), 0);
}

TEST_F(KeyMappingTest, ShortcutPressesInOrderAndReleasesInReverse) {
    data.Assign(41, kAssignShortcut, 13);
    Mapping().ReprogramKeyFilter();
    const auto [down, up] = Tap(41);
    EXPECT_EQ(down, (Changes{"key 226 down", "key 44 down", "key 27 down", "key 27 up", "key 44 up",
                             "key 226 up"}));
    EXPECT_EQ(sleeper.waits, (std::vector<int>{10, 10, 10, 10, 10}));
    EXPECT_TRUE(up.empty());
}

TEST_F(KeyMappingTest, ShortcutLeavesAHeldKeyPressed) {
    data.Assign(41, kAssignKey, 224); // a key that is Ctrl
    data.Assign(42, kAssignShortcut, 2);
    Mapping().ReprogramKeyFilter();
    Mapping().OnKeyEvent(41, true);
    EXPECT_EQ(Tap(42).first, (Changes{"key 6 down", "key 6 up"}));
    EXPECT_EQ(pad.StillPressed(), Changes{"key 224 down"});
}

TEST_F(KeyMappingTest, MacroKeyQueuesItsMacroOnPressOnly) {
    data.Assign(41, kAssignMacro, 17);
    Mapping().ReprogramKeyFilter();
    Tap(41);
    Tap(41);
    EXPECT_EQ(queued, (std::vector<int>{17, 17}));
    EXPECT_EQ(pad.FrameCount(), 0);
}

TEST_F(KeyMappingTest, HeldKeyStaysPressedUntilItsOwnRelease) {
    data.Assign(41, kAssignKey, 6);
    data.Assign(42, kAssignKey, 6);
    Mapping().ReprogramKeyFilter();
    Mapping().OnKeyEvent(41, true);
    Mapping().OnKeyEvent(41, true); // a repeated press changes nothing
    Mapping().OnKeyEvent(42, true);
    Mapping().OnKeyEvent(41, false);
    EXPECT_EQ(pad.StillPressed(), Changes{"key 6 down"}); // the other key still holds it
    Mapping().OnKeyEvent(42, false);
    EXPECT_EQ(pad.Changes(), (Changes{"key 6 down", "key 6 up"}));
}

TEST_F(KeyMappingTest, TwoMediaKeysShareTheConsumerReport) {
    data.Assign(41, kAssignKey, 233);
    data.Assign(42, kAssignKey, 234);
    Mapping().ReprogramKeyFilter();
    Mapping().OnKeyEvent(41, true);
    Mapping().OnKeyEvent(42, true);
    Mapping().OnKeyEvent(41, false); // volume up is still held and still shows
    EXPECT_EQ(pad.StillPressed(), Changes{"consumer 0x00E9 down"});
    Mapping().OnKeyEvent(42, false);
    EXPECT_TRUE(pad.StillPressed().empty());
}

// A key pressed before the assignments change is released at once, and its late release event
// leaves the new assignment alone.
TEST_F(KeyMappingTest, ReprogrammingReleasesHeldKeys) {
    data.Assign(41, kAssignKey, 6);
    data.Assign(42, kAssignKey, 7);
    Mapping().ReprogramKeyFilter();
    Mapping().OnKeyEvent(41, true);
    Mapping().OnKeyEvent(42, true);
    data.rows.clear();
    data.Assign(41, kAssignKey, 9);
    Mapping().ReprogramKeyFilter();
    EXPECT_TRUE(pad.StillPressed().empty());
    pad.ClearChanges();
    Mapping().OnKeyEvent(41, false);
    Mapping().OnKeyEvent(42, false);
    EXPECT_TRUE(pad.Changes().empty());
}

TEST_F(KeyMappingTest, KeyboardLossAndShutdownReleaseEverything) {
    data.Assign(41, kAssignKey, 6);
    data.Assign(42, kAssignMouse, 1);
    data.Assign(43, kAssignKey, 235);
    Mapping().ReprogramKeyFilter();
    for (std::uint16_t key : {41, 42, 43}) {
        Mapping().OnKeyEvent(key, true);
    }
    EXPECT_EQ(pad.StillPressed().size(), 3u);
    Mapping().ReleaseAll();
    EXPECT_TRUE(pad.StillPressed().empty());

    Mapping().OnKeyEvent(41, true);
    Mapping().Shutdown();
    EXPECT_TRUE(pad.StillPressed().empty());
    EXPECT_FALSE(Mapping().Monitor().IsRunning());
    EXPECT_TRUE(filter.table.empty());
}

// The program ends with Shutdown while the device worker may still be playing a macro or be
// about to apply a profile: the macro stops at once, and nothing afterwards presses a key or
// watches one again.
TEST_F(KeyMappingTest, ShutdownEndsAPlayingMacroAndIsFinal) {
    data.Assign(41, kAssignKey, 6);
    data.AddMacro(3, 99, {{kPress, 'A', 31000}, {kRelease, 'A', 0}});
    Mapping().ReprogramKeyFilter();
    sleeper.onSleep = [this](std::size_t count) {
        if (count == 1) {
            Mapping().Shutdown();
        }
    };
    Mapping().PlayMacro(3);
    EXPECT_EQ(pad.Changes(), (Changes{"key 4 down", "key 4 up"}));
    EXPECT_EQ(sleeper.waits.size(), 1u);

    pad.ClearChanges();
    EXPECT_FALSE(Mapping().ReprogramKeyFilter());
    Mapping().PlayMacro(3);
    EXPECT_TRUE(pad.Changes().empty());
    EXPECT_FALSE(Mapping().Monitor().IsRunning());
    EXPECT_TRUE(filter.table.empty());
}

TEST_F(KeyMappingTest, MissingDeviceProducesNothing) {
    data.Assign(41, kAssignKey, 6);
    data.Assign(42, kAssignShortcut, 1);
    Mapping().ReprogramKeyFilter();
    pad.SetPresent(false);
    Tap(41);
    Tap(42);
    data.AddMacro(1, 1, {{kPress, 'A', 0}, {kRelease, 'A', 0}});
    Mapping().PlayMacro(1);
    EXPECT_EQ(pad.FrameCount(), 0);
    // The macro gave up at its first event instead of waiting through the rest.
    EXPECT_EQ(sleeper.waits, (std::vector<int>{10, 10, 10}));
}

TEST_F(KeyMappingTest, EventsArriveThroughTheMonitor) {
    data.Assign(41, kAssignKey, 6);
    Mapping().ReprogramKeyFilter();
    filter.Push(41, true);
    filter.Push(41, false);
    filter.WaitUntilDrained();
    EXPECT_EQ(pad.Changes(), (Changes{"key 6 down", "key 6 up"}));
}

TEST_F(KeyMappingTest, MacroPlaysEventsInOrderWithTheirDelays) {
    data.AddMacro(3, 1,
                  {{kPress, 160, 20}, // left Shift
                   {kPress, 'H', 0},
                   {kRelease, 'H', 3},
                   {kRelease, 160, 40000},
                   {kPress, 175, 7}, // volume up
                   {kRelease, 175, -8}});
    Mapping().PlayMacro(3);
    EXPECT_EQ(pad.Changes(), (Changes{"key 225 down", "key 11 down", "key 11 up", "key 225 up",
                                      "consumer 0x00E9 down", "consumer 0x00E9 up"}));
    EXPECT_EQ(sleeper.waits, (std::vector<int>{20, 5, 5, 31000, 7, 5}));
}

TEST_F(KeyMappingTest, MacroKeysOutsideTheUsageTableSendNothing) {
    data.AddMacro(3, 1, {{kPress, 7, 0}, {kPress, 255, 0}, {kRelease, -1, 0}, {kPress, 'Z', 0}});
    Mapping().PlayMacro(3);
    EXPECT_EQ(pad.Changes(), (Changes{"key 29 down", "key 29 up"}));
    EXPECT_EQ(sleeper.waits.size(), 4u); // every event still waits
}

TEST_F(KeyMappingTest, MacroRepeatsWithAFullReleaseAfterEachPass) {
    // Presses without releases, as a recording stopped with keys down leaves them.
    data.AddMacro(3, 3, {{kPress, 'A', 0}, {kPress, 'B', 0}});
    Mapping().PlayMacro(3);
    const Changes pass{"key 4 down", "key 5 down", "key 4 up", "key 5 up"};
    Changes expected;
    for (int i = 0; i < 3; ++i) {
        expected.insert(expected.end(), pass.begin(), pass.end());
    }
    EXPECT_EQ(pad.Changes(), expected);
}

// Letting go of two media functions at once must not show the first again in between: that
// would be one more press of it (play/pause toggling the music back).
TEST_F(KeyMappingTest, MacroPassEndReleasesHeldMediaKeysWithoutPressingThemAgain) {
    data.AddMacro(3, 1, {{kPress, 179, 0}, {kPress, 176, 0}}); // play/pause, next track
    Mapping().PlayMacro(3);
    EXPECT_EQ(pad.Changes(), (Changes{"consumer 0x00CD down", "consumer 0x00CD up",
                                      "consumer 0x00B5 down", "consumer 0x00B5 up"}));
}

struct PlayCountCase {
    int playTimes;
    std::size_t passes;
};

class MacroPlayCount : public KeyMappingTest, public testing::WithParamInterface<PlayCountCase> {};

TEST_P(MacroPlayCount, PlaysAtMostTheCap) {
    data.AddMacro(3, GetParam().playTimes, {{kPress, 'A', 0}, {kRelease, 'A', 0}});
    Mapping().PlayMacro(3);
    EXPECT_EQ(pad.Changes().size(), 2 * GetParam().passes);
}

INSTANTIATE_TEST_SUITE_P(Counts, MacroPlayCount,
                         testing::Values(PlayCountCase{0, 0}, PlayCountCase{-5, 0},
                                         PlayCountCase{1, 1}, PlayCountCase{99, 99},
                                         PlayCountCase{100, 99}, PlayCountCase{2147483647, 99}));

TEST_F(KeyMappingTest, MissingMacroPlaysNothing) {
    Mapping().PlayMacro(404);
    EXPECT_EQ(pad.FrameCount(), 0);
    EXPECT_TRUE(sleeper.waits.empty());
}

// Interrupted in the middle of a pass, with keys down: they are released by the time the
// interruption returns, and the macro presses nothing more.
TEST_F(KeyMappingTest, InterruptedMacroReleasesEverythingAndStops) {
    data.AddMacro(3, 5, {{kPress, 162, 0}, {kPress, 'C', 0}, {kRelease, 'C', 0}, {kPress, 'V', 0}});
    sleeper.onSleep = [this](std::size_t count) {
        if (count == 2) {
            Mapping().InterruptMacro();
            EXPECT_TRUE(pad.StillPressed().empty());
        }
    };
    Mapping().PlayMacro(3);
    EXPECT_EQ(pad.Changes(), (Changes{"key 224 down", "key 6 down", "key 6 up", "key 224 up"}));
    EXPECT_EQ(sleeper.waits.size(), 2u);
}

TEST_F(KeyMappingTest, ChangingTheMappingInterruptsTheMacro) {
    data.AddMacro(3, 1, {{kPress, 'A', 0}, {kPress, 'B', 0}});
    sleeper.onSleep = [this](std::size_t) { Mapping().ReprogramKeyFilter(); };
    Mapping().PlayMacro(3);
    EXPECT_EQ(pad.Changes(), (Changes{"key 4 down", "key 4 up"}));
}

TEST_F(KeyMappingTest, MacroPassLeavesKeysOfMappedKeysPressed) {
    data.Assign(41, kAssignKey, 225);
    data.AddMacro(3, 2, {{kPress, 'A', 0}, {kRelease, 'A', 0}});
    Mapping().ReprogramKeyFilter();
    Mapping().OnKeyEvent(41, true);
    Mapping().PlayMacro(3);
    EXPECT_EQ(pad.StillPressed(), Changes{"key 225 down"});
}

// The worker waits on the real clock; an interruption from another thread ends a long wait at
// once instead of after it.
TEST(KeyMappingThreads, InterruptionEndsALongWait) {
    RecordingPad pad;
    Quillpad quillpad(pad);
    QueueFilter filter;
    MemoryMappingData data;
    ThreadPlaybackSleeper sleeper;
    KeyMapping mapping({quillpad, filter, data, sleeper, nullptr});
    data.AddMacro(3, 99, {{kPress, 'A', 31000}});
    std::atomic<bool> done{false};
    std::thread worker([&] {
        mapping.PlayMacro(3);
        done = true;
    });
    while (pad.Changes().empty()) {
        std::this_thread::yield();
    }
    const auto start = std::chrono::steady_clock::now();
    mapping.InterruptMacro();
    worker.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_EQ(pad.Changes(), (Changes{"key 4 down", "key 4 up"}));
}

// Key events on the monitor thread, macros on a worker thread and mapping changes on a third,
// all at once: nothing is left pressed once they have finished (the sanitizers watch the rest).
TEST(KeyMappingThreads, NothingStaysPressedUnderConcurrentUse) {
    RecordingPad pad;
    Quillpad quillpad(pad);
    QueueFilter filter;
    MemoryMappingData data;
    ThreadPlaybackSleeper sleeper;
    WorkerQueue macros;
    data.Assign(41, kAssignKey, 6);
    data.Assign(42, kAssignMouse, 1);
    data.Assign(43, kAssignMacro, 3);
    data.Assign(44, kAssignShortcut, 2);
    data.AddMacro(3, 2, {{kPress, 'A', 1}, {kPress, 175, 1}, {kRelease, 'A', 0}});
    KeyMapping mapping({quillpad, filter, data, sleeper, [&](int id) { macros.Append(id); }});
    mapping.ReprogramKeyFilter();
    std::atomic<bool> running{true};
    std::thread worker([&] {
        while (running) {
            if (const auto id = macros.TakeFront()) {
                mapping.PlayMacro(*id);
            } else {
                std::this_thread::yield();
            }
        }
    });
    std::thread changer([&] {
        for (int i = 0; i < 20; ++i) {
            mapping.ReprogramKeyFilter();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
    for (int round = 0; round < 200; ++round) {
        const auto key = static_cast<std::uint16_t>(41 + round % 4);
        filter.Push(key, true);
        if (round % 3 != 0) {
            filter.Push(key, false);
        }
    }
    changer.join();
    filter.WaitUntilDrained();
    running = false;
    worker.join();
    mapping.ReleaseAll();
    EXPECT_TRUE(pad.StillPressed().empty());
}

} // namespace
