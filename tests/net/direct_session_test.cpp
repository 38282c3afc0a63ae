// The session: introduction and answer, the deal, the moves and start messages applied to
// the core, and what it refuses.
#include "net/direct_session.h"

#include <gtest/gtest.h>

#include "core/test_support.h"
#include "net/direct_pair.h"

namespace vantorn::net {
namespace {

using core::DealPhase;
using core::Game;
using core::GameState;
using core::testing::C;
using core::testing::permFor;
using testing::DirectPair;
using testing::expectMirrored;

TEST(DirectSession, IntroductionAndAnswer) {
  DirectPair p;
  EXPECT_EQ(p.server.session.stage(), ConnectionStage::Waiting);
  const std::string intro = p.client.session.connected();
  EXPECT_EQ(intro, makeIntroduction("Cleo"));
  const SessionOutput s = p.server.session.onBytes(intro);
  EXPECT_EQ(s.bytes, makeAnswer("Sam"));
  EXPECT_EQ(s.notices, (std::vector<Notice>{{NoticeKind::PeerIntroduced, "Cleo"}}));
  EXPECT_EQ(p.server.session.stage(), ConnectionStage::Introduced);
  EXPECT_EQ(p.server.session.opponentName(), "Cleo");
  // A second introduction on the same connection gets nothing.
  EXPECT_TRUE(p.server.session.onBytes(intro).bytes.empty());

  const SessionOutput c = p.client.session.onBytes(s.bytes);
  EXPECT_TRUE(c.bytes.empty());
  EXPECT_EQ(c.notices, (std::vector<Notice>{{NoticeKind::Answered, "Sam"}}));
  EXPECT_EQ(p.client.session.stage(), ConnectionStage::Introduced);
  // The client's game has started and waits for the server's deal.
  EXPECT_TRUE(p.client.game.dealDue());
  EXPECT_EQ(p.client.game.gameNumber(), 40);
  EXPECT_TRUE(p.client.session.connected().empty());
}

TEST(DirectSession, IntroductionOfAnotherGameGetsNoAnswer) {
  DirectPair p;
  for (std::string bad : {"qex0425connect1Carl", "qex0524connect1Carl", "qex0525connect2Carl",
                          "QEX0525connect1Carl", "connect2Carl"}) {
    const SessionOutput s = p.server.session.onBytes(bad);
    EXPECT_TRUE(s.bytes.empty()) << bad;
    EXPECT_TRUE(s.notices.empty()) << bad;
  }
  EXPECT_EQ(p.server.session.stage(), ConnectionStage::Waiting);
  // The server keeps waiting: the right introduction is still answered.
  EXPECT_EQ(p.server.session.onBytes(makeIntroduction("Carl")).bytes, makeAnswer("Sam"));
}

TEST(DirectSession, ClientTakesTheDealOnlyAfterTheAnswer) {
  DirectPair p;
  Game dealer(core::GameConfig{core::Program::NetServer, false});
  dealer.startGame(1, 0);
  ASSERT_TRUE(dealer.deal(permFor(1, {"Ch09", "Bu09", "Kr09", "Pi09", "Ch10"},
                                  {"Pi2J", "Kr10", "Pi10", "Ch2J", "Bu2J"}, "Pi5A")));
  const std::string deal = makeDealMessage(dealContentOf(dealer));
  p.client.session.onBytes(deal);
  EXPECT_EQ(p.client.game.state(), GameState::GameFinished);
  p.client.session.onBytes(makeAnswer("Sam"));
  p.client.session.onBytes(deal);
  EXPECT_EQ(p.client.session.stage(), ConnectionStage::Dealt);
  EXPECT_EQ(p.client.game.hand(2).slots(), dealer.hand(1).slots());
  // In the middle of a deal another deal is refused.
  const SessionOutput again = p.client.session.onBytes(deal);
  ASSERT_EQ(again.notices.size(), 1u);
  EXPECT_EQ(again.notices[0].kind, NoticeKind::DealRefused);
  // Cards that are no deck (the same card twice) are refused by the game.
  DirectPair q;
  q.client.session.onBytes(makeAnswer("Sam"));
  std::string twice = deal;
  twice.replace(3, 2, deal.substr(1, 2));
  EXPECT_EQ(q.client.session.onBytes(twice).notices,
            (std::vector<Notice>{{NoticeKind::DealRefused, "deal first 2 up Pi5A"}}));
  EXPECT_TRUE(q.client.game.dealDue());
}

// Game 1 on the server: the client's player moves first; the face-up ten of spades.
const core::Permutation kClientFirst =
    permFor(1, {"Pi3Q", "Kr10", "Ch09", "Bu09", "Kr09"}, {"Ch2J", "Pi09", "Kr4K", "Bu10", "Ch5A"},
            "Pi10", {"Bu5A", "Ch3Q", "Pi5A"});

TEST(DirectSession, QueenOfSpadesThenTakeInOneRead) {
  DirectPair p(1);
  p.connectAndDeal(kClientFirst);
  EXPECT_EQ(p.client.session.stage(), ConnectionStage::Dealt);
  EXPECT_EQ(p.server.session.stage(), ConnectionStage::Dealt);
  expectMirrored(p.server.game, p.client.game);
  EXPECT_EQ(p.client.game.state(), GameState::PlayerTwoToMove);
  // "To Begin" on the server: an ordinary first card, the client moves first.
  p.local(p.server, [](Game& g) { g.pressAction(); });
  EXPECT_EQ(p.server.outbox, "hsitkon2");
  p.deliver();
  EXPECT_EQ(p.client.game.phase(), DealPhase::InPlay);

  // The client plays its own queen of spades, then takes: both in one read.
  p.local(p.client, [](Game& g) {
    ASSERT_EQ(g.clickCard(g.hand(2).find(C("Pi3Q"))), core::ClickResult::Played);
  });
  p.local(p.client, [](Game& g) { g.pressAction(); });
  EXPECT_EQ(p.client.outbox, "hhod" + C("Pi3Q").bytes() + "#htake");
  p.deliver();
  const Game& s = p.server.game;
  EXPECT_EQ(s.table().faceUp.card, C("Pi3Q"));
  EXPECT_EQ(s.table().orderedSuit, core::kNoSuit);
  EXPECT_EQ(s.hand(2).count(), 6);  // the queen's penalty card
  EXPECT_EQ(s.hand(2).card(6), C("Bu5A"));
  EXPECT_EQ(s.hand(1).count(), 5);  // four left, and the card taken
  EXPECT_EQ(s.hand(1).card(5), C("Ch3Q"));
  EXPECT_EQ(s.state(), GameState::PlayerOneToMove);
  EXPECT_TRUE(s.tookThisTurn());
  expectMirrored(p.server.game, p.client.game);
  EXPECT_FALSE(p.refused());
}

TEST(DirectSession, TakeThenPassInOneRead) {
  // Game 2: the server's player moves first.
  DirectPair p(2);
  p.connectAndDeal(permFor(2, {"Kr10", "Pi10", "Kr4K", "Pi5A", "Kr09"},
                           {"Ch09", "Bu09", "Ch10", "Bu10", "Ch5A"}, "Pi09", {"Kr5A"}));
  p.local(p.server, [](Game& g) { g.pressAction(); });
  EXPECT_TRUE(p.server.outbox.empty());  // the server's player simply moves first
  p.local(p.server, [](Game& g) { g.pressAction(); });
  p.local(p.server, [](Game& g) { g.pressAction(); });
  EXPECT_EQ(p.server.outbox, "htakehpass");
  p.deliver();
  const Game& c = p.client.game;
  EXPECT_EQ(c.hand(1).count(), 6);
  EXPECT_EQ(c.hand(1).card(6), C("Kr5A"));
  EXPECT_EQ(c.phase(), DealPhase::InPlay);
  EXPECT_EQ(c.state(), GameState::PlayerTwoToMove);
  EXPECT_FALSE(c.tookThisTurn());
  EXPECT_TRUE(c.actionButton().enabled);
  expectMirrored(p.server.game, p.client.game);
}

TEST(DirectSession, MovesTheTableCannotTakeAreRefused) {
  DirectPair p(1);
  p.connectAndDeal(kClientFirst);
  Game& s = p.server.game;
  auto refusedOnServer = [&](const std::string& bytes) {
    const SessionOutput out = p.server.session.onBytes(bytes);
    s.clearEvents();
    return out.notices.size() == 1 && out.notices[0].kind == NoticeKind::MoveRefused;
  };
  // Before "To Begin" on the server nothing moves.
  EXPECT_TRUE(refusedOnServer("htake"));
  EXPECT_TRUE(refusedOnServer(makePlay(C("Kr10"), core::kNoSuit)));
  p.local(p.server, [](Game& g) { g.pressAction(); });
  p.deliver();
  const auto hands = std::pair{s.hand(1).slots(), s.hand(2).slots()};
  struct Case {
    const char* why;
    std::string bytes;
  };
  const Case cases[] = {
      {"not in player 1's hand", makePlay(C("Ch2J"), core::kNoSuit)},
      {"the face-up card once play runs", makePlay(C("Pi10"), core::kNoSuit)},
      {"may not be played on the ten of spades", makePlay(C("Ch09"), core::kNoSuit)},
  };
  for (const Case& c : cases) EXPECT_TRUE(refusedOnServer(c.bytes)) << c.why;
  EXPECT_EQ(std::pair(s.hand(1).slots(), s.hand(2).slots()), hands);
  EXPECT_EQ(s.table().tableCount, 1);
  // The ten of clubs may be played; then it is the server's turn and moves are refused.
  EXPECT_FALSE(refusedOnServer(makePlay(C("Kr10"), core::kNoSuit)));
  EXPECT_EQ(s.state(), GameState::PlayerTwoToMove);
  EXPECT_TRUE(refusedOnServer("htake"));
  EXPECT_TRUE(refusedOnServer(makePlay(C("Kr09"), core::kNoSuit)));
}

TEST(DirectSession, JokerTurnedUpIsOrderedOnTheClient) {
  // Game 2: the server's player moves first and the blue joker lies face up.
  DirectPair p(2);
  p.connectAndDeal(permFor(2, {"Kr10", "Pi10", "Kr4K", "Pi5A", "Kr09"},
                           {"Ch09", "Bu09", "Ch10", "Bu10", "Ch5A"}, "PoBlue"));
  p.local(p.server, [](Game& g) { g.pressAction(); });
  EXPECT_EQ(p.server.outbox, "hzakaz");
  p.deliver();
  EXPECT_EQ(p.client.game.suitRequest(), core::SuitRequest::PeerFirstCard);
  // Until the client has ordered, the server takes no play of player 1.
  EXPECT_EQ(p.server.session.onBytes(makePlay(C("Kr10"), core::kNoSuit)).notices.size(), 1u);
  EXPECT_EQ(p.server.session.onBytes(makePlay(C("PoBlue"), core::kNoSuit)).notices.size(), 1u);
  p.local(p.client, [](Game& g) { g.chooseSuit(core::cp1251::kClubs); });
  EXPECT_EQ(p.client.outbox, "hhodj1\xEA");
  p.deliver();
  EXPECT_EQ(p.server.game.table().orderedSuit, core::cp1251::kClubs);
  EXPECT_EQ(p.server.game.state(), GameState::PlayerTwoToMove);
  EXPECT_EQ(p.client.game.state(), GameState::PlayerOneToMove);
  expectMirrored(p.server.game, p.client.game);
  // The order is taken once.
  EXPECT_EQ(p.server.session.onBytes("hhodj1\xEA").notices.size(), 1u);
}

TEST(DirectSession, FirstCardAnnouncementsReachTheClient) {
  struct Case {
    std::int32_t gameNumber;
    const char* faceUp;
    std::string sent;
  };
  // Game 2: the server's player (red) moves first; game 1: the client's (black).
  const Case cases[] = {
      {2, "Pi2J", "hvalet"},  {2, "Kr3Q", "hdama"}, {2, "Pi4K", "hkorol"},
      // A red picture owned by the server's player, the client's player to move: the
      // client replays it as player 1's card and takes its penalty.
      {1, "Ch2J", "hhod" + C("Ch2J").bytes() + "#"},
      {1, "Bu3Q", "hhod" + C("Bu3Q").bytes() + "#"},
      {1, "PoBlack", "hhodj3\xF7hsitkon2"},  // the server's user orders hearts
      {1, "Kr09", "hsitkon2"},
  };
  for (const Case& c : cases) {
    DirectPair p(c.gameNumber);
    const int first = c.gameNumber == 1 ? 1 : 2;
    p.connectAndDeal(permFor(first, {"Kr10", "Pi10", "Kr4K", "Pi5A", "Bu09"},
                             {"Ch09", "Pi09", "Ch10", "Bu10", "Ch5A"}, c.faceUp));
    p.local(p.server, [](Game& g) { g.pressAction(); });
    if (p.server.game.suitRequest() == core::SuitRequest::FirstCard)
      p.local(p.server, [](Game& g) { g.chooseSuit(core::cp1251::kHearts); });
    EXPECT_EQ(p.server.outbox, c.sent) << c.faceUp;
    p.deliver();
    expectMirrored(p.server.game, p.client.game);
    EXPECT_EQ(p.client.game.phase(), DealPhase::InPlay) << c.faceUp;
    EXPECT_EQ(p.server.game.state() == GameState::PlayerOneToMove,
              p.client.game.state() == GameState::PlayerTwoToMove)
        << c.faceUp;
    EXPECT_FALSE(p.refused()) << c.faceUp;
  }
}

TEST(DirectSession, ChatOnlyFromTheServer) {
  DirectPair p;
  EXPECT_EQ(p.server.session.chat("Good luck to you all"), "sGood luck to yo");
  EXPECT_TRUE(p.server.session.chat("").empty());
  EXPECT_TRUE(p.client.session.chat("Hi").empty());
  EXPECT_EQ(p.client.session.onBytes("sGood luck").notices,
            (std::vector<Notice>{{NoticeKind::Chat, "Good luck"}}));
  // The server shows what arrives all the same.
  EXPECT_EQ(p.server.session.onBytes("shi").notices, (std::vector<Notice>{{NoticeKind::Chat, "hi"}}));
}

TEST(DirectSession, FaceUpToggleCodeOnTheSendButton) {
  DirectPair p;
  DirectSession& s = p.server.session;
  auto type = [&](std::string_view text) {
    bool toggled = false;
    for (char c : text) toggled = s.typeOnSendButton(c);
    return toggled;
  };
  EXPECT_FALSE(type("4817"));
  EXPECT_TRUE(type("3"));
  EXPECT_FALSE(type("4817x3"));
  s.clearTypedCode();
  EXPECT_TRUE(type("0048173"));
  EXPECT_FALSE(type("148173"));
  s.clearTypedCode();
  EXPECT_FALSE(type("4 8173"));
  s.clearTypedCode();
  EXPECT_FALSE(type(std::string(20, '0')));  // too long to be the code: cleared
  EXPECT_TRUE(type("48173"));
}


TEST(DirectSession, PeerLeavingARunningGameIsReported) {
  // Before any game, or after the local user left: nothing to report.
  DirectPair idle;
  EXPECT_FALSE(idle.server.session.closed(false));
  EXPECT_EQ(idle.server.session.stage(), ConnectionStage::Idle);
  EXPECT_EQ(idle.server.session.opponentName(), "No");

  DirectPair p(1);
  p.connectAndDeal(permFor(1, {"Kr10", "Pi10", "Kr4K", "Pi5A", "Bu09"},
                                          {"Ch09", "Pi09", "Ch10", "Bu10", "Ch5A"}, "Kr09"));
  EXPECT_EQ(p.server.session.closed(false), (Notice{NoticeKind::PeerInterrupted, "Client"}));
  EXPECT_EQ(p.client.session.closed(false), (Notice{NoticeKind::PeerInterrupted, "Server"}));
  EXPECT_FALSE(p.client.session.closed(true));
}


TEST(DirectSession, AnswerAndDealInOneRead) {
  DirectPair p(2);
  const SessionOutput intro = p.server.session.onBytes(p.client.session.connected());
  p.local(p.server, [](Game& g) {
    g.startGame(2, 0);
    ASSERT_TRUE(g.deal(permFor(2, {"Kr10", "Pi10", "Kr4K", "Pi5A", "Bu09"},
                                              {"Ch09", "Pi09", "Ch10", "Bu10", "Ch5A"}, "Kr09")));
  });
  const SessionOutput c = p.client.session.onBytes(intro.bytes + p.server.outbox);
  EXPECT_TRUE(c.bytes.empty());  // the client never sends a deal back
  EXPECT_EQ(c.notices, (std::vector<Notice>{{NoticeKind::Answered, "Sam"}}));
  EXPECT_EQ(p.client.session.stage(), ConnectionStage::Dealt);
  expectMirrored(p.server.game, p.client.game);
}

}  // namespace
}  // namespace vantorn::net
