#include "app/input/MacroRecorder.h"
#include "app/input/KeyNames.h"
#include "tests/input/ListSink.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class SystemNames : public IKeyNameSource {
public:
    // Like the layout, which has no name for some codes (255, sent by some Fn keys).
    std::wstring SystemKeyName(int code) override {
        return code == 255 ? L"" : L"key" + std::to_wstring(code);
    }
};

class ManualClock : public IRecorderClock {
public:
    std::int64_t NowMs() override { return now; }
    std::int64_t now = 1'000'000;
};

class RecorderTest : public testing::Test {
protected:
    void Down(int vk, std::uint32_t scan = 0, std::uint32_t flags = 0) {
        EXPECT_TRUE(recorder.OnHookKey(MessageKeyDown, vk, scan, flags));
    }
    void Up(int vk, std::uint32_t scan = 0, std::uint32_t flags = 0x80) {
        EXPECT_TRUE(recorder.OnHookKey(MessageKeyUp, vk, scan, flags));
    }
    std::vector<int> Values() const {
        std::vector<int> values;
        for (const RecordedKey& record : sink.records) {
            values.push_back(record.value);
        }
        return values;
    }

    ListSink sink;
    SystemNames names;
    ManualClock clock;
    MacroRecorder recorder{sink, names, clock};
};

TEST(MeasuredDelay, CapsAndFirstEvent) {
    struct Case {
        std::int64_t now, last;
        int expected;
    };
    for (const Case& c : std::vector<Case>{{5000, 0, 0},
                                           {5000, 4990, 10},
                                           {5000, 5000, 0},
                                           {50000, 19000, 31000},
                                           {50000, 19001, 30999},
                                           {65000, 5000, 31000},
                                           {4000, 5000, 31000}}) {
        EXPECT_EQ(MeasuredDelay(c.now, c.last), c.expected) << c.now << " " << c.last;
    }
}

TEST(KeyNames, ReplacementsPerSet) {
    struct Case {
        int code;
        KeyNameSet set;
        std::optional<NamedKey> expected;
    };
    const std::vector<Case> cases{
        {16, KeyNameSet::Recording, NamedKey{160, L"Shift"}},
        {17, KeyNameSet::KeyCapture, NamedKey{162, L"Ctrl"}},
        {18, KeyNameSet::Recording, NamedKey{164, L"Alt"}},
        {163, KeyNameSet::Recording, NamedKey{163, L"RCtrl"}},
        {165, KeyNameSet::KeyCapture, NamedKey{165, L"RAlt"}},
        {44, KeyNameSet::KeyCapture, NamedKey{44, L"Print Screen"}},
        {179, KeyNameSet::Recording, NamedKey{179, L"Play/Pause"}},
        {183, KeyNameSet::Recording, NamedKey{183, L"Calculator"}},
        {179, KeyNameSet::KeyCapture, std::nullopt},
        {166, KeyNameSet::KeyCapture, std::nullopt},
        {65, KeyNameSet::Recording, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReplacementKeyName(c.code, c.set), c.expected) << c.code;
    }
}

TEST(KeyNames, NavigationKeysAskForTheExtendedKey) {
    EXPECT_EQ(KeyNameScanWord(33, 0x49), 0x149u); // Page Up
    EXPECT_EQ(KeyNameScanWord(46, 0x53), 0x153u); // Delete
    EXPECT_EQ(KeyNameScanWord(44, 0x37), 0x37u);  // Print Screen
    EXPECT_EQ(KeyNameScanWord(41, 0x00), 0x00u);
    EXPECT_EQ(KeyNameScanWord(65, 0x1E), 0x1Eu);
}

TEST_F(RecorderTest, HeldKeyRecordsOnePressAndOneRelease) {
    recorder.StartRecording(DelayMode::Measured, 10);
    Down(65);
    Down(65);
    Down(65);
    Up(65);
    const std::vector<RecordedKey> expected{{L"key65", RecordedKey::Press, 65, 0},
                                            {L"key65", RecordedKey::Release, 65, 0}};
    EXPECT_EQ(sink.records, expected);
}

TEST_F(RecorderTest, NamesAndCodesOfSpecialKeys) {
    recorder.StartRecording(DelayMode::None, 10);
    Down(36, 71, 0);     // numeric-pad 7 with NumLock off
    Down(13, 28, 0x01);  // numeric-pad Enter
    Down(162, 29, 0);    // left Ctrl
    Down(163, 29, 0x01); // right Ctrl
    Down(17, 29, 0);     // generic Ctrl: left Ctrl, already down, so a repeat
    Down(36, 71, 0x01);  // the Home key itself
    EXPECT_EQ(Values(), (std::vector<int>{103, 108, 162, 163, 36}));
    EXPECT_EQ(sink.records[2].name, L"Ctrl");
    EXPECT_EQ(sink.records[3].name, L"RCtrl");
}

TEST_F(RecorderTest, SwallowsOtherMessagesAndCodeZeroWithoutRecords) {
    recorder.StartRecording(DelayMode::Measured, 10);
    EXPECT_TRUE(recorder.OnHookKey(0x0104 + 5, 65, 0, 0));
    EXPECT_TRUE(recorder.OnHookKey(MessageKeyDown, 0, 0, 0));
    EXPECT_TRUE(recorder.OnHookKey(MessageSysKeyDown, 164, 56, 0x20));
    EXPECT_TRUE(recorder.OnHookKey(MessageSysKeyUp, 164, 56, 0xA0));
    EXPECT_EQ(Values(), (std::vector<int>{164, 164}));
}

TEST_F(RecorderTest, MeasuredDelaysGoToThePreviousItem) {
    recorder.StartRecording(DelayMode::Measured, 10);
    Down(65);
    clock.now += 120;
    Up(65);
    clock.now += 60'000;
    Down(66);
    ASSERT_EQ(sink.records.size(), 3u);
    EXPECT_EQ(sink.records[0].delay, 120);
    EXPECT_EQ(sink.records[1].delay, 31000);
    EXPECT_EQ(sink.records[2].delay, 0);
}

TEST_F(RecorderTest, FixedDelayOnEveryItemButTheLast) {
    recorder.StartRecording(DelayMode::Fixed, 10);
    Down(65);
    clock.now += 500;
    Up(65);
    Down(66);
    Up(66);
    std::vector<int> delays;
    for (const RecordedKey& record : sink.records) {
        delays.push_back(record.delay);
    }
    EXPECT_EQ(delays, (std::vector<int>{10, 10, 10, 0}));
}

TEST_F(RecorderTest, NoDelayModeRecordsNoDelays) {
    recorder.StartRecording(DelayMode::None, 10);
    Down(65);
    clock.now += 500;
    Up(65);
    EXPECT_EQ(sink.records[0].delay, 0);
}

TEST_F(RecorderTest, KeyHeldAtTheLastStopIsRecordedNextTime) {
    recorder.StartRecording(DelayMode::Measured, 10);
    Down(65);
    recorder.StopRecording();
    sink.records.clear();
    recorder.StartRecording(DelayMode::Measured, 10);
    Down(65);
    Up(65);
    EXPECT_EQ(Values(), (std::vector<int>{65, 65}));
}

TEST_F(RecorderTest, NewRecordingStartsWithoutDelayFromTheLastOne) {
    recorder.StartRecording(DelayMode::Measured, 10);
    Down(65);
    recorder.StopRecording();
    clock.now += 700;
    recorder.StartRecording(DelayMode::Measured, 10);
    Up(65);
    EXPECT_EQ(sink.records[0].delay, 0);
}

TEST_F(RecorderTest, HookPassesKeysOnWhenNotRecording) {
    EXPECT_FALSE(recorder.OnHookKey(MessageKeyDown, 65, 30, 0));
    EXPECT_TRUE(sink.records.empty());
}

TEST_F(RecorderTest, KeyCaptureShowsTheNameAndRemembersTheCode) {
    recorder.OnRawKey(MessageKeyDown, 65); // before any key capture: ignored
    EXPECT_FALSE(sink.captured.has_value());
    recorder.StartKeyCapture();
    EXPECT_EQ(sink.captured, L"");
    recorder.OnRawKey(MessageKeyDown, 17);
    EXPECT_EQ(sink.captured, L"Ctrl");
    EXPECT_EQ(recorder.CapturedCode(), 162);
    recorder.OnRawKey(MessageKeyDown, 173); // media keys keep the system's name here
    EXPECT_EQ(sink.captured, L"key173");
    recorder.EndKeyCapture();
    recorder.OnRawKey(MessageKeyDown, 66);
    EXPECT_EQ(sink.captured, L"key173");
    EXPECT_TRUE(sink.records.empty());
}

// A key without a name can be neither shown nor told apart in the list: the field keeps the last
// key that has one.
TEST_F(RecorderTest, KeyCaptureKeepsTheLastKeyThatHasAName) {
    recorder.StartKeyCapture();
    recorder.OnRawKey(MessageKeyDown, 65);
    recorder.OnRawKey(MessageKeyDown, 255);
    EXPECT_EQ(sink.captured, L"key65");
    EXPECT_EQ(recorder.CapturedCode(), 65);
}

TEST_F(RecorderTest, RawInputWhileRecordingRecordsRepeatsToo) {
    recorder.StartKeyCapture();
    recorder.StartRecording(DelayMode::None, 10);
    recorder.OnRawKey(MessageKeyDown, 66);
    recorder.OnRawKey(MessageKeyDown, 66);
    recorder.OnRawKey(MessageSysKeyUp, 66);
    ASSERT_EQ(sink.records.size(), 3u);
    EXPECT_EQ(sink.records[2].type, RecordedKey::Release);
}

} // namespace
