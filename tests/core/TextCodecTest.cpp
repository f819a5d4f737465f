#include "app/core/TextCodec.h"

#include <gtest/gtest.h>

namespace {

// U+00E9, U+20AC and U+1F3B9 (outside the basic plane: a surrogate pair in UTF-16).
const std::wstring kMixed = L"K\u00E9y \u20AC \U0001F3B9";
const std::string kMixedUtf8 = "K\xC3\xA9y \xE2\x82\xAC \xF0\x9F\x8E\xB9";

TEST(TextCodec, Utf8RoundTripKeepsEveryPlane) {
    EXPECT_EQ(WideToUtf8(kMixed), kMixedUtf8);
    EXPECT_EQ(Utf8ToWide(kMixedUtf8), kMixed);
    EXPECT_TRUE(IsValidUtf8(kMixedUtf8));
}

TEST(TextCodec, Utf16RoundTripInBothByteOrders) {
    for (ByteOrder order : {ByteOrder::LittleEndian, ByteOrder::BigEndian}) {
        const std::string bytes = WideToUtf16(kMixed, order);
        EXPECT_EQ(bytes.size(), 2u * 8u);
        EXPECT_EQ(Utf16ToWide(bytes, order), kMixed);
    }
    EXPECT_EQ(WideToUtf16(L"A", ByteOrder::LittleEndian), std::string("A\0", 2));
    EXPECT_EQ(WideToUtf16(L"A", ByteOrder::BigEndian), std::string("\0A", 2));
}

TEST(TextCodec, MalformedUtf8BecomesReplacementCharacters) {
    struct Case {
        const char* what;
        std::string bytes;
        std::wstring text;
    };
    const Case cases[] = {
        {"overlong slash", "a\xC0\xAF", L"a\uFFFD\uFFFD"},
        {"encoded surrogate", "\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD"},
        {"truncated at end", "ab\xE2\x82", L"ab\uFFFD\uFFFD"},
        {"stray continuation", "\x80x", L"\uFFFDx"},
        {"above U+10FFFF", "\xF4\x90\x80\x80", L"\uFFFD\uFFFD\uFFFD\uFFFD"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(IsValidUtf8(c.bytes)) << c.what;
        EXPECT_EQ(Utf8ToWide(c.bytes), c.text) << c.what;
    }
}

TEST(TextCodec, UnpairedSurrogateInUtf16BecomesReplacement) {
    const std::string lone("\x00\xD8"
                           "A\x00",
                           4);
    EXPECT_EQ(Utf16ToWide(lone, ByteOrder::LittleEndian), L"\uFFFDA");
}

} // namespace
