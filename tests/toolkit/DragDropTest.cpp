#include "ToolkitFixture.h"

#include "toolkit/core/DragDrop.h"

#include <gtest/gtest.h>

namespace toolkit_test {
namespace {

constexpr COLORREF kProbeColor = RGB(10, 200, 30);

TEST(DragDrop, BitmapDataObjectOffersBitmapAndMetafile) {
    HostWindow host;
    Probe* probe = host.AddProbe(5, RECT{10, 10, 50, 40}, kProbeColor);
    HBITMAP bitmap = host.manager().GetDropBitmap(probe, probe->GetRect(), RGB(0, 0, 0));
    ASSERT_NE(bitmap, nullptr);
    OrvixUI::CIDataObject* data = OrvixUI::CreateBitmapDataObject(bitmap);
    DeleteObject(bitmap);
    ASSERT_NE(data, nullptr);

    FORMATETC asBitmap = {CF_BITMAP, nullptr, DVASPECT_CONTENT, -1, TYMED_GDI};
    FORMATETC asMetafile = {CF_ENHMETAFILE, nullptr, DVASPECT_CONTENT, -1, TYMED_ENHMF};
    FORMATETC asText = {CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    EXPECT_EQ(data->QueryGetData(&asBitmap), S_OK);
    EXPECT_EQ(data->QueryGetData(&asMetafile), S_OK);
    EXPECT_NE(data->QueryGetData(&asText), S_OK);

    IEnumFORMATETC* formats = nullptr;
    ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, &formats), S_OK);
    FORMATETC listed[4] = {};
    ULONG fetched = 0;
    formats->Next(4, listed, &fetched);
    formats->Release();
    EXPECT_EQ(fetched, 2u);

    // The receiver gets its own copy: the control's pixels, 40 x 30.
    STGMEDIUM medium = {};
    ASSERT_EQ(data->GetData(&asBitmap, &medium), S_OK);
    BITMAP info = {};
    GetObjectW(medium.hBitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 40);
    EXPECT_EQ(info.bmHeight, 30);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, medium.hBitmap);
    EXPECT_EQ(RgbOf(GetPixel(dc, 20, 15)), RgbOf(kProbeColor));
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseStgMedium(&medium);
    data->Release();
}

TEST(DragDrop, PressOnADragSourceArmsADrag) {
    HostWindow host;
    Probe* source = host.AddProbe(5, RECT{10, 10, 60, 60}, kProbeColor);
    source->SetDragDrop(TRUE);
    host.AddProbe(6, RECT{100, 10, 150, 60});
    host.Send(WM_MOUSEMOVE, 0, At(120, 30));
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(120, 30));
    EXPECT_FALSE(host.manager().IsDragArmed());
    host.Send(WM_LBUTTONUP, 0, At(120, 30));
    host.Send(WM_MOUSEMOVE, 0, At(30, 30));
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(30, 30));
    EXPECT_TRUE(host.manager().IsDragArmed());
    host.Send(WM_LBUTTONUP, 0, At(30, 30));
    EXPECT_FALSE(host.manager().IsDragArmed());
}

// The button is not held on the display, so the drag loop drops at once where the pointer is:
// on the same window, which takes the bitmap.
TEST(DragDrop, DragFromAControlDropsItsBitmapOnTheWindow) {
    HostWindow host;
    Probe* source = host.AddProbe(5, RECT{10, 10, 60, 60}, kProbeColor);
    source->SetDragDrop(TRUE);
    SetCursorPos(30, 30);
    host.Send(WM_MOUSEMOVE, 0, At(30, 30));
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(30, 30));
    host.Send(WM_MOUSEMOVE, MK_LBUTTON, At(31, 31));
    EXPECT_FALSE(host.manager().IsDragArmed());
    EXPECT_EQ(host.manager().GetLastDropFormat(), CF_BITMAP);
}

} // namespace
} // namespace toolkit_test
