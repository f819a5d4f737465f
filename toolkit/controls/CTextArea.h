#pragma once

#include "toolkit/controls/AreaFill.h"
#include "toolkit/core/MControlFont.h"

namespace OrvixUI {

// A translucent area like CArea that also draws its title (aligned as the control says).
class ORVIXUI_API CTextArea : public MControlFont {
public:
    CTextArea(MObject* parent, UINT id, const RECT& rect, const wchar_t* title, BOOL visible,
              BOOL enabled);

    void DrawControl(HDC dc, const RECT& clip) override;
    void SetTransparent(int from, int to, COLORREF color);
    void SetFrame(BOOL on, DWORD color, int width);
    void SetDirection(int direction);

protected:
    void DrawStateSlice(HDC dc, const RECT& slice, int state) override;

private:
    AreaFill m_fill;
};

} // namespace OrvixUI
