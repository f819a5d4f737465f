#pragma once

#include "toolkit/controls/MRichEdit.h"

namespace OrvixUI {

// A rich edit in a framed box: the state strip set with SetImage (normal, hover, focused,
// disabled) as a nine-patch behind the text, or without one a 1-pixel border that takes the
// selection colour while focused.
class ORVIXUI_API MEditEx : public MRichEdit {
public:
    MEditEx(MObject* parent, UINT id, const RECT& rect, const wchar_t* title, BOOL visible,
            BOOL enabled);

protected:
    void DrawBackdrop(HDC dc, const RECT& slice, int state) override;
};

} // namespace OrvixUI
