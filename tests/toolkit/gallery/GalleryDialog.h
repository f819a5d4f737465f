#pragma once

#include "tests/toolkit/gallery/GallerySection.h"
#include "toolkit/core/MDialog.h"

#include <string>

namespace gallery {

// The sections of Sections.inc, in order.
const Section* Sections();
int SectionCount();

// The gallery window: a toolkit dialog that lays the sections out in a grid below a header.
class GalleryDialog : public OrvixUI::MDialog {
public:
    static constexpr int kWidth = 1280;
    static constexpr int kHeight = 720;
    static constexpr int kHeader = 40;
    static constexpr int kColumns = 3;
    static constexpr int kGap = 12;
    // The close button at the header's right end (img_sys_close.png).
    static constexpr UINT kCloseButton = 9001;

    // A hidden window of the gallery's size, centred on the screen.
    HWND Create();
    // Where section `index` is laid out, in client coordinates.
    static RECT SectionArea(int index, int count);

    void InitUI(const RECT& rect) override;
    LRESULT OnKeyDown(UINT vk, UINT repeat, UINT flags) override;

    // Paints the whole window into a 32-bit buffer selected into dc (bits: its pixels, bottom-up).
    void Render(HDC dc, void* bits, int width, int height);
    // Renders the back buffer and writes it as a PNG; false when it could not be written.
    bool SaveShot(const std::wstring& path);
};

} // namespace gallery
