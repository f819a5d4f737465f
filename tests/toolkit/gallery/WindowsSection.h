#pragma once

#include "tests/toolkit/gallery/GallerySection.h"

namespace gallery {

// Ids and colours the pixel tests look for.
constexpr UINT kWindowsFirstItem = 7100; // six menu items, 7100 ... 7105
constexpr UINT kWindowsHoveredItem = 7101;
constexpr UINT kWindowsCheckedHoveredItem = 7103;
constexpr UINT kWindowsDisabledItem = 7105;
constexpr UINT kWindowsFirstSwatch = 7200; // three swatches
constexpr COLORREF kWindowsSwatchColors[] = {RGB(0x00, 0xB4, 0xFF), RGB(0xE8, 0x11, 0x23),
                                             RGB(0x2E, 0xCC, 0x71)};
constexpr UINT kWindowsMenuButton = 7300;
constexpr UINT kWindowsTipButton = 7301;

// A menu drawn in place (plain, hovered, checked, checked and hovered, a separator, disabled),
// colour probes, and two launchers: one opens a popup menu, the other shows the bubble tip.
void BuildWindowsSection(OrvixUI::PaintManager& manager, OrvixUI::MObject* parent,
                         const RECT& area);

} // namespace gallery
