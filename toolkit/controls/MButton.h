#pragma once

#include "toolkit/core/MControlFont.h"

namespace OrvixUI {

// The plain button: a 4-frame state strip (normal, hover, pressed, disabled) drawn as a
// nine-patch behind a centred title. Code 1 at a press inside, code 2 when a press ends inside;
// its hot key is taken without a notification. Disabled buttons ignore the mouse.
class ORVIXUI_API MButton : public MControlFont {
public:
    static constexpr int kNormal = 0;
    static constexpr int kHover = 1;
    static constexpr int kPressed = 2;
    static constexpr int kDisabled = 3;

    MButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title, BOOL visible,
            BOOL enabled);
    ~MButton() override;

    void DrawControl(HDC dc, const RECT& clip) override;

    // Decoded from the skin folder directly, not through the window's image cache; the icon's
    // frames lie side by side. Returns whether it loaded.
    BOOL SetIconImage(const wchar_t* fileName, int frameCount);
    // Corner size of the background nine-patch; negative values count as 0.
    void SetFrameSize(int corner);
    int GetFrameSize() const;
    // Where the title goes, relative to the control's top-left; empty: the whole control.
    void SetTextRect(const RECT& rect);
    int GetState() const;
    // Shows a state's look until input changes it (previews and galleries).
    void SetState(int state);

protected:
    // Slices of the cached surface and the one shown now.
    virtual int StateCount() const;
    virtual int ShownSlice() const;
    void DrawStateSlice(HDC dc, const RECT& slice, int state) override;
    void SetControlEnabled(BOOL enabled) override;
    BOOL OnControlMouseMove(UINT flags, POINT point) override;
    BOOL OnControlLButtonDown(UINT flags, POINT point) override;
    BOOL OnControlLButtonUp(UINT flags, POINT point) override;

    // Stores the state and asks for a repaint without rebuild when it changed.
    void ChangeState(int state);
    void ShowCursor(const wchar_t* name, POINT point);
    // The title box of a slice: the text rectangle moved into the slice, or the slice.
    RECT TextBox(const RECT& slice) const;
    void DrawBackgroundFrame(Gdiplus::Graphics& graphics, const RECT& slice, int state);
    // Icon frame `frame` centred in box and moved by (dx, dy).
    void DrawIcon(Gdiplus::Graphics& graphics, const RECT& box, int frame, int dx, int dy);
    void DrawButtonTitle(Gdiplus::Graphics& graphics, const RECT& box, DWORD argb);
    // The text the title slices show.
    virtual std::wstring ShownTitle() const;

    int m_state = kNormal;
    Gdiplus::Image* m_icon = nullptr;
    int m_iconFrameWidth = 0;
    int m_iconFrameHeight = 0;
    int m_iconFrameCount = 4;
    int m_frameSize = 10;
};

} // namespace OrvixUI
