#include "app/update/Versions.h"

#include <gtest/gtest.h>

namespace {

TEST(Versions, CompareAsNumbersPartByPart) {
    struct Case {
        const wchar_t* current;
        const wchar_t* offered;
        int expected;
    };
    const Case cases[] = {
        {L"1.0.1", L"1.0.2", 1},
        {L"1.0.1", L"1.0.1", 0},
        {L"1.0.1", L"0.9.9", -1},
        {L"1.0.9", L"1.0.10", 1},
        {L"1.0.1", L"1.0", -1},
        {L"1.0", L"1.0.1", 1},
        {L"1.0", L"1.0.0", 0},
        {L"1.2", L"1.10", 1},
        {L"1.0.1", L"1.0.1b", 0},
        {L"1.x", L"1.0", 0},
        {L"", L"", 0},
        {L"", L"1", 1},
        {L"2", L"", -1},
        {L"1.0.1", L"01.0.2", 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CompareVersions(c.current, c.offered), c.expected)
            << "current " << testing::PrintToString(std::wstring(c.current)) << " offered "
            << testing::PrintToString(std::wstring(c.offered));
    }
}

TEST(Versions, OnlyShortDigitAndDotTextsAreVersions) {
    EXPECT_TRUE(IsValidVersionText(L"1.0.2"));
    EXPECT_TRUE(IsValidVersionText(L"10.20.3040")) << "10 characters";
    EXPECT_FALSE(IsValidVersionText(L"10.20.30405")) << "11 characters";
    for (const wchar_t* text :
         {L"", L"1.0 ", L"1.0/../x", L"1.0\\a", L"1.0.2\r\n", L"v1", L"1.0.2&x=1", L"1.0:2"}) {
        EXPECT_FALSE(IsValidVersionText(text)) << testing::PrintToString(std::wstring(text));
    }
}

TEST(Versions, FirmwareVersionHexDigitsReadAsDecimal) {
    struct Case {
        int keyboard;
        const wchar_t* offered;
        bool update;
    };
    const Case cases[] = {
        {0x105, L"106", true},  {0x106, L"106", false}, {0x107, L"106", false},
        {0x10A, L"11", true},   {0x10A, L"10", false},  {-1, L"999", false},
        {0x105, L"abc", false}, {0x105, L"", false},    {0, L"1", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FirmwareNeedsUpdate(c.keyboard, c.offered), c.update)
            << std::hex << c.keyboard << " offered "
            << testing::PrintToString(std::wstring(c.offered));
    }
}

} // namespace
