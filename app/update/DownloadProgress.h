#pragma once

#include <cstdint>
#include <functional>

// Progress of a download as the main window is told it: 0 when a new download starts after an
// earlier one, 2 once connected, 8 once the request is open, 10 once the file is created, then
// 10 + 90 x (full 10240-byte blocks received) / (blocks expected) while data arrives, and 100 at
// the end. A value is reported only when it differs from the last one reported.
class DownloadProgress {
public:
    static constexpr std::uint64_t kBlockBytes = 10240;

    // `last` is the value reported last, by an earlier download of the same downloader.
    explicit DownloadProgress(std::function<void(int)> report, int last = 0)
        : m_report(std::move(report)), m_last(last) {}

    void Report(int value);
    // Reports the value for `received` bytes of `contentLength`; nothing while the length is
    // unknown or below one block.
    void ReportReceived(std::uint64_t received, std::uint64_t contentLength);
    int Last() const { return m_last; }

private:
    std::function<void(int)> m_report;
    int m_last;
};
