#include "app/update/HttpDownloader.h"

#include "app/core/FilePath.h"
#include "app/core/TextCodec.h"
#include "app/update/DownloadProgress.h"
#include "app/update/InternetReader.h"

#include <wininet.h>

#include <fstream>
#include <memory>
#include <vector>

namespace {

constexpr wchar_t kUserAgent[] = L"Clavira Updater/1.0";
constexpr wchar_t kAcceptHeader[] = L"Accept: */*\r\n\r\n";
constexpr DWORD kRequestFlags =
    INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE;

void SetTimeouts(HINTERNET handle, DWORD connectMs, DWORD receiveMs) {
    InternetSetOptionW(handle, INTERNET_OPTION_CONNECT_TIMEOUT, &connectMs, sizeof connectMs);
    InternetSetOptionW(handle, INTERNET_OPTION_SEND_TIMEOUT, &receiveMs, sizeof receiveMs);
    InternetSetOptionW(handle, INTERNET_OPTION_RECEIVE_TIMEOUT, &receiveMs, sizeof receiveMs);
}

InternetHandle OpenInternet(DWORD connectMs, DWORD receiveMs) {
    DWORD state = 0;
    InternetGetConnectedState(&state, 0);
    const DWORD access = (state & INTERNET_CONNECTION_PROXY)
                             ? INTERNET_OPEN_TYPE_PRECONFIG
                             : INTERNET_OPEN_TYPE_PRECONFIG_WITH_NO_AUTOPROXY;
    InternetHandle internet(InternetOpenW(kUserAgent, access, nullptr, nullptr, 0));
    if (internet) {
        SetTimeouts(internet.get(), connectMs, receiveMs);
    }
    return internet;
}

// Opens the address; an answer other than success counts as a failure to open.
InternetHandle OpenAddress(HINTERNET internet, const std::wstring& url, DWORD connectMs,
                           DWORD receiveMs) {
    InternetHandle request(
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

} // namespace

void HttpDownloader::SetTimeouts(DWORD connectMs, DWORD receiveMs) {
    m_connectMs = connectMs;
    m_receiveMs = receiveMs;
}

int HttpDownloader::FetchText(const std::wstring& url, std::wstring& text) {
    if (m_cancelled) {
        return -2;
    }
    InternetHandle internet = OpenInternet(m_connectMs, m_receiveMs);
    if (!internet) {
        return 0;
    }
    InternetHandle request = OpenAddress(internet.get(), url, m_connectMs, m_receiveMs);
    if (!request) {
        return -1;
    }
    const std::uint64_t announced = ContentLength(request.get());
    std::string body;
    std::vector<char> block(DownloadProgress::kBlockBytes);
    DWORD read = 0;
    TimedReader reader(internet, request, m_receiveMs);
    while (!m_cancelled) {
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
    if (m_cancelled) {
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
    if (m_cancelled) {
        return remember(-2);
    }
    progress.Report(0);

    InternetHandle internet = OpenInternet(m_connectMs, m_receiveMs);
    if (!internet) {
        return remember(0);
    }
    progress.Report(2);
    InternetHandle request = OpenAddress(internet.get(), url, m_connectMs, m_receiveMs);
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
    while (!m_cancelled) {
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
    if (m_cancelled) {
        return fail(-2);
    }
    out.close();
    if (out.fail() || (length != 0 && received != length)) {
        return fail(-1);
    }
    progress.Report(100);
    return remember(1);
}
