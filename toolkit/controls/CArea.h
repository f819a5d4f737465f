#pragma once

#include "toolkit/controls/AreaFill.h"
#include "toolkit/core/MControl.h"

namespace OrvixUI {

// A translucent background rectangle. It is decoration: it takes no part in mouse routing.
class ORVIXUI_API CArea : public MControl {
public:
    CArea(MObject* parent, UINT id, const RECT& rect, BOOL visible);

    void DrawControl(HDC dc, const RECT& clip) override;
    // Transparency in percent at the two ends (0, 0: opaque); colour is a COLORREF.
    void SetTransparent(int from, int to, COLORREF color);
    // The frame is 1 pixel whatever the width; colour is ARGB.
    void SetFrame(BOOL on, DWORD color, int width);
    // 1 vertical, 0 horizontal.
    void SetDirection(int direction);

private:
    AreaFill m_fill;
};

} // namespace OrvixUI
