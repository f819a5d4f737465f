#pragma once

#include "toolkit/core/MControl.h"

#include <cwchar>
#include <functional>

namespace OrvixUI {

// Calls visit for every control in the same list as `self`: the parent's children when the
// parent is a control that holds it, otherwise the window's top-level controls. The list is
// held locked meanwhile. Not exported.
void ForEachSibling(MControl& self, const std::function<void(MControl&)>& visit);

// The group rule of radio, colour, icon and level buttons: every other member of the list
// with the same class name and the same group name is unchecked and repainted.
template <typename Member> void UncheckGroup(Member& self) {
    ForEachSibling(self, [&self](MControl& other) {
        auto* member = dynamic_cast<Member*>(&other);
        if (member && member != &self &&
            std::wcscmp(member->GetClassNameW(), self.GetClassNameW()) == 0 &&
            std::wcscmp(member->GetGroupName(), self.GetGroupName()) == 0) {
            member->SetControlCheck(FALSE);
        }
    });
}

// SetCheck of the group's members: a disabled member keeps its state, and checking one
// unchecks the others so that at most one of a group stays checked.
template <typename Member> BOOL SetGroupMemberCheck(Member& self, BOOL check) {
    if (!self.IsEnabled()) {
        return self.GetCheck();
    }
    const BOOL value = check ? TRUE : FALSE;
    if (value != self.GetCheck()) {
        self.SetControlCheck(value);
        if (self.GetCheck()) {
            self.ResetGroupCheck();
        }
    }
    return self.GetCheck();
}

} // namespace OrvixUI
