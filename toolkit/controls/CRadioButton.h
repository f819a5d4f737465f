#pragma once

#include "toolkit/controls/CCheckButton.h"

#include <string>

namespace OrvixUI {

// A radio button: a check box that a click only ever checks, and that unchecks the other
// radio buttons of its group (same list, same group name) whenever it becomes checked. Its
// title is placed by the control's alignment.
class ORVIXUI_API CRadioButton : public CCheckButton {
public:
    CRadioButton(MObject* parent, UINT id, const RECT& rect, const wchar_t* title, BOOL visible,
                 BOOL enabled);

    const wchar_t* GetClassNameW() override;
    // Only while enabled; checking it unchecks the group.
    BOOL SetCheck(BOOL check) override;
    // Sets the check and the look without touching the group.
    void SetControlCheck(BOOL check);
    void ResetGroupCheck();
    void SetGroupName(const wchar_t* name);
    const wchar_t* GetGroupName() const;

protected:
    void OnClicked() override;
    BOOL OnKeyToggle(bool hotKey) override;
    RECT TitleBox(const RECT& slice) override;

private:
    std::wstring m_group;
};

} // namespace OrvixUI
