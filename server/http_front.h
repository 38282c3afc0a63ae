// The club's HTTP front end: the one file that knows Qt HttpServer. It turns each request
// into a ClubService call and writes the answer back, on the server's one thread.
#pragma once

#include <QtHttpServer/QAbstractHttpServer>

#include "club_service.h"

namespace vantorn::club {

class HttpFront final : public QAbstractHttpServer {
public:
    explicit HttpFront(ClubService& service, QObject* parent = nullptr);

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    ClubService& service_;
};

}  // namespace vantorn::club
