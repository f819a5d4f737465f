#include "app/update/Versions.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace {

// Leading decimal digits, as a number; anything else reads as 0.
long long LeadingNumber(const std::wstring& text) {
    long long value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') {
            break;
        }
        value = std::min(value * 10 + (c - L'0'), 1LL << 40);
    }
    return value;
}

std::vector<long long> Parts(const std::wstring& text) {
    std::vector<long long> parts;
    size_t start = 0;
    for (;;) {
        const size_t dot = text.find(L'.', start);
        parts.push_back(LeadingNumber(text.substr(start, dot - start)));
        if (dot == std::wstring::npos) {
            return parts;
        }
        start = dot + 1;
    }
}

} // namespace

int CompareVersions(const std::wstring& current, const std::wstring& offered) {
    const std::vector<long long> mine = Parts(current);
    const std::vector<long long> theirs = Parts(offered);
    for (size_t i = 0; i < std::max(mine.size(), theirs.size()); ++i) {
        const long long a = i < mine.size() ? mine[i] : 0;
        const long long b = i < theirs.size() ? theirs[i] : 0;
        if (a != b) {
            return b > a ? 1 : -1;
        }
    }
    return 0;
}

bool IsValidVersionText(const std::wstring& text) {
    return !text.empty() && text.size() <= 10 &&
           std::all_of(text.begin(), text.end(),
                       [](wchar_t c) { return c == L'.' || (c >= L'0' && c <= L'9'); });
}

bool FirmwareNeedsUpdate(int keyboardVersion, const std::wstring& offered) {
    if (keyboardVersion < 0 || !IsValidVersionText(offered)) {
        return false;
    }
    std::wostringstream hexDigits;
    hexDigits << std::hex << keyboardVersion;
    return LeadingNumber(hexDigits.str()) < LeadingNumber(offered);
}
