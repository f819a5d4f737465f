#include "app/core/CodePage.h"

#include <windows.h>

unsigned SystemCodePage() { return GetACP(); }

std::optional<std::wstring> DecodeCodePage(std::string_view bytes, unsigned codePage) {
    if (!IsValidCodePage(codePage)) {
        return std::nullopt;
    }
    if (bytes.empty()) {
        return std::wstring();
    }
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring text(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, text.data(), length);
    return text;
}

std::optional<std::string> EncodeCodePage(std::wstring_view text, unsigned codePage) {
    if (!IsValidCodePage(codePage)) {
        return std::nullopt;
    }
    // Converting character by character lets the unmappable ones be dropped instead of being
    // replaced by a default character that would read back as different text.
    std::string bytes;
    for (size_t i = 0; i < text.size(); ++i) {
        const int units = (IS_HIGH_SURROGATE(text[i]) && i + 1 < text.size()) ? 2 : 1;
        char buffer[8];
        const bool unicode = codePage == CP_UTF7 || codePage == CP_UTF8;
        BOOL lossy = FALSE;
        const int written =
            WideCharToMultiByte(codePage, unicode ? 0 : WC_NO_BEST_FIT_CHARS, text.data() + i,
                                units, buffer, sizeof buffer, nullptr, unicode ? nullptr : &lossy);
        if (written > 0 && !lossy) {
            bytes.append(buffer, static_cast<size_t>(written));
        }
        i += units - 1;
    }
    return bytes;
}
