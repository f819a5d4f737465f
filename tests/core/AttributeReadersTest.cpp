#include "app/core/AttributeReaders.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct Case {
    const wchar_t* text;
    int value;
};

TEST(AttributeReaders, ReadNumberTakesLeadingDecimalDigits) {
    const Case cases[] = {
        {L"", 0},
        {L"201", 201},
        {L"0042", 42},
        {L"12abc", 12},
        {L"abc", 0},
        {L"3.9", 3},
        {L"  7", 7},
        {L"-5", -5},
        {L"+5", 5},
        {L"- 5", 0},
        {L"0x1F", 0},
        {L"\uFF15", 0}, // a full-width digit is no digit here
        {L"2147483647", INT_MAX},
        {L"99999999999999999999", INT_MAX},
        {L"-2147483648", INT_MIN},
        {L"-99999999999999999999", INT_MIN},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadNumber(c.text), c.value) << "text " << testing::PrintToString(c.text);
    }
}

TEST(AttributeReaders, ReadHexAcceptsAnOptionalPrefix) {
    const Case cases[] = {
        {L"", 0},
        {L"0x35F1", 0x35F1},
        {L"35f1", 0x35F1},
        {L"0X1a", 0x1A},
        {L"0x", 0},
        {L"0xZ", 0},
        {L"zz", 0},
        {L"1G", 1},
        {L" 0x10", 0x10},
        {L"-0x10", -0x10},
        {L"7FFFFFFF", INT_MAX},
        {L"0xFFFFFFFF", INT_MAX},
        {L"123456789ABCDEF", INT_MAX},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadHex(c.text), c.value) << "text " << testing::PrintToString(c.text);
    }
}

TEST(AttributeReaders, ReadFlagIsTrueOnlyForTheValueOne) {
    const struct {
        const wchar_t* text;
        bool value;
    } cases[] = {
        {L"1", true},  {L"01", true},  {L"1x", true},    {L"", false},   {L"0", false},
        {L"2", false}, {L"11", false}, {L"true", false}, {L"-1", false}, {L"yes", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadFlag(c.text), c.value) << "text " << testing::PrintToString(c.text);
    }
}

} // namespace
