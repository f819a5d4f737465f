#include "app/update/DownloadProgress.h"

#include <algorithm>

void DownloadProgress::Report(int value) {
    if (value == m_last) {
        return;
    }
    m_last = value;
    if (m_report) {
        m_report(value);
    }
}

void DownloadProgress::ReportReceived(std::uint64_t received, std::uint64_t contentLength) {
    if (contentLength < kBlockBytes) {
        return;
    }
    const std::uint64_t blocks = received / kBlockBytes;
    const std::uint64_t expected = contentLength / kBlockBytes;
    // A server sending more than it announced must not push the value past the end.
    Report(static_cast<int>(std::min<std::uint64_t>(10 + 90 * blocks / expected, 100)));
}
