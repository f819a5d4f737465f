#pragma once

#include "toolkit/controls/MRichEdit.h"
#include "toolkit/controls/SpinArrows.h"

namespace OrvixUI {

// The spin field of forms, built on the rich edit: the value is the edit's text, with the up
// arrow above the down arrow at the right edge ("img_spin_up.png", "img_spin_down.png",
// 4 frames each). The arrows (held: repeating), the wheel and the Up and Down keys step the
// value by one; digits typed while it has the focus are taken when Enter is pressed or the
// focus leaves, Escape drops them. Every change made by the user sends code 28; the typed
// text itself reports nothing. The value always lies in the range.
class ORVIXUI_API CSpinButton : public MRichEdit {
public:
    static constexpr int kArrowWidth = 18;
    static constexpr int kMaxDigits = 10;
    static constexpr UINT kRepeatTimer = 0x5350;

    CSpinButton(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled);

    void InitControl(PaintManager* manager) override;
    void DrawControl(HDC dc, const RECT& clip) override;
    void SetControlFocus(BOOL focus) override;
    LRESULT OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Clamped into the range; no notification. Returns the value now held.
    int SetCurValue(int value);
    int GetCurValue() const;
    // A reversed range is put in order; the value is clamped into it.
    void SetRange(int minimum, int maximum);
    int GetMinValue() const;
    int GetMaxValue() const;
    // 0 normal, 1 hover, 2 pressed, 3 disabled.
    int GetUpState() const;
    int GetDownState() const;

protected:
    void SetControlRect(const RECT& rect) override;
    void SetControlEnabled(BOOL enabled) override;
    BOOL OnControlMouseMove(UINT flags, POINT point) override;
    BOOL OnControlLButtonDown(UINT flags, POINT point) override;
    BOOL OnControlLButtonUp(UINT flags, POINT point) override;
    BOOL OnControlScroll(UINT kind, UINT direction, POINT point) override;
    BOOL OnControlTimer() override;
    void DrawBackdrop(HDC dc, const RECT& slice, int state) override;
    void OnTextChanged() override;

private:
    RECT UpRect() const;
    RECT DownRect() const;
    void PlaceText();
    // Shows the value as the text, dropping anything typed.
    void ShowValue();
    // Takes the typed text (clamped into the range); code 28 when the value changed.
    void CommitText();
    // Moves the value by delta within the range; code 28 when it changed.
    void StepBy(int delta);
    void SetArrowStates(int up, int down);
    void DrawArrow(Gdiplus::Graphics& graphics, const RECT& box, bool up, int state);

    int m_value = 0;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_upState = 0;
    int m_downState = 0;
    SpinRepeat m_repeat{kRepeatTimer};
    bool m_showing = false;
    ImgResInfo* m_upImage = nullptr;
    ImgResInfo* m_downImage = nullptr;
};

} // namespace OrvixUI
