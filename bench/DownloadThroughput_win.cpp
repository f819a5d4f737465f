// Download throughput from a local server through the update downloader, under Wine or
// Windows: prints the median of several 20 MB transfers in MB/s.

#include "tests/update/LocalHttpServer.h"

#include "app/update/HttpDownloader.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

int main() {
    constexpr size_t kBytes = 20 * 1024 * 1024;
    LocalHttpServer server;
    server.Route("/package.zip", LocalHttpServer::Answer(200, std::string(kBytes, 'z')));
    server.Start();
    const std::filesystem::path target =
        std::filesystem::temp_directory_path() / "clavira-throughput.zip";

    HttpDownloader downloader;
    std::vector<double> rates;
    for (int run = 0; run < 7; ++run) {
        const auto start = std::chrono::steady_clock::now();
        if (downloader.DownloadFile(server.Url("/package.zip"), target.wstring(), nullptr) != 1) {
            std::puts("download failed");
            return 1;
        }
        const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
        rates.push_back(kBytes / (1024.0 * 1024.0) / seconds.count());
    }
    std::filesystem::remove(target);
    std::sort(rates.begin(), rates.end());
    std::printf(
        "download throughput, 20 MB from 127.0.0.1: median %.1f MB/s (min %.1f, max %.1f)\n",
        rates[rates.size() / 2], rates.front(), rates.back());
    return 0;
}
