#include "app/ui/UiThreadCalls.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

LRESULT CALLBACK CallingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (UiThreadCalls::Handle(message, wParam, lParam)) {
        return 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A hidden window on the test's thread that runs the calls it is sent.
class UiThreadCallsTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = CallingWindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"UiThreadCallsTest";
        RegisterClassW(&windowClass);
        m_window = CreateWindowExW(0, L"UiThreadCallsTest", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(m_window, nullptr);
        m_calls.Attach(m_window);
    }
    void TearDown() override {
        if (m_window) {
            DestroyWindow(m_window);
        }
    }

    HWND m_window = nullptr;
    UiThreadCalls m_calls;
};

// The shape of the main window's shutdown: the window's thread waits for another thread to
// end while that thread still makes calls into the window.
TEST_F(UiThreadCallsTest, CallsFromAnotherThreadRunInOrderOnTheWindowsThread) {
    const DWORD windowThread = GetCurrentThreadId();
    std::vector<int> order;
    std::vector<DWORD> threads;
    std::vector<bool> results;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        for (int i = 0; i < 10; ++i) {
            results.push_back(m_calls.Run([&] {
                order.push_back(i);
                threads.push_back(GetCurrentThreadId());
            }));
            // The caller waited: the call has run when Run returns.
            EXPECT_EQ(order.size(), static_cast<size_t>(i + 1));
        }
        done = true;
    });
    EXPECT_TRUE(UiThreadCalls::WaitRunningCalls([&] { return done.load(); }, 10000));
    worker.join();
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(threads, std::vector<DWORD>(10, windowThread));
    EXPECT_EQ(results, std::vector<bool>(10, true));
}

TEST_F(UiThreadCallsTest, OnceClosingCallsFromOtherThreadsAreDropped) {
    m_calls.BeginClosing();
    bool ran = false;
    bool result = true;
    std::thread([&] { result = m_calls.Run([&] { ran = true; }); }).join();
    EXPECT_FALSE(result);
    EXPECT_FALSE(ran);

    EXPECT_TRUE(m_calls.Run([&] { ran = true; })) << "the window's own thread still calls";
    EXPECT_TRUE(ran);
}

TEST_F(UiThreadCallsTest, ACallToAWindowThatIsGoneDoesNotRun) {
    DestroyWindow(m_window);
    m_window = nullptr;
    bool ran = false;
    bool result = true;
    std::thread([&] { result = m_calls.Run([&] { ran = true; }); }).join();
    EXPECT_FALSE(result);
    EXPECT_FALSE(ran);
}

TEST_F(UiThreadCallsTest, WaitingGivesUpAfterItsTimeout) {
    const ULONGLONG start = GetTickCount64();
    EXPECT_FALSE(UiThreadCalls::WaitRunningCalls([] { return false; }, 100));
    EXPECT_GE(GetTickCount64() - start, 100u);
}

} // namespace
