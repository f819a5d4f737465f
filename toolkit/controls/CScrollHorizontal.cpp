#include "toolkit/controls/CScrollHorizontal.h"

namespace OrvixUI {

CScrollHorizontal::CScrollHorizontal(MObject* parent, UINT id, const RECT& rect, BOOL visible,
                                     BOOL enabled)
    : MScroll(parent, id, rect, visible, enabled, false) {}

} // namespace OrvixUI
