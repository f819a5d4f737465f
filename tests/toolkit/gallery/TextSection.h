#pragma once

#include "tests/toolkit/gallery/GallerySection.h"

namespace gallery {

// Ids of the text section's controls, for tests that look at one of them.
enum TextSectionId : UINT {
    kTextPlain = 9601,
    kTextMarked,
    kTextBack,
    kTextShadow,
    kPictureNormal,
    kPictureFrame,
    kPictureTile,
    kPhotoFrame,
    kSliderPicture,
    kGifPicture,
    kAreaTranslucent,
    kAreaOpaque,
    kTextArea,
    kEditTip,
    kEditText,
    kEditPassword,
    kEditDisabled,
    kRichEdit,
    kEditEx,
    kLogonEdit,
};

// Static texts, pictures in several show modes, the picture frame, the sliding and animated
// pictures, areas and the edit fields (empty with tip, filled, password, disabled, rich).
// Lays out in a 400 x 300 grid from the area's top-left corner.
void BuildTextSection(OrvixUI::PaintManager& manager, OrvixUI::MObject* parent, const RECT& area);

inline constexpr Section kTextSection = {
    L"Text, pictures and areas", &BuildTextSection, {400, 300}};

} // namespace gallery
