#include "toolkit/controls/CLogonEdit.h"

#include "toolkit/core/MRender.h"
#include "toolkit/core/Manager.h"

namespace OrvixUI {

CLogonEdit::CLogonEdit(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                       BOOL visible, BOOL enabled)
    : MRichEdit(parent, id, rect, title, visible, enabled) {}

void CLogonEdit::DrawBackdrop(HDC dc, const RECT& slice, int state) {
    const int thickness = state == 2 ? 2 : 1;
    const DWORD color = state == 2   ? Manager::GetSelectColor()
                        : state == 3 ? 0xFF404040
                                     : 0xFF808080;
    MRender::DrawColor(dc, RECT{slice.left, slice.bottom - thickness, slice.right, slice.bottom},
                       color);
}

} // namespace OrvixUI
