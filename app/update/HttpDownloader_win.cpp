#include "app/update/HttpDownloader.h"

#include "app/core/FilePath.h"
#include "app/core/TextCodec.h"
#include "app/update/DownloadProgress.h"

#include <wininet.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <fstream>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

constexpr wchar_t kUserAgent[] = L"Clavira Updater/1.0";
constexpr wchar_t kAcceptHeader[] = L"Accept: */*\r\n\r\n";
constexpr DWORD kRequestFlags =
    INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE;

struct HandleCloser {
    void operator()(HINTERNET handle) const { InternetCloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

void SetTimeouts(HINTERNET handle, DWORD connectMs, DWORD receiveMs) {
    InternetSetOptionW(handle, INTERNET_OPTION_CONNECT_TIMEOUT, &connectMs, sizeof connectMs);
    InternetSetOptionW(handle, INTERNET_OPTION_SEND_TIMEOUT, &receiveMs, sizeof receiveMs);
    InternetSetOptionW(handle, INTERNET_OPTION_RECEIVE_TIMEOUT, &receiveMs, sizeof receiveMs);
}

Handle OpenInternet(DWORD connectMs, DWORD receiveMs) {
    DWORD state = 0;
    InternetGetConnectedState(&state, 0);
    const DWORD access = (state & INTERNET_CONNECTION_PROXY)
                             ? INTERNET_OPEN_TYPE_PRECONFIG
                             : INTERNET_OPEN_TYPE_PRECONFIG_WITH_NO_AUTOPROXY;
    Handle internet(InternetOpenW(kUserAgent, access, nullptr, nullptr, 0));
    if (internet) {
        SetTimeouts(internet.get(), connectMs, receiveMs);
    }
    return internet;
}

// Opens the address; an answer other than success counts as a failure to open.
Handle OpenAddress(HINTERNET internet, const std::wstring& url, DWORD connectMs, DWORD receiveMs) {
    Handle request(
        InternetOpenUrlW(internet, url.c_str(), kAcceptHeader, DWORD(-1), kRequestFlags, 0));
    if (!request) {
        return nullptr;
    }
    // Not every WinINet carries the session's limits over to the open connection.
    SetTimeouts(request.get(), connectMs, receiveMs);
    DWORD status = 0;
    DWORD size = sizeof status;
    const BOOL http = HttpQueryInfoW(request.get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER,
                                     &status, &size, nullptr);
    if (http && (status < 200 || status > 299)) {
        return nullptr;
    }
    return request;
}

// The announced length, or 0 when the server gave none.
std::uint64_t ContentLength(HINTERNET request) {
    wchar_t text[32] = {};
    DWORD size = sizeof text;
    if (!HttpQueryInfoW(request, HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr)) {
        return 0;
    }
    return std::wcstoull(text, nullptr, 10);
}

// Not every WinINet honours the receive limit while a read waits (Wine's does not), and a
// waiting read cannot be interrupted there either. So a helper thread reads ahead into a short
// queue and the transfer waits on the queue with the limit. A reader still waiting when the
// transfer ends is left behind with the handles, which it closes once its read returns.
class TimedReader {
public:
    enum class Result { Data, Failed, TimedOut };

    TimedReader(Handle& internet, Handle& request, DWORD limitMs)
        : m_internet(internet), m_request(request), m_limit(std::chrono::milliseconds(limitMs)),
          m_shared(std::make_shared<Shared>()),
          m_thread(ReadAhead, m_shared, internet.get(), request.get()) {}

    ~TimedReader() {
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

    TimedReader(const TimedReader&) = delete;
    TimedReader& operator=(const TimedReader&) = delete;

    // The next block, or an empty one (read = 0) at the end of the data.
    Result Read(std::vector<char>& block, DWORD& read) {
        std::unique_lock<std::mutex> lock(m_shared->mutex);
        if (!m_shared->changed.wait_for(
                lock, m_limit, [&] { return !m_shared->blocks.empty() || m_shared->ended; })) {
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

private:
    static constexpr size_t kBlocksAhead = 64;

    struct Shared {
        std::mutex mutex;
        std::condition_variable changed;
        std::deque<std::vector<char>> blocks;
        bool ended = false; // end of data or a failed read
        bool failed = false;
        bool abandoned = false;
    };

    static void ReadAhead(std::shared_ptr<Shared> shared, HINTERNET internet, HINTERNET request) {
        for (;;) {
            {
                std::unique_lock<std::mutex> lock(shared->mutex);
                shared->changed.wait(lock, [&] {
                    return shared->blocks.size() < kBlocksAhead || shared->abandoned;
                });
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

    Handle& m_internet;
    Handle& m_request;
    const std::chrono::milliseconds m_limit;
    std::shared_ptr<Shared> m_shared;
    std::thread m_thread;
};

} // namespace

void HttpDownloader::SetTimeouts(DWORD connectMs, DWORD receiveMs) {
    m_connectMs = connectMs;
    m_receiveMs = receiveMs;
}

int HttpDownloader::FetchText(const std::wstring& url, std::wstring& text) {
    m_running = true;
    Handle internet = OpenInternet(m_connectMs, m_receiveMs);
    if (!internet) {
        return 0;
    }
    Handle request = OpenAddress(internet.get(), url, m_connectMs, m_receiveMs);
    if (!request) {
        return -1;
    }
    const std::uint64_t announced = ContentLength(request.get());
    std::string body;
    std::vector<char> block(DownloadProgress::kBlockBytes);
    DWORD read = 0;
    TimedReader reader(internet, request, m_receiveMs);
    while (m_running) {
        if (reader.Read(block, read) != TimedReader::Result::Data) {
            return -1;
        }
        if (read == 0) {
            break;
        }
        body.append(block.data(), read);
        if (body.size() > kMaxTextBytes) {
            return -1;
        }
    }
    if (!m_running) {
        return -2;
    }
    if (announced != 0 && body.size() != announced) {
        return -1;
    }
    text = Utf8ToWide(body);
    return 1;
}

int HttpDownloader::DownloadFile(const std::wstring& url, const std::wstring& path, HWND window) {
    DownloadProgress progress(
        [window](int value) {
            if (window) {
                PostMessageW(window, kProgressMessage, 0, value);
            }
        },
        m_lastProgress);
    const auto remember = [&](int result) {
        m_lastProgress = progress.Last();
        return result;
    };
    m_running = true;
    progress.Report(0);

    Handle internet = OpenInternet(m_connectMs, m_receiveMs);
    if (!internet) {
        return remember(0);
    }
    progress.Report(2);
    Handle request = OpenAddress(internet.get(), url, m_connectMs, m_receiveMs);
    if (!request) {
        return remember(-1);
    }
    progress.Report(8);

    const std::filesystem::path file = PathFromWide(path);
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) {
        return remember(-1);
    }
    const std::uint64_t length = ContentLength(request.get());
    progress.Report(10);

    const auto fail = [&](int result) {
        out.close();
        std::filesystem::remove(file, ignored);
        return remember(result);
    };
    std::vector<char> block(DownloadProgress::kBlockBytes);
    std::uint64_t received = 0;
    DWORD read = 0;
    TimedReader reader(internet, request, m_receiveMs);
    while (m_running) {
        if (reader.Read(block, read) != TimedReader::Result::Data) {
            return fail(-1);
        }
        if (read == 0) {
            break;
        }
        out.write(block.data(), read);
        received += read;
        progress.ReportReceived(received, length);
    }
    if (!m_running) {
        return fail(-2);
    }
    out.close();
    if (out.fail() || (length != 0 && received != length)) {
        return fail(-1);
    }
    progress.Report(100);
    return remember(1);
}
