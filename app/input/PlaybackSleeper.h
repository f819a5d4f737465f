#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

// The waits between played keys. A wait ends early once `stop` holds, which is checked again
// after every Wake; tests put a virtual clock here.
class PlaybackSleeper {
public:
    virtual ~PlaybackSleeper() = default;
    virtual void SleepFor(std::chrono::milliseconds duration,
                          const std::function<bool()>& stop) = 0;
    // Called after whatever `stop` reads has changed.
    virtual void Wake() = 0;
};

// Sleeps the calling thread.
class ThreadPlaybackSleeper : public PlaybackSleeper {
public:
    void SleepFor(std::chrono::milliseconds duration, const std::function<bool()>& stop) override;
    void Wake() override;

private:
    std::mutex m_mutex; // pairs Wake with the check of `stop`, so no wake is missed
    std::condition_variable m_woken;
};
