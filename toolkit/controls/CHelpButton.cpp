#include "toolkit/controls/CHelpButton.h"

namespace OrvixUI {

CHelpButton::CHelpButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                         BOOL visible, BOOL enabled)
    : MButton(parent, id, rect, title, visible, enabled) {}

void CHelpButton::InitControl(PaintManager* manager) {
    MButton::InitControl(manager);
    if (manager && !m_image) {
        SetImage(L"img_help.png", 4);
    }
}

} // namespace OrvixUI
