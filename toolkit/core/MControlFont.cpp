#include "toolkit/core/MControlFont.h"

#include "toolkit/core/ImageCache.h"
#include "toolkit/core/MRender.h"
#include "toolkit/core/Manager.h"
#include "toolkit/core/PaintManager.h"

namespace OrvixUI {

MControlFont::MControlFont(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled,
                           BOOL response)
    : MControl(parent, id, rect, visible, enabled, response), m_fontFace(Manager::GetFontName()),
      m_fontSize(Manager::GetFontWidth()),
      m_textBrush(std::make_unique<Gdiplus::SolidBrush>(Gdiplus::Color(m_textColor))) {}

MControlFont::~MControlFont() { ClearGDIFont(); }

void MControlFont::SetTextFont(const wchar_t* name) {
    m_fontFace = name ? name : L"";
    ClearGDIFont();
    ResetTextDrawFont();
}

void MControlFont::SetTextColor(DWORD color) {
    m_textColor = color;
    m_textBrush = std::make_unique<Gdiplus::SolidBrush>(Gdiplus::Color(color));
}

void MControlFont::SetImageInfo(ImgResInfo* info) {
    m_image = info;
    m_frameWidth = info ? info->frameWidth : 0;
    m_frameHeight = info ? info->frameHeight : 0;
}

BOOL MControlFont::SetImage(UINT resourceId, const wchar_t* resourceType, int frameCount) {
    if (!m_manager) {
        return FALSE;
    }
    ImgResInfo* info = m_manager->AddImgResInfo(resourceId, resourceType, frameCount, TRUE);
    if (!info) {
        return FALSE;
    }
    m_frameCount = frameCount;
    SetImageInfo(info);
    m_frameWidth = FrameWidth(static_cast<int>(info->image->GetWidth()), frameCount);
    UpdateControl(TRUE, FALSE);
    return TRUE;
}

BOOL MControlFont::SetImage(const wchar_t* fileName, int frameCount) {
    if (!m_manager) {
        return FALSE;
    }
    ImgResInfo* info = m_manager->AddImgResInfo(fileName, frameCount);
    if (!info) {
        return FALSE;
    }
    m_imagePath = fileName;
    m_frameCount = frameCount;
    SetImageInfo(info);
    // The cache keeps the frame count of its first user; this control's own count decides.
    m_frameWidth = FrameWidth(static_cast<int>(info->image->GetWidth()), frameCount);
    UpdateControl(TRUE, FALSE);
    return TRUE;
}

void MControlFont::SetControlTitle(const wchar_t* text) { m_title = text ? text : L""; }
const wchar_t* MControlFont::GetControlTitle() { return m_title.c_str(); }

void MControlFont::SetTitle(const wchar_t* text) {
    ClearGDIFont();
    SetControlTitle(text);
    if (m_visible) {
        UpdateControl(TRUE, FALSE);
    }
}

const wchar_t* MControlFont::GetTitle() { return GetControlTitle(); }
const wchar_t* MControlFont::GetTextFont() const { return m_fontFace.c_str(); }
const wchar_t* MControlFont::GetImagePath() const { return m_imagePath.c_str(); }
int MControlFont::GetFontWidth() const { return m_fontSize; }
void MControlFont::SetFontWidth(int size) {
    m_fontSize = size;
    ResetTextDrawFont();
}
DWORD MControlFont::GetTextColor() const { return m_textColor; }
int MControlFont::GetFontStyle() const { return m_fontStyle; }
void MControlFont::SetFontStyle(int style) {
    m_fontStyle = style;
    ResetTextDrawFont();
}

void MControlFont::SetAlignment(int horizontal) { SetAlignment(horizontal, m_vAlign); }
void MControlFont::SetVAlignment(int vertical) { SetAlignment(m_hAlign, vertical); }

void MControlFont::SetAlignment(int horizontal, int vertical) {
    if (horizontal == m_hAlign && vertical == m_vAlign) {
        return;
    }
    m_hAlign = horizontal;
    m_vAlign = vertical;
    if (m_visible) {
        UpdateControl(TRUE, FALSE);
    }
}

void MControlFont::GetAlignment(int& horizontal, int& vertical) const {
    horizontal = m_hAlign;
    vertical = m_vAlign;
}

void MControlFont::SetFont(const wchar_t* face, int size, int style) {
    m_fontFace = face ? face : L"";
    m_fontSize = size;
    m_fontStyle = style;
    ClearGDIFont();
    ResetTextDrawFont();
}

Gdiplus::FontFamily* MControlFont::GetFontFamily(const wchar_t* face) {
    Gdiplus::FontFamily* cached = m_manager ? m_manager->FindTempFont(face) : nullptr;
    return cached ? cached->Clone() : nullptr;
}

HFONT MControlFont::GetGDIFont() {
    if (m_gdiFont) {
        return m_gdiFont;
    }
    LOGFONTW font = {};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    lstrcpynW(font.lfFaceName, Manager::GetFontName(), LF_FACESIZE);
    font.lfHeight = -m_fontSize;
    font.lfCharSet = DEFAULT_CHARSET;
    if (m_fontStyle & Gdiplus::FontStyleBold) {
        font.lfWeight += FW_BOLD;
    }
    font.lfItalic = (m_fontStyle & Gdiplus::FontStyleItalic) ? TRUE : FALSE;
    font.lfUnderline = (m_fontStyle & Gdiplus::FontStyleUnderline) ? TRUE : FALSE;
    m_gdiFont = CreateFontIndirectW(&font);
    return m_gdiFont;
}

void MControlFont::ClearGDIFont() {
    if (m_gdiFont) {
        DeleteObject(m_gdiFont);
        m_gdiFont = nullptr;
    }
}

void MControlFont::SetTextRenderingHint(int hint) { m_renderingHint = hint; }

SIZE MControlFont::GetImageSize() const { return SIZE{m_frameWidth, m_frameHeight}; }
void MControlFont::SetImageCount(int count) { m_frameCount = count; }
ImgResInfo* MControlFont::GetImageInfo() const { return m_image; }

Gdiplus::Font* MControlFont::GetTextDrawFont() {
    if (!m_textDrawFont) {
        Gdiplus::FontFamily* family =
            m_manager ? m_manager->FindTempFont(m_fontFace.c_str()) : nullptr;
        const Gdiplus::FontFamily* chosen =
            family ? family : Gdiplus::FontFamily::GenericSansSerif();
        m_textDrawFont = std::make_unique<Gdiplus::Font>(
            chosen, static_cast<Gdiplus::REAL>(m_fontSize), m_fontStyle, Gdiplus::UnitPixel);
    }
    return m_textDrawFont.get();
}

void MControlFont::ResetTextDrawFont() { m_textDrawFont.reset(); }

void MControlFont::DrawTitle(Gdiplus::Graphics& graphics, const RECT& box, DWORD color) {
    if (m_title.empty()) {
        return;
    }
    Gdiplus::StringFormat format;
    format.SetAlignment(m_hAlign == 1   ? Gdiplus::StringAlignmentCenter
                        : m_hAlign == 2 ? Gdiplus::StringAlignmentFar
                                        : Gdiplus::StringAlignmentNear);
    format.SetLineAlignment(m_vAlign == 4   ? Gdiplus::StringAlignmentCenter
                            : m_vAlign == 8 ? Gdiplus::StringAlignmentFar
                                            : Gdiplus::StringAlignmentNear);
    format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap);
    graphics.SetTextRenderingHint(static_cast<Gdiplus::TextRenderingHint>(m_renderingHint));
    Gdiplus::SolidBrush brush{Gdiplus::Color(color)};
    Gdiplus::RectF layout(static_cast<Gdiplus::REAL>(box.left), static_cast<Gdiplus::REAL>(box.top),
                          static_cast<Gdiplus::REAL>(box.right - box.left),
                          static_cast<Gdiplus::REAL>(box.bottom - box.top));
    graphics.DrawString(m_title.c_str(), -1, GetTextDrawFont(), layout, &format, &brush);
}

void MControlFont::DrawStateSlice(HDC dc, const RECT& slice, int state) {
    Gdiplus::Graphics graphics(dc);
    if (m_image && m_image->image) {
        MRender::DrawImageFrame(graphics, m_image->image, slice, state * m_frameWidth, 0,
                                m_frameWidth, m_frameHeight, 10);
    }
    RECT box = slice;
    if (!IsRectEmpty(&m_textRect)) {
        box = m_textRect;
        OffsetRect(&box, slice.left - m_rect.left, slice.top - m_rect.top);
    }
    if (state == 2) {
        OffsetRect(&box, 1, 1);
    }
    DrawTitle(graphics, box, state == 3 ? 0xFF808080 : m_textColor);
}

void MControlFont::DrawCachedStates(HDC dc, int stateCount, int state) {
    const int width = m_rect.right - m_rect.left, height = m_rect.bottom - m_rect.top;
    if (width <= 0 || height <= 0 || stateCount <= 0) {
        return;
    }
    if (!m_cacheValid || !m_memDC) {
        UpdateMemDC(dc, width * stateCount, height);
        for (int i = 0; i < stateCount; ++i) {
            ::BitBlt(m_memDC, i * width, 0, width, height, dc, m_rect.left, m_rect.top, SRCCOPY);
            DrawStateSlice(m_memDC, RECT{i * width, 0, (i + 1) * width, height}, i);
        }
    }
    int slice = state < 0 || state >= stateCount ? 0 : state;
    ::BitBlt(dc, m_rect.left, m_rect.top, width, height, m_memDC, slice * width, 0, SRCCOPY);
}

} // namespace OrvixUI
