#include "app/core/CodePage.h"

#include "app/core/TextCodec.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <iconv.h>

namespace {

constexpr unsigned kSystemCodePage = 1252;

std::string IconvName(unsigned codePage) {
    switch (codePage) {
    case 20127:
        return "ASCII";
    case 65001:
        return "UTF-8";
    }
    if (codePage >= 28591 && codePage <= 28606) {
        return "ISO-8859-" + std::to_string(codePage - 28590);
    }
    return "CP" + std::to_string(codePage);
}

class Converter {
public:
    Converter(const std::string& to, const std::string& from)
        : m_handle(iconv_open(to.c_str(), from.c_str())) {}
    ~Converter() {
        if (valid()) {
            iconv_close(m_handle);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return m_handle != reinterpret_cast<iconv_t>(-1); }

    // Converts what it can; an input unit that cannot be converted is skipped.
    std::string Run(std::string_view input, size_t skipUnit) {
        std::string output;
        char buffer[4096];
        auto* in = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        while (inLeft > 0) {
            char* out = buffer;
            size_t outLeft = sizeof buffer;
            const size_t result = iconv(m_handle, &in, &inLeft, &out, &outLeft);
            output.append(buffer, sizeof buffer - outLeft);
            if (result == static_cast<size_t>(-1) && errno != E2BIG) {
                const size_t skip = std::min(skipUnit, inLeft);
                in += skip;
                inLeft -= skip;
            }
        }
        return output;
    }

private:
    iconv_t m_handle;
};

} // namespace

unsigned SystemCodePage() { return kSystemCodePage; }

std::optional<std::wstring> DecodeCodePage(std::string_view bytes, unsigned codePage) {
    Converter converter("UTF-8", IconvName(codePage));
    if (!converter.valid()) {
        return std::nullopt;
    }
    return Utf8ToWide(converter.Run(bytes, 1));
}

std::optional<std::string> EncodeCodePage(std::wstring_view text, unsigned codePage) {
    Converter converter(IconvName(codePage), "UTF-32LE");
    if (!converter.valid()) {
        return std::nullopt;
    }
    std::string utf32;
    for (wchar_t c : Utf8ToWide(WideToUtf8(text))) {
        const auto value = static_cast<uint32_t>(c);
        for (int shift = 0; shift < 32; shift += 8) {
            utf32 += static_cast<char>((value >> shift) & 0xFF);
        }
    }
    return converter.Run(utf32, 4);
}
