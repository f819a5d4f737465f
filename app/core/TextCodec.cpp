#include "app/core/TextCodec.h"

#include <vector>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// Decodes one UTF-8 sequence at bytes[pos]; advances pos. Returns kReplacement (and advances
// by one byte) for anything that is not a shortest-form scalar value.
char32_t NextUtf8(std::string_view bytes, size_t& pos, bool& valid) {
    const auto lead = static_cast<unsigned char>(bytes[pos]);
    int length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        ++pos;
        valid = false;
        return kReplacement;
    }
    if (pos + length > bytes.size()) {
        ++pos;
        valid = false;
        return kReplacement;
    }
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            valid = false;
            return kReplacement;
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || IsSurrogate(value)) {
        ++pos;
        valid = false;
        return kReplacement;
    }
    pos += length;
    return value;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendWide(std::wstring& out, char32_t c) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<wchar_t>(0xD800 + (c >> 10));
            out += static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
            return;
        }
    }
    out += static_cast<wchar_t>(c);
}

// Reads code points from UTF-16 code units; an unpaired surrogate becomes kReplacement.
template <typename Unit> std::vector<char32_t> CodePointsFromUtf16(Unit unitAt, size_t count) {
    std::vector<char32_t> points;
    points.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const char32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < count) {
            const char32_t low = unitAt(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                points.push_back(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        points.push_back(IsSurrogate(unit) ? kReplacement : unit);
    }
    return points;
}

std::vector<char32_t> CodePointsFromWide(std::wstring_view text) {
    if constexpr (sizeof(wchar_t) == 2) {
        return CodePointsFromUtf16([&](size_t i) { return char32_t(char16_t(text[i])); },
                                   text.size());
    } else {
        std::vector<char32_t> points;
        points.reserve(text.size());
        for (wchar_t c : text) {
            const auto value = static_cast<char32_t>(c);
            points.push_back(value > 0x10FFFF || IsSurrogate(value) ? kReplacement : value);
        }
        return points;
    }
}

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    bool valid = true;
    for (size_t pos = 0; pos < bytes.size() && valid;) {
        NextUtf8(bytes, pos, valid);
    }
    return valid;
}

std::wstring Utf8ToWide(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    bool valid = true;
    for (size_t pos = 0; pos < bytes.size();) {
        AppendWide(out, NextUtf8(bytes, pos, valid));
    }
    return out;
}

std::string WideToUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : CodePointsFromWide(text)) {
        AppendUtf8(out, c);
    }
    return out;
}

std::wstring Utf16ToWide(std::string_view bytes, ByteOrder order) {
    const auto unitAt = [&](size_t i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        return order == ByteOrder::LittleEndian ? char32_t(first | (second << 8))
                                                : char32_t((first << 8) | second);
    };
    std::wstring out;
    for (char32_t c : CodePointsFromUtf16(unitAt, bytes.size() / 2)) {
        AppendWide(out, c);
    }
    return out;
}

std::string WideToUtf16(std::wstring_view text, ByteOrder order) {
    std::string out;
    const auto putUnit = [&](char32_t unit) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        out += order == ByteOrder::LittleEndian ? low : high;
        out += order == ByteOrder::LittleEndian ? high : low;
    };
    for (char32_t c : CodePointsFromWide(text)) {
        if (c >= 0x10000) {
            c -= 0x10000;
            putUnit(0xD800 + (c >> 10));
            putUnit(0xDC00 + (c & 0x3FF));
        } else {
            putUnit(c);
        }
    }
    return out;
}
