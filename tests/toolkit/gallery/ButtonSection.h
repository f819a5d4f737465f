#pragma once

#include "tests/toolkit/gallery/GallerySection.h"

namespace gallery {

// Ids of the button section's controls start here and run up in creation order.
constexpr UINT kButtonSectionFirstId = 9500;

// The button family, spin fields and level tiles, each in every state it has.
void BuildButtonSection(OrvixUI::PaintManager& manager, OrvixUI::MObject* parent, const RECT& area);

} // namespace gallery
