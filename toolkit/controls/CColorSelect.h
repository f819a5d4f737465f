#pragma once

#include "toolkit/core/MPanel.h"

#include <vector>

namespace OrvixUI {

// A grid of preset colours, filled row by row as many columns as fit. A click on a cell
// selects it and reports code 27 (wParam 0, lParam = the colour as COLORREF).
class ORVIXUI_API CColorSelect : public MPanel {
public:
    static constexpr int kCell = 22;
    static constexpr int kGap = 6;

    CColorSelect(MObject* parent, UINT id, const RECT& rect, BOOL visible);

    void DrawControl(HDC dc, const RECT& clip) override;

    // COLORREF; the selected preset's colour, or the colour last set.
    COLORREF GetSelectColor() const;
    // Selects the first preset of that colour (none when no preset matches).
    void SetSelectColor(COLORREF color);
    // −1 clears the selection; an index beyond the presets changes nothing and gives FALSE.
    BOOL SetColorIndex(int index);
    int GetColorIndex() const;
    // Replaces the presets (COLORREF values); the selection is cleared.
    void SetColors(const COLORREF* colors, int count);
    int GetColorCount() const;
    int GetColumns() const;
    // Cell i in window coordinates.
    RECT GetCellRect(int index) const;
    int CellFromPoint(POINT point) const;

protected:
    BOOL OnControlMouseMove(UINT flags, POINT point) override;
    BOOL OnControlLButtonDown(UINT flags, POINT point) override;
    BOOL OnControlLButtonUp(UINT flags, POINT point) override;

private:
    std::vector<COLORREF> m_colors;
    int m_selected = -1;
    int m_hover = -1;
    int m_pressed = -1;
    COLORREF m_color = 0;
};

} // namespace OrvixUI
