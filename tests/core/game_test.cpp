#include <gtest/gtest.h>

#include <algorithm>

#include "core/game.h"
#include "test_support.h"

namespace vantorn::core {
namespace {
using testing::C;
using testing::dealGame;
using testing::describe;
using testing::permFor;

std::vector<std::string> after(const std::vector<std::string>& all, const std::string& first) {
  auto it = std::find(all.begin(), all.end(), first);
  return std::vector<std::string>(it, all.end());
}

int slotOf(const Game& g, int player, std::string_view code) { return g.hand(player).find(C(code)); }

// Game 2 of a player: the human (player 2, red) moves first and holds "j2".
Game humanFirst(std::vector<std::string_view> hand1, std::vector<std::string_view> hand2,
                std::string_view up, std::vector<std::string_view> stock = {}) {
  Game g(GameConfig{});
  dealGame(g, 2, permFor(2, hand1, hand2, up, stock));
  g.pressAction();
  g.clearEvents();
  return g;
}

TEST(Deal, LaysOutHandsStockAndFaceUpCard) {
  Game g(GameConfig{});
  const Permutation p = permFor(1, {"Ch09", "Bu09", "Kr09", "Pi09", "Ch10"},
                                {"Bu10", "Kr10", "Pi10", "Ch2J", "Bu2J"}, "Kr5A");
  g.startGame(1, 0);
  ASSERT_TRUE(g.deal(p));
  EXPECT_EQ(g.stock().stockCount, 15);
  EXPECT_EQ(g.table().tableCount, 1);
  EXPECT_EQ(g.stock().nextFree, 17);
  EXPECT_EQ(g.stock().at(16).card, C("Kr5A"));
  EXPECT_EQ(g.table().faceUp.card, C("Kr5A"));
  EXPECT_EQ(g.hand(1).count(), 5);
  EXPECT_EQ(g.hand(2).card(4), C("Ch2J"));
  EXPECT_EQ(g.state(), GameState::PlayerOneToMove);
  EXPECT_EQ(g.phase(), DealPhase::AwaitBegin);
  EXPECT_EQ(g.actionButton().caption, ActionCaption::ToBegin);
  EXPECT_TRUE(g.actionButton().enabled);
  EXPECT_FALSE(g.exitEnabled());
  EXPECT_EQ(g.table().orderedSuit, kNoSuit);
  EXPECT_EQ(describe(g.events()).back(), "WTasoKo");

  Permutation bad = p;
  bad[0] = bad[1];
  Game h(GameConfig{});
  h.startGame(1, 0);
  EXPECT_FALSE(h.deal(bad));
  EXPECT_TRUE(h.dealDue());
}

TEST(Deal, FirstMoverByGameNumberQueueAndWinner) {
  // The deal winner leads without the queue option; with it the lead alternates.
  for (bool queue : {false, true}) {
    Game g(GameConfig{Program::Local, queue});
    g.startGame(2, 0);
    EXPECT_EQ(g.nextFirstMover(), 2);  // an even game starts with the human
    g.startGame(3, 0);
    EXPECT_EQ(g.nextFirstMover(), 1);
  }
}

TEST(Move, OwnJackMakesTheOpponentTakeTwiceAndKeepsTheTurn) {
  Game g = humanFirst({"Kr10", "Pi10", "Kr5A", "Pi5A", "Kr09"},
                      {"Ch2J", "Ch09", "Bu09", "Ch10", "Bu10"}, "Ch5A", {"Pi09", "Bu5A"});
  ASSERT_EQ(g.clickCard(slotOf(g, 2, "Ch2J")), ClickResult::Played);
  EXPECT_EQ(after(describe(g.events()), "play 2 Ch2J"),
            (std::vector<std::string>{"play 2 Ch2J", "fly hand->pile", "WHodsDo",
                                      "take 1 Pi09", "fly stock->hand", "WDing_1",
                                      "take 1 Bu5A", "fly stock->hand", "WDing_1"}));
  EXPECT_EQ(g.hand(1).count(), 7);
  EXPECT_EQ(g.state(), GameState::PlayerTwoToMove);
  EXPECT_FALSE(g.tookThisTurn());
  // The penalty takes did not use up the human's own take.
  g.clearEvents();
  g.pressAction();
  EXPECT_EQ(describe(g.events())[0].substr(0, 6), "take 2");
  EXPECT_EQ(g.actionButton().caption, ActionCaption::Pass);
}

TEST(Move, SecondEmptyMoveOfATurnIsAPass) {
  Game g = humanFirst({"Kr10", "Pi10", "Kr5A", "Pi5A", "Kr09"},
                      {"Ch2J", "Ch09", "Bu09", "Ch10", "Bu10"}, "Ch5A", {"Pi4K"});
  g.pressAction();
  EXPECT_TRUE(g.tookThisTurn());
  EXPECT_EQ(g.hand(2).count(), 6);
  g.clearEvents();
  g.pressAction();
  EXPECT_EQ(describe(g.events()), (std::vector<std::string>{"WHodBer", "pass 2"}));
  EXPECT_EQ(g.hand(2).count(), 6);
  EXPECT_EQ(g.state(), GameState::PlayerOneToMove);
  EXPECT_FALSE(g.actionButton().enabled);
}

TEST(Move, LegalityFollowsTheOrderedSuit) {
  Game g = humanFirst({"Kr10", "Pi10", "Kr4K", "Pi5A", "Kr09"},
                      {"PoBlue", "Kr5A", "Pi09", "Ch10", "Bu10"}, "Ch5A");
  ASSERT_EQ(g.clickCard(slotOf(g, 2, "PoBlue")), ClickResult::NeedSuit);
  EXPECT_EQ(g.suitRequest(), SuitRequest::HumanJoker);
  g.chooseSuit(cp1251::kClubs);
  EXPECT_EQ(g.table().faceUp.card, Card::blueJoker());
  EXPECT_EQ(g.table().orderedSuit, cp1251::kClubs);
  EXPECT_EQ(g.state(), GameState::PlayerOneToMove);
  EXPECT_TRUE(g.legal(C("Kr5A")));
  EXPECT_FALSE(g.legal(C("Pi5A")));
  EXPECT_TRUE(g.legal(Card::redJoker()));
  // Not the human's move: clicks do nothing.
  EXPECT_EQ(g.clickCard(slotOf(g, 2, "Kr5A")), ClickResult::Ignored);
}

TEST(Move, IllegalCardIsRefusedWithASound) {
  Game g = humanFirst({"Kr10", "Pi10", "Kr4K", "Pi5A", "Kr09"},
                      {"Kr5A", "Pi09", "Ch10", "Bu10", "Bu09"}, "Ch5A");
  EXPECT_EQ(g.clickCard(slotOf(g, 2, "Pi09")), ClickResult::Illegal);
  EXPECT_EQ(describe(g.events()), std::vector<std::string>{"WWrongs"});
  EXPECT_EQ(g.hand(2).count(), 5);
  EXPECT_EQ(g.state(), GameState::PlayerTwoToMove);
  EXPECT_EQ(g.clickCard(12), ClickResult::Ignored);
}

TEST(Move, PenaltyTakeThatEmptiesTheStockTurnsThePileFirst) {
  // A network client whose deal arrives with one card left in the stock.
  Game g(GameConfig{Program::NetClient, false});
  g.startGame(1, 0);
  ReceivedDeal d;
  const char* h1[] = {"Ch09", "Bu09", "Kr09", "Pi09", "Ch10"};
  const char* h2[] = {"Pi2J", "Kr10", "Pi10", "Ch2J", "Bu2J"};
  for (int i = 0; i < 5; ++i) {
    d.hand1[static_cast<std::size_t>(i)] = CardSlot::of(C(h1[i]));
    d.hand2[static_cast<std::size_t>(i)] = CardSlot::of(C(h2[i]));
  }
  const char* list[] = {"Kr2J", "Ch3Q", "Bu3Q", "Kr3Q", "Pi3Q", "Ch4K", "Bu4K", "Kr4K",
                        "Pi4K", "Ch5A", "Bu5A", "Kr5A", "PoBlue", "PoRed", "Bu10", "Pi5A"};
  for (int i = 0; i < 16; ++i) d.stock.slots[static_cast<std::size_t>(i)] = CardSlot::of(C(list[i]));
  d.stock.stockCount = 1;
  d.stock.nextFree = 17;
  d.tableCount = 15;
  d.faceUp = CardSlot::of(C("Pi5A"));
  d.firstMover = 2;
  ASSERT_TRUE(g.receiveDeal(d));
  EXPECT_EQ(g.actionButton().caption, ActionCaption::ITake);
  EXPECT_FALSE(g.actionButton().enabled);
  g.peerStart(PeerStart::Begin);
  EXPECT_EQ(g.phase(), DealPhase::InPlay);
  g.clearEvents();

  ASSERT_EQ(g.clickCard(slotOf(g, 2, "Pi2J")), ClickResult::Played);
  EXPECT_EQ(after(describe(g.events()), "WHodsDo"),
            (std::vector<std::string>{"WHodsDo", "take 1 Kr2J", "fly stock->hand", "WDing_1",
                                      "WToMenK", "turnover 15", "take 1 Ch3Q", "fly stock->hand",
                                      "WDing_1"}));
  // The pile became the stock oldest card first; the jack stays face up.
  EXPECT_EQ(g.table().faceUp.card, C("Pi2J"));
  EXPECT_EQ(g.table().tableCount, 1);
  EXPECT_EQ(g.stock().stockCount, 14);
  EXPECT_EQ(g.stock().at(1).card, C("Bu3Q"));
  EXPECT_EQ(g.stock().at(g.stock().nextFree - 1).card, C("Pi2J"));
  EXPECT_EQ(g.state(), GameState::PlayerTwoToMove);
  // The client sends its own moves.
  const auto all = describe(g.events());
  EXPECT_NE(std::find(all.begin(), all.end(), "send hhod" + C("Pi2J").bytes() + "#"), all.end());
}

TEST(Move, ReceivedDealWithDuplicatesIsRefused) {
  Game g(GameConfig{Program::NetClient, false});
  g.startGame(1, 0);
  ReceivedDeal d;
  for (auto& s : d.hand1) s = CardSlot::of(C("Ch09"));
  d.stock.nextFree = 17;
  d.stock.stockCount = 15;
  EXPECT_FALSE(g.receiveDeal(d));
  EXPECT_TRUE(g.dealDue());
}

TEST(Move, OwnQueenIntoAFullHandTakesNothingAndKeepsTheTurn) {
  // The computer collects cards while the human passes; then the human's queen.
  // Nothing the computer holds or takes matches the face-up ace of hearts.
  Game g = humanFirst({"Kr10", "Pi10", "Kr09", "Pi09", "Bu10"},
                      {"Ch3Q", "Ch09", "Bu09", "Ch10", "Bu5A"}, "Ch5A",
                      {"Ch2J", "Pi2J", "Ch4K", "Kr2J", "Kr5A", "Bu2J", "Pi5A", "Pi3Q", "PoBlue",
                       "Kr3Q", "PoRed", "Bu3Q", "Pi4K", "Kr4K"});
  for (int turn = 0; turn < 7; ++turn) {
    ASSERT_EQ(g.state(), GameState::PlayerTwoToMove);
    g.pressAction();  // take
    g.pressAction();  // pass
    ASSERT_EQ(g.state(), GameState::PlayerOneToMove);
    g.tick();  // the computer takes
    if (g.state() == GameState::PlayerOneToMove) g.tick();  // and passes
  }
  ASSERT_EQ(g.hand(1).count(), 12) << "the script assumes the computer could not play";
  g.clearEvents();
  ASSERT_EQ(g.clickCard(slotOf(g, 2, "Ch3Q")), ClickResult::Played);
  EXPECT_EQ(after(describe(g.events()), "WHodsDo"),
            (std::vector<std::string>{"WHodsDo", "full 1", "WDing_1"}));
  EXPECT_EQ(g.hand(1).count(), 12);
  EXPECT_EQ(g.state(), GameState::PlayerTwoToMove);
}

TEST(Move, OwnPicturesInARowThenTheTurnPasses) {
  // Game 1: the computer (black) moves first and plays Вп, Вк, Дк in a row.
  Game g(GameConfig{});
  dealGame(g, 1, permFor(1, {"Pi2J", "Kr2J", "Kr3Q", "Ch10", "Bu10"},
                         {"Ch09", "Bu09", "Ch2J", "Bu2J", "Ch3Q"}, "Pi09",
                         {"Pi10", "Pi5A", "Kr10", "Kr5A", "Ch4K", "Bu4K"}));
  g.pressAction();
  int played = 0;
  while (g.state() == GameState::PlayerOneToMove && played < 10) {
    g.tick();
    ++played;
  }
  std::vector<std::string> plays;
  for (const auto& s : describe(g.events()))
    if (s.rfind("play 1", 0) == 0) plays.push_back(s);
  EXPECT_EQ(plays, (std::vector<std::string>{"play 1 Pi2J", "play 1 Kr2J", "play 1 Kr3Q"}));
  EXPECT_EQ(g.hand(2).count(), 10);  // two, two and one card
  // Nothing followed the queen: the computer took "Кб", could not play it and passed.
  EXPECT_EQ(g.hand(1).count(), 3);
  EXPECT_EQ(g.state(), GameState::PlayerTwoToMove);
}

TEST(Move, OtherPlayersKingPassesTheTurn) {
  Game g = humanFirst({"Kr10", "Pi10", "Kr5A", "Pi5A", "Kr09"},
                      {"Pi4K", "Ch09", "Bu09", "Ch10", "Bu10"}, "Pi09");
  g.clickCard(slotOf(g, 2, "Pi4K"));
  EXPECT_EQ(g.state(), GameState::PlayerOneToMove);
}

TEST(Move, OwnJokerWithCardsLeftCostsFiveEachTime) {
  Game g = humanFirst({"Kr10", "Pi10", "Kr5A", "Pi5A", "Kr09"},
                      {"PoRed", "Bu10", "Bu09", "Ch10", "Bu5A"}, "Ch09");
  ASSERT_EQ(g.clickCard(slotOf(g, 2, "PoRed")), ClickResult::NeedSuit);
  g.chooseSuit(cp1251::kDiamonds);
  EXPECT_EQ(g.bonuses(2).ownJoker, -5);
  EXPECT_EQ(g.bonuses(2).goingOut, 0);
  const auto d = describe(g.events());
  EXPECT_EQ(after(d, "WOpenFo"), (std::vector<std::string>{"WOpenFo", "WDing_1", "play 2 PoRed",
                                                           "fly hand->pile", "WSays40", "order 2 d"}));
}

TEST(Move, GoingOutWithTheOwnJokerCountsMinusFortyAndNoFive) {
  // Own jack, king and queen keep the turn; the nine passes it; the joker goes out.
  Game g = humanFirst({"Kr10", "Pi10", "Kr5A", "Pi5A", "Kr09"},
                      {"Ch2J", "Ch4K", "Ch3Q", "PoRed", "Ch09"}, "Ch10",
                      {"Bu5A", "Bu4K", "Bu3Q"});
  for (const char* code : {"Ch2J", "Ch4K", "Ch3Q", "Ch09"})
    ASSERT_EQ(g.clickCard(slotOf(g, 2, code)), ClickResult::Played) << code;
  for (int i = 0; i < 10 && g.state() == GameState::PlayerOneToMove; ++i) g.tick();
  ASSERT_EQ(g.state(), GameState::PlayerTwoToMove);
  ASSERT_EQ(g.hand(2).count(), 1);
  EXPECT_EQ(g.clickCard(1), ClickResult::Played);  // the last card: no suit is asked
  EXPECT_EQ(g.state(), GameState::DealOver);
  EXPECT_EQ(g.bonuses(2).goingOut, -40);
  EXPECT_EQ(g.bonuses(2).ownJoker, 0);
  const std::int32_t before2 = g.total(2);
  g.tick();  // scoring
  EXPECT_EQ(g.total(2), before2 - 40);
  EXPECT_EQ(g.dealWinner(), 2);
  EXPECT_EQ(g.state(), GameState::AwaitNextRound);
  EXPECT_EQ(g.actionButton().caption, ActionCaption::NextRound);
  EXPECT_TRUE(g.actionButton().enabled);
}

TEST(FirstCard, TurnedUpPictureCountsAsPlayedByItsOwner) {
  struct Row {
    const char* up;
    int firstMover;
    GameState state;
    int hand1, hand2;
  };
  for (const Row& r : {Row{"Ch2J", 1, GameState::PlayerTwoToMove, 7, 5},
                       Row{"Bu3Q", 1, GameState::PlayerTwoToMove, 6, 5},
                       Row{"Ch4K", 1, GameState::PlayerTwoToMove, 5, 5},
                       Row{"Pi2J", 2, GameState::PlayerOneToMove, 5, 7},
                       Row{"Kr3Q", 2, GameState::PlayerOneToMove, 5, 6},
                       Row{"Pi4K", 2, GameState::PlayerOneToMove, 5, 5},
                       Row{"Pi2J", 1, GameState::PlayerOneToMove, 5, 5},
                       Row{"Ch2J", 2, GameState::PlayerTwoToMove, 5, 5},
                       Row{"Kr10", 2, GameState::PlayerTwoToMove, 5, 5}}) {
    Game g(GameConfig{});
    dealGame(g, r.firstMover, permFor(r.firstMover, {"Ch09", "Bu09", "Kr09", "Pi09", "Ch10"},
                                      {"Bu10", "Pi10", "Ch5A", "Bu5A", "Kr5A"}, r.up));
    g.pressAction();
    EXPECT_EQ(g.state(), r.state) << r.up << " first " << r.firstMover;
    EXPECT_EQ(g.hand(1).count(), r.hand1) << r.up;
    EXPECT_EQ(g.hand(2).count(), r.hand2) << r.up;
    EXPECT_EQ(g.actionButton().enabled, r.state == GameState::PlayerTwoToMove) << r.up;
    EXPECT_FALSE(g.tookThisTurn());
  }
}

TEST(FirstCard, ServerAnnouncesTheStart) {
  struct Row {
    const char* up;
    int firstMover;
    std::string message;
  };
  for (const Row& r : {Row{"Pi2J", 2, "hvalet"}, Row{"Kr3Q", 2, "hdama"}, Row{"Pi4K", 2, "hkorol"},
                       Row{"Kr10", 1, "hsitkon2"}, Row{"Pi2J", 1, "hsitkon2"},
                       Row{"PoRed", 2, "hzakaz"}, Row{"Kr10", 2, ""},
                       Row{"Ch2J", 1, "hhod" + C("Ch2J").bytes() + "#"}}) {
    Game g(GameConfig{Program::NetServer, false});
    dealGame(g, r.firstMover, permFor(r.firstMover, {"Ch09", "Bu09", "Kr09", "Pi09", "Ch10"},
                                      {"Bu10", "Pi10", "Ch5A", "Bu5A", "Kr5A"}, r.up));
    g.pressAction();
    std::vector<std::string> sent;
    for (const auto& s : describe(g.events()))
      if (s.rfind("send ", 0) == 0) sent.push_back(s.substr(5));
    if (r.message.empty())
      EXPECT_TRUE(sent.empty()) << r.up;
    else
      EXPECT_EQ(sent, std::vector<std::string>{r.message}) << r.up << " first " << r.firstMover;
  }
}

TEST(FirstCard, JokerWithThePlayerOneFirstAsksTheHuman) {
  Game g(GameConfig{Program::NetServer, false});
  dealGame(g, 1, permFor(1, {"Ch09", "Bu09", "Kr09", "Pi09", "Ch10"},
                         {"Bu10", "Pi10", "Ch5A", "Bu5A", "Kr5A"}, "PoBlack"));
  g.pressAction();
  EXPECT_EQ(g.suitRequest(), SuitRequest::FirstCard);
  EXPECT_FALSE(g.running());
  g.clearEvents();
  g.chooseSuit(cp1251::kHearts);
  EXPECT_TRUE(g.running());
  EXPECT_EQ(g.table().orderedSuit, cp1251::kHearts);
  EXPECT_EQ(g.state(), GameState::PlayerOneToMove);
  const auto d = describe(g.events());
  const std::vector<std::string> expected = {"order 2 h", "WDing_1",
                                             "send hhod" + Card::blackJoker().bytes() + "\xF7",
                                             "send hsitkon2"};
  EXPECT_EQ(d, expected);
}

TEST(FirstCard, JokerWithTheHumanFirstIsOrderedByTheComputer) {
  Game g(GameConfig{});
  dealGame(g, 2, permFor(2, {"Kr09", "Kr4K", "Pi10", "Ch09", "Bu09"},
                         {"Bu10", "Pi09", "Ch5A", "Bu5A", "Kr5A"}, "PoRed"));
  g.pressAction();
  EXPECT_EQ(g.table().orderedSuit, cp1251::kClubs);
  EXPECT_EQ(g.state(), GameState::PlayerTwoToMove);
  EXPECT_TRUE(g.actionButton().enabled);
}

TEST(Driver, ComputerPlaysOneCardPerTick) {
  Game g(GameConfig{});
  dealGame(g, 1, permFor(1, {"Pi4K", "Pi09", "Kr10", "Ch10", "Bu10"},
                         {"Bu09", "Ch09", "Ch5A", "Bu5A", "Kr5A"}, "Pi5A"));
  g.tick();  // before "To Begin" the driver does nothing
  EXPECT_EQ(g.hand(1).count(), 5);
  g.pressAction();
  g.tick();
  EXPECT_EQ(g.hand(1).count(), 4);
  EXPECT_EQ(g.table().faceUp.card, C("Pi4K"));
  EXPECT_EQ(describe(g.events())[0], "pause 500");
  EXPECT_EQ(g.state(), GameState::PlayerOneToMove);
  g.tick();
  EXPECT_EQ(g.table().faceUp.card, C("Pi09"));
  EXPECT_EQ(g.state(), GameState::PlayerTwoToMove);
}

TEST(Move, OwnJackAsTheLastCardStillMakesTheOpponentTake) {
  Game g = humanFirst({"Kr10", "Pi10", "Kr5A", "Pi5A", "Kr09"},
                      {"Ch4K", "Ch3Q", "Bu3Q", "Bu4K", "Bu2J"}, "Ch10",
                      {"Bu09", "Bu5A", "Pi09", "Kr3Q"});
  // Own kings and queens keep the turn; the own jack goes out and still deals two cards.
  for (const char* code : {"Ch4K", "Ch3Q", "Bu3Q", "Bu4K", "Bu2J"})
    ASSERT_EQ(g.clickCard(slotOf(g, 2, code)), ClickResult::Played) << code;
  EXPECT_EQ(g.state(), GameState::DealOver);
  EXPECT_EQ(g.hand(1).count(), 9);
  EXPECT_FALSE(g.actionButton().enabled);
  g.tick();
  EXPECT_EQ(g.dealPenalty(1), 10 + 10 + 11 + 11 + 9 + 9 + 11 + 9 + 3);
  EXPECT_EQ(g.total(1), 83);
  EXPECT_EQ(g.total(2), 0);
  EXPECT_EQ(g.dealWinner(), 2);
}

}  // namespace
}  // namespace vantorn::core

namespace vantorn::core {
namespace {

TEST(FirstCard, TournamentSeatOneAnnouncesTheStartLikeAServer) {
  // Seat 1 is dealt by the table server and plays the server's part of the first card.
  Game g(GameConfig{Program::TourSeat1, false});
  g.startGame(1, 0);
  ReceivedDeal d;
  const char* h1[] = {"Ch09", "Bu09", "Kr09", "Pi09", "Ch10"};
  const char* h2[] = {"Bu10", "Kr10", "Pi10", "Ch5A", "Bu5A"};
  for (int i = 0; i < 5; ++i) {
    d.hand1[static_cast<std::size_t>(i)] = CardSlot::of(C(h1[i]));
    d.hand2[static_cast<std::size_t>(i)] = CardSlot::of(C(h2[i]));
  }
  const char* list[] = {"Kr2J", "Ch3Q", "Bu3Q", "Kr3Q", "Pi3Q", "Ch4K", "Bu4K", "Kr4K",
                        "Pi4K", "Kr5A", "Pi5A", "PoBlue", "Ch2J", "Bu2J", "PoBlack", "Pi2J"};
  for (int i = 0; i < 16; ++i) d.stock.slots[static_cast<std::size_t>(i)] = CardSlot::of(C(list[i]));
  d.stock.stockCount = 15;
  d.stock.nextFree = 17;
  d.tableCount = 1;
  d.faceUp = CardSlot::of(C("Pi2J"));  // black jack: player 1's own on seat 1
  d.firstMover = 2;
  ASSERT_TRUE(g.receiveDeal(d));
  EXPECT_TRUE(g.actionButton().enabled);
  g.clearEvents();
  g.pressAction();
  const auto sent = describe(g.events());
  EXPECT_NE(std::find(sent.begin(), sent.end(), "send hvalet"), sent.end());
  EXPECT_EQ(g.hand(2).count(), 7);
  EXPECT_EQ(g.state(), GameState::PlayerOneToMove);
}

}  // namespace
}  // namespace vantorn::core
