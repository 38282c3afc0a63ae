#include "relay.h"

#include <sodium.h>

#include <QtNetwork/QTcpServer>
#include <QtNetwork/QTcpSocket>

#include <iostream>
#include <numeric>

namespace vantorn::club {

namespace {

// A seat with more than this waiting to be sent is not reading its connection.
constexpr qint64 kMaxUnsentBytes = 64 * 1024;

// Largest game result a seat may report (the multiplier is at most 4).
constexpr int kMaxResult = 99999;

// The deck numbers 1..26 in a uniformly random order (Fisher-Yates with an unbiased draw).
std::array<int, 26> shuffledNumbers() {
    std::array<int, 26> n;
    std::iota(n.begin(), n.end(), 1);
    for (uint32_t i = 25; i > 0; --i) std::swap(n[i], n[randombytes_uniform(i + 1)]);
    return n;
}

}  // namespace

Relay::Relay(ClubService& service, QHostAddress address, int basePort, QObject* parent)
    : QObject(parent), service_(service), address_(std::move(address)), basePort_(basePort) {}

Relay::~Relay() = default;

bool Relay::start() {
    for (int t = 0; t < kTables; ++t) {
        Table& table = tables_[t];
        table.number = t + 1;
        table.server = new QTcpServer(this);
        if (!table.server->listen(address_, static_cast<quint16>(basePort_ + t + 1))) return false;
        connect(table.server, &QTcpServer::newConnection, this, [this, &table] { accept(table); });
    }
    return true;
}

void Relay::accept(Table& table) {
    while (QTcpSocket* socket = table.server->nextPendingConnection()) {
        if (static_cast<int>(table.peers.size()) >= kMaxConnectionsPerTable) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        auto peer = std::make_unique<Peer>();
        peer->socket = socket;
        Peer* p = peer.get();
        table.peers.push_back(std::move(peer));
        connect(socket, &QTcpSocket::readyRead, this, [this, &table, p] { read(table, p); });
        // Queued, so that a connection aborted while its frames are handled is removed only
        // after the handling is over.
        connect(socket, &QTcpSocket::disconnected, this, [this, &table, p] { dropped(table, p); },
                Qt::QueuedConnection);
    }
}

void Relay::read(Table& table, Peer* peer) {
    const QByteArray data = peer->socket->readAll();
    if (!peer->receiver.feed(std::string_view(data.constData(), static_cast<std::size_t>(data.size())))) {
        peer->socket->abort();  // not our protocol; dropped() follows
        return;
    }
    while (auto frame = peer->receiver.next()) {
        try {
            handleFrame(table, peer, *frame);
        } catch (const std::exception& e) {
            // A database failure must not end the server; the frame is lost, the table goes on.
            std::cerr << "vantorn-club: relay table " << table.number << ": " << e.what() << "\n";
        }
        if (peer->socket->state() != QAbstractSocket::ConnectedState) return;
    }
}

Relay::Peer* Relay::other(Table& table, const Peer* peer) {
    if (peer->seat == 1) return table.seats[1];
    if (peer->seat == 2) return table.seats[0];
    return nullptr;
}

void Relay::send(Peer* peer, const std::string& bytes) {
    if (!peer || peer->socket->state() != QAbstractSocket::ConnectedState) return;
    // A seat that stops reading is cut off rather than buffered without end.
    if (peer->socket->bytesToWrite() > kMaxUnsentBytes) {
        peer->socket->abort();
        return;
    }
    peer->socket->write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void Relay::sendServerFrame(Peer* peer, const char* content) {
    send(peer, net::makeTourFrame(content, net::kServerSeatDigit));
}

void Relay::handleFrame(Table& table, Peer* peer, const std::string& frame) {
    std::string_view f = frame;
    if (f.substr(0, 7) == "connect") {
        int seat = net::tourFrameSeat(f);
        bool content = seat == 1 ? f.substr(7, 1) == "1" : f.substr(7, 2) == "21";
        if (peer->seat != 0 || seat == 0 || !content || table.seats[seat - 1] != nullptr) {
            peer->socket->abort();  // a second claim on a seat, or nonsense
            return;
        }
        // Seat 2 whose seat 1 has left the table before the game would wait for nobody.
        if (seat == 2 && !table.seats[0] && service_.seatNicks(table.number)[0] == "X") {
            service_.freeSeat(table.number, 2);
            peer->socket->abort();
            return;
        }
        peer->seat = seat;
        table.seats[seat - 1] = peer;
        sendServerFrame(peer, seat == 1 ? "connect1ok" : "connect2ok");
        // Seat 2 (black) leads the first deal.
        if (table.seats[0] && table.seats[1] && !table.dealt && !table.over) deal(table, 2);
        return;
    }
    if (peer->seat == 0) return;  // frames before "connect" mean nothing
    if (f.substr(0, 5) == "bnext") {
        auto mover = net::parseTourNext(f);
        if (!mover || table.over || !table.dealt || table.movesSinceDeal == 0) return;
        // In the sender's numbering player 1 is the other seat.
        deal(table, *mover == 2 ? peer->seat : 3 - peer->seat);
        return;
    }
    if (f[0] == 'o') {
        auto result = net::parseTourResult(f);
        if (peer->seat != 1 || table.over || !result || result->second != -result->first ||
            std::abs(result->first) > kMaxResult)
            return;
        service_.recordTourResult(table.number, result->first);
        sendServerFrame(table.seats[0], "e");
        sendServerFrame(table.seats[1], "e");
        endGame(table);
        return;
    }
    if (f.substr(0, 4) == "TOut") {
        if (table.over) return;
        sendServerFrame(other(table, peer), "T");
        endGame(table);
        return;
    }
    if (f.substr(0, 4) == "disA") {
        if (!table.over) sendServerFrame(other(table, peer), "a");
        endGame(table);
        return;
    }
    if (f[0] == 'h') ++table.movesSinceDeal;
    send(other(table, peer), frame);
}

void Relay::endGame(Table& table) {
    table.over = true;
    service_.freeSeat(table.number, 1);
    service_.freeSeat(table.number, 2);
}

void Relay::dropped(Table& table, Peer* peer) {
    try {
        droppedSeat(table, peer);
    } catch (const std::exception& e) {
        std::cerr << "vantorn-club: relay table " << table.number << ": " << e.what() << "\n";
    }
    peer->socket->disconnect(this);
    peer->socket->deleteLater();
    for (auto it = table.peers.begin(); it != table.peers.end(); ++it)
        if (it->get() == peer) {
            table.peers.erase(it);
            break;
        }
    if (!table.seats[0] && !table.seats[1]) {
        table.over = false;
        table.dealt = false;
        table.movesSinceDeal = 0;
    }
}

void Relay::droppedSeat(Table& table, Peer* peer) {
    if (peer->seat == 0) return;
    const int seat = peer->seat;
    const bool abandoned = !table.over;
    if (abandoned && table.dealt) sendServerFrame(other(table, peer), "a");
    table.seats[seat - 1] = nullptr;  // before anything that may throw
    if (abandoned) {
        // The game (or the wait for it) is abandoned: the table's seats become free.
        table.over = true;
        service_.freeSeat(table.number, seat);
        if (table.dealt) service_.freeSeat(table.number, 3 - seat);
    }
}

void Relay::deal(Table& table, int leaderSeat) {
    // The deck holds "j1" and the leader's own joker: seat 2 is black ("j3"), seat 1 red
    // ("j2"). deckCard counts from the dealing side, whose player 1 is seat 2.
    const int firstMover = leaderSeat == 2 ? 1 : 2;
    net::TourDeck deck;
    auto numbers = shuffledNumbers();
    for (int i = 0; i < 26; ++i) deck[i] = core::CardSlot::of(core::deckCard(numbers[i], firstMover));
    const std::string frame = net::makeTourDealFrame(deck);
    send(table.seats[0], frame);
    send(table.seats[1], frame);
    table.dealt = true;
    table.movesSinceDeal = 0;
}

}  // namespace vantorn::club
