#include "WindowFixture.h"

namespace toolkit_test {

HWND TestDialog::Create(HWND owner) {
    return MWindow::Create(owner, L"test dialog", kDefaultStyle, 0, RECT{0, 0, 300, 200});
}

void TestDialog::Post(std::function<void()> step) {
    m_step = std::move(step);
    PostMessageW(kRunStep, 0, 0);
}

LRESULT TestDialog::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kRunStep && m_step) {
        auto step = std::move(m_step);
        m_step = nullptr;
        step();
        return 0;
    }
    return MDialog::OnWindowMessage(message, wParam, lParam);
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

} // namespace toolkit_test
