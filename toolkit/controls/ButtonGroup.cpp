#include "toolkit/controls/ButtonGroup.h"

#include "toolkit/core/PaintManager.h"

#include <algorithm>
#include <mutex>

namespace OrvixUI {

namespace {

bool Holds(std::recursive_mutex& lock, const std::vector<MControl*>& list, const MControl* self) {
    std::lock_guard guard(lock);
    return std::find(list.begin(), list.end(), self) != list.end();
}

} // namespace

void ForEachSibling(MControl& self, const std::function<void(MControl&)>& visit) {
    // The parent's children, unless the button was put into the window's list with a
    // control as its parent; then the window's list is the one it shares with its group.
    std::vector<MControl*>* list = nullptr;
    std::recursive_mutex* lock = nullptr;
    auto* parent = dynamic_cast<MControl*>(self.GetParantObject());
    if (parent && Holds(parent->GetControlLock(), parent->GetControls(), &self)) {
        list = &parent->GetControls();
        lock = &parent->GetControlLock();
    } else if (PaintManager* manager = self.GetManager()) {
        list = &manager->GetControls();
        lock = &manager->GetControlLock();
    }
    if (!list) {
        return;
    }
    std::lock_guard guard(*lock);
    for (MControl* control : *list) {
        visit(*control);
    }
}

} // namespace OrvixUI
