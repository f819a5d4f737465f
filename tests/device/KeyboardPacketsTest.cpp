#include "app/device/KeyboardPackets.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyboardPackets, CommandSetFollowsTheDeviceType) {
    EXPECT_EQ(CommandSetFor(0), CommandSet::Report);
    EXPECT_EQ(CommandSetFor(200), CommandSet::Report);
    EXPECT_EQ(CommandSetFor(201), CommandSet::Feature);
    EXPECT_EQ(CommandSetFor(299), CommandSet::Feature);
    EXPECT_EQ(CommandSetFor(300), CommandSet::None);
}

TEST(KeyboardPackets, MusicLevelIsScaledTruncatedAndLimited) {
    struct Case {
        int input;
        double scale;
        int level;
    };
    for (const Case& c : {Case{0, 1.0, 0}, Case{64, 1.0, 64}, Case{3, 0.7, 2}, Case{100, 0.5, 50},
                          Case{128, 1.99, 254}, Case{128, 2.0, 255}, Case{128, 4.0, 255}}) {
        EXPECT_EQ(MusicLevel(c.input, c.scale), c.level) << c.input << " x " << c.scale;
    }
}

TEST(KeyboardPackets, FirmwareNumberReadsTheHexDigitsAsDecimal) {
    struct Case {
        int version;
        int number;
    };
    for (const Case& c : {Case{0x010A, 10}, Case{0x0105, 105}, Case{0x0000, 0}, Case{0x00A1, 0},
                          Case{0x1234, 1234}}) {
        EXPECT_EQ(FirmwareNumber(c.version), c.number) << std::hex << c.version;
    }
}

TEST(KeyboardPackets, PublishedFirmwareOutsideTheLimitsIsNeverNewer) {
    EXPECT_TRUE(FirmwareOutdated(10, L"105"));
    EXPECT_FALSE(FirmwareOutdated(105, L"105"));
    EXPECT_FALSE(FirmwareOutdated(10, L""));
    EXPECT_FALSE(FirmwareOutdated(10, L"99999999999"));
    EXPECT_TRUE(FirmwareOutdated(10, L"11b"));
}

TEST(KeyboardPackets, ImagesSkipPositionsBeyondTheirEnd) {
    const LightPositions positions{{1, 0}, {2, 109}, {3, 110}, {4, -1}};
    const std::vector<KeyColour> keys{{1, 0x030201}, {2, 0x060504}, {3, 0xFFFFFF}, {4, 0xFFFFFF}};
    const auto user = UserColourImage(keys, positions);
    const auto frame = KeyColourImage(keys, positions);
    ASSERT_EQ(user.size(), 440u);
    ASSERT_EQ(frame.size(), 330u);
    EXPECT_EQ(std::vector<std::uint8_t>(user.end() - 4, user.end()),
              (std::vector<std::uint8_t>{4, 5, 6, 0xFF}));
    EXPECT_EQ(std::vector<std::uint8_t>(frame.end() - 3, frame.end()),
              (std::vector<std::uint8_t>{4, 5, 6}));
    EXPECT_EQ(std::count(user.begin(), user.end(), 0xFF), 2);
    EXPECT_EQ(std::count(frame.begin(), frame.end(), 0xFF), 0);
}

} // namespace
