// Measures what one control costs: committed private memory per control for
// 2000 menu items in one window, first as created, then after a paint has built their cached
// state surfaces. Prints the figures. Run under Wine: toolkit_control_memory.exe

#include "toolkit/core/MDialog.h"
#include "toolkit/core/MRender.h"
#include "toolkit/core/Manager.h"

#include <cstdio>

namespace {

constexpr int kControls = 2000;
constexpr int kWidth = 1280, kHeight = 720;

// Committed private memory of the process, summed over its address space: the heaps and the
// pixel memory of bitmaps alike (the process counters are not kept under Wine).
SIZE_T PrivateBytes() {
    SIZE_T total = 0;
    MEMORY_BASIC_INFORMATION info;
    for (auto* at = static_cast<BYTE*>(nullptr);
         VirtualQuery(at, &info, sizeof info) == sizeof info;
         at = static_cast<BYTE*>(info.BaseAddress) + info.RegionSize) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) {
            total += info.RegionSize;
        }
    }
    return total;
}

} // namespace

int main() {
    OrvixUI::Manager::SetInstance(GetModuleHandleW(nullptr));
    OrvixUI::Manager::InitGdiplus();
    {
        OrvixUI::MDialog dialog;
        dialog.Create(nullptr, L"memory", OrvixUI::MWindow::kDefaultStyle, 0,
                      RECT{0, 0, kWidth, kHeight});
        // Warm the caches and the heap with one control before measuring.
        dialog.CreateControl(L"MenuItem", 1, RECT{0, 0, 60, 30}, L"Item", TRUE, TRUE);

        const SIZE_T bytesBefore = PrivateBytes();
        for (int i = 0; i < kControls; ++i) {
            const int x = (i % 20) * 64, y = ((i / 20) % 24) * 30;
            dialog.CreateControl(L"MenuItem", 100 + i, RECT{x, y, x + 60, y + 30}, L"Item", TRUE,
                                 TRUE);
        }
        const SIZE_T bytesCreated = PrivateBytes();

        HDC dc = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        HBITMAP buffer = OrvixUI::MRender::CreateARGB32Bitmap(dc, kWidth, kHeight, &bits);
        HGDIOBJ old = SelectObject(dc, buffer);
        dialog.GetPaintManager().PaintBuffer(dc, bits, kWidth, kHeight,
                                             RECT{0, 0, kWidth, kHeight});
        const SIZE_T bytesPainted = PrivateBytes();

        std::printf("menu item (60 x 30), %d controls\n", kControls);
        std::printf("  as created:            %.0f bytes per control\n",
                    static_cast<double>(bytesCreated - bytesBefore) / kControls);
        std::printf("  with its state cache:  %.0f bytes per control\n",
                    static_cast<double>(bytesPainted - bytesBefore) / kControls);
        SelectObject(dc, old);
        DeleteObject(buffer);
        DeleteDC(dc);
    }
    OrvixUI::Manager::UnInitGdiplus();
    return 0;
}
