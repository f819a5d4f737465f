#pragma once

#include "app/device/Sleeper.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

// A thread that runs Pass() over and over with a fixed pause between passes, until stopped.
//
// Stop waits at most a second for the thread to end and then lets the caller go on; the
// thread itself is joined at the latest by the destructor, so it never outlives the object
// whose Pass() it runs.
class CThreadBasic {
public:
    // `pause` is where the pause between passes goes, so tests can run passes back to back.
    explicit CThreadBasic(Sleeper& pause = ThreadSleeper()) : m_pause(pause) {}
    virtual ~CThreadBasic();
    CThreadBasic(const CThreadBasic&) = delete;
    CThreadBasic& operator=(const CThreadBasic&) = delete;

    // Starts the thread, only when it is not running already.
    void Start();
    // Asks the thread to end and waits for it up to a second; false when it has not ended.
    bool Stop();
    // Asks the thread to end after its current pass and returns at once; the thread may ask
    // this of itself. A window whose thread serves the pass's calls waits with HasEnded.
    void RequestStop() { m_running = 0; }
    // True once the thread function has returned, or when the thread never started.
    bool HasEnded();
    bool IsRunning() const { return m_running.load(); }

    int Period() const { return m_period; }
    std::uint32_t StartTick() const { return m_startTick; }

protected:
    virtual void Pass() = 0;
    // Classes whose Pass() uses their own members call this first in their destructor, so the
    // thread ends before those members go.
    void Join();

private:
    void ThreadFunction();

    Sleeper& m_pause;
    std::mutex m_doneMutex; // guards m_done
    std::condition_variable m_doneSignal;
    bool m_done = true;
    std::atomic<int> m_running{0};
    int m_loop = 1;
    int m_period = 16; // ms
    std::uint32_t m_startTick = 0;
    std::thread m_thread;
};
