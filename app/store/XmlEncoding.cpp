#include "app/store/XmlEncoding.h"

#include "app/core/CodePage.h"
#include "app/core/TextCodec.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <regex>

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool StartsWith(std::string_view bytes, std::initializer_list<unsigned char> prefix) {
    return bytes.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), bytes.begin(),
                      [](unsigned char a, char b) { return a == static_cast<unsigned char>(b); });
}

bool IsUtf8Name(const std::string& name) { return name == "utf-8" || name == "utf8"; }

struct NamedCodePage {
    const char* name;
    unsigned codePage;
};

constexpr std::array kCodePageNames{
    NamedCodePage{"us-ascii", 20127},    NamedCodePage{"ascii", 20127},
    NamedCodePage{"iso-8859-1", 28591},  NamedCodePage{"latin1", 28591},
    NamedCodePage{"iso-8859-2", 28592},  NamedCodePage{"iso-8859-5", 28595},
    NamedCodePage{"iso-8859-15", 28605}, NamedCodePage{"shift_jis", 932},
    NamedCodePage{"shift-jis", 932},     NamedCodePage{"gb2312", 936},
    NamedCodePage{"gbk", 936},           NamedCodePage{"ks_c_5601-1987", 949},
    NamedCodePage{"euc-kr", 949},        NamedCodePage{"big5", 950},
    NamedCodePage{"koi8-r", 20866},      NamedCodePage{"koi8-u", 21866},
};

} // namespace

std::string DeclaredEncoding(std::string_view head) {
    if (head.substr(0, 5) != "<?xml") {
        return {};
    }
    const auto end = head.find("?>");
    if (end == std::string_view::npos) {
        return {};
    }
    static const std::regex encoding(R"(\sencoding\s*=\s*(["'])([A-Za-z0-9._\-]*)\1)");
    const std::string declaration(head.substr(0, end));
    std::smatch match;
    return std::regex_search(declaration, match, encoding) ? match[2].str() : std::string();
}

std::optional<unsigned> CodePageFromName(std::string_view name) {
    const std::string lower = Lower(name);
    if (lower == "ansi") {
        return SystemCodePage();
    }
    for (const auto& entry : kCodePageNames) {
        if (lower == entry.name) {
            return entry.codePage;
        }
    }
    for (const char* prefix : {"windows-", "cp", "ibm"}) {
        const std::string_view p(prefix);
        if (lower.size() > p.size() && lower.compare(0, p.size(), p) == 0 &&
            std::all_of(lower.begin() + p.size(), lower.end(),
                        [](unsigned char c) { return std::isdigit(c); })) {
            return static_cast<unsigned>(std::stoul(lower.substr(p.size())));
        }
    }
    return std::nullopt;
}

std::wstring DecodeXmlBytes(std::string_view bytes) {
    if (StartsWith(bytes, {0xFF, 0xFE})) {
        return Utf16ToWide(bytes.substr(2), ByteOrder::LittleEndian);
    }
    if (StartsWith(bytes, {0xFE, 0xFF})) {
        return Utf16ToWide(bytes.substr(2), ByteOrder::BigEndian);
    }
    if (StartsWith(bytes, {0xEF, 0xBB, 0xBF})) {
        return Utf8ToWide(bytes.substr(3));
    }
    // UTF-16 without a mark still shows itself by the zero byte beside the opening '<'.
    if (StartsWith(bytes, {'<', 0x00})) {
        return Utf16ToWide(bytes, ByteOrder::LittleEndian);
    }
    if (StartsWith(bytes, {0x00, '<'})) {
        return Utf16ToWide(bytes, ByteOrder::BigEndian);
    }
    const std::string declared = Lower(DeclaredEncoding(bytes));
    if (IsUtf8Name(declared)) {
        return Utf8ToWide(bytes);
    }
    if (const auto codePage = CodePageFromName(declared)) {
        if (auto text = DecodeCodePage(bytes, *codePage)) {
            return *text;
        }
    }
    if (IsValidUtf8(bytes)) {
        return Utf8ToWide(bytes);
    }
    return DecodeCodePage(bytes, SystemCodePage()).value_or(Utf8ToWide(bytes));
}

std::string EncodeXmlText(std::wstring_view text, std::string_view encodingName) {
    const std::string name = Lower(encodingName);
    if (name == "utf-16" || name == "utf-16le") {
        return "\xFF\xFE" + WideToUtf16(text, ByteOrder::LittleEndian);
    }
    if (name == "utf-16be") {
        return "\xFE\xFF" + WideToUtf16(text, ByteOrder::BigEndian);
    }
    if (const auto codePage = CodePageFromName(name)) {
        if (auto bytes = EncodeCodePage(text, *codePage)) {
            return *bytes;
        }
    }
    return WideToUtf8(text);
}
