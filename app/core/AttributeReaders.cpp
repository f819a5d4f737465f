#include "app/core/AttributeReaders.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

bool IsSpace(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r' || c == L'\v' || c == L'\f';
}

int DigitValue(wchar_t c, int base) {
    int value = -1;
    if (c >= L'0' && c <= L'9') {
        value = c - L'0';
    } else if (c >= L'a' && c <= L'f') {
        value = c - L'a' + 10;
    } else if (c >= L'A' && c <= L'F') {
        value = c - L'A' + 10;
    }
    return value < base ? value : -1;
}

int ReadInteger(std::wstring_view text, int base) {
    size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }
    if (base == 16 && i + 1 < text.size() && text[i] == L'0' &&
        (text[i + 1] == L'x' || text[i + 1] == L'X')) {
        i += 2;
    }
    const int64_t limit = negative ? -int64_t{std::numeric_limits<int32_t>::min()}
                                   : int64_t{std::numeric_limits<int32_t>::max()};
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0) {
            break;
        }
        value = std::min(value * base + digit, limit);
    }
    return static_cast<int>(negative ? -value : value);
}

} // namespace

int ReadNumber(std::wstring_view text) { return ReadInteger(text, 10); }

int ReadHex(std::wstring_view text) { return ReadInteger(text, 16); }

bool ReadFlag(std::wstring_view text) { return ReadNumber(text) == 1; }
