#include "app/input/KeyActions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(KeyActions, MultimediaCodesAndTheirBoundaries) {
    EXPECT_EQ(ConsumerUsageOfMultimediaCode(232), 0x0183);
    EXPECT_EQ(ConsumerUsageOfMultimediaCode(238), 0x00CD);
    EXPECT_EQ(ConsumerUsageOfMultimediaCode(249), 0x0194);
    for (int code : {-1, 0, 231, 250, 255, 100000}) {
        EXPECT_FALSE(ConsumerUsageOfMultimediaCode(code).has_value()) << code;
    }
}

TEST(KeyActions, ShortcutsAndTheirBoundaries) {
    const auto first = ShortcutKeys(1);
    EXPECT_EQ(std::vector<std::uint8_t>(first.begin(), first.end()),
              (std::vector<std::uint8_t>{224, 4}));
    const auto last = ShortcutKeys(15);
    EXPECT_EQ(std::vector<std::uint8_t>(last.begin(), last.end()),
              (std::vector<std::uint8_t>{226, 61}));
    const auto window = ShortcutKeys(14);
    EXPECT_EQ(std::vector<std::uint8_t>(window.begin(), window.end()),
              (std::vector<std::uint8_t>{226, 44, 17}));
    for (int number : {-1, 0, 16, 1000}) {
        EXPECT_TRUE(ShortcutKeys(number).empty()) << number;
    }
}

TEST(KeyActions, MacroKeysBecomeUsagesOrMediaFunctions) {
    using Kind = DeviceOutput::Kind;
    EXPECT_EQ(OutputOfVirtualKey('A'), (DeviceOutput{Kind::Key, 4}));
    EXPECT_EQ(OutputOfVirtualKey(162), (DeviceOutput{Kind::Key, 224}));
    EXPECT_EQ(OutputOfVirtualKey(135), (DeviceOutput{Kind::Key, 115})); // F24
    EXPECT_EQ(OutputOfVirtualKey(173), (DeviceOutput{Kind::Consumer, 0x00E2}));
    EXPECT_EQ(OutputOfVirtualKey(183), (DeviceOutput{Kind::Consumer, 0x0192}));
    for (int code : {0, 7, 255, -1, 70000}) {
        EXPECT_FALSE(OutputOfVirtualKey(code).has_value()) << code;
    }
}

TEST(KeyActions, UsageNames) {
    const std::vector<std::pair<int, std::wstring>> cases{
        {4, L"A"},    {29, L"Z"},    {30, L"1"},         {38, L"9"},   {39, L"0"},     {89, L"1"},
        {97, L"9"},   {98, L"0"},    {42, L"backspace"}, {49, L"\\"},  {52, L"'"},     {58, L"F1"},
        {69, L"F12"}, {72, L"PASE"}, {88, L"Enter"},     {175, L"FN"}, {230, L"RALT"}, {0, L""},
        {50, L""},    {231, L""},    {-1, L""},          {300, L""}};
    for (const auto& [usage, name] : cases) {
        EXPECT_EQ(UsageName(usage), name) << usage;
    }
}

} // namespace
