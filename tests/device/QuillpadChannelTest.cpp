#include "app/device/Quillpad.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <thread>
#include <vector>

namespace {

// Records every frame; can be told to fail writes or to be missing.
class RecordingChannel : public IQuillpadChannel {
public:
    bool Find() override {
        ++finds;
        open = present;
        return open;
    }
    bool IsOpen() const override { return open; }
    bool WriteFrame(const QuillpadFrame& frame) override {
        if (!open || failNextWrites > 0) {
            if (failNextWrites > 0) {
                --failNextWrites;
                open = false;
            }
            return false;
        }
        frames.push_back(frame);
        return true;
    }

    bool present = true;
    bool open = false;
    int finds = 0;
    int failNextWrites = 0;
    std::vector<QuillpadFrame> frames;
};

QuillpadFrame Frame(std::initializer_list<std::uint8_t> head) {
    QuillpadFrame frame{};
    std::copy(head.begin(), head.end(), frame.begin());
    return frame;
}

TEST(QuillpadFrame, PlacesReportIdAndData) {
    const std::vector<std::uint8_t> data{0xAA, 0xBB};
    EXPECT_EQ(BuildQuillpadFrame(data, 3), Frame({0x05, 0x03, 0xAA, 0xBB}));
    // Report id 0 puts the data at [1].
    EXPECT_EQ(BuildQuillpadFrame(data, 0), Frame({0x05, 0xAA, 0xBB}));
}

TEST(QuillpadFrame, TruncatesDataToTheFrame) {
    const std::vector<std::uint8_t> data(100, 0x11);
    const QuillpadFrame withId = BuildQuillpadFrame(data, 1);
    EXPECT_EQ(withId[1], 1);
    EXPECT_EQ(std::count(withId.begin() + 2, withId.end(), 0x11), 62);
    const QuillpadFrame withoutId = BuildQuillpadFrame(data, 0);
    EXPECT_EQ(std::count(withoutId.begin() + 1, withoutId.end(), 0x11), 63);
}

struct KeyCase {
    int usage;
    std::size_t byteIndex; // frame byte
    std::uint8_t bit;
};

class QuillpadKeyBits : public testing::TestWithParam<KeyCase> {};

TEST_P(QuillpadKeyBits, SetsAndClearsTheUsageBit) {
    RecordingChannel channel;
    Quillpad pad(channel);
    ASSERT_TRUE(pad.SetKey(GetParam().usage, true));
    ASSERT_TRUE(pad.SetKey(GetParam().usage, false));
    ASSERT_EQ(channel.frames.size(), 2u);
    QuillpadFrame pressed{};
    pressed[0] = 0x05;
    pressed[1] = 0x01;
    pressed[GetParam().byteIndex] = GetParam().bit;
    EXPECT_EQ(channel.frames[0], pressed);
    EXPECT_EQ(channel.frames[1], Frame({0x05, 0x01}));
}

// The keyboard report starts at frame byte 2 with its always-zero byte; usage u is bit (u & 7) of
// report byte 1 + (u >> 3), frame byte 3 + (u >> 3).
INSTANTIATE_TEST_SUITE_P(Usages, QuillpadKeyBits,
                         testing::Values(KeyCase{0, 3, 0x01}, KeyCase{4, 3, 0x10},
                                         KeyCase{7, 3, 0x80}, KeyCase{8, 4, 0x01},
                                         KeyCase{224, 31, 0x01}, KeyCase{255, 34, 0x80}));

TEST(Quillpad, UsageOutsideTheReportSendsNothing) {
    RecordingChannel channel;
    Quillpad pad(channel);
    EXPECT_FALSE(pad.SetKey(256, true));
    EXPECT_FALSE(pad.SetKey(-1, true));
    EXPECT_TRUE(channel.frames.empty());
}

TEST(Quillpad, MouseButtonsAndHigherBitsOnlyResend) {
    RecordingChannel channel;
    Quillpad pad(channel);
    pad.SetMouseButton(2, true);
    pad.SetMouseButton(9, true);
    pad.SetMouseButton(2, false);
    ASSERT_EQ(channel.frames.size(), 3u);
    EXPECT_EQ(channel.frames[0], Frame({0x05, 0x02, 0x04}));
    EXPECT_EQ(channel.frames[1], Frame({0x05, 0x02, 0x04}));
    EXPECT_EQ(channel.frames[2], Frame({0x05, 0x02, 0x00}));
}

TEST(Quillpad, ConsumerUsageIsLittleEndian) {
    RecordingChannel channel;
    Quillpad pad(channel);
    pad.SetConsumer(0x0223);
    pad.SetConsumer(0);
    ASSERT_EQ(channel.frames.size(), 2u);
    EXPECT_EQ(channel.frames[0], Frame({0x05, 0x03, 0x23, 0x02}));
    EXPECT_EQ(channel.frames[1], Frame({0x05, 0x03}));
}

TEST(Quillpad, ResetSendsAllFourReportsInOrder) {
    RecordingChannel channel;
    Quillpad pad(channel);
    pad.SetKey(4, true);
    pad.SetMouseButton(0, true);
    pad.SetConsumer(0xE9);
    channel.frames.clear();
    EXPECT_TRUE(pad.Reset());
    const std::vector<QuillpadFrame> expected{Frame({0x05, 0x01}), Frame({0x05, 0x02}),
                                              Frame({0x05, 0x03}), Frame({0x05, 0x04})};
    EXPECT_EQ(channel.frames, expected);
}

TEST(Quillpad, KeepsTheDeviceOpenAndSearchesAgainOnlyAfterAFailedWrite) {
    RecordingChannel channel;
    Quillpad pad(channel);
    ASSERT_TRUE(pad.Find());
    pad.SetKey(4, true);
    pad.SetKey(4, false);
    EXPECT_EQ(channel.finds, 1);
    channel.failNextWrites = 1;
    EXPECT_TRUE(pad.SetKey(5, true));
    EXPECT_EQ(channel.finds, 2);
    EXPECT_EQ(channel.frames.size(), 3u);
}

TEST(Quillpad, MissingDeviceFailsEveryWrite) {
    RecordingChannel channel;
    channel.present = false;
    Quillpad pad(channel);
    EXPECT_FALSE(pad.SetKey(4, true));
    EXPECT_FALSE(pad.Reset());
    EXPECT_TRUE(channel.frames.empty());
}

// Two writers changing different keys: every frame sent must hold exactly the keys that were
// set at that moment, which only holds when change and write are one step.
TEST(Quillpad, ConcurrentWritersNeverSendAHalfUpdatedReport) {
    RecordingChannel channel;
    Quillpad pad(channel);
    auto typeKey = [&pad](int usage) {
        for (int i = 0; i < 500; ++i) {
            pad.SetKey(usage, true);
            pad.SetKey(usage, false);
        }
    };
    std::thread first(typeKey, 4);
    std::thread second(typeKey, 5);
    first.join();
    second.join();
    ASSERT_EQ(channel.frames.size(), 2000u);
    // Replaying the frames in order: each differs from the previous one in exactly one bit.
    std::uint8_t previous = 0;
    for (const QuillpadFrame& frame : channel.frames) {
        EXPECT_EQ(std::popcount(static_cast<unsigned>(frame[3] ^ previous)), 1);
        previous = frame[3];
    }
    EXPECT_EQ(previous, 0);
}

} // namespace
