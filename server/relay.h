// The tournament relay: ten tables on the ports base+1 .. base+10. At each table the two
// seats announce themselves with their "connect" frame; once both are there the relay deals
// to both (the 131-byte deal frame), deals again on "bnext", passes every other frame of a
// seat to the other seat, and ends the game with "e" (after seat 1's result "o"), "T" (after
// "TOut") or "a" (a seat left or its connection dropped). Runs on the server's one thread.
#pragma once

#include <QtCore/QObject>
#include <QtNetwork/QHostAddress>

#include <array>
#include <memory>
#include <vector>

#include "club_service.h"
#include "net/tour_frames.h"

class QTcpServer;
class QTcpSocket;

namespace vantorn::club {

// A table accepts at most this many connections at once (two seats and late or stray ones).
inline constexpr int kMaxConnectionsPerTable = 6;

class Relay : public QObject {
public:
    Relay(ClubService& service, QHostAddress address, int basePort, QObject* parent = nullptr);
    ~Relay() override;
    // Listens on all ten ports; false when one of them cannot be opened.
    bool start();

private:
    struct Peer {
        QTcpSocket* socket = nullptr;
        net::TourReceiver receiver{net::TourReceiver::Direction::TowardsServer};
        int seat = 0;  // 0 until its "connect" frame
    };
    struct Table {
        int number = 0;
        QTcpServer* server = nullptr;
        std::vector<std::unique_ptr<Peer>> peers;
        std::array<Peer*, 2> seats{};
        bool over = false;         // the game ended; nothing more is dealt or reported
        int movesSinceDeal = 0;    // a "bnext" deals only after a deal was played
        bool dealt = false;
    };

    void accept(Table& table);
    void read(Table& table, Peer* peer);
    void handleFrame(Table& table, Peer* peer, const std::string& frame);
    void dropped(Table& table, Peer* peer);
    void droppedSeat(Table& table, Peer* peer);
    void deal(Table& table, int leaderSeat);
    void send(Peer* peer, const std::string& bytes);
    void sendServerFrame(Peer* peer, const char* content);
    Peer* other(Table& table, const Peer* peer);
    void endGame(Table& table);

    ClubService& service_;
    QHostAddress address_;
    int basePort_;
    std::array<Table, kTables> tables_;
};

}  // namespace vantorn::club
