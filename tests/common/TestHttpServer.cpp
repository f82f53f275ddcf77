#include "common/TestHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kPollMs = 20;

sockaddr_in Loopback(uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    return address;
}

uint16_t BoundPort(int socket) {
    sockaddr_in address{};
    socklen_t length = sizeof(address);
    getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);
    return ntohs(address.sin_port);
}

const char* ReasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

// The request line and headers (up to the blank line), or empty.
QByteArray ReadHead(int client, const std::atomic<bool>& stopping) {
    QByteArray head;
    char buffer[4096];
    while (!stopping && !head.contains("\r\n\r\n") && head.size() < 65536) {
        pollfd p{client, POLLIN, 0};
        if (poll(&p, 1, kPollMs) <= 0)
            continue;
        const ssize_t n = recv(client, buffer, sizeof(buffer), 0);
        if (n <= 0)
            return {};
        head.append(buffer, n);
    }
    return head;
}

TestHttpRequest ParseHead(const QByteArray& head) {
    TestHttpRequest request;
    const QList<QByteArray> lines = head.left(head.indexOf("\r\n\r\n")).split('\n');
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.method = first.value(0);
    request.target = first.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                   lines[i].mid(colon + 1).trimmed());
    }
    return request;
}

} // namespace

TestHttpServer::TestHttpServer() {
    fListener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_in address = Loopback(0);
    if (fListener < 0 ||
        bind(fListener, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        listen(fListener, 16) != 0)
        throw std::runtime_error("TestHttpServer: cannot listen on 127.0.0.1");
    fPort = BoundPort(fListener);
    fAcceptor = std::thread([this] { acceptLoop(); });
}

TestHttpServer::~TestHttpServer() {
    fStopping = true;
    fAcceptor.join();
    {
        std::lock_guard lock(fMutex);
        for (int client : fClients)
            shutdown(client, SHUT_RDWR);
    }
    for (std::thread& handler : fHandlers)
        handler.join();
    close(fListener);
}

QString TestHttpServer::url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(fPort).arg(path);
}

void TestHttpServer::serve(const QByteArray& path, TestHttpResponse response) {
    std::lock_guard lock(fMutex);
    fResponses.insert(path, std::move(response));
}

void TestHttpServer::redirect(const QByteArray& path, const QByteArray& location, int status) {
    TestHttpResponse response;
    response.status = status;
    response.body = "moved";
    response.headers.append({"Location", location});
    serve(path, std::move(response));
}

std::vector<TestHttpRequest> TestHttpServer::requests() const {
    std::lock_guard lock(fMutex);
    return fRequests;
}

int TestHttpServer::requestCount(const QByteArray& path) const {
    std::lock_guard lock(fMutex);
    return static_cast<int>(
        std::count_if(fRequests.begin(), fRequests.end(),
                      [&](const TestHttpRequest& r) { return r.target == path; }));
}

int64_t TestHttpServer::bodyBytesSent(const QByteArray& path) const {
    std::lock_guard lock(fMutex);
    return fBodyBytesSent.value(path);
}

uint16_t TestHttpServer::unusedPort() {
    const int probe = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_in address = Loopback(0);
    bind(probe, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
    const uint16_t port = BoundPort(probe);
    close(probe); // never listened on: connections to it are refused
    return port;
}

void TestHttpServer::acceptLoop() {
    while (!fStopping) {
        pollfd p{fListener, POLLIN, 0};
        if (poll(&p, 1, kPollMs) <= 0)
            continue;
        const int client = accept4(fListener, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            continue;
        std::lock_guard lock(fMutex);
        fClients.push_back(client);
        fHandlers.emplace_back([this, client] { handle(client); });
    }
}

void TestHttpServer::greetWith(const QByteArray& bytes) {
    std::lock_guard lock(fMutex);
    fGreeting = bytes;
}

void TestHttpServer::handle(int client) {
    QByteArray greeting;
    {
        std::lock_guard lock(fMutex);
        greeting = fGreeting;
    }
    if (!greeting.isEmpty())
        sendAll(client, greeting.constData(), greeting.size());
    const QByteArray head = ReadHead(client, fStopping);
    if (!head.isEmpty()) {
        const TestHttpRequest request = ParseHead(head);
        TestHttpResponse response;
        {
            std::lock_guard lock(fMutex);
            fRequests.push_back(request);
            const auto found = fResponses.constFind(request.target);
            if (found != fResponses.cend()) {
                response = *found;
            } else {
                response.status = 404;
                response.body = "Not Found";
            }
        }
        if (response.silent)
            waitUntilStopped(client);
        else
            respond(client, request, response);
    }
    std::lock_guard lock(fMutex);
    shutdown(client, SHUT_RDWR);
    close(client);
    fClients.erase(std::find(fClients.begin(), fClients.end(), client));
}

void TestHttpServer::respond(int client, const TestHttpRequest& request,
                             const TestHttpResponse& response) const {
    QByteArray header = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' +
                        ReasonPhrase(response.status) +
                        "\r\nContent-Type: " + response.contentType + "\r\nConnection: close\r\n";
    if (response.declareLength)
        header += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    for (const auto& [name, value] : response.headers)
        header += name + ": " + value + "\r\n";
    header += "\r\n";
    if (sendAll(client, header.constData(), header.size()) && request.method != "HEAD")
        sendBody(client, request.target, response);
}

bool TestHttpServer::sendAll(int client, const char* data, int64_t size) const {
    while (size > 0 && !fStopping) {
        const ssize_t n = send(client, data, static_cast<size_t>(size), MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return size == 0;
}

void TestHttpServer::sendBody(int client, const QByteArray& path,
                              const TestHttpResponse& response) const {
    const QByteArray& body = response.body;
    const int64_t limit = response.stallAfter >= 0
                              ? std::min<int64_t>(response.stallAfter, body.size())
                              : body.size();
    const int64_t chunk = response.chunkSize > 0 ? response.chunkSize : std::max<int64_t>(limit, 1);
    for (int64_t sent = 0; sent < limit && !fStopping;) {
        const int64_t n = std::min(chunk, limit - sent);
        if (!sendAll(client, body.constData() + sent, n))
            return;
        sent += n;
        {
            std::lock_guard lock(fMutex);
            fBodyBytesSent[path] += n;
        }
        if (sent < limit && response.chunkDelay.count() > 0)
            std::this_thread::sleep_for(response.chunkDelay);
    }
    if (response.stallAfter >= 0)
        waitUntilStopped(client);
}

// Holds a stalled connection open until the client closes it or the server stops.
void TestHttpServer::waitUntilStopped(int client) const {
    char byte;
    while (!fStopping) {
        pollfd p{client, POLLIN, 0};
        if (poll(&p, 1, kPollMs) > 0 && recv(client, &byte, 1, MSG_PEEK) <= 0)
            return;
    }
}
