#pragma once

#include <optional>
#include <string_view>

// Where a key of a layout file sits: its cell in the key grid and its rectangle in the
// keyboard picture.

// Right and bottom are exclusive.
struct KeyRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const KeyRect&) const = default;
};

struct GridCell {
    int row = 0;
    int column = 0;

    bool operator==(const GridCell&) const = default;
};

// A `row_col` text: the row digit first and the column in the last character of a
// three-character text, in the last two characters of a longer one ("3#5", "3#12"). A text
// that names no cell of the key grid (too short or long for a one-digit row and a column of
// one or two digits, a non-digit where a digit belongs, a row or column beyond the grid)
// gives none, so the key takes no cell rather than another key's.
std::optional<GridCell> ReadGridCell(std::wstring_view rowCol);

// A `rect` text: x, y, width and height in decimal, separated by '#'. Where a separator is
// missing, that number and all after it read as 0.
KeyRect ReadKeyRect(std::wstring_view text);

// Right and bottom saturate at the ends of the 32-bit range.
KeyRect MakeKeyRect(int x, int y, int width, int height);
