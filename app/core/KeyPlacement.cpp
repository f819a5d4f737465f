#include "app/core/KeyPlacement.h"

#include "app/core/AttributeReaders.h"
#include "app/core/DeviceDescription.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

int SaturatingSum(int a, int b) {
    const int64_t sum = int64_t{a} + int64_t{b};
    return static_cast<int>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                std::numeric_limits<int32_t>::max()));
}

} // namespace

std::optional<GridCell> ReadGridCell(std::wstring_view rowCol) {
    if (rowCol.size() != 3 && rowCol.size() != 4) {
        return std::nullopt;
    }
    // The last character of a three-character text, the last two of a four-character one.
    const std::wstring_view columnText = rowCol.substr(2);
    if (!IsDigit(rowCol.front()) || !std::all_of(columnText.begin(), columnText.end(), IsDigit)) {
        return std::nullopt;
    }
    const GridCell cell{rowCol.front() - L'0', ReadNumber(columnText)};
    if (cell.row >= kKeyGridRows || cell.column >= kKeyGridColumns) {
        return std::nullopt;
    }
    return cell;
}

KeyRect ReadKeyRect(std::wstring_view text) {
    int values[4] = {};
    size_t start = 0;
    for (int& value : values) {
        value = ReadNumber(text.substr(start));
        const size_t separator = text.find(L'#', start);
        if (separator == std::wstring_view::npos) {
            break;
        }
        start = separator + 1;
    }
    return MakeKeyRect(values[0], values[1], values[2], values[3]);
}

KeyRect MakeKeyRect(int x, int y, int width, int height) {
    return {x, y, SaturatingSum(x, width), SaturatingSum(y, height)};
}
