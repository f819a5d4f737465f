#pragma once

#include "toolkit/controls/MScroll.h"

namespace OrvixUI {

class ORVIXUI_API CScrollHorizontal : public MScroll {
public:
    CScrollHorizontal(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled);
};

} // namespace OrvixUI
