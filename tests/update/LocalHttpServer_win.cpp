#include "LocalHttpServer.h"

#include <ws2tcpip.h>

LocalHttpServer::LocalHttpServer() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    m_listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(m_listener, 8);
    int size = sizeof address;
    getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &size);
    m_port = ntohs(address.sin_port);
}

LocalHttpServer::~LocalHttpServer() {
    m_stopping = true;
    closesocket(m_listener);
    if (m_thread.joinable()) {
        m_thread.join();
    }
    WSACleanup();
}

void LocalHttpServer::Start() {
    m_thread = std::thread([this] { Serve(); });
}

std::wstring LocalHttpServer::Url(const std::string& path) const {
    return L"http://127.0.0.1:" + std::to_wstring(m_port) + std::wstring(path.begin(), path.end());
}

void LocalHttpServer::Send(SOCKET socket, const std::string& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        const int n = send(socket, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
        if (n <= 0) {
            return;
        }
        sent += static_cast<size_t>(n);
    }
}

LocalHttpServer::Handler LocalHttpServer::Answer(int status, std::string body) {
    return [status, body](SOCKET socket, const std::atomic<bool>&) {
        Send(socket, "HTTP/1.0 " + std::to_string(status) +
                         " Answer\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                         std::to_string(body.size()) + "\r\n\r\n" + body);
    };
}

void LocalHttpServer::Serve() {
    while (!m_stopping) {
        SOCKET client = accept(m_listener, nullptr, nullptr);
        if (client == INVALID_SOCKET) {
            return;
        }
        std::string request;
        char buffer[2048];
        while (request.find("\r\n\r\n") == std::string::npos) {
            const int n = recv(client, buffer, sizeof buffer, 0);
            if (n <= 0) {
                break;
            }
            request.append(buffer, static_cast<size_t>(n));
        }
        const size_t start = request.find(' ') + 1;
        const std::string path = request.substr(start, request.find(' ', start) - start);
        const auto route = m_routes.find(path);
        if (route != m_routes.end()) {
            route->second(client, m_stopping);
        } else {
            Answer(404, "not here")(client, m_stopping);
        }
        shutdown(client, SD_BOTH);
        closesocket(client);
    }
}
