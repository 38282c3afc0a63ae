#include "http_front.h"

#include <QtCore/QFile>
#include <QtCore/QMetaObject>
#include <QtNetwork/QTcpServer>
#include <QtNetwork/QTcpSocket>
#include <QtHttpServer/QHttpServerRequest>
#include <QtHttpServer/QHttpServerResponder>

namespace vantorn::club {

namespace {

std::string bytes(const QByteArray& a) { return std::string(a.constData(), static_cast<std::size_t>(a.size())); }

QHttpServerResponder::StatusCode statusCode(int status) {
    return static_cast<QHttpServerResponder::StatusCode>(status);
}

// A connection with kMaxUnansweredBytes of a request waiting is closed. The HTTP library
// takes a request's header but leaves its body in the socket until the whole body is there,
// so the waiting bytes are the body so far; the read buffer holds twice the limit, so that
// the limit is always reached before the socket stops reading. This handler is connected
// before the library's, so it sees each arrival first.
class BoundedSocket final : public QTcpSocket {
public:
    explicit BoundedSocket(QObject* parent) : QTcpSocket(parent) {
        setReadBufferSize(2 * kMaxUnansweredBytes);
        connect(this, &QIODevice::readyRead, this, [this] {
            if (bytesAvailable() >= kMaxUnansweredBytes && !closing_) {
                closing_ = true;
                // Not from inside the read: the close runs once the library has returned.
                QMetaObject::invokeMethod(this, &QAbstractSocket::abort, Qt::QueuedConnection);
            }
        });
    }

private:
    bool closing_ = false;
};

class BoundedServer final : public QTcpServer {
public:
    using QTcpServer::QTcpServer;

protected:
    void incomingConnection(qintptr descriptor) override {
        auto* socket = new BoundedSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        addPendingConnection(socket);
    }
};

}  // namespace

QTcpServer* HttpFront::makeListener(QObject* parent) { return new BoundedServer(parent); }

HttpFront::HttpFront(ClubService& service, QObject* parent) : QAbstractHttpServer(parent), service_(service) {}

bool HttpFront::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    HttpRequest r;
    switch (request.method()) {
        case QHttpServerRequest::Method::Get: r.method = "GET"; break;
        case QHttpServerRequest::Method::Post: r.method = "POST"; break;
        default: r.method = "OTHER"; break;
    }
    r.path = bytes(request.url().path(QUrl::FullyEncoded).toUtf8());
    const QByteArray body = request.body();
    if (static_cast<std::size_t>(body.size()) <= kMaxBodyBytes) r.body = bytes(body);
    else r.body.assign(kMaxBodyBytes + 1, ' ');  // refused by the service as too large
    r.peer = request.remoteAddress().toString().toStdString();
    r.host = bytes(request.value("Host"));
    r.userAgent = bytes(request.value("User-Agent"));

    HttpReply reply = service_.handle(r);
    auto responder = makeResponder(request, socket);
    const QByteArray type = QByteArray::fromStdString(reply.contentType);
    if (!reply.filePath.empty()) {
        auto* file = new QFile(QString::fromStdString(reply.filePath));
        if (file->open(QIODevice::ReadOnly)) {
            responder.write(file, type, statusCode(reply.status));  // takes the file
            return true;
        }
        delete file;
        responder.write(QByteArray("not found"), "text/plain", QHttpServerResponder::StatusCode::NotFound);
        return true;
    }
    responder.write(QByteArray::fromStdString(reply.body), type, statusCode(reply.status));
    return true;
}

void HttpFront::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
}

}  // namespace vantorn::club
