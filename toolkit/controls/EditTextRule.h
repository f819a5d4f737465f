#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace OrvixUI {

// The rules an edit field's text keeps however it arrives (typed, pasted, dropped or set by
// the program): with digitsOnly only '0' ... '9', and at most `limit` characters (0: no limit).

inline bool IsEditDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

inline std::wstring ClampEditText(std::wstring_view text, std::size_t limit, bool digitsOnly) {
    std::wstring kept;
    kept.reserve(text.size());
    for (wchar_t c : text) {
        if (limit != 0 && kept.size() >= limit) {
            break;
        }
        if (!digitsOnly || IsEditDigit(c)) {
            kept.push_back(c);
        }
    }
    return kept;
}

// What may be inserted into a text of `length` characters in place of `selected` of them.
inline std::wstring FitEditInsertion(std::wstring_view insert, std::size_t length,
                                     std::size_t selected, std::size_t limit, bool digitsOnly) {
    const std::size_t kept = length > selected ? length - selected : 0;
    if (limit != 0 && kept >= limit) {
        return std::wstring();
    }
    return ClampEditText(insert, limit == 0 ? 0 : limit - kept, digitsOnly);
}

} // namespace OrvixUI
