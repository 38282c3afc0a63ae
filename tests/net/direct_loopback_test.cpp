// Two programs playing through the codec in memory: the server's and the client's human
// seats are played by the core's computer player (on the colour-mirrored view where the
// human is red), and every message crosses in reads cut at random places.
#include <gtest/gtest.h>

#include <random>

#include "core/autoplay.h"
#include "core/test_support.h"
#include "net/direct_pair.h"

namespace vantorn::net {
namespace {

using core::DealPhase;
using core::Game;
using core::GameState;
using testing::DirectPair;
using testing::expectMirrored;

core::Permutation shuffled(std::mt19937& rng) {
  core::Permutation p{};
  for (int i = 0; i < 26; ++i) p[static_cast<std::size_t>(i)] = i + 1;
  std::shuffle(p.begin(), p.end(), rng);
  return p;
}

// One step of one program as its unattended user would take it; false when nothing was due.
bool step(DirectPair& pair, testing::Peer& side, std::mt19937& rng) {
  bool acted = false;
  pair.local(side, [&](Game& g) {
    if (&side == &pair.server && g.dealDue()) {
      acted = g.deal(shuffled(rng));
    } else if (g.state() == GameState::DealOver && g.phase() == DealPhase::InPlay) {
      g.tick();  // the driver scores the deal
      acted = true;
    } else {
      acted = core::autoplayStep(g);
    }
  });
  return acted;
}

bool bothInPlay(const DirectPair& p) {
  for (const Game* g : {&p.server.game, &p.client.game})
    if (g->dealDue() || (g->state() != GameState::PlayerOneToMove && g->state() != GameState::PlayerTwoToMove) ||
        g->suitRequest() != core::SuitRequest::None)
      return false;
  return true;
}

// Plays until `done` holds or nothing moves any more; the tables are compared whenever no
// byte is on its way.
template <typename Done>
void play(DirectPair& p, std::mt19937& rng, Done done) {
  for (int steps = 0; steps < 20000 && !done(); ++steps) {
    const bool a = step(p, p.server, rng);
    p.deliver(&rng);
    const bool b = step(p, p.client, rng);
    p.deliver(&rng);
    if (bothInPlay(p)) {
      expectMirrored(p.server.game, p.client.game);
      ASSERT_EQ(p.server.game.state() == GameState::PlayerOneToMove,
                p.client.game.state() == GameState::PlayerTwoToMove);
    }
    ASSERT_FALSE(p.refused());
    if (!a && !b) break;
  }
}

void connect(DirectPair& p, std::mt19937& rng) {
  p.client.outbox += p.client.session.connected();
  p.deliver(&rng);
  ASSERT_EQ(p.client.session.stage(), ConnectionStage::Introduced);
  // The server's user presses OK in the waiting window.
  p.local(p.server, [&](Game& g) { g.startGame(p.serverGameNumber, 0); });
}

TEST(DirectLoopback, FirstDealsPlayToTheScoreOnBothTables) {
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    std::mt19937 rng(seed);
    DirectPair p(static_cast<std::int32_t>(seed % 2 + 1));
    connect(p, rng);
    auto scored = [&] {
      return p.server.game.dealWinner() != 0 && p.client.game.dealWinner() != 0;
    };
    play(p, rng, scored);
    ASSERT_TRUE(scored()) << "seed " << seed;
    EXPECT_EQ(p.server.game.dealWinner(), 3 - p.client.game.dealWinner()) << seed;
    EXPECT_EQ(p.server.game.total(1), p.client.game.total(2)) << seed;
    EXPECT_EQ(p.server.game.total(2), p.client.game.total(1)) << seed;
    EXPECT_EQ(p.server.session.stage(), ConnectionStage::Dealt);
  }
}

// Disabled until the core lets a network client take the next deal: after a scored deal
// its dealDue() stays false, so receiveDeal() refuses the server's second deal.
TEST(DirectLoopback, WholeGamesEndWithTheSameTotals) {
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    std::mt19937 rng(seed);
    DirectPair p(static_cast<std::int32_t>(seed % 2 + 1));
    connect(p, rng);
    auto finished = [&] { return p.server.game.gameCompleted() && p.client.game.gameCompleted(); };
    play(p, rng, finished);
    ASSERT_TRUE(finished()) << "seed " << seed;
    const auto& s = p.server.game.outcome();
    const auto& c = p.client.game.outcome();
    EXPECT_EQ(s.total1, c.total2);
    EXPECT_EQ(s.total2, c.total1);
    EXPECT_EQ(s.deals, c.deals);
    EXPECT_GE(std::max(s.total1, s.total2), 100);
  }
}

// The core fault behind the disabled test, alone.
TEST(DirectLoopback, ClientTakesTheSecondDeal) {
  std::mt19937 rng(3);
  DirectPair p(1);
  connect(p, rng);
  play(p, rng, [&] { return p.server.game.dealNumber() == 2; });
  ASSERT_EQ(p.server.game.dealNumber(), 2);
  EXPECT_EQ(p.client.game.dealNumber(), 2);
}

}  // namespace
}  // namespace vantorn::net
