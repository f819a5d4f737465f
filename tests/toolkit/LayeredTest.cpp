#include "ToolkitFixture.h"
#include "WindowFixture.h"

#include <gtest/gtest.h>

namespace toolkit_test {
namespace {

// Partial alpha is only blended on the X display while a compositor runs. The test starts
// xcompmgr itself (Wine runs a Unix program given by its Unix path natively) and skips when
// it cannot.
class Compositor {
public:
    Compositor() {
        wchar_t command[] = L"Z:\\usr\\bin\\xcompmgr -n";
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        m_started = CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &startup, &m_process) != FALSE;
        if (m_started) {
            // An early exit means another compositor is already running, which serves too.
            WaitForSingleObject(m_process.hProcess, 500);
        }
    }
    ~Compositor() {
        if (m_started) {
            TerminateProcess(m_process.hProcess, 0);
            CloseHandle(m_process.hThread);
            CloseHandle(m_process.hProcess);
        }
    }
    bool Started() const { return m_started; }

private:
    PROCESS_INFORMATION m_process = {};
    bool m_started = false;
};

DWORD ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF color = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return RgbOf(color);
}

TEST(LayeredWindow, ConstantAlphaIsAppliedWhenShown) {
    TestDialog dialog;
    dialog.SetWindowAlpha(128);
    ASSERT_TRUE(dialog.Create());
    dialog.ShowWindow(SW_SHOWNOACTIVATE);
    EXPECT_TRUE(dialog.GetExStyle() & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(dialog.GetSafeHwnd(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 128);
    EXPECT_EQ(flags & LWA_ALPHA, DWORD{LWA_ALPHA});
}

TEST(LayeredWindow, OpaqueDialogWithoutColourKeyIsNotLayered) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.ShowWindow(SW_SHOWNOACTIVATE);
    EXPECT_FALSE(dialog.GetExStyle() & WS_EX_LAYERED);
}

TEST(LayeredWindow, HalfAlphaBlendsWithWhatLiesBeneath) {
    Compositor compositor;
    if (!compositor.Started()) {
        GTEST_SKIP() << "no compositor could be started";
    }
    const RECT place = {600, 100, 800, 300};
    TestDialog back;
    back.GetPaintManager().SetBackColor(RGB(255, 0, 0), RGB(255, 0, 0));
    ASSERT_TRUE(back.MWindow::Create(nullptr, L"back", OrvixUI::MWindow::kDefaultStyle, 0, place));
    back.ShowWindow(SW_SHOWNOACTIVATE);
    TestDialog front;
    front.GetPaintManager().SetBackColor(RGB(0, 0, 255), RGB(0, 0, 255));
    front.SetWindowAlpha(128);
    ASSERT_TRUE(
        front.MWindow::Create(nullptr, L"front", OrvixUI::MWindow::kDefaultStyle, 0, place));
    front.ShowWindow(SW_SHOWNOACTIVATE);
    front.SetWindowPos(HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    const DWORD expected = 0x7F0080;
    DWORD seen = 0;
    for (int i = 0; i < 40 && !Near(seen, expected, 40); ++i) {
        Pump();
        Sleep(50);
        seen = ScreenPixel(700, 200);
    }
    EXPECT_TRUE(Near(seen, expected, 40)) << std::hex << seen;
}

} // namespace
} // namespace toolkit_test
