#include "net/tour_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/autoplay.h"

namespace vantorn::net {
namespace {

using core::Card;
using core::CardSlot;
using core::GameState;

TourDeck deckFrom(std::mt19937& rng, int firstMoverSeat) {
  // The table server's deck: seat 2 is black, so its own joker is "j3".
  std::array<int, 26> order{};
  for (int i = 0; i < 26; ++i) order[static_cast<std::size_t>(i)] = i + 1;
  std::shuffle(order.begin(), order.end(), rng);
  TourDeck deck{};
  for (std::size_t i = 0; i < 26; ++i) {
    Card c = core::deckCard(order[i], 1);
    if (order[i] == 26) c = firstMoverSeat == 2 ? Card::blackJoker() : Card::redJoker();
    deck[i] = CardSlot::of(c);
  }
  return deck;
}

// Two seats and a table server in memory: the server deals, relays each seat's frames to
// the other, deals again on "bnext" and ends the game on seat 1's "o".
struct Table {
  core::Game g1{core::GameConfig{core::Program::TourSeat1, false}};
  core::Game g2{core::GameConfig{core::Program::TourSeat2, false}};
  TourSession s1{g1, 1};
  TourSession s2{g2, 2};
  std::mt19937 rng;
  explicit Table(unsigned seed = 42) : rng(seed) {}
  int deals = 0;
  bool ended = false;

  void deliver(int toSeat, const std::string& bytes) {
    if (bytes.empty()) return;
    const TourOutput out = (toSeat == 1 ? s1 : s2).onBytes(bytes);
    for (const auto& n : out.notices)
      ASSERT_NE(n.kind, TourNoticeKind::Refused)
          << "seat " << toSeat << " refused " << n.text << " " << bytes.substr(0, 8);
    fromSeat(toSeat, out.bytes);
  }
  // A seat sent frames: the server reads them.
  void fromSeat(int seat, const std::string& bytes) {
    for (std::size_t i = 0; i + kTourFrameWidth <= bytes.size(); i += kTourFrameWidth) {
      const std::string f = bytes.substr(i, kTourFrameWidth);
      if (f.rfind("bnext", 0) == 0) {
        const auto next = parseTourNext(f);
        ASSERT_TRUE(next.has_value());
        if (dealtFor == currentDeal) continue;  // one "bnext" per deal is honoured
        dealtFor = currentDeal;
        // In the sender's numbering player 1 is the other seat.
        const int firstSeat = *next == 2 ? seat : 3 - seat;
        deal(firstSeat);
      } else if (f[0] == 'o') {
        ended = true;
        deliver(1, makeTourFrame("e", kServerSeatDigit));
        deliver(2, makeTourFrame("e", kServerSeatDigit));
      } else {
        deliver(3 - seat, f);
      }
    }
  }
  int currentDeal = 0, dealtFor = -1;
  void deal(int firstSeat) {
    ++deals;
    ++currentDeal;
    const std::string frame = makeTourDealFrame(deckFrom(rng, firstSeat));
    deliver(1, frame);
    deliver(2, frame);
  }
  // One step of whichever seat has something to do.
  bool step() {
    for (int seat = 1; seat <= 2; ++seat) {
      core::Game& g = seat == 1 ? g1 : g2;
      TourSession& s = seat == 1 ? s1 : s2;
      g.clearEvents();
      bool acted = false;
      if (g.suitRequest() == core::SuitRequest::None && g.phase() == core::DealPhase::InPlay &&
          g.state() == GameState::DealOver) {
        g.tick();
        acted = true;
      } else {
        acted = core::autoplayStep(g);
      }
      if (!acted) continue;
      const std::string out = s.outgoing(g.events());
      fromSeat(seat, out);
      if (seat == 1 && g.state() == GameState::GameFinished && g.gameCompleted() && !ended) fromSeat(1, s.result());
      return true;
    }
    return false;
  }
};

TEST(TourSession, TwoSeatsPlayWholeGamesThroughTheTable) {
  for (unsigned seed = 1; seed <= 30; ++seed) {
    SCOPED_TRACE(seed);
    Table t(seed);
    t.deal(2);  // seat 2 leads the first deal
    int steps = 0;
    while (!t.ended && steps++ < 20000) {
      if (!t.step()) break;
    }
    ASSERT_TRUE(t.ended) << "after " << steps << " steps";
    // Seat 2 scores its last deal on its own driver tick.
    for (int i = 0; i < 10 && t.g2.state() == GameState::DealOver; ++i) t.g2.tick();
    EXPECT_GT(t.deals, 1);
    // Both seats scored the same game: each one's player 1 is the other's player 2.
    EXPECT_EQ(t.g1.total(1), t.g2.total(2));
    EXPECT_EQ(t.g1.total(2), t.g2.total(1));
    EXPECT_TRUE(t.s1.over());
    EXPECT_TRUE(t.s2.over());
  }
}

TEST(TourSession, TwoFramesInOneReadAndAChatCutAtTheHash) {
  core::Game g{core::GameConfig{core::Program::TourSeat2, false}};
  TourSession s(g, 2);
  const TourOutput out = s.onBytes(makeTourFrame("shello#x", '1') + makeTourFrame("sworld", '1'));
  ASSERT_EQ(out.notices.size(), 2u);
  EXPECT_EQ(out.notices[0].text, "hello");
  EXPECT_EQ(out.notices[1].text, "world");
}

TEST(TourSession, LeavingAfterTheEndIsIgnored) {
  core::Game g{core::GameConfig{core::Program::TourSeat1, false}};
  TourSession s(g, 1);
  auto out = s.onBytes(makeTourFrame("e", kServerSeatDigit) + makeTourFrame("a", kServerSeatDigit));
  ASSERT_EQ(out.notices.size(), 1u);
  EXPECT_EQ(out.notices[0].kind, TourNoticeKind::GameOver);
  core::Game h{core::GameConfig{core::Program::TourSeat1, false}};
  TourSession running(h, 1);
  out = running.onBytes(makeTourFrame("a", kServerSeatDigit));
  ASSERT_EQ(out.notices.size(), 1u);
  EXPECT_EQ(out.notices[0].kind, TourNoticeKind::OpponentLeft);
  EXPECT_TRUE(running.over());
}

TEST(TourSession, TheLocalClockRunsOutOnTheTwentySixthTick) {
  Table t;
  t.deal(2);
  // Seat 1 (which begins) has not pressed "To Begin": its clock runs.
  ASSERT_EQ(t.s1.clockOwner(), 2);
  int aTicks = 0, bTicks = 0;
  for (int i = 1; i < kTourMoveSeconds; ++i) {
    const TourOutput out = t.s1.tick();
    ASSERT_TRUE(out.bytes.empty()) << "tick " << i;
    ASSERT_EQ(out.notices.size(), 1u);
    (out.notices[0].text == "A" ? aTicks : bTicks)++;
  }
  EXPECT_EQ(aTicks, 18);  // 25 .. 8
  EXPECT_EQ(bTicks, 7);   // 7 .. 1
  const TourOutput last = t.s1.tick();
  EXPECT_EQ(last.bytes, makeTourFrame("TOut", '1'));
  ASSERT_EQ(last.notices.size(), 1u);
  EXPECT_EQ(last.notices[0].kind, TourNoticeKind::OwnTimeUp);
  EXPECT_TRUE(t.s1.over());
  EXPECT_TRUE(t.s1.tick().notices.empty());
  // The opponent's clock on seat 2 makes no sound and sends nothing.
  for (int i = 0; i < 30; ++i) EXPECT_TRUE(t.s2.tick().bytes.empty());
}

TEST(TourSession, MovesOutOfTurnAndDamagedDealsAreRefused) {
  core::Game g{core::GameConfig{core::Program::TourSeat2, false}};
  TourSession s(g, 2);
  TourOutput out = s.onBytes(makeTourFrame("htake", '1'));
  ASSERT_EQ(out.notices.size(), 1u);
  EXPECT_EQ(out.notices[0].kind, TourNoticeKind::Refused);
  std::string deal = makeTourDealFrame(TourDeck{});
  out = s.onBytes(deal);
  ASSERT_FALSE(out.notices.empty());
  EXPECT_EQ(out.notices[0].kind, TourNoticeKind::Refused);
  EXPECT_EQ(g.dealNumber(), 0);
}

}  // namespace
}  // namespace vantorn::net
