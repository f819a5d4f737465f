#include "app/core/KeyPlacement.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <ostream>

std::ostream& operator<<(std::ostream& out, const KeyRect& r) {
    return out << '{' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << '}';
}

std::ostream& operator<<(std::ostream& out, const GridCell& c) {
    return out << "row " << c.row << " column " << c.column;
}

namespace {

TEST(KeyPlacement, RowColNamesACellOfTheGrid) {
    const struct {
        const wchar_t* text;
        std::optional<GridCell> cell;
    } cases[] = {
        {L"0#5", GridCell{0, 5}},
        {L"2#13", GridCell{2, 13}},
        {L"3#5", GridCell{3, 5}},
        {L"3#05", GridCell{3, 5}},
        {L"7#31", GridCell{7, 31}},
        {L"0#0", GridCell{0, 0}},
        // Beyond the 8 x 32 grid.
        {L"8#0", std::nullopt},
        {L"9#1", std::nullopt},
        {L"0#32", std::nullopt},
        {L"5#99", std::nullopt},
        // Not a one-digit row and a column of one or two digits.
        {L"", std::nullopt},
        {L"5", std::nullopt},
        {L"0#", std::nullopt},
        {L"12#5", std::nullopt},
        {L"2#130", std::nullopt},
        {L"a#5", std::nullopt},
        {L"3#x", std::nullopt},
        {L"3#1x", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadGridCell(c.text), c.cell) << "row_col " << testing::PrintToString(c.text);
    }
}

TEST(KeyPlacement, RectTakesWidthAndHeightFromItsCorner) {
    const struct {
        const wchar_t* text;
        KeyRect rect;
    } cases[] = {
        {L"10#20#30#40", {10, 20, 40, 60}},
        {L"10#20#30", {10, 20, 40, 20}},
        {L"10#20", {10, 20, 10, 20}},
        {L"10", {10, 0, 10, 0}},
        {L"", {0, 0, 0, 0}},
        {L"10 20#30#40#50", {10, 30, 50, 80}},
        {L"10#x#30#40", {10, 0, 40, 40}},
        {L"-5#-5#10#10", {-5, -5, 5, 5}},
        {L"2147483647#0#10#0", {INT_MAX, 0, INT_MAX, 0}},
        {L"-2147483648#0#-10#0", {INT_MIN, 0, INT_MIN, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadKeyRect(c.text), c.rect) << "rect " << testing::PrintToString(c.text);
    }
}

} // namespace
