#pragma once

#include "toolkit/core/MControlFont.h"
#include "toolkit/core/PaintManager.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace toolkit_test {

// Codes only the probe control sends, to make hover changes visible in the recordings.
constexpr UINT kEnter = 1001;
constexpr UINT kLeave = 1002;
constexpr UINT kScrolled = 1003;

struct Note {
    UINT id;
    UINT code;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Note&) const = default;
};
void PrintTo(const Note& note, std::ostream* out);

// Stands in for a dialog: records notifications and passes repaint requests to the manager.
class Recorder : public OrvixUI::MObject {
public:
    explicit Recorder(OrvixUI::PaintManager& manager) : m_manager(manager) {}
    long OnBaseMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam) override;
    long OnControlUpdate(const RECT& rect, BOOL update, OrvixUI::MControl* control) override;
    std::vector<Note> Take();

private:
    OrvixUI::PaintManager& m_manager;
    std::vector<Note> m_notes;
};

// A control that fills its rectangle with one colour, reports presses, releases inside, hover
// changes and wheel notches, and counts timer ticks.
class Probe : public OrvixUI::MControlFont {
public:
    Probe(OrvixUI::MObject* parent, UINT id, const RECT& rect, COLORREF color = RGB(200, 0, 0));
    void DrawControl(HDC dc, const RECT& clip) override;
    int Ticks() const { return m_ticks; }
    bool Hovered() const { return m_hovered; }
    using OrvixUI::MControl::SetControlFocus;

protected:
    BOOL OnControlMouseMove(UINT flags, POINT point) override;
    BOOL OnControlLButtonDown(UINT flags, POINT point) override;
    BOOL OnControlLButtonUp(UINT flags, POINT point) override;
    BOOL OnControlScroll(UINT kind, UINT direction, POINT point) override;
    BOOL OnControlTimer() override;

private:
    COLORREF m_color;
    bool m_hovered = false;
    int m_ticks = 0;
};

// A visible 400 x 300 window at the screen's origin whose messages go to a PaintManager.
class HostWindow {
public:
    HostWindow();
    ~HostWindow();
    HWND hwnd() const { return m_hwnd; }
    OrvixUI::PaintManager& manager() { return *m_manager; }
    Recorder& recorder() { return *m_recorder; }
    // Adds a probe as a top-level control of the window.
    Probe* AddProbe(UINT id, const RECT& rect, COLORREF color = RGB(200, 0, 0));
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam);

private:
    std::unique_ptr<OrvixUI::PaintManager> m_manager;
    std::unique_ptr<Recorder> m_recorder;
    HWND m_hwnd = nullptr;
};

// A 32-bit top-down view of a bottom-up DIB section for checking pixels.
class PixelBuffer {
public:
    PixelBuffer(int width, int height);
    ~PixelBuffer();
    HDC dc() const { return m_dc; }
    void* bits() const { return m_bits; }
    // 0x00RRGGBB of the pixel.
    DWORD Rgb(int x, int y) const;
    // 0xAARRGGBB of the pixel.
    DWORD Argb(int x, int y) const;
    void Fill(COLORREF color);

private:
    int m_width;
    int m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    void* m_bits = nullptr;
};

DWORD RgbOf(COLORREF color);
bool Near(DWORD a, DWORD b, int tolerance);
LPARAM At(int x, int y);

// One message sent to a host window and the notes it must produce; x and y are client
// coordinates (turned into screen ones for the wheel, whose messages carry those).
struct Step {
    const char* what;
    UINT message;
    WPARAM wParam;
    int x, y;
    std::vector<Note> expected;
};

void RunSteps(HostWindow& host, const std::vector<Step>& steps);

} // namespace toolkit_test
