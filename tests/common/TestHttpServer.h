#pragma once
// A small HTTP/1.1 server for tests, on 127.0.0.1 only (never any other
// address), on a free port chosen by the system, answering in its own
// threads. Each request gets one response and the connection is closed.
//
//     TestHttpServer server;
//     server.serve("/strona.html", {.body = strona});                  // 200, fixed body
//     server.serve("/brak", {.status = 404, .body = "nie ma"});
//     server.redirect("/stara", "/strona.html");                      // 302 + Location
//     server.serve("/wolna", {.body = duza, .chunkSize = 100,
//                             .chunkDelay = std::chrono::milliseconds(50)});
//     server.serve("/zawieszona", {.body = duza, .stallAfter = 10});  // 10 bytes, then silence
//     server.serve("/milczy", {.silent = true});                       // no answer at all
//     server.greetWith("HTTP/1.1 200 OK\r\n\r\n");                   // before any request
//     PobierzPlikZInternetu(server.url("/strona.html"), path);
//     server.requests();                                               // what came in
//
// A path without a response gets 404 with the body "Not Found". Paths are
// matched exactly, query included ("/lista.php?bank=&waluta=0"). A stalled or
// slow response ends when the client goes away or the server is destroyed;
// the destructor closes every connection and joins every thread.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

struct TestHttpResponse {
    int status = 200;
    QByteArray body;
    QByteArray contentType = "text/html; charset=utf-8";
    // Extra header lines, e.g. {"Location", "/other"}.
    QList<std::pair<QByteArray, QByteArray>> headers;
    // Sends Content-Length; without it the body ends when the connection closes.
    bool declareLength = true;
    // A slow body: sent in pieces of this many bytes (0: all at once), with
    // chunkDelay between them.
    int chunkSize = 0;
    std::chrono::milliseconds chunkDelay{0};
    // A stalling body: after this many bytes (>= 0) nothing more is sent and the
    // connection stays open until the client or the server ends it.
    int64_t stallAfter = -1;
    // A server that takes the request and never answers: nothing is sent, not
    // even the status line, until the client or the server ends the connection.
    bool silent = false;
};

struct TestHttpRequest {
    QByteArray method;
    QByteArray target;                    // path and query as the request line gave them
    QMap<QByteArray, QByteArray> headers; // names lower-case
};

class TestHttpServer {
public:
    TestHttpServer();
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    uint16_t port() const { return fPort; }
    // "http://127.0.0.1:PORT" + path; base() is url("/").
    QString url(const QString& path) const;
    QString base() const { return url(QStringLiteral("/")); }

    // Sets (or replaces) the response for a path; may be called while serving.
    void serve(const QByteArray& path, TestHttpResponse response);
    void redirect(const QByteArray& path, const QByteArray& location, int status = 302);
    // Bytes every new connection gets at once, before its request is read (a
    // client that speaks TLS then meets a server that does not).
    void greetWith(const QByteArray& bytes);

    // Every request received so far, in order of arrival.
    std::vector<TestHttpRequest> requests() const;
    // How many requests asked for the path.
    int requestCount(const QByteArray& path) const;
    // How many bytes of the path's body have been sent so far, over all its
    // requests (a slow body's progress).
    int64_t bodyBytesSent(const QByteArray& path) const;

    // A loopback port where nothing listens (connecting to it is refused).
    static uint16_t unusedPort();

private:
    void acceptLoop();
    void handle(int client);
    void respond(int client, const TestHttpRequest& request,
                 const TestHttpResponse& response) const;
    bool sendAll(int client, const char* data, int64_t size) const;
    void sendBody(int client, const QByteArray& path, const TestHttpResponse& response) const;
    void waitUntilStopped(int client) const;

    int fListener = -1;
    uint16_t fPort = 0;
    std::atomic<bool> fStopping{false};
    mutable std::mutex fMutex;
    QMap<QByteArray, TestHttpResponse> fResponses;
    QByteArray fGreeting;
    std::vector<TestHttpRequest> fRequests;
    mutable QMap<QByteArray, int64_t> fBodyBytesSent;
    std::vector<int> fClients;
    std::vector<std::thread> fHandlers;
    std::thread fAcceptor;
};
