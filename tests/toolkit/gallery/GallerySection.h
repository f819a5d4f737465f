#pragma once

#include "toolkit/core/PaintManager.h"

namespace gallery {

// Creates one group of controls for the gallery: every control of the group in each of its
// states, created through `manager` as children of `parent` and laid out inside `area`.
using BuildSection = void (*)(OrvixUI::PaintManager& manager, OrvixUI::MObject* parent,
                              const RECT& area);

struct Section {
    const wchar_t* title;
    BuildSection build;
    // The room the section's controls take, from the area's top-left corner; the gallery
    // gives each section at least this much.
    SIZE size;
};

} // namespace gallery
