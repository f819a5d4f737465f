#include "toolkit/controls/CScrollVertical.h"

namespace OrvixUI {

CScrollVertical::CScrollVertical(MObject* parent, UINT id, const RECT& rect, BOOL visible,
                                 BOOL enabled)
    : MScroll(parent, id, rect, visible, enabled, true) {}

} // namespace OrvixUI
