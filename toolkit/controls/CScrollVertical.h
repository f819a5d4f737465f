#pragma once

#include "toolkit/controls/MScroll.h"

namespace OrvixUI {

class ORVIXUI_API CScrollVertical : public MScroll {
public:
    CScrollVertical(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled);
};

} // namespace OrvixUI
