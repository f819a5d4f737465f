#include "toolkit/controls/MText.h"

#include "toolkit/core/ImageCache.h"
#include "toolkit/core/MRender.h"

#include <cmath>

namespace OrvixUI {

namespace {

Gdiplus::StringAlignment Align(int value, int centre, int end) {
    return value == centre ? Gdiplus::StringAlignmentCenter
           : value == end  ? Gdiplus::StringAlignmentFar
                           : Gdiplus::StringAlignmentNear;
}

Gdiplus::RectF ToRectF(int x, int y, int width, int height) {
    return Gdiplus::RectF(static_cast<Gdiplus::REAL>(x), static_cast<Gdiplus::REAL>(y),
                          static_cast<Gdiplus::REAL>(width), static_cast<Gdiplus::REAL>(height));
}

Gdiplus::PointF ToPointF(int x, int y) {
    return Gdiplus::PointF(static_cast<Gdiplus::REAL>(x), static_cast<Gdiplus::REAL>(y));
}

// The advance of the text, trailing spaces included: the bounds of the glyph outlines would
// drop the space before a mark and run the two parts together.
int MeasureWidth(Gdiplus::Graphics& graphics, const Gdiplus::Font& font,
                 const Gdiplus::StringFormat& format, const std::wstring& text) {
    if (text.empty()) {
        return 0;
    }
    Gdiplus::RectF bounds;
    graphics.MeasureString(text.c_str(), static_cast<INT>(text.size()), &font,
                           Gdiplus::PointF(0, 0), &format, &bounds);
    return static_cast<int>(std::ceil(bounds.Width));
}

} // namespace

MText::MText(MObject* parent, UINT id, const RECT& rect, const wchar_t* title, BOOL visible)
    : MControlFont(parent, id, rect, visible, FALSE, FALSE) {
    m_title = title ? title : L"";
}

void MText::SetControlEnabled(BOOL enabled) {
    MControlFont::SetControlEnabled(enabled);
    m_response = m_enabled;
}

void MText::Change(const std::wstring* title, const std::wstring* mark, const DWORD* color,
                   const int* start) {
    bool changed = false;
    if (title && *title != m_title) {
        m_title = *title;
        changed = true;
    }
    if (mark && *mark != m_mark) {
        m_mark = *mark;
        changed = true;
    }
    if (color && *color != m_markColor) {
        m_markColor = *color;
        changed = true;
    }
    if (start && *start != m_markStart) {
        m_markStart = *start;
        changed = true;
    }
    if (changed) {
        UpdateControl(TRUE, FALSE);
    }
}

void MText::SetMarkText(const wchar_t* mark) {
    std::wstring m = mark ? mark : L"";
    Change(nullptr, &m, nullptr, nullptr);
}

void MText::SetMarkText(const wchar_t* mark, DWORD color, int start) {
    std::wstring m = mark ? mark : L"";
    Change(nullptr, &m, &color, &start);
}

void MText::SetTitleMarkText(const wchar_t* title, const wchar_t* mark, int) {
    std::wstring t = title ? title : L"", m = mark ? mark : L"";
    Change(&t, &m, nullptr, nullptr);
}

void MText::SetMarkText(const wchar_t* title, const wchar_t* mark, DWORD color, int start) {
    std::wstring t = title ? title : L"", m = mark ? mark : L"";
    Change(&t, &m, &color, &start);
}

void MText::EnableTextBack(BOOL on, DWORD color) {
    on = on ? TRUE : FALSE;
    if (on != m_back) {
        m_back = on;
        m_backColor = color;
    }
    UpdateControl(TRUE, FALSE);
}

void MText::EnableShadow(BOOL on) { m_shadow = on ? TRUE : FALSE; }
void MText::EnableMultiLine(BOOL on) { m_multiLine = on ? TRUE : FALSE; }
void MText::EnableVCenter(BOOL on) { m_vCenter = on ? TRUE : FALSE; }
int MText::GetVirtualHeight() { return 0; }

void MText::DrawControl(HDC dc, const RECT&) { DrawCachedStates(dc, 1, 0); }

void MText::DrawStateSlice(HDC dc, const RECT& slice, int) {
    if (m_back) {
        MRender::DrawColor(dc, slice, m_backColor);
    }
    Gdiplus::Graphics graphics(dc);
    graphics.SetTextRenderingHint(static_cast<Gdiplus::TextRenderingHint>(m_renderingHint));
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
    const int height = slice.bottom - slice.top;
    int x0 = 0;
    if (m_image && m_image->image && m_frameWidth > 0) {
        graphics.DrawImage(m_image->image,
                           Gdiplus::Rect(slice.left, slice.top + (height - m_frameHeight) / 2,
                                         m_frameWidth, m_frameHeight),
                           0, 0, m_frameWidth, m_frameHeight, Gdiplus::UnitPixel);
        x0 = m_frameWidth + 5;
    }
    if (m_title.empty()) {
        return;
    }
    const size_t start = m_markStart < 0 ? 0 : static_cast<size_t>(m_markStart);
    const size_t at =
        m_mark.empty() || start > m_title.size() ? std::wstring::npos : m_title.find(m_mark, start);
    if (at == std::wstring::npos) {
        DrawPlain(graphics, slice, x0);
    } else {
        DrawMarked(graphics, slice, x0, at);
    }
}

void MText::DrawPlain(Gdiplus::Graphics& graphics, const RECT& slice, int x0) {
    Gdiplus::StringFormat format;
    format.SetAlignment(Align(m_hAlign, 1, 2));
    format.SetLineAlignment(m_multiLine && m_vCenter ? Gdiplus::StringAlignmentCenter
                                                     : Align(m_vAlign, 4, 8));
    format.SetFormatFlags(
        m_multiLine
            ? Gdiplus::StringFormatFlagsNoClip | Gdiplus::StringFormatFlagsMeasureTrailingSpaces
            : Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsMeasureTrailingSpaces);
    const int width = slice.right - slice.left, height = slice.bottom - slice.top;
    Gdiplus::Font* font = GetTextDrawFont();
    if (m_shadow) {
        Gdiplus::SolidBrush shadow{Gdiplus::Color(m_shadowColor)};
        graphics.DrawString(m_title.c_str(), -1, font,
                            ToRectF(slice.left + x0 + 1, slice.top + 1, width - x0, height),
                            &format, &shadow);
    }
    Gdiplus::SolidBrush brush{Gdiplus::Color(m_textColor)};
    graphics.DrawString(m_title.c_str(), -1, font,
                        ToRectF(slice.left + x0, slice.top, width - x0, height), &format, &brush);
}

void MText::DrawMarked(Gdiplus::Graphics& graphics, const RECT& slice, int x0, size_t at) {
    const std::wstring before = m_title.substr(0, at);
    const std::wstring after = m_title.substr(at + m_mark.size());
    Gdiplus::StringFormat format(Gdiplus::StringFormat::GenericTypographic());
    format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap |
                          Gdiplus::StringFormatFlagsMeasureTrailingSpaces);
    Gdiplus::Font* font = GetTextDrawFont();
    const int beforeWidth = MeasureWidth(graphics, *font, format, before);
    const int markWidth = MeasureWidth(graphics, *font, format, m_mark);
    const int x = slice.left + x0, y = slice.top;
    const int markX = x + beforeWidth + 2, afterX = x + beforeWidth + markWidth + 4;
    if (m_shadow) {
        Gdiplus::SolidBrush shadow{Gdiplus::Color(m_shadowColor)};
        graphics.DrawString(before.c_str(), -1, font, ToPointF(x + 1, y + 1), &format, &shadow);
        graphics.DrawString(m_mark.c_str(), -1, font, ToPointF(markX + 1, y + 1), &format, &shadow);
    }
    Gdiplus::SolidBrush text{Gdiplus::Color(m_textColor)};
    Gdiplus::SolidBrush mark{Gdiplus::Color(m_markColor)};
    graphics.DrawString(before.c_str(), -1, font, ToPointF(x, y), &format, &text);
    graphics.DrawString(m_mark.c_str(), -1, font, ToPointF(markX, y), &format, &mark);
    graphics.DrawString(after.c_str(), -1, font, ToPointF(afterX, y), &format, &text);
}

} // namespace OrvixUI
