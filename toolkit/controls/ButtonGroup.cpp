#include "toolkit/controls/ButtonGroup.h"

#include "toolkit/core/PaintManager.h"

#include <mutex>

namespace OrvixUI {

void ForEachSibling(MControl& self, const std::function<void(MControl&)>& visit) {
    auto* parent = dynamic_cast<MControl*>(self.GetParantObject());
    std::vector<MControl*>* list = nullptr;
    std::recursive_mutex* lock = nullptr;
    if (parent) {
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
