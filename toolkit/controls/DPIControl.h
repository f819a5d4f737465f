#pragma once

#include "toolkit/core/MPanel.h"

#include <string>

namespace OrvixUI {

// One stage of a sensitivity list: a selectable tile with a colour and a value. A click checks
// it and unchecks the other tiles of its group (code 2); its hot key does the same with
// code 7. Nothing is sent at the press.
class ORVIXUI_API DPIControl : public MPanel {
public:
    DPIControl(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled);

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const RECT& clip) override;

    COLORREF GetColor() const;
    void SetColor(COLORREF color);
    // Negative values count as 0.
    void SetDPIValue(int value);
    int GetDPIValue() const;
    BOOL GetCheck() const;
    // Only while enabled; checking it unchecks the group. Returns the check state.
    BOOL SetCheck(BOOL check);
    // Sets the check and the look without touching the group.
    void SetControlCheck(BOOL check);
    void ResetGroupCheck();
    void SetGroupName(const wchar_t* name);
    const wchar_t* GetGroupName() const;
    // 0 normal, 1 hover, 2 pressed, 3 disabled.
    int GetState() const;
    // Shows a state's look until input changes it (previews and galleries).
    void SetState(int state);

protected:
    void SetControlEnabled(BOOL enabled) override;
    BOOL OnControlMouseMove(UINT flags, POINT point) override;
    BOOL OnControlLButtonDown(UINT flags, POINT point) override;
    BOOL OnControlLButtonUp(UINT flags, POINT point) override;
    BOOL OnControlKeyDown(UINT vk, UINT repeat, UINT modifiers) override;

private:
    void ChangeState(int state);

    COLORREF m_color = 0x00FFB400;
    int m_value = 0;
    BOOL m_check = FALSE;
    BOOL m_pressing = FALSE;
    int m_state = 0;
    std::wstring m_group;
};

} // namespace OrvixUI
