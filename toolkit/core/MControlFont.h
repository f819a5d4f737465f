#pragma once

#include "toolkit/core/GdiPlus.h"
#include "toolkit/core/MControl.h"

#include <memory>
#include <string>

namespace OrvixUI {

struct ImgResInfo;

// A control with a title, a font, a text colour, an alignment and a state image: a strip of
// frames side by side from the window's image cache, one frame per visual state.
class ORVIXUI_API MControlFont : public MControl {
public:
    MControlFont(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled,
                 BOOL response);
    ~MControlFont() override;

    virtual void SetTextFont(const wchar_t* name);
    // ARGB.
    virtual void SetTextColor(DWORD color);
    // 0 when the control has no host yet or the image cannot be loaded.
    virtual BOOL SetImage(UINT resourceId, const wchar_t* resourceType, int frameCount);
    virtual BOOL SetImage(const wchar_t* fileName, int frameCount);

    void SetTitle(const wchar_t* text);
    const wchar_t* GetTitle();
    const wchar_t* GetTextFont() const;
    const wchar_t* GetImagePath() const;
    int GetFontWidth() const;
    void SetFontWidth(int size);
    DWORD GetTextColor() const;
    int GetFontStyle() const;
    void SetFontStyle(int style);
    // Horizontal 0 left, 1 centre, 2 right; vertical 0 top, 4 centre, 8 bottom.
    void SetAlignment(int horizontal);
    void SetVAlignment(int vertical);
    void SetAlignment(int horizontal, int vertical);
    void GetAlignment(int& horizontal, int& vertical) const;
    void SetFont(const wchar_t* face, int size, int style);
    // A copy of the family cached by the host, or null; the caller deletes it.
    Gdiplus::FontFamily* GetFontFamily(const wchar_t* face);
    HFONT GetGDIFont();
    void ClearGDIFont();
    void SetTextRenderingHint(int hint);
    SIZE GetImageSize() const;
    void SetImageCount(int count);
    ImgResInfo* GetImageInfo() const;

protected:
    virtual void SetControlTitle(const wchar_t* text);
    virtual const wchar_t* GetControlTitle();

    // The cached-state convention: a surface N slices wide, rebuilt when the cache is not
    // valid (each slice gets the background beneath the control, then DrawStateSlice), then
    // slice `state` copied to the back buffer.
    void DrawCachedStates(HDC dc, int stateCount, int state);
    // Default slice: frame `state` of the state image as a nine-patch (corner 10) and the
    // title centred, grey when disabled (state 3), one pixel lower right when pressed (2).
    virtual void DrawStateSlice(HDC dc, const RECT& slice, int state);
    void DrawTitle(Gdiplus::Graphics& graphics, const RECT& box, DWORD color);
    // The font the toolkit draws GDI+ text with, made once per font setting; without a cached
    // family it is GDI+'s generic sans serif.
    Gdiplus::Font* GetTextDrawFont();
    void ResetTextDrawFont();
    void SetImageInfo(ImgResInfo* info);

    std::wstring m_title;
    std::wstring m_fontFace;
    std::wstring m_imagePath;
    int m_fontSize = 14;
    DWORD m_textColor = 0xFFFFFFFF;
    std::unique_ptr<Gdiplus::SolidBrush> m_textBrush;
    std::unique_ptr<Gdiplus::Font> m_textDrawFont;
    int m_fontStyle = 0;
    int m_hAlign = 0;
    int m_vAlign = 4;
    int m_renderingHint = 5;
    HFONT m_gdiFont = nullptr;
    ImgResInfo* m_image = nullptr;
    int m_frameWidth = 0;
    int m_frameHeight = 0;
    int m_frameCount = 4;
    RECT m_textRect = {};
};

} // namespace OrvixUI
