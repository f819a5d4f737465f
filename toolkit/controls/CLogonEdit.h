#pragma once

#include "toolkit/controls/MRichEdit.h"

namespace OrvixUI {

// A rich edit drawn as a sign-in field: no box, only an underline (1 pixel grey, 2 pixels in
// the selection colour while focused), with the icon of SetIconImage at its left.
class ORVIXUI_API CLogonEdit : public MRichEdit {
public:
    CLogonEdit(MObject* parent, UINT id, const RECT& rect, const wchar_t* title, BOOL visible,
               BOOL enabled);

protected:
    void DrawBackdrop(HDC dc, const RECT& slice, int state) override;
};

} // namespace OrvixUI
