#pragma once

#include "toolkit/core/MControlFont.h"

namespace OrvixUI {

// A horizontal slider: a value in minimum ... maximum (both ends included) chosen by dragging
// its thumb, clicking the track or turning the wheel. While dragging it reports code 8
// (wParam = value) at every change; the button's release reports code 2, and so does a wheel
// notch that changed the value. Its title prefixes the value shown below the track.
class ORVIXUI_API MSlider : public MControlFont {
public:
    MSlider(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled);

    void DrawControl(HDC dc, const RECT& clip) override;
    // The track: two rows of equal height, the filled track above the empty one. The frame
    // count is not used.
    BOOL SetImage(const wchar_t* fileName, int frameCount) override;
    using MControlFont::SetImage;

    // Above the maximum gives the maximum, below the minimum the minimum; a negative or
    // unchanged value is ignored. Returns the current value.
    int SetProgress(int value);
    int GetProgress() const;
    // The value is pulled into a changed range.
    void SetMinProgress(int minimum);
    int GetMinProgress() const;
    void SetMaxProgress(int maximum);
    int GetMaxProgress() const;
    void SetShowText(BOOL show);
    // The shown value is the value times the scale.
    void SetScale(int scale);
    // A strip of 4 frames: 0 normal, 1 hover or dragging.
    BOOL SetThumbImage(const wchar_t* fileName);
    // 0 normal, 1 hover, 2 dragging.
    int GetState() const;
    // Window coordinates.
    const RECT& GetThumbRect() const;
    // The value under window x; the current value when the range or the track is empty.
    int ValueAt(int x) const;

protected:
    void SetControlRect(const RECT& rect) override;
    void SetControlEnabled(BOOL enabled) override;
    BOOL OnControlMouseMove(UINT flags, POINT point) override;
    BOOL OnControlLButtonDown(UINT flags, POINT point) override;
    BOOL OnControlLButtonUp(UINT flags, POINT point) override;
    BOOL OnControlScroll(UINT kind, UINT direction, POINT point) override;
    // The one cached slice: track, thumb and text.
    void DrawStateSlice(HDC dc, const RECT& slice, int state) override;

private:
    static constexpr int kDefaultThumb = 36;
    static constexpr int kTextBand = 20;

    int ThumbWidth() const;
    int ThumbHeight() const;
    // Free track: control width minus thumb width.
    int FreeWidth() const;
    bool HasRange() const;
    // A range change pulls the value into the new range (when the range is not empty).
    void KeepValueInRange();
    // Thumb's left edge relative to the control.
    int ThumbOffset() const;
    void PlaceThumb();
    // Moves to value when it differs; returns whether it changed.
    bool MoveTo(int value);
    void SetState(int state);

    int m_value = 0;
    int m_minimum = 0;
    int m_maximum = 10;
    ImgResInfo* m_thumbImage = nullptr;
    RECT m_thumb = {};
    int m_state = 0;
    BOOL m_pressed = FALSE;
    BOOL m_showText = TRUE;
    int m_scale = 1;
};

} // namespace OrvixUI
