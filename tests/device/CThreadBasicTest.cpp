#include "app/device/CThreadBasic.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <set>
#include <thread>

namespace {

// Records the threads its passes ran on; a pass can be held until released.
class RecordingThread : public CThreadBasic {
public:
    ~RecordingThread() override {
        Release();
        Join();
    }
    void Hold() { m_held = true; }
    void Release() { m_held = false; }
    int Passes() const { return m_passes; }
    std::size_t Threads() {
        std::lock_guard lock(m_mutex);
        return m_threads.size();
    }

protected:
    void Pass() override {
        {
            std::lock_guard lock(m_mutex);
            m_threads.insert(std::this_thread::get_id());
        }
        ++m_passes;
        while (m_held) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

private:
    std::atomic<bool> m_held{false};
    std::atomic<int> m_passes{0};
    std::mutex m_mutex;
    std::set<std::thread::id> m_threads;
};

void WaitForPasses(const RecordingThread& thread, int passes) {
    for (int i = 0; i < 1000 && thread.Passes() < passes; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

} // namespace

TEST(CThreadBasicTest, StartWhileRunningStartsNoSecondThread) {
    RecordingThread thread;
    thread.Start();
    thread.Start();
    WaitForPasses(thread, 3);
    EXPECT_TRUE(thread.Stop());
    EXPECT_GE(thread.Passes(), 3);
    EXPECT_EQ(thread.Threads(), 1u);
}

TEST(CThreadBasicTest, StopGivesUpOnAStuckPassAndTheThreadEndsLater) {
    RecordingThread thread;
    thread.Hold();
    thread.Start();
    WaitForPasses(thread, 1);
    const auto before = std::chrono::steady_clock::now();
    EXPECT_FALSE(thread.Stop());
    EXPECT_GE(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(1000));
    thread.Release();
    // Started again once the old thread is done with its pass.
    thread.Start();
    WaitForPasses(thread, 2);
    EXPECT_TRUE(thread.Stop());
}

TEST(CThreadBasicTest, RequestStopEndsTheThreadAfterItsCurrentPass) {
    RecordingThread thread;
    EXPECT_TRUE(thread.HasEnded()) << "never started";
    thread.Hold();
    thread.Start();
    WaitForPasses(thread, 1);
    thread.RequestStop();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(thread.HasEnded()) << "the pass it is in runs to its end";
    thread.Release();
    for (int i = 0; i < 1000 && !thread.HasEnded(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_TRUE(thread.HasEnded());
    EXPECT_EQ(thread.Passes(), 1);
}
