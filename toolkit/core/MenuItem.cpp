#include "toolkit/core/MenuItem.h"

#include "toolkit/core/ImageCache.h"
#include "toolkit/core/MRender.h"

#include <algorithm>

namespace OrvixUI {

namespace {

constexpr DWORD kTitleColor = 0xFFFFFFFF;
constexpr DWORD kDisabledTitleColor = 0xFE808080;
constexpr DWORD kSeparatorColor = 0x60FFFFFF;

} // namespace

MenuItem::MenuItem(MObject* parent, UINT id, const RECT& rect, const wchar_t* title, BOOL visible)
    : MControlFont(parent, id, rect, visible, TRUE, TRUE) {
    m_title = title ? title : L"";
    m_hAlign = 0;
}

const wchar_t* MenuItem::GetClassNameW() { return L"MenuItem"; }

int MenuItem::SliceCount(BOOL checkable, BOOL separator) {
    return separator ? 1 : checkable ? 6 : 4;
}

// Checked and hovered (6) is shown by the fifth slice; every state maps inside the surface.
int MenuItem::SliceOfState(int state, BOOL checkable, BOOL separator) {
    if (separator) {
        return 0;
    }
    if (checkable && state == kCheckedHover) {
        return 4;
    }
    const int count = SliceCount(checkable, separator);
    return state >= 0 && state < count ? state : 0;
}

int MenuItem::GetState() const {
    if (m_separator) {
        return kNormal;
    }
    if (m_checkable) {
        if (!m_enabled) {
            return m_check ? kCheckedDisabled : kDisabled;
        }
        if (m_hovered) {
            return m_check ? kCheckedHover : kHover;
        }
        return m_check ? kChecked : kNormal;
    }
    if (!m_enabled) {
        return kDisabled;
    }
    if (m_hovered) {
        return m_pressed ? kPressed : kHover;
    }
    return kNormal;
}

void MenuItem::DrawControl(HDC dc, const RECT&) {
    DrawCachedStates(dc, SliceCount(m_checkable, m_separator),
                     SliceOfState(GetState(), m_checkable, m_separator));
}

void MenuItem::DrawStateSlice(HDC dc, const RECT& slice, int index) {
    Gdiplus::Graphics graphics(dc);
    const int width = slice.right - slice.left, height = slice.bottom - slice.top;
    if (m_separator) {
        if (m_image && m_image->image) {
            const int band = std::min(height, static_cast<int>(m_image->image->GetHeight()));
            const int top = slice.top + (height - band) / 2;
            Gdiplus::TextureBrush texture(m_image->image);
            // The texture starts at the band, not at the surface's origin.
            texture.TranslateTransform(static_cast<Gdiplus::REAL>(slice.left),
                                       static_cast<Gdiplus::REAL>(top));
            graphics.FillRectangle(&texture, slice.left, top, width, band);
        } else {
            MRender::DrawColor(dc, slice, kSeparatorColor);
        }
        return;
    }
    const bool highlight =
        index == 1 || (m_checkable && index == 4) || (!m_checkable && index == 2);
    if (highlight) {
        RECT band = {slice.left + m_highlightInset, slice.top, slice.right - m_highlightInset,
                     slice.bottom};
        if (m_hoverImage && m_hoverImage->image) {
            MRender::DrawImageFrame(graphics, m_hoverImage->image, band, 0, 0,
                                    static_cast<int>(m_hoverImage->image->GetWidth()),
                                    static_cast<int>(m_hoverImage->image->GetHeight()), 4);
        } else {
            MRender::DrawColor(dc, band, m_hoverColor);
        }
    }
    if (m_image && m_image->image && m_frameWidth > 0) {
        // Plain items with fewer icon frames than slices use the first frame.
        const int frameCount = std::max(1, m_frameCount);
        const int frame = index < frameCount ? index : 0;
        const int x = slice.left + (m_textIndent - m_frameWidth) / 2;
        const int y = slice.top + (height - m_frameHeight) / 2;
        graphics.DrawImage(m_image->image, Gdiplus::Rect(x, y, m_frameWidth, m_frameHeight),
                           frame * m_frameWidth, 0, m_frameWidth, m_frameHeight,
                           Gdiplus::UnitPixel);
    }
    const bool checked = m_checkable && (index == 2 || index == 4 || index == 5);
    if (checked) {
        DrawCheckMark(graphics, slice);
    }
    const bool disabled = index == 3 || (m_checkable && index == 5);
    RECT text = {slice.left + m_textIndent, slice.top, slice.right, slice.bottom};
    DrawTitle(graphics, text, disabled ? kDisabledTitleColor : kTitleColor);
}

// In a column at the right end, as wide as the icon column.
void MenuItem::DrawCheckMark(Gdiplus::Graphics& graphics, const RECT& slice) {
    const int height = slice.bottom - slice.top;
    const int left = slice.right - m_iconWidth;
    if (m_checkImage && m_checkImage->image) {
        const int w = static_cast<int>(m_checkImage->image->GetWidth());
        const int h = static_cast<int>(m_checkImage->image->GetHeight());
        graphics.DrawImage(m_checkImage->image, left + (m_iconWidth - w) / 2,
                           slice.top + (height - h) / 2, w, h);
        return;
    }
    const int cx = left + m_iconWidth / 2, cy = slice.top + height / 2;
    Gdiplus::Pen pen(Gdiplus::Color(0xFFFFFFFF), 2.0f);
    Gdiplus::Point tick[] = {{cx - 5, cy}, {cx - 1, cy + 4}, {cx + 6, cy - 4}};
    graphics.DrawLines(&pen, tick, 3);
}

BOOL MenuItem::OnControlMouseMove(UINT, POINT point) {
    const bool inside = ::PtInRect(&m_rect, point) != FALSE;
    if (inside != m_hovered) {
        m_hovered = inside;
        if (!inside) {
            m_pressed = false;
        }
        UpdateControl(FALSE, FALSE);
    }
    return inside;
}

BOOL MenuItem::OnControlLButtonDown(UINT, POINT point) {
    if (m_separator) {
        return FALSE;
    }
    m_pressed = true;
    m_hovered = ::PtInRect(&m_rect, point) != FALSE;
    UpdateControl(FALSE, FALSE);
    if (m_checkable) {
        SendMessageW(7, m_check, 1);
    }
    return TRUE;
}

BOOL MenuItem::OnControlLButtonUp(UINT, POINT point) {
    if (!m_pressed) {
        return FALSE;
    }
    m_pressed = false;
    if (!m_enabled || !::PtInRect(&m_rect, point)) {
        m_hovered = false;
        UpdateControl(FALSE, FALSE);
        return TRUE;
    }
    if (m_checkable) {
        m_check = m_groupSet ? TRUE : !m_check;
        UpdateControl(FALSE, FALSE);
        return TRUE;
    }
    UpdateControl(FALSE, FALSE);
    SendMessageW(2, 0, 0);
    return TRUE;
}

void MenuItem::SetControlEnabled(BOOL enabled) {
    MControlFont::SetControlEnabled(enabled);
    m_pressed = false;
}

BOOL MenuItem::GetCheck() const { return m_check; }

void MenuItem::SetCheck(BOOL check) {
    check = check ? TRUE : FALSE;
    if (check != m_check) {
        m_check = check;
        UpdateControl(FALSE, FALSE);
    }
}

BOOL MenuItem::IsCheckable() const { return m_checkable; }

void MenuItem::SetCheckable(BOOL checkable) {
    m_checkable = checkable ? TRUE : FALSE;
    UpdateControl(TRUE, FALSE);
}

BOOL MenuItem::IsPopup() const { return m_popup; }

void MenuItem::SetPopupMenu(MenuWnd* menu) {
    m_popupMenu = menu;
    m_popup = menu ? TRUE : FALSE;
}

MenuWnd* MenuItem::GetPopupMenu() const { return m_popupMenu; }
BOOL MenuItem::IsSeparator() const { return m_separator; }

void MenuItem::SetSeparator(BOOL separator) {
    m_separator = separator ? TRUE : FALSE;
    m_response = m_separator ? FALSE : TRUE;
    UpdateControl(TRUE, FALSE);
}

const wchar_t* MenuItem::GetGroupName() const { return m_groupName.c_str(); }

void MenuItem::SetGroupName(const wchar_t* name) {
    m_groupName = name ? name : L"";
    m_groupSet = !m_groupName.empty();
}

UINT_PTR MenuItem::GetValue() const { return m_value; }
void MenuItem::SetValue(UINT_PTR value) { m_value = value; }
void MenuItem::SetHoverColor(DWORD color) { m_hoverColor = color; }
DWORD MenuItem::GetHoverColor() const { return m_hoverColor; }
void MenuItem::SetHoverImage(ImgResInfo* image) { m_hoverImage = image; }
void MenuItem::SetCheckImage(ImgResInfo* image) { m_checkImage = image; }
void MenuItem::SetFrameWidth(int width) { m_highlightInset = std::max(0, width); }
void MenuItem::SetTextIndent(int indent) { m_textIndent = std::max(0, indent); }
int MenuItem::GetTextIndent() const { return m_textIndent; }

} // namespace OrvixUI
