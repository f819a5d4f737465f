#include "toolkit/controls/CColorPalette.h"

#include "toolkit/controls/ColorMath.h"
#include "toolkit/controls/MPalette.h"
#include "toolkit/core/MRender.h"

#include <algorithm>
#include <string>

namespace OrvixUI {

namespace {

constexpr int kGap = 6;
constexpr int kSwatch = 30;
constexpr DWORD kFieldBack = 0xFF24272E;
constexpr DWORD kFieldHover = 0xFF2A2D35;
constexpr DWORD kFieldBorder = 0xFF555A66;
const wchar_t* const kChannelNames[3] = {L"R ", L"G ", L"B "};

} // namespace

CColorPalette::CColorPalette(MObject* parent, UINT id, const RECT& rect, BOOL visible)
    : MPanel(parent, id, rect, visible, TRUE) {
    m_field = new MPalette(this, kFieldId, FieldRect(), TRUE);
    AddControl(m_field);
    m_field->SetSelectColor(GetSelectColor());
}

void CColorPalette::InitControl(PaintManager* manager) {
    MPanel::InitControl(manager);
    if (manager) {
        m_field->SetThumbImage(L"img_palette_thumb.png");
    }
}

RECT CColorPalette::FieldRect() const {
    return RECT{m_rect.left, m_rect.top, m_rect.right,
                std::max(m_rect.top, m_rect.bottom - kRowHeight - kGap)};
}

RECT CColorPalette::GetSwatchRect() const {
    const int top = m_rect.bottom - kRowHeight;
    return RECT{m_rect.left, top, m_rect.left + kSwatch, m_rect.bottom};
}

RECT CColorPalette::GetChannelRect(int channel) const {
    const int start = m_rect.left + kSwatch + kGap;
    const int width = std::max(0, (static_cast<int>(m_rect.right) - start - 2 * kGap) / 3);
    const int left = start + channel * (width + kGap);
    return RECT{left, m_rect.bottom - kRowHeight, left + width, m_rect.bottom};
}

MPalette* CColorPalette::GetField() const { return m_field; }

COLORREF CColorPalette::GetSelectColor() const {
    return MakeColorRef(m_channels[0], m_channels[1], m_channels[2]);
}

void CColorPalette::SetSelectColor(COLORREF color) {
    m_channels[0] = GetRValue(color);
    m_channels[1] = GetGValue(color);
    m_channels[2] = GetBValue(color);
    m_field->SetSelectColor(GetSelectColor());
    UpdateControl(FALSE, FALSE);
}

BOOL CColorPalette::SetThumbImage(const wchar_t* fileName) {
    return m_field->SetThumbImage(fileName);
}

void CColorPalette::UpdateControlEx() {
    m_field->SetRect(FieldRect());
    m_field->SetSelectColor(GetSelectColor());
    UpdateControl(TRUE, TRUE);
    m_field->UpdateControl(TRUE, TRUE);
}

BOOL CColorPalette::SetChannelValue(int channel, int value) {
    if (channel < 0 || channel > 2) {
        return FALSE;
    }
    m_channels[channel] = ClampChannel(value);
    m_field->SetSelectColor(GetSelectColor());
    UpdateControl(FALSE, FALSE);
    return TRUE;
}

int CColorPalette::GetChannelValue(int channel) const {
    return channel >= 0 && channel <= 2 ? m_channels[channel] : 0;
}

void CColorPalette::SetControlRect(const RECT& rect) {
    MPanel::SetControlRect(rect);
    if (m_field) {
        m_field->SetRect(FieldRect());
    }
}

int CColorPalette::ChannelFromPoint(POINT point) const {
    for (int channel = 0; channel < 3; ++channel) {
        const RECT field = GetChannelRect(channel);
        if (::PtInRect(&field, point)) {
            return channel;
        }
    }
    return -1;
}

void CColorPalette::StepChannel(int channel, int delta) {
    const int value = ClampChannel(m_channels[channel] + delta);
    if (value == m_channels[channel]) {
        return;
    }
    SetChannelValue(channel, value);
    SendMessageW(27, 0, static_cast<LPARAM>(GetSelectColor()));
}

long CColorPalette::OnBaseMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam) {
    if (id == kFieldId && code == 27) {
        const auto color = static_cast<COLORREF>(lParam);
        m_channels[0] = GetRValue(color);
        m_channels[1] = GetGValue(color);
        m_channels[2] = GetBValue(color);
        UpdateControl(FALSE, FALSE);
        return SendMessageW(27, 0, lParam);
    }
    return MPanel::OnBaseMessage(id, code, wParam, lParam);
}

BOOL CColorPalette::OnControlMouseMove(UINT, POINT point) {
    const int hover = ChannelFromPoint(point);
    if (hover != m_hoverChannel) {
        m_hoverChannel = hover;
        UpdateControl(FALSE, FALSE);
    }
    return ::PtInRect(&m_rect, point);
}

BOOL CColorPalette::OnControlScroll(UINT, UINT direction, POINT point) {
    const int channel = ChannelFromPoint(point);
    if (channel < 0) {
        return FALSE;
    }
    StepChannel(channel, direction == 1 ? -1 : 1);
    return TRUE;
}

BOOL CColorPalette::OnControlKeyDown(UINT vk, UINT repeat, UINT modifiers) {
    if (m_hoverChannel >= 0 && m_enabled && (vk == VK_UP || vk == VK_DOWN)) {
        StepChannel(m_hoverChannel, vk == VK_UP ? 1 : -1);
        return TRUE;
    }
    return MPanel::OnControlKeyDown(vk, repeat, modifiers);
}

void CColorPalette::DrawControl(HDC dc, const RECT&) {
    RECT swatch = GetSwatchRect();
    MRender::DrawColor(dc, swatch, kFieldBorder);
    InflateRect(&swatch, -1, -1);
    MRender::DrawColor(dc, swatch, ColorRefToArgb(GetSelectColor()));
    Gdiplus::Graphics graphics(dc);
    graphics.SetTextRenderingHint(static_cast<Gdiplus::TextRenderingHint>(m_renderingHint));
    Gdiplus::StringFormat format;
    format.SetAlignment(Gdiplus::StringAlignmentCenter);
    format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
    format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap);
    Gdiplus::SolidBrush brush{Gdiplus::Color(m_enabled ? m_textColor : 0xFF808080)};
    for (int channel = 0; channel < 3; ++channel) {
        RECT field = GetChannelRect(channel);
        MRender::DrawColor(dc, field, kFieldBorder);
        InflateRect(&field, -1, -1);
        MRender::DrawColor(dc, field, channel == m_hoverChannel ? kFieldHover : kFieldBack);
        const std::wstring text = kChannelNames[channel] + std::to_wstring(m_channels[channel]);
        graphics.DrawString(text.c_str(), -1, GetTextDrawFont(),
                            Gdiplus::RectF(static_cast<Gdiplus::REAL>(field.left),
                                           static_cast<Gdiplus::REAL>(field.top),
                                           static_cast<Gdiplus::REAL>(field.right - field.left),
                                           static_cast<Gdiplus::REAL>(field.bottom - field.top)),
                            &format, &brush);
    }
}

} // namespace OrvixUI
