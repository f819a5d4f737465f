#pragma once

#include "toolkit/core/MControlFont.h"

namespace gallery {

// A gallery's own button: it lights up under the pointer and acts on a click released over it.
class GalleryButton : public OrvixUI::MControlFont {
public:
    GalleryButton(OrvixUI::MObject* parent, UINT id, const RECT& rect)
        : MControlFont(parent, id, rect, TRUE, TRUE, TRUE) {}

protected:
    virtual void OnClick() = 0;

    BOOL OnControlMouseMove(UINT, POINT point) override {
        const bool inside = ::PtInRect(&m_rect, point) != FALSE;
        if (inside != m_hovered) {
            m_hovered = inside;
            UpdateControl(FALSE, FALSE);
        }
        return inside;
    }
    BOOL OnControlLButtonUp(UINT, POINT point) override {
        if (::PtInRect(&m_rect, point)) {
            OnClick();
        }
        return TRUE;
    }

    bool m_hovered = false;
};

} // namespace gallery
