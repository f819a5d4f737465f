#include "ToolkitFixture.h"

#include "toolkit/core/MRender.h"
#include "toolkit/core/Manager.h"

#include <cstdlib>
#include <ostream>

namespace toolkit_test {

namespace {

class GdiplusEnvironment : public ::testing::Environment {
public:
    void SetUp() override { OrvixUI::Manager::InitGdiplus(); }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* manager =
        reinterpret_cast<OrvixUI::PaintManager*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (manager) {
        LRESULT result = manager->OnWindowMessage(message, wParam, lParam);
        if (result || message == WM_PAINT) {
            return result;
        }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

const wchar_t* HostClass() {
    static const wchar_t* name = [] {
        WNDCLASSW wc = {};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = HostProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"OrvixTestHost";
        RegisterClassW(&wc);
        return L"OrvixTestHost";
    }();
    return name;
}

} // namespace

void PrintTo(const Note& note, std::ostream* out) {
    *out << "{id " << note.id << ", code " << note.code << ", " << note.wParam << ", "
         << note.lParam << "}";
}

long Recorder::OnBaseMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam) {
    m_notes.push_back(Note{id, code, wParam, code == 3 ? 0 : lParam});
    return 0;
}

long Recorder::OnControlUpdate(const RECT& rect, BOOL update, OrvixUI::MControl* control) {
    return m_manager.OnControlUpdate(rect, update, control);
}

std::vector<Note> Recorder::Take() {
    std::vector<Note> notes;
    notes.swap(m_notes);
    return notes;
}

Probe::Probe(OrvixUI::MObject* parent, UINT id, const RECT& rect, COLORREF color)
    : MControlFont(parent, id, rect, TRUE, TRUE, TRUE), m_color(color) {}

void Probe::DrawControl(HDC dc, const RECT&) {
    OrvixUI::MRender::FillSolidRect(dc, m_rect, m_color);
}

BOOL Probe::OnControlMouseMove(UINT, POINT point) {
    bool inside = ::PtInRect(&m_rect, point) != FALSE;
    if (inside != m_hovered) {
        m_hovered = inside;
        SendMessageW(inside ? kEnter : kLeave, 0, 0);
    }
    return inside;
}

BOOL Probe::OnControlLButtonDown(UINT, POINT) {
    SendMessageW(1, 0, 0);
    return TRUE;
}

BOOL Probe::OnControlLButtonUp(UINT, POINT point) {
    if (::PtInRect(&m_rect, point)) {
        SendMessageW(2, 0, 0);
    }
    return TRUE;
}

BOOL Probe::OnControlScroll(UINT, UINT direction, POINT) {
    SendMessageW(kScrolled, direction, 0);
    return TRUE;
}

BOOL Probe::OnControlTimer() {
    ++m_ticks;
    return TRUE;
}

HostWindow::HostWindow()
    : m_manager(std::make_unique<OrvixUI::PaintManager>()),
      m_recorder(std::make_unique<Recorder>(*m_manager)) {
    m_hwnd = CreateWindowExW(0, HostClass(), L"host", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300,
                             nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(m_manager.get()));
    m_manager->Init(m_hwnd, m_recorder.get());
}

HostWindow::~HostWindow() {
    SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
    DestroyWindow(m_hwnd);
    m_manager.reset();
}

Probe* HostWindow::AddProbe(UINT id, const RECT& rect, COLORREF color) {
    auto* probe = new Probe(m_recorder.get(), id, rect, color);
    m_manager->AddControl(probe);
    return probe;
}

LRESULT HostWindow::Send(UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageW(m_hwnd, message, wParam, lParam);
}

void RunSteps(HostWindow& host, const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        POINT point = {step.x, step.y};
        if (step.message == WM_MOUSEWHEEL) {
            ClientToScreen(host.hwnd(), &point);
        }
        host.Send(step.message, step.wParam, At(point.x, point.y));
        EXPECT_EQ(host.recorder().Take(), step.expected) << step.what;
    }
}

PixelBuffer::PixelBuffer(int width, int height) : m_width(width), m_height(height) {
    m_dc = CreateCompatibleDC(nullptr);
    m_bitmap = OrvixUI::MRender::CreateARGB32Bitmap(m_dc, width, height, &m_bits);
    m_old = SelectObject(m_dc, m_bitmap);
}

PixelBuffer::~PixelBuffer() {
    SelectObject(m_dc, m_old);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
}

DWORD PixelBuffer::Rgb(int x, int y) const { return Argb(x, y) & 0x00FFFFFF; }

DWORD PixelBuffer::Argb(int x, int y) const {
    GdiFlush();
    const auto* pixels = static_cast<const DWORD*>(m_bits);
    return pixels[static_cast<size_t>(m_height - 1 - y) * m_width + x];
}

void PixelBuffer::Fill(COLORREF color) {
    OrvixUI::MRender::FillSolidRect(m_dc, RECT{0, 0, m_width, m_height}, color);
}

DWORD RgbOf(COLORREF color) {
    return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}

bool Near(DWORD a, DWORD b, int tolerance) {
    for (int shift = 0; shift <= 16; shift += 8) {
        int ca = static_cast<int>((a >> shift) & 0xFF), cb = static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(ca - cb) > tolerance) {
            return false;
        }
    }
    return true;
}

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

} // namespace toolkit_test
