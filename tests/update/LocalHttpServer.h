#pragma once

#include <winsock2.h>

#include <atomic>
#include <functional>
#include <map>
#include <string>
#include <thread>

// A small HTTP/1.0 server on 127.0.0.1 for the download tests: each path has a handler that
// writes the whole raw answer (status line, headers, body) to the connection. Connections are
// served one at a time, which is all the downloader needs.
class LocalHttpServer {
public:
    using Handler = std::function<void(SOCKET, const std::atomic<bool>& stopping)>;

    LocalHttpServer();
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    void Route(const std::string& path, Handler handler) { m_routes[path] = std::move(handler); }
    void Start();
    std::wstring Url(const std::string& path) const;

    static void Send(SOCKET socket, const std::string& bytes);
    // A complete answer with the given status and body, announcing its length.
    static Handler Answer(int status, std::string body);

private:
    void Serve();

    std::map<std::string, Handler> m_routes;
    SOCKET m_listener = INVALID_SOCKET;
    int m_port = 0;
    std::atomic<bool> m_stopping{false};
    std::thread m_thread;
};
