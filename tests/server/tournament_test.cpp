// The tournament lobby's requests against a running club.
#include "club_fixture.h"

using namespace vantorn;
using namespace vantorn::club::testing;
using online::SeatChange;
using online::SeatOutcome;

using Tournament = ClubFixture;

namespace {

online::TQexClient player(const std::string& nick) {
    online::TQexClient c;
    c.Nick = nick;
    c.Score = 0;
    c.Kon = 0;
    c.Rating = 1000;
    c.Country = "Russia";
    c.City = "Omsk";
    c.Sex = 'W';
    c.IP = "127.0.0.1";
    return c;
}

online::TQexClient freeSeat() {
    online::TQexClient c;
    c.Nick = c.Country = c.City = c.IP = "X";
    c.Sex = 'X';
    return c;
}

}  // namespace

TEST_F(Tournament, TablesNameTheRelayPorts) {
    auto tables = client.ReadTables(tournament());
    ASSERT_TRUE(tables.ok);
    for (int t = 1; t <= 10; ++t) {
        EXPECT_EQ(tables.value[t - 1].IP, "127.0.0.1");
        EXPECT_EQ(tables.value[t - 1].Port, club->relayBase() + t);
        EXPECT_EQ(online::relayPort(tables.value, t), club->relayBase() + t);  // table 1's Port - 1 + t
        EXPECT_EQ(tables.value[t - 1].Seat1.Nick, "X");
        EXPECT_EQ(tables.value[t - 1].Seat2.Nick, "X");
    }
    auto info = client.ReadServerInfo(tournament());
    ASSERT_TRUE(info.ok);
    EXPECT_EQ(info.value.state, "Y");
    EXPECT_EQ(info.value.message.find(' '), std::string::npos);
}

TEST_F(Tournament, TakingAndLeavingSeats) {
    // Seat 2 only where somebody waits in seat 1.
    EXPECT_EQ(client.SetSeat(tournament(), 3, 2, SeatChange::Take, player("Bob")), SeatOutcome::Failed);
    EXPECT_EQ(client.SetSeat(tournament(), 3, 1, SeatChange::Take, player("Ann")), SeatOutcome::Done);
    EXPECT_EQ(client.SetSeat(tournament(), 3, 1, SeatChange::Take, player("Cid")), SeatOutcome::Taken);
    EXPECT_EQ(client.SetSeat(tournament(), 4, 1, SeatChange::Take, player("Ann")), SeatOutcome::Taken);  // seated already

    auto tables = client.ReadTables(tournament());
    EXPECT_EQ(tables.value[2].Seat1.Nick, "Ann");
    EXPECT_EQ(tables.value[2].Seat1.Sex, 'W');
    EXPECT_EQ(tables.value[2].Seat1.Rating, 1000);
    EXPECT_EQ(tables.value[2].Seat2.Nick, "X");
    auto seat = client.ReadSeat(tournament(), 3, 1);
    ASSERT_TRUE(seat.ok);
    EXPECT_EQ(seat.value.Nick, "Ann");
    EXPECT_EQ(seat.value.IP, "127.0.0.1");
    EXPECT_EQ(seat.value.City, "Omsk");

    EXPECT_EQ(client.SetSeat(tournament(), 3, 2, SeatChange::Take, player("Bob")), SeatOutcome::Done);
    EXPECT_EQ(client.ReadSeat(tournament(), 3, 2).value.Nick, "Bob");
    EXPECT_EQ(client.SetSeat(tournament(), 3, 1, SeatChange::Leave, freeSeat()), SeatOutcome::Done);
    EXPECT_EQ(client.ReadTables(tournament()).value[2].Seat1.Nick, "X");

    auto bad = player("Dan");
    bad.City = "two words";
    EXPECT_EQ(client.SetSeat(tournament(), 5, 1, SeatChange::Take, bad), SeatOutcome::Failed);
    EXPECT_EQ(client.SetSeat(tournament(), 11, 1, SeatChange::Take, player("Dan")), SeatOutcome::Failed);
    EXPECT_EQ(client.ReadTables(tournament()).value[4].Seat1.Nick, "X");
}

TEST_F(Tournament, RatingOfANewPlayerAndEmptyTopTen) {
    auto r = client.ReadTourRating(tournament(), "Ann");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.value.score, 0);
    EXPECT_EQ(r.value.games, 0);
    EXPECT_EQ(r.value.rating, 1000);
    for (char order : {'s', 'r', 'k'}) {
        auto top = client.ReadTourTop10(tournament(), order);
        ASSERT_TRUE(top.ok);
        EXPECT_EQ(top.value[0].Nick, "#");
        EXPECT_EQ(client.ReadTourPlace(tournament(), order, 0).value, 1);
    }
    EXPECT_FALSE(client.ReadTourTop10(tournament(), 'x').ok);
}
