#include "app/update/DownloadProgress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

TEST(DownloadProgress, ReportsOnlyChangesAndStaysWithinRange) {
    std::vector<int> reported;
    DownloadProgress progress([&](int value) { reported.push_back(value); }, 100);
    progress.Report(0);
    progress.Report(0);
    progress.Report(2);
    const std::uint64_t length = 30 * DownloadProgress::kBlockBytes;
    for (std::uint64_t received = 0; received <= length + 5 * DownloadProgress::kBlockBytes;
         received += DownloadProgress::kBlockBytes / 2) {
        progress.ReportReceived(received, length);
    }
    std::vector<int> expected = {0, 2, 10};
    for (int block = 1; block <= 30; ++block) {
        expected.push_back(10 + 90 * block / 30);
    }
    expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
    EXPECT_EQ(reported, expected) << "and never past 100 when more arrives than announced";
}

TEST(DownloadProgress, UnknownOrTinyLengthsReportNothingWhileReceiving) {
    std::vector<int> reported;
    DownloadProgress progress([&](int value) { reported.push_back(value); });
    progress.ReportReceived(50000, 0);
    progress.ReportReceived(5000, 10239);
    EXPECT_TRUE(reported.empty());
}

} // namespace
