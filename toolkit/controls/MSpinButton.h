#pragma once

#include "toolkit/controls/SpinArrows.h"
#include "toolkit/core/MPanel.h"

#include <string>

namespace OrvixUI {

// A numeric field between a down arrow and an up arrow ("img_spin_down.png",
// "img_spin_up.png", 4 frames each). The arrows, the wheel and the arrow keys step the value by
// one; digits typed while it has the focus replace it when Enter is pressed or the focus
// leaves. Every change made by the user sends code 28. The value always lies in the range.
class ORVIXUI_API MSpinButton : public MPanel {
public:
    static constexpr int kMaxDigits = 10;
    // Holding an arrow repeats its step: first after the delay, then at the rate.
    static constexpr UINT kRepeatTimer = 1;

    MSpinButton(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled);

    void InitControl(PaintManager* manager) override;
    void DrawControl(HDC dc, const RECT& clip) override;
    void SetControlFocus(BOOL focus) override;

    // Clamped into the range; no notification. Returns the value now held.
    int SetCurValue(int value);
    int GetCurValue() const;
    // A reversed range is put in order; the value is clamped into it.
    void SetRange(int minimum, int maximum);
    int GetMinValue() const;
    int GetMaxValue() const;
    // The most digits the field takes (1 ... 10).
    void SetLimitLength(int digits);
    // The text being typed, empty when not editing.
    const wchar_t* GetEditText() const;
    // 0 normal, 1 hover, 2 pressed, 3 disabled.
    int GetUpState() const;
    int GetDownState() const;

protected:
    struct Layout {
        RECT down;
        RECT up;
        RECT field;
    };
    virtual Layout GetLayout() const;
    virtual void DrawField(Gdiplus::Graphics& graphics, const RECT& field);
    void DrawArrow(Gdiplus::Graphics& graphics, const RECT& box, bool up, int state);

    void SetControlEnabled(BOOL enabled) override;
    BOOL OnControlMouseMove(UINT flags, POINT point) override;
    BOOL OnControlLButtonDown(UINT flags, POINT point) override;
    BOOL OnControlLButtonUp(UINT flags, POINT point) override;
    BOOL OnControlScroll(UINT kind, UINT direction, POINT point) override;
    BOOL OnControlKeyDown(UINT vk, UINT repeat, UINT modifiers) override;
    BOOL OnControlTimer() override;

    // Moves the value by delta within the range; code 28 when it changed.
    void StepBy(int delta);
    // Takes the typed text (clamped into the range); code 28 when the value changed.
    void CommitEdit();
    void SetArrowStates(int up, int down);

    int m_value = 0;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_limit = kMaxDigits;
    std::wstring m_edit;
    int m_upState = 0;
    int m_downState = 0;
    SpinRepeat m_repeat{kRepeatTimer};
    ImgResInfo* m_upImage = nullptr;
    ImgResInfo* m_downImage = nullptr;
};

} // namespace OrvixUI
