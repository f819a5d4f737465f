#include "app/update/InternetReader.h"

#include "app/update/DownloadProgress.h"

namespace {
constexpr size_t kBlocksAhead = 64;
}

TimedReader::TimedReader(InternetHandle& internet, InternetHandle& request, DWORD limitMs)
    : m_internet(internet), m_request(request), m_limit(std::chrono::milliseconds(limitMs)),
      m_shared(std::make_shared<Shared>()),
      m_thread(ReadAhead, m_shared, internet.get(), request.get()) {}

TimedReader::~TimedReader() {
    std::unique_lock<std::mutex> lock(m_shared->mutex);
    if (m_shared->ended) {
        lock.unlock();
        m_thread.join();
        return;
    }
    m_shared->abandoned = true;
    m_request.release();
    m_internet.release();
    m_shared->changed.notify_all();
    m_thread.detach();
}

TimedReader::Result TimedReader::Read(std::vector<char>& block, DWORD& read) {
    std::unique_lock<std::mutex> lock(m_shared->mutex);
    if (!m_shared->changed.wait_for(lock, m_limit,
                                    [&] { return !m_shared->blocks.empty() || m_shared->ended; })) {
        return Result::TimedOut;
    }
    if (!m_shared->blocks.empty()) {
        block.swap(m_shared->blocks.front());
        m_shared->blocks.pop_front();
        m_shared->changed.notify_all();
        read = static_cast<DWORD>(block.size());
        return Result::Data;
    }
    read = 0;
    return m_shared->failed ? Result::Failed : Result::Data;
}

void TimedReader::ReadAhead(std::shared_ptr<Shared> shared, HINTERNET internet, HINTERNET request) {
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(shared->mutex);
            shared->changed.wait(
                lock, [&] { return shared->blocks.size() < kBlocksAhead || shared->abandoned; });
            if (shared->abandoned) {
                break;
            }
        }
        std::vector<char> block(DownloadProgress::kBlockBytes);
        DWORD count = 0;
        const BOOL ok =
            InternetReadFile(request, block.data(), static_cast<DWORD>(block.size()), &count);
        std::lock_guard<std::mutex> lock(shared->mutex);
        if (shared->abandoned) {
            break;
        }
        if (!ok || count == 0) {
            shared->failed = !ok;
            shared->ended = true;
            shared->changed.notify_all();
            return;
        }
        block.resize(count);
        shared->blocks.push_back(std::move(block));
        shared->changed.notify_all();
    }
    InternetCloseHandle(request);
    InternetCloseHandle(internet);
}
