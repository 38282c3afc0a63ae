// The club's HTTP front end: the one file that knows Qt HttpServer. It turns each request
// into a ClubService call and writes the answer back, on the server's one thread.
#pragma once

#include <QtHttpServer/QAbstractHttpServer>

#include "club_service.h"

class QTcpServer;

namespace vantorn::club {

// A connection with this much of a request waiting is closed: the HTTP library would
// otherwise keep a body of any size in memory.
inline constexpr qint64 kMaxUnansweredBytes = 64 * 1024;

class HttpFront final : public QAbstractHttpServer {
public:
    explicit HttpFront(ClubService& service, QObject* parent = nullptr);

    // A listening server whose connections are bounded as above; hand it to bind().
    static QTcpServer* makeListener(QObject* parent);

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    ClubService& service_;
};

}  // namespace vantorn::club
