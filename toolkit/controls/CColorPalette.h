#pragma once

#include "toolkit/core/MPanel.h"

namespace OrvixUI {

class MPalette;

// A colour picker panel: a colour field (an MPalette whose thumb is "img_palette_thumb.png")
// above a row with a swatch of the chosen colour and three channel fields R, G, B. A channel
// changes by one per wheel notch over it (Up/Down keys while it is under the pointer), always
// within 0 ... 255. Every colour the user picks, in the field or through a channel, is
// reported as code 27 (wParam 0, lParam = the colour as COLORREF) with the panel's id.
class ORVIXUI_API CColorPalette : public MPanel {
public:
    static constexpr UINT kFieldId = 3;
    static constexpr int kRowHeight = 30;

    CColorPalette(MObject* parent, UINT id, const RECT& rect, BOOL visible);

    void InitControl(PaintManager* manager) override;
    void DrawControl(HDC dc, const RECT& clip) override;
    long OnBaseMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam) override;

    // COLORREF.
    COLORREF GetSelectColor() const;
    void SetSelectColor(COLORREF color);
    BOOL SetThumbImage(const wchar_t* fileName);
    // Lays the field and the channel row out again and rebuilds everything.
    void UpdateControlEx();

    // Channel 0 red, 1 green, 2 blue; the value is clamped to 0 ... 255. No notification.
    BOOL SetChannelValue(int channel, int value);
    int GetChannelValue(int channel) const;
    // Channel field i in window coordinates; the swatch.
    RECT GetChannelRect(int channel) const;
    RECT GetSwatchRect() const;
    MPalette* GetField() const;

protected:
    void SetControlRect(const RECT& rect) override;
    BOOL OnControlMouseMove(UINT flags, POINT point) override;
    BOOL OnControlScroll(UINT kind, UINT direction, POINT point) override;
    BOOL OnControlKeyDown(UINT vk, UINT repeat, UINT modifiers) override;

private:
    RECT FieldRect() const;
    int ChannelFromPoint(POINT point) const;
    // By the user: clamps, updates the field and reports.
    void StepChannel(int channel, int delta);

    MPalette* m_field = nullptr;
    int m_channels[3] = {255, 0, 0};
    int m_hoverChannel = -1;
};

} // namespace OrvixUI
