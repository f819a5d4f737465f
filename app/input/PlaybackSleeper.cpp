#include "app/input/PlaybackSleeper.h"

void ThreadPlaybackSleeper::SleepFor(std::chrono::milliseconds duration,
                                     const std::function<bool()>& stop) {
    std::unique_lock lock(m_mutex);
    m_woken.wait_for(lock, duration, stop);
}

void ThreadPlaybackSleeper::Wake() {
    { std::lock_guard lock(m_mutex); }
    m_woken.notify_all();
}
