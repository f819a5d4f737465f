#include "toolkit/controls/CComboBoxList.h"

#include "toolkit/controls/MScroll.h"
#include "toolkit/core/ImageCache.h"
#include "toolkit/core/MRender.h"
#include "toolkit/core/PaintManager.h"

#include <algorithm>

namespace OrvixUI {

namespace {

constexpr DWORD kHoverColor = 0x4000B4FF;
constexpr DWORD kCurrentColor = 0x8000B4FF;
constexpr int kMarkSize = 14;
constexpr int kTextIndent = 10;

} // namespace

CComboBoxList::CComboBoxList(MObject* parent, UINT id, const RECT& rect, BOOL visible)
    : MPanel(parent, id, rect, visible, TRUE) {
    m_tabStop = TRUE;
}

int CComboBoxList::ListHeightFor(int count) {
    return std::clamp(count, 0, kMaxRows) * kRowHeight + 2 * kMargin;
}

int CComboBoxList::AddItem(const wchar_t* text, long data, const wchar_t* icon, DWORD color) {
    ComboBoxItem item;
    item.text = text ? text : L"";
    item.icon = icon ? icon : L"";
    item.color = color;
    item.data = data;
    m_items.push_back(item);
    UpdateVirtualHeight();
    return static_cast<int>(m_items.size()) - 1;
}

int CComboBoxList::GetListHeight() const { return ListHeightFor(GetItemCount()); }

void CComboBoxList::DelAllItems() {
    m_items.clear();
    m_current = m_hover = m_pressed = -1;
    UpdateVirtualHeight();
    UpdateControl(TRUE, FALSE);
}

int CComboBoxList::GetItemCount() const { return static_cast<int>(m_items.size()); }

const ComboBoxItem* CComboBoxList::GetItem(int index) const {
    return index >= 0 && index < GetItemCount() ? &m_items[static_cast<size_t>(index)] : nullptr;
}

void CComboBoxList::SetCurSel(int index) {
    m_current = index >= 0 && index < GetItemCount() ? index : -1;
    ScrollIntoView(m_current);
    UpdateControl(TRUE, FALSE);
}

int CComboBoxList::GetCurSel() const { return m_current; }
int CComboBoxList::GetHoverIndex() const { return m_hover; }

void CComboBoxList::UpdateVirtualHeight() {
    const int content = GetItemCount() * kRowHeight + 2 * kMargin;
    const int height = m_rect.bottom - m_rect.top;
    MPanel::SetVirtualHeight(content > height ? content : 0);
}

void CComboBoxList::SetControlRect(const RECT& rect) {
    MPanel::SetControlRect(rect);
    UpdateVirtualHeight();
}

RECT CComboBoxList::RowRect(int index) const {
    const int top = m_rect.top + kMargin + index * kRowHeight - GetScrollOffsetY();
    return RECT{m_rect.left + kMargin, top, m_rect.right - kMargin - m_scrollSize,
                top + kRowHeight};
}

int CComboBoxList::ItemFromPoint(POINT point) const {
    if (m_items.empty() || !::PtInRect(&m_rect, point)) {
        return -1;
    }
    const int y = point.y - m_rect.top - kMargin + GetScrollOffsetY();
    if (y < 0) {
        return -1;
    }
    const int index = y / kRowHeight;
    return index < GetItemCount() ? index : -1;
}

void CComboBoxList::ScrollIntoView(int index) {
    const int height = m_rect.bottom - m_rect.top;
    const int scrollable = m_virtualHeight - height;
    if (index < 0 || scrollable <= 0) {
        return;
    }
    const int offset = GetScrollOffsetY();
    const int top = kMargin + index * kRowHeight;
    int wanted = offset;
    if (top < offset + kMargin) {
        wanted = top - kMargin;
    } else if (top + kRowHeight > offset + height - kMargin) {
        wanted = top + kRowHeight + kMargin - height;
    }
    wanted = std::clamp(wanted, 0, scrollable);
    if (wanted != offset) {
        MScroll* bar = GetScrollVertical();
        // Round up so that the offset derived back from the position reaches the row.
        const long long range = bar->GetScrollMaxRange();
        bar->SetScrollCurrentPos(static_cast<int>((wanted * range + scrollable - 1) / scrollable));
        bar->UpdateControl(TRUE, FALSE);
    }
}

void CComboBoxList::Choose(int index) {
    if (index < 0 || index >= GetItemCount()) {
        return;
    }
    m_current = index;
    UpdateControl(TRUE, FALSE);
    SendMessageW(2, static_cast<WPARAM>(index), 0);
}

BOOL CComboBoxList::OnControlMouseMove(UINT, POINT point) {
    const int hover = ItemFromPoint(point);
    if (hover != m_hover) {
        m_hover = hover;
        UpdateControl(TRUE, FALSE);
    }
    return ::PtInRect(&m_rect, point);
}

BOOL CComboBoxList::OnControlLButtonDown(UINT, POINT point) {
    m_pressed = ItemFromPoint(point);
    return m_pressed >= 0;
}

BOOL CComboBoxList::OnControlLButtonUp(UINT, POINT point) {
    const int pressed = m_pressed;
    m_pressed = -1;
    if (pressed >= 0 && pressed == ItemFromPoint(point)) {
        Choose(pressed);
        return TRUE;
    }
    return FALSE;
}

BOOL CComboBoxList::OnControlKeyDown(UINT vk, UINT repeat, UINT modifiers) {
    const int count = GetItemCount();
    if (count == 0) {
        return MPanel::OnControlKeyDown(vk, repeat, modifiers);
    }
    int next = m_current;
    switch (vk) {
    case VK_UP:
        next = m_current < 0 ? count - 1 : std::max(m_current - 1, 0);
        break;
    case VK_DOWN:
        next = m_current < 0 ? 0 : std::min(m_current + 1, count - 1);
        break;
    case VK_HOME:
        next = 0;
        break;
    case VK_END:
        next = count - 1;
        break;
    case VK_RETURN:
    case VK_SPACE:
        if (m_current < 0) {
            return FALSE;
        }
        Choose(m_current);
        return TRUE;
    default:
        return MPanel::OnControlKeyDown(vk, repeat, modifiers);
    }
    if (next != m_current) {
        m_current = next;
        ScrollIntoView(next);
        UpdateControl(TRUE, FALSE);
    }
    return TRUE;
}

void CComboBoxList::DrawControl(HDC dc, const RECT&) {
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, m_rect.left, m_rect.top, m_rect.right, m_rect.bottom);
    {
        Gdiplus::Graphics graphics(dc);
        for (int i = 0; i < GetItemCount(); ++i) {
            ComboBoxItem& item = m_items[static_cast<size_t>(i)];
            item.rect = RowRect(i);
            RECT visible;
            if (!IntersectRect(&visible, &item.rect, &m_rect)) {
                continue;
            }
            if (i == m_current) {
                MRender::DrawColor(dc, item.rect, kCurrentColor);
            } else if (i == m_hover) {
                MRender::DrawColor(dc, item.rect, kHoverColor);
            }
            int textLeft = item.rect.left + kTextIndent;
            const int middle = (item.rect.top + item.rect.bottom) / 2;
            if (!item.icon.empty() && m_manager) {
                if (ImgResInfo* icon = m_manager->AddImgResInfo(item.icon.c_str(), 1)) {
                    const int size = kRowHeight - 10;
                    graphics.DrawImage(icon->image, textLeft, middle - size / 2, size, size);
                    textLeft += size + 6;
                }
            }
            if ((item.color >> 24) != 0) {
                RECT mark = {textLeft, middle - kMarkSize / 2, textLeft + kMarkSize,
                             middle + kMarkSize / 2};
                MRender::DrawColor(dc, mark, item.color);
                textLeft += kMarkSize + 6;
            }
            Gdiplus::StringFormat format;
            format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
            format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap);
            format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
            graphics.SetTextRenderingHint(static_cast<Gdiplus::TextRenderingHint>(m_renderingHint));
            Gdiplus::SolidBrush brush{Gdiplus::Color(m_enabled ? m_textColor : 0xFF808080)};
            graphics.DrawString(
                item.text.c_str(), -1, GetTextDrawFont(),
                Gdiplus::RectF(static_cast<Gdiplus::REAL>(textLeft),
                               static_cast<Gdiplus::REAL>(item.rect.top),
                               static_cast<Gdiplus::REAL>(item.rect.right - textLeft),
                               static_cast<Gdiplus::REAL>(kRowHeight)),
                &format, &brush);
        }
    }
    RestoreDC(dc, saved);
}

} // namespace OrvixUI
