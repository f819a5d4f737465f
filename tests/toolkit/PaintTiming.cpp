// Times a full repaint of a 1280 x 720 window with 200 controls and the dispatch of a mouse
// move over it; prints the medians. Run under Wine: toolkit_paint_timing.exe

#include "toolkit/core/MControlFont.h"
#include "toolkit/core/MRender.h"
#include "toolkit/core/Manager.h"
#include "toolkit/core/PaintManager.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// A titled control that draws through the cached state slices, as buttons do.
class Tile : public OrvixUI::MControlFont {
public:
    Tile(OrvixUI::MObject* parent, UINT id, const RECT& rect)
        : MControlFont(parent, id, rect, TRUE, TRUE, TRUE) {}
    void DrawControl(HDC dc, const RECT&) override {
        OrvixUI::MRender::FillSolidRect(dc, m_rect, RGB(40, 60, 80));
        DrawCachedStates(dc, 4, m_hovered ? 1 : 0);
    }

protected:
    BOOL OnControlMouseMove(UINT, POINT point) override {
        bool inside = ::PtInRect(&m_rect, point) != FALSE;
        if (inside != m_hovered) {
            m_hovered = inside;
            UpdateControl(FALSE, FALSE);
        }
        return inside;
    }

private:
    bool m_hovered = false;
};

class Owner : public OrvixUI::MObject {
public:
    explicit Owner(OrvixUI::PaintManager& manager) : m_manager(manager) {}
    long OnControlUpdate(const RECT& rect, BOOL update, OrvixUI::MControl* control) override {
        return m_manager.OnControlUpdate(rect, update, control);
    }

private:
    OrvixUI::PaintManager& m_manager;
};

LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* manager =
        reinterpret_cast<OrvixUI::PaintManager*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (manager && message != WM_PAINT) {
        if (LRESULT result = manager->OnWindowMessage(message, wParam, lParam)) {
            return result;
        }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

double MedianMicroseconds(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

} // namespace

int main() {
    OrvixUI::Manager::InitGdiplus();
    WNDCLASSW wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OrvixTiming";
    RegisterClassW(&wc);
    constexpr int width = 1280, height = 720;
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"timing", WS_POPUP | WS_VISIBLE, 0, 0, width,
                                height, nullptr, nullptr, wc.hInstance, nullptr);
    auto manager = std::make_unique<OrvixUI::PaintManager>();
    Owner owner(*manager);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(manager.get()));
    manager->Init(hwnd, &owner);

    // 20 columns x 10 rows of 60 x 64 tiles.
    for (UINT i = 0; i < 200; ++i) {
        int x = static_cast<int>(i % 20) * 64, y = static_cast<int>(i / 20) * 72;
        auto* tile = new Tile(&owner, 100 + i, RECT{x + 2, y + 2, x + 62, y + 68});
        manager->AddControl(tile);
        tile->SetTitle(L"Key");
        tile->SetAlignment(1, 4);
    }

    HDC dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HBITMAP buffer = OrvixUI::MRender::CreateARGB32Bitmap(dc, width, height, &bits);
    HGDIOBJ old = SelectObject(dc, buffer);
    const RECT all = {0, 0, width, height};
    manager->PaintBuffer(dc, bits, width, height, all);

    std::vector<double> cold, warm, moves;
    for (int i = 0; i < 20; ++i) {
        for (OrvixUI::MControl* control : manager->GetControls()) {
            control->SetUpdate(FALSE, 0);
        }
        auto start = Clock::now();
        manager->PaintBuffer(dc, bits, width, height, all);
        cold.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    for (int i = 0; i < 50; ++i) {
        auto start = Clock::now();
        manager->PaintBuffer(dc, bits, width, height, all);
        warm.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    for (int i = 0; i < 2000; ++i) {
        int x = (i * 37) % width, y = (i * 53) % height;
        auto start = Clock::now();
        SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        moves.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::printf("full repaint 1280x720, 200 controls, caches rebuilt: median %.0f us\n",
                MedianMicroseconds(cold));
    std::printf("full repaint 1280x720, 200 controls, caches valid:   median %.0f us\n",
                MedianMicroseconds(warm));
    std::printf("mouse move dispatch over 200 controls:               median %.1f us\n",
                MedianMicroseconds(moves));

    SelectObject(dc, old);
    DeleteObject(buffer);
    DeleteDC(dc);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    DestroyWindow(hwnd);
    manager.reset();
    return 0;
}
