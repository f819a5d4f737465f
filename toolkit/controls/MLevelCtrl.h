#pragma once

#include "toolkit/core/MControlFont.h"

namespace OrvixUI {

// A level bar of discrete steps: `range` equal segments side by side, the first `level` of
// them lit. With a state image of 2 frames each segment shows frame 1 lit and frame 0 unlit;
// without one the segments are filled with the accent and a dim colour.
class ORVIXUI_API MLevelCtrl : public MControlFont {
public:
    MLevelCtrl(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled);

    void DrawControl(HDC dc, const RECT& clip) override;

    // Clamped to 0 ... range; repaints when it changed.
    void SetLevelValue(int level);
    int GetLevelValue() const;
    // At least 1; the level is clamped to the new range.
    void SetRangeValue(int range);
    int GetRangeValue() const;
    // Segment i (0-based) in window coordinates.
    RECT GetSegmentRect(int index) const;

private:
    static constexpr int kGap = 3;

    int m_level = 0;
    int m_range = 10;
};

} // namespace OrvixUI
