#pragma once

#include "toolkit/core/MDialog.h"

#include <functional>

namespace toolkit_test {

// Runs a step inside the window's own message loop: Post() queues it, the loop calls it.
constexpr UINT kRunStep = WM_APP + 1;

// A toolkit dialog for tests: hidden 300 x 200 at the screen's origin until shown; steps
// posted with Post() run inside whatever loop serves it.
class TestDialog : public OrvixUI::MDialog {
public:
    HWND Create(HWND owner = nullptr);
    void Post(std::function<void()> step);
    LRESULT OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::function<void()> m_step;
};

// Dispatches every queued message of this thread until none is left.
void Pump();

} // namespace toolkit_test
