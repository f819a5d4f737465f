#pragma once

#include "tests/toolkit/gallery/GallerySection.h"

namespace gallery {

// Sliders, progress and level bars, combo boxes, the colour combo and the palettes, each in
// its states. Needs an area of 780 x 380 pixels; control ids start at kValueSectionFirstId.
constexpr UINT kValueSectionFirstId = 5000;
void BuildValueSection(OrvixUI::PaintManager& manager, OrvixUI::MObject* parent, const RECT& area);

} // namespace gallery
