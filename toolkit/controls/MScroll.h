#pragma once

#include "toolkit/core/MControlFont.h"

namespace OrvixUI {

// A scroll bar: a range, a position, a page and a step, with a thumb that the user drags or
// pages. Reports code 8 (wParam = new position) to its parent whenever the user moves it.
// Vertical unless a subclass says otherwise.
class ORVIXUI_API MScroll : public MControlFont {
public:
    MScroll(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled);

    void InitControl(PaintManager* manager) override;
    void DrawControl(HDC dc, const RECT& clip) override;

    // Each setter recomputes the thumb and returns 1.
    BOOL SetScrollMaxRange(int range);
    BOOL SetScrollSize(int page, int step);
    BOOL SetScrollInfo(int range, int position, int page, int step);
    BOOL SetScrollCurrentPos(int position);
    // Position in content pixels (range minus the bar's length is the scrollable distance).
    BOOL SetScrollCurrentPosEx(int position);
    BOOL SetScrollFinalPos();
    // Moves by rows steps, clamped to 0 ... range; returns whether the position changed.
    BOOL ScrollRow(int rows);
    int GetScrollMaxRange() const;
    int GetScrollCurrentPos() const;
    int GetScrollStep() const;
    BOOL IsShown() const;
    const RECT& GetThumbRect() const;
    int GetThumbState() const;

protected:
    MScroll(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled, bool vertical);

    void SetControlRect(const RECT& rect) override;
    BOOL OnControlMouseMove(UINT flags, POINT point) override;
    BOOL OnControlLButtonDown(UINT flags, POINT point) override;
    BOOL OnControlLButtonUp(UINT flags, POINT point) override;

private:
    int BarStart() const;
    int BarLength() const;
    int Along(POINT point) const;
    int Page() const;
    int Track() const;
    int ThumbLength() const;
    int ThumbStart() const;
    void SetRange();
    void SetRangeEx(int contentPosition);
    void PlaceThumb(int start, int length);
    // Moves the thumb by the user; returns the pixels actually applied.
    int MoveThumbBy(int pixels);
    void SetThumbState(int state);

    bool m_vertical = true;
    int m_range = 1000;
    int m_position = 0;
    int m_page = 0;
    int m_step = 10;
    int m_endButton = 0;
    RECT m_thumb = {};
    int m_thumbState = 0;
    BOOL m_inside = FALSE;
    BOOL m_shown = FALSE;
    BOOL m_derivedPage = FALSE;
    BOOL m_changing = FALSE;
    int m_anchor = -1;
};

} // namespace OrvixUI
