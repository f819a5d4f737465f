#include "tests/toolkit/gallery/GalleryDialog.h"

#include "toolkit/core/MRender.h"

#include <vector>

namespace gallery {

#define GALLERY_SECTION(title, function)                                                           \
    void function(OrvixUI::PaintManager& manager, OrvixUI::MObject* parent, const RECT& area);
#include "tests/toolkit/gallery/Sections.inc"
#undef GALLERY_SECTION

namespace {

const Section kSections[] = {
#define GALLERY_SECTION(title, function) {title, function},
#include "tests/toolkit/gallery/Sections.inc"
#undef GALLERY_SECTION
};

constexpr int kCaptionHeight = 22;

// A section's frame and title.
class Caption : public OrvixUI::MControlFont {
public:
    Caption(OrvixUI::MObject* parent, const RECT& rect, const wchar_t* title)
        : MControlFont(parent, 0, rect, TRUE, TRUE, FALSE) {
        m_title = title;
        m_textColor = 0xFFB4C8DC;
    }
    void DrawControl(HDC dc, const RECT&) override {
        OrvixUI::MRender::DrawRectangle(dc, m_rect, RGB(0x3A, 0x3F, 0x48), 1);
        Gdiplus::Graphics graphics(dc);
        RECT band = {m_rect.left + 8, m_rect.top, m_rect.right - 8, m_rect.top + kCaptionHeight};
        DrawTitle(graphics, band, m_textColor);
    }
};

// The window's close button: the four-state strip img_sys_close.png.
class CloseButton : public OrvixUI::MControlFont {
public:
    CloseButton(OrvixUI::MDialog* dialog, const RECT& rect)
        : MControlFont(dialog, GalleryDialog::kCloseButton, rect, TRUE, TRUE, TRUE),
          m_dialog(dialog) {}
    void InitControl(OrvixUI::PaintManager*) override { SetImage(L"img_sys_close.png", 4); }
    void DrawControl(HDC dc, const RECT&) override {
        DrawCachedStates(dc, 4, m_pressed ? 2 : m_hovered ? 1 : 0);
    }

protected:
    BOOL OnControlMouseMove(UINT, POINT point) override {
        const bool inside = ::PtInRect(&m_rect, point) != FALSE;
        if (inside != m_hovered) {
            m_hovered = inside;
            UpdateControl(FALSE, FALSE);
        }
        return inside;
    }
    BOOL OnControlLButtonDown(UINT, POINT) override {
        m_pressed = true;
        UpdateControl(FALSE, FALSE);
        return TRUE;
    }
    BOOL OnControlLButtonUp(UINT, POINT point) override {
        m_pressed = false;
        UpdateControl(FALSE, FALSE);
        if (::PtInRect(&m_rect, point)) {
            m_dialog->DoClose();
        }
        return TRUE;
    }

private:
    OrvixUI::MDialog* m_dialog;
    bool m_hovered = false;
    bool m_pressed = false;
};

bool PngEncoder(CLSID* clsid) {
    UINT count = 0, size = 0;
    Gdiplus::GetImageEncodersSize(&count, &size);
    if (size == 0) {
        return false;
    }
    std::vector<BYTE> buffer(size);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    Gdiplus::GetImageEncoders(count, size, encoders);
    for (UINT i = 0; i < count; ++i) {
        if (std::wstring(encoders[i].MimeType) == L"image/png") {
            *clsid = encoders[i].Clsid;
            return true;
        }
    }
    return false;
}

} // namespace

const Section* Sections() { return kSections; }
int SectionCount() { return static_cast<int>(std::size(kSections)); }

HWND GalleryDialog::Create() {
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    return MWindow::Create(nullptr, L"OrvixUI gallery", kDefaultStyle, 0,
                           RECT{x, y, x + kWidth, y + kHeight});
}

RECT GalleryDialog::SectionArea(int index, int count) {
    const int rows = count > 0 ? (count + kColumns - 1) / kColumns : 1;
    const int width = (kWidth - kGap * (kColumns + 1)) / kColumns;
    const int height = (kHeight - kHeader - kGap * (rows + 1)) / rows;
    const int column = index % kColumns, row = index / kColumns;
    const int left = kGap + column * (width + kGap);
    const int top = kHeader + kGap + row * (height + kGap);
    return RECT{left, top, left + width, top + height};
}

void GalleryDialog::InitUI(const RECT&) {
    m_pm.SetBackColor(RGB(0x12, 0x14, 0x18), RGB(0x3A, 0x3F, 0x48));
    auto* header = new Caption(this, RECT{0, 0, kWidth, kHeader}, L"OrvixUI gallery");
    m_pm.AddArea(header);
    m_pm.AddControl(new CloseButton(this, RECT{kWidth - 32, 8, kWidth - 8, 32}));
    const int count = SectionCount();
    for (int i = 0; i < count; ++i) {
        const RECT frame = SectionArea(i, count);
        m_pm.AddArea(new Caption(this, frame, kSections[i].title));
        RECT inside = {frame.left + 8, frame.top + kCaptionHeight + 4, frame.right - 8,
                       frame.bottom - 8};
        kSections[i].build(m_pm, this, inside);
    }
}

LRESULT GalleryDialog::OnKeyDown(UINT vk, UINT, UINT) {
    if (vk == VK_ESCAPE) {
        DoClose();
    }
    return 0;
}

void GalleryDialog::Render(HDC dc, void* bits, int width, int height) {
    m_pm.PaintBuffer(dc, bits, width, height, RECT{0, 0, width, height});
}

bool GalleryDialog::SaveShot(const std::wstring& path) {
    RECT client = {};
    GetClientRect(&client);
    const int width = client.right, height = client.bottom;
    if (width <= 0 || height <= 0) {
        return false;
    }
    HDC dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HBITMAP buffer = OrvixUI::MRender::CreateARGB32Bitmap(dc, width, height, &bits);
    HGDIOBJ old = SelectObject(dc, buffer);
    Render(dc, bits, width, height);
    GdiFlush();
    // The buffer is bottom-up: start at its last row and step backwards.
    auto* last = static_cast<BYTE*>(bits) + static_cast<size_t>(height - 1) * width * 4;
    Gdiplus::Bitmap image(width, height, -width * 4, PixelFormat32bppRGB, last);
    CLSID png;
    const bool saved = PngEncoder(&png) && image.Save(path.c_str(), &png, nullptr) == Gdiplus::Ok;
    SelectObject(dc, old);
    DeleteObject(buffer);
    DeleteDC(dc);
    return saved;
}

} // namespace gallery
