// Two players at one table, playing through the relay: connect frames, deals, relayed
// moves, the result, and the ends of a game.
#include <set>

#include "club_fixture.h"
#include "net/tour_frames.h"

using namespace vantorn;
using namespace vantorn::club::testing;
using net::makeTourFrame;

namespace {

class Relay : public ClubFixture {
protected:
    // Ann sits in seat 1 and Bob in seat 2 of table t, as the lobby does, and both connect.
    void seatBoth(int t) {
        ASSERT_EQ(client.SetSeat(tournament(), t, 1, online::SeatChange::Take, player("Ann")), online::SeatOutcome::Done);
        ASSERT_EQ(client.SetSeat(tournament(), t, 2, online::SeatChange::Take, player("Bob")), online::SeatOutcome::Done);
        seat1 = connectSeat(t, 1);
        seat2 = connectSeat(t, 2);
        ASSERT_TRUE(seat1 && seat2);
    }

    // A connection that holds the seat: the relay answers its "connect" frame. A seat still
    // held by a connection that is closing is refused, so this tries again until it is free.
    std::unique_ptr<TcpClient> connectSeat(int t, int seat) {
        const std::string hello = seat == 1 ? makeTourFrame("connect1", '1') : makeTourFrame("connect21", '2');
        const std::string ok = makeTourFrame(seat == 1 ? "connect1ok" : "connect2ok", '0');
        for (int attempt = 0; attempt < 50; ++attempt) {
            auto c = std::make_unique<TcpClient>(club->relayBase() + t);
            c->send(hello);
            if (c->receive(20, 2000) == ok) return c;
        }
        return nullptr;
    }

    static online::TQexClient player(const std::string& nick) {
        online::TQexClient c;
        c.Nick = nick;
        c.Rating = 1000;
        c.Country = "Russia";
        c.City = "Omsk";
        c.IP = "127.0.0.1";
        return c;
    }

    // Both seats receive the same valid deal; returns it.
    net::TourDeck expectDeal() {
        std::string d1 = seat1->receive(net::kTourDealFrameSize);
        std::string d2 = seat2->receive(net::kTourDealFrameSize);
        EXPECT_EQ(d1, d2);
        auto deck = net::parseTourDealFrame(d1);
        EXPECT_TRUE(deck) << "not a deal frame: " << d1;
        return deck.value_or(net::TourDeck{});
    }

    static std::set<std::string> cardsOf(const net::TourDeck& deck) {
        std::set<std::string> cards;
        for (const auto& slot : deck) cards.insert(slot.card.bytes());
        return cards;
    }

    std::unique_ptr<TcpClient> seat1, seat2;
};

}  // namespace

TEST_F(Relay, PlaysAGameThroughTheRelay) {
    seatBoth(4);
    // Seat 2, black, leads the first deal: the deck holds "j1" and "j3".
    auto first = expectDeal();
    auto cards = cardsOf(first);
    EXPECT_EQ(cards.size(), 26u);
    EXPECT_TRUE(cards.count("j1") && cards.count("j3"));
    EXPECT_FALSE(cards.count("j2"));
    for (const auto& slot : first) {
        EXPECT_EQ(slot.points, slot.card.points());
        EXPECT_EQ(slot.rankOrder, slot.card.rankOrder());
    }

    // Moves and chat go to the other seat as they came.
    std::string move = makeTourFrame("hhod" + first[5].card.bytes() + "#", '2');
    seat2->send(move);
    EXPECT_EQ(seat1->receive(20), move);
    seat1->send(makeTourFrame("htake", '1') + makeTourFrame("hpass", '1'));
    EXPECT_EQ(seat2->receive(40), makeTourFrame("htake", '1') + makeTourFrame("hpass", '1'));
    // A frame that arrives in pieces goes on whole.
    const std::string chat = makeTourFrame("shello", '1');
    seat1->send(chat.substr(0, 7));
    seat1->send(chat.substr(7));
    EXPECT_EQ(seat2->receive(20), chat);

    // "bnext2" from seat 1: seat 1 (red) leads the next deal, so its deck holds "j2".
    seat1->send(makeTourFrame("bnext2", '1'));
    auto second = expectDeal();
    cards = cardsOf(second);
    EXPECT_TRUE(cards.count("j1") && cards.count("j2"));
    EXPECT_FALSE(cards.count("j3"));
    // A second "bnext" for the same deal deals nothing.
    seat2->send(makeTourFrame("bnext1", '2'));
    seat2->send(makeTourFrame("htake", '2'));
    EXPECT_EQ(seat1->receive(20), makeTourFrame("htake", '2'));

    // "bnext1" from seat 2 names seat 1 as leader as well.
    seat2->send(makeTourFrame("bnext1", '2'));
    auto third = expectDeal();
    EXPECT_TRUE(cardsOf(third).count("j2"));
    // Every deal is shuffled anew (two equal orders of 26 cards would be a broken shuffle).
    auto order = [](const net::TourDeck& d) {
        std::string s;
        for (const auto& slot : d) s += slot.card.bytes();
        return s;
    };
    EXPECT_NE(order(second), order(third));

    // Seat 1 reports the result: both get "e" and both players' tournament values change.
    seat1->send(net::makeTourResult(35, -35, '1'));
    EXPECT_EQ(seat1->receive(20), makeTourFrame("e", '0'));
    EXPECT_EQ(seat2->receive(20), makeTourFrame("e", '0'));
    auto ann = client.ReadTourRating(tournament(), "Ann");
    auto bob = client.ReadTourRating(tournament(), "Bob");
    EXPECT_EQ(ann.value.score, 35);
    EXPECT_EQ(ann.value.games, 1);
    EXPECT_EQ(ann.value.rating, 1016);
    EXPECT_EQ(bob.value.score, -35);
    EXPECT_EQ(bob.value.games, 1);
    EXPECT_EQ(bob.value.rating, 984);
    // The table is free again, and the top ten knows both.
    auto tables = client.ReadTables(tournament());
    EXPECT_EQ(tables.value[3].Seat1.Nick, "X");
    EXPECT_EQ(tables.value[3].Seat2.Nick, "X");
    auto top = client.ReadTourTop10(tournament(), 's');
    EXPECT_EQ(top.value[0].Nick, "Ann");
    EXPECT_EQ(top.value[0].Score, 35);
    EXPECT_EQ(top.value[1].Nick, "Bob");
    EXPECT_EQ(client.ReadTourPlace(tournament(), 's', -35).value, 2);
    EXPECT_EQ(client.ReadTourPlace(tournament(), 'k', 1).value, 1);
    EXPECT_EQ(client.ReadTourPlace(tournament(), 'k', 0).value, 3);
    EXPECT_EQ(client.ReadTourPlace(tournament(), 'r', 1000).value, 2);

    // After the end a dropped connection sends nothing more.
    seat2->close();
    EXPECT_TRUE(seat1->receive(20, 300).empty());
}

TEST_F(Relay, DroppedConnectionSendsAAndFreesTheTable) {
    seatBoth(2);
    expectDeal();
    seat2->close();
    EXPECT_EQ(seat1->receive(20), makeTourFrame("a", '0'));
    auto tables = client.ReadTables(tournament());
    EXPECT_EQ(tables.value[1].Seat1.Nick, "X");
    EXPECT_EQ(tables.value[1].Seat2.Nick, "X");
    EXPECT_EQ(client.ReadTourRating(tournament(), "Ann").value.games, 0);
}

TEST_F(Relay, TimeOutAndLeavingAreAnnounced) {
    seatBoth(7);
    expectDeal();
    seat2->send(makeTourFrame("TOut", '2'));
    EXPECT_EQ(seat1->receive(20), makeTourFrame("T", '0'));
    seat1->close();
    seat2->close();

    // A new pair at the same table: "disA" from seat 1 gives "a" to seat 2.
    seatBoth(7);
    expectDeal();
    seat1->send(makeTourFrame("disA", '1'));
    EXPECT_EQ(seat2->receive(20), makeTourFrame("a", '0'));
}

TEST_F(Relay, RefusesNonsenseAndDoubleClaims) {
    TcpClient a(club->relayBase() + 1), b(club->relayBase() + 1);
    a.send(makeTourFrame("connect1", '1'));
    EXPECT_EQ(a.receive(20), makeTourFrame("connect1ok", '0'));
    b.send(makeTourFrame("connect1", '1'));  // seat 1 is taken
    EXPECT_TRUE(b.closedByPeer());
    TcpClient c(club->relayBase() + 1);
    c.send(std::string(5000, 'h'));  // beyond the receive limit
    EXPECT_TRUE(c.closedByPeer());
    TcpClient d(club->relayBase() + 1);
    d.send(makeTourFrame("hhodxx#", '2'));  // moves before "connect" are ignored
    EXPECT_TRUE(a.receive(20, 300).empty());
    // The relay still serves the table.
    TcpClient e(club->relayBase() + 1);
    e.send(makeTourFrame("connect21", '2'));
    EXPECT_EQ(e.receive(20), makeTourFrame("connect2ok", '0'));
    EXPECT_EQ(a.receive(net::kTourDealFrameSize).size(), net::kTourDealFrameSize);
}

TEST_F(Relay, SeatTwoWithoutAnOpponentIsSentAway) {
    ASSERT_EQ(client.SetSeat(tournament(), 9, 1, online::SeatChange::Take, player("Ann")), online::SeatOutcome::Done);
    ASSERT_EQ(client.SetSeat(tournament(), 9, 2, online::SeatChange::Take, player("Bob")), online::SeatOutcome::Done);
    online::TQexClient free;
    free.Nick = free.Country = free.City = free.IP = "X";
    ASSERT_EQ(client.SetSeat(tournament(), 9, 1, online::SeatChange::Leave, free), online::SeatOutcome::Done);
    TcpClient lonely(club->relayBase() + 9);
    lonely.send(makeTourFrame("connect21", '2'));
    EXPECT_TRUE(lonely.closedByPeer());
    // Its seat is free again for the lobby.
    EXPECT_EQ(client.ReadSeat(tournament(), 9, 2).value.Nick, "X");
}
