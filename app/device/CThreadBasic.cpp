#include "app/device/CThreadBasic.h"

CThreadBasic::~CThreadBasic() { Join(); }

void CThreadBasic::Start() {
    if (m_running.load()) {
        return;
    }
    // A thread that did not end in time when it was last stopped is finished off first.
    if (m_thread.joinable()) {
        m_thread.join();
    }
    m_period = 16;
    m_loop = 1;
    m_startTick =
        static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                       std::chrono::steady_clock::now().time_since_epoch())
                                       .count());
    {
        std::lock_guard lock(m_doneMutex);
        m_done = false;
    }
    m_running = 1;
    m_thread = std::thread(&CThreadBasic::ThreadFunction, this);
}

bool CThreadBasic::Stop() {
    m_running = 0;
    std::unique_lock lock(m_doneMutex);
    return m_doneSignal.wait_for(lock, std::chrono::milliseconds(1000), [this] { return m_done; });
}

bool CThreadBasic::HasEnded() {
    std::lock_guard lock(m_doneMutex);
    return m_done;
}

void CThreadBasic::Join() {
    m_running = 0;
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void CThreadBasic::ThreadFunction() {
    if (m_loop) {
        while (m_running.load()) {
            Pass();
            m_pause.SleepFor(std::chrono::milliseconds(m_period));
        }
    } else {
        Pass();
    }
    std::lock_guard lock(m_doneMutex);
    m_done = true;
    m_doneSignal.notify_all();
}
