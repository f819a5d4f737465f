#include "ToolkitFixture.h"
#include "WindowFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace toolkit_test {
namespace {

// Partial alpha is only blended on the X display while a compositor runs. The test starts
// xcompmgr itself (Wine runs a Unix program given by its Unix path natively) through a shell
// that detaches it from the test's output, records its process id and bounds its life; it is
// stopped by that id afterwards. Without a shell or compositor the test is skipped.
class Compositor {
public:
    Compositor() {
        const std::wstring id = std::to_wstring(GetCurrentProcessId());
        m_pidFile = L"Z:\\tmp\\clavira_xcompmgr_" + id;
        DeleteFileW(m_pidFile.c_str());
        Run(L"Z:\\bin\\sh -c \"echo $$ > /tmp/clavira_xcompmgr_" + id +
                L"; exec /usr/bin/timeout 60 /usr/bin/xcompmgr -n </dev/null >/dev/null 2>&1\"",
            false);
        for (int i = 0; i < 40 && m_pid.empty(); ++i) {
            Sleep(50);
            m_pid = ReadPid();
        }
        if (!m_pid.empty()) {
            Sleep(500);
        }
    }
    ~Compositor() {
        if (!m_pid.empty()) {
            Run(L"Z:\\bin\\kill " + m_pid, true);
        }
        DeleteFileW(m_pidFile.c_str());
    }
    bool Started() const { return !m_pid.empty(); }

private:
    static void Run(std::wstring command, bool wait) {
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process)) {
            return;
        }
        if (wait) {
            WaitForSingleObject(process.hProcess, 5000);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }

    std::wstring ReadPid() const {
        HANDLE file = CreateFileW(m_pidFile.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return {};
        }
        char text[32] = {};
        DWORD read = 0;
        ReadFile(file, text, sizeof text - 1, &read, nullptr);
        CloseHandle(file);
        std::wstring pid;
        for (DWORD i = 0; i < read && text[i] >= '0' && text[i] <= '9'; ++i) {
            pid += static_cast<wchar_t>(text[i]);
        }
        return pid;
    }

    std::wstring m_pidFile;
    std::wstring m_pid;
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
