#include "LocalHttpServer.h"

#include "app/update/HttpDownloader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string Pattern(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 131 + i / 7) & 0xFF);
    }
    return bytes;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Collects the progress values posted to a message-only window.
class ProgressWindow {
public:
    ProgressWindow()
        : m_window(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                   nullptr)) {}
    ~ProgressWindow() { DestroyWindow(m_window); }
    HWND Handle() const { return m_window; }

    std::vector<int> Values() {
        std::vector<int> values;
        MSG msg;
        while (PeekMessageW(&msg, m_window, HttpDownloader::kProgressMessage,
                            HttpDownloader::kProgressMessage, PM_REMOVE)) {
            EXPECT_EQ(msg.wParam, 0u);
            values.push_back(static_cast<int>(msg.lParam));
        }
        return values;
    }

private:
    HWND m_window;
};

class HttpDownloaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() /
                   ("download-" +
                    std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(m_folder);
        m_downloader.SetTimeouts(2000, 2000);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::wstring Target() const { return (m_folder / "package.zip").wstring(); }

    LocalHttpServer m_server;
    HttpDownloader m_downloader;
    fs::path m_folder;
};

TEST_F(HttpDownloaderTest, FetchesTheVersionText) {
    m_server.Route("/clavira/version", LocalHttpServer::Answer(200, "1.0.2"));
    m_server.Start();
    std::wstring text;
    EXPECT_EQ(m_downloader.FetchText(m_server.Url("/clavira/version"), text), 1);
    EXPECT_EQ(text, L"1.0.2");
}

TEST_F(HttpDownloaderTest, ErrorAnswersAndOversizedTextsAreFailures) {
    m_server.Route("/huge", LocalHttpServer::Answer(200, std::string(1 << 20, '1')));
    m_server.Start();
    std::wstring text = L"unchanged";
    EXPECT_EQ(m_downloader.FetchText(m_server.Url("/missing"), text), -1) << "404 with a body";
    EXPECT_EQ(m_downloader.FetchText(m_server.Url("/huge"), text), -1);
    EXPECT_EQ(text, L"unchanged");
}

TEST_F(HttpDownloaderTest, ConnectionRefusedIsAFailure) {
    // Nothing listens on port 9 of the loopback address.
    std::wstring text;
    EXPECT_EQ(m_downloader.FetchText(L"http://127.0.0.1:9/version", text), -1);
    EXPECT_EQ(m_downloader.DownloadFile(L"http://127.0.0.1:9/a.zip", Target(), nullptr), -1);
    EXPECT_FALSE(fs::exists(Target()));
}

TEST_F(HttpDownloaderTest, DownloadsExactlyWithEveryProgressValueOnce) {
    const std::string package = Pattern(5 * 1024 * 1024);
    m_server.Route("/clavira//Keyboard-Software-1.0.2.zip", LocalHttpServer::Answer(200, package));
    m_server.Start();
    ProgressWindow window;
    EXPECT_EQ(m_downloader.DownloadFile(m_server.Url("/clavira//Keyboard-Software-1.0.2.zip"),
                                        Target(), window.Handle()),
              1);
    EXPECT_TRUE(ReadFile(Target()) == package) << "byte for byte";

    std::vector<int> expected = {2, 8};
    for (int value = 10; value <= 100; ++value) {
        expected.push_back(value);
    }
    EXPECT_EQ(window.Values(), expected);

    // The next download starts by going back to 0.
    m_downloader.DownloadFile(m_server.Url("/missing"), Target(), window.Handle());
    EXPECT_EQ(window.Values(), (std::vector<int>{0, 2}));
}

TEST_F(HttpDownloaderTest, ShortOrFailedDownloadsLeaveNoFile) {
    m_server.Route("/short", [](SOCKET socket, const std::atomic<bool>&) {
        LocalHttpServer::Send(socket, "HTTP/1.0 200 OK\r\nContent-Length: 100000\r\n\r\n" +
                                          std::string(50000, 'x'));
    });
    m_server.Start();
    EXPECT_EQ(m_downloader.DownloadFile(m_server.Url("/short"), Target(), nullptr), -1);
    EXPECT_FALSE(fs::exists(Target()));
    EXPECT_EQ(m_downloader.DownloadFile(m_server.Url("/missing"), Target(), nullptr), -1);
    EXPECT_FALSE(fs::exists(Target()));
}

TEST_F(HttpDownloaderTest, StallingServerIsGivenUp) {
    // The server would stall for a minute; the download must end while it still stalls.
    std::atomic<bool> stalling{false};
    m_server.Route("/stall", [&stalling](SOCKET socket, const std::atomic<bool>& stopping) {
        LocalHttpServer::Send(socket, "HTTP/1.0 200 OK\r\nContent-Length: 100000\r\n\r\nabc");
        stalling = true;
        for (int i = 0; i < 1200 && !stopping; ++i) {
            Sleep(50);
        }
        stalling = false;
    });
    m_server.Start();
    EXPECT_EQ(m_downloader.DownloadFile(m_server.Url("/stall"), Target(), nullptr), -1);
    EXPECT_TRUE(stalling) << "the download waited for the server to give up";
    EXPECT_FALSE(fs::exists(Target()));
}

TEST_F(HttpDownloaderTest, CancelledTransferReturnsMinusTwo) {
    m_server.Route("/slow", [](SOCKET socket, const std::atomic<bool>& stopping) {
        LocalHttpServer::Send(socket, "HTTP/1.0 200 OK\r\nContent-Length: 1000000\r\n\r\n");
        for (int i = 0; i < 100 && !stopping; ++i) {
            LocalHttpServer::Send(socket, std::string(10000, 'y'));
            Sleep(20);
        }
    });
    m_server.Start();
    std::thread canceller([this] {
        Sleep(200);
        m_downloader.Cancel();
    });
    EXPECT_EQ(m_downloader.DownloadFile(m_server.Url("/slow"), Target(), nullptr), -2);
    canceller.join();
    EXPECT_FALSE(fs::exists(Target()));
}

// A cancel between two transfers of one task (the version, then the package) holds for the
// second: nothing more is asked of the server and no file appears.
TEST_F(HttpDownloaderTest, CancelHoldsForEveryLaterTransfer) {
    std::atomic<int> requests{0};
    m_server.Route("/clavira/version", [&requests](SOCKET socket, const std::atomic<bool>&) {
        ++requests;
        LocalHttpServer::Send(socket, "HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\n1.0.2");
    });
    m_server.Start();
    m_downloader.Cancel();
    std::wstring text;
    EXPECT_EQ(m_downloader.FetchText(m_server.Url("/clavira/version"), text), -2);
    EXPECT_EQ(m_downloader.DownloadFile(m_server.Url("/clavira/version"), Target(), nullptr), -2);
    EXPECT_EQ(requests, 0);
    EXPECT_TRUE(text.empty());
    EXPECT_FALSE(fs::exists(Target()));
}

} // namespace
