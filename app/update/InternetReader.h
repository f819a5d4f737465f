#pragma once

#include <windows.h>

#include <wininet.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

struct InternetHandleCloser {
    void operator()(HINTERNET handle) const { InternetCloseHandle(handle); }
};
using InternetHandle = std::unique_ptr<void, InternetHandleCloser>;

// Reads a WinINet request with a time limit on every wait for data. Not every WinINet honours
// the receive limit while a read waits (Wine's does not), and a waiting read cannot be
// interrupted there either. So a helper thread reads ahead into a short queue and the transfer
// waits on the queue with the limit. A reader still waiting when the transfer ends is left
// behind with the handles (taken from the caller), which it closes once its read returns.
class TimedReader {
public:
    enum class Result { Data, Failed, TimedOut };

    TimedReader(InternetHandle& internet, InternetHandle& request, DWORD limitMs);
    ~TimedReader();
    TimedReader(const TimedReader&) = delete;
    TimedReader& operator=(const TimedReader&) = delete;

    // The next block, or an empty one (read = 0) at the end of the data.
    Result Read(std::vector<char>& block, DWORD& read);

private:
    struct Shared {
        std::mutex mutex;
        std::condition_variable changed;
        std::deque<std::vector<char>> blocks;
        bool ended = false; // end of data or a failed read
        bool failed = false;
        bool abandoned = false;
    };

    static void ReadAhead(std::shared_ptr<Shared> shared, HINTERNET internet, HINTERNET request);

    InternetHandle& m_internet;
    InternetHandle& m_request;
    const std::chrono::milliseconds m_limit;
    std::shared_ptr<Shared> m_shared;
    std::thread m_thread;
};
