// The single messages of the direct game: builders, and the deal message both ways.
#include "net/direct_messages.h"

#include <gtest/gtest.h>

#include "core/test_support.h"

namespace vantorn::net {
namespace {

using core::Card;
using core::Game;
using core::GameConfig;
using core::Program;
using core::testing::C;
using core::testing::permFor;

TEST(DirectMessages, BuildersWriteTheWireForm) {
  EXPECT_EQ(makeIntroduction("Bob"), "qex0525connect1Bob                 ");
  EXPECT_EQ(makeIntroduction("Bob").size(), 15u + kNameLimit);
  EXPECT_EQ(makeAnswer("A name longer than twenty"), "connect2A name longer than t");
  EXPECT_EQ(makeChat(""), "");
  EXPECT_EQ(makeChat("Hello"), "sHello");
  EXPECT_EQ(makeChat("0123456789abcdefXYZ"), "s0123456789abcde");
  EXPECT_EQ(makePlay(C("Pi3Q"), core::kNoSuit), "hhod\xC4\xEF#");
  EXPECT_EQ(makePlay(C("PoRed"), core::cp1251::kHearts), "hhodj2\xF7");
  for (auto start : {core::PeerStart::OrderSuit, core::PeerStart::Jack, core::PeerStart::Queen,
                     core::PeerStart::King, core::PeerStart::Begin})
    EXPECT_EQ(startFromToken(startToken(start)), start);
  EXPECT_EQ(startToken(core::PeerStart::Begin), "hsitkon2");
  EXPECT_FALSE(startFromToken("htake"));
}

// A server game that has just dealt.
Game dealtServer(int gameNumber) {
  Game g(GameConfig{Program::NetServer, false});
  const int first = gameNumber % 2 != 0 ? 1 : 2;
  g.startGame(gameNumber, 0);
  EXPECT_TRUE(g.deal(permFor(first, {"Pi3Q", "Kr10", "Ch09", "PoBlue", "Bu5A"},
                             {"Ch2J", "Pi09", "Kr4K", "Bu10", "Ch5A"}, "Kr09", {"Pi5A", "Ch3Q"})));
  return g;
}

TEST(DirectMessages, DealMessageFollowsThePositionTable) {
  const Game g = dealtServer(1);
  const std::string m = makeDealMessage(dealContentOf(g));
  ASSERT_EQ(m.size(), kDealMessageSize);
  EXPECT_EQ(m[0], 'b');
  // Position p of the table is m[p].
  struct Field {
    std::size_t position;
    std::string bytes;
  };
  const Field fields[] = {
      {1, C("Pi3Q").bytes()},   // sender's player 1, slot 1
      {9, C("Bu5A").bytes()},   // sender's player 1, slot 5
      {11, C("Ch2J").bytes()},  // sender's player 2, slot 1
      {21, "3"},                // rank order of the queen
      {25, "6"},                // ... of the ace
      {26, "2"},                // rank order of player 2's jack
      {31, "03"},               // points of the queen
      {37, "00"},               // points of the joker
      {39, "11"},               // points of the ace
      {41, "02"},               // player 2's jack
      {51, C("Kr09").bytes()},  // face-up card
      {53, "1"},                // its rank order
      {54, C("Pi5A").bytes()},  // list slot 1, the stock's top
      {56, C("Ch3Q").bytes()},  // list slot 2
      {84, C("Kr09").bytes()},  // list slot 16: the face-up card
      {86, "6"},                // rank order of list slot 1
      {102, "11"},              // points of list slot 1
      {132, "09"},              // points of list slot 16
      {134, "1"},               // player 1 moves first
  };
  for (const Field& f : fields) EXPECT_EQ(m.substr(f.position, f.bytes.size()), f.bytes) << f.position;
  EXPECT_EQ(makeDealMessage(dealContentOf(dealtServer(2)))[134], '2');
}

// The client shows the server's deal mirrored: its own hand (player 2) is the server's
// player 1 and the other way round; the face-up card and the list are the same.
TEST(DirectMessages, DealRoundTripMirrorsTheHands) {
  for (int gameNumber : {1, 2}) {
    const Game server = dealtServer(gameNumber);
    const auto received = readDealMessage(makeDealMessage(dealContentOf(server)));
    ASSERT_TRUE(received);
    Game client(GameConfig{Program::NetClient, false});
    client.startGame(7, 0);
    ASSERT_TRUE(client.receiveDeal(*received));
    for (int i = 1; i <= 12; ++i) {
      EXPECT_EQ(client.hand(2).slot(i), server.hand(1).slot(i)) << i;
      EXPECT_EQ(client.hand(1).slot(i), server.hand(2).slot(i)) << i;
    }
    EXPECT_EQ(client.table().faceUp, server.table().faceUp);
    EXPECT_EQ(client.table().tableCount, 1);
    for (int i = 1; i <= 26; ++i) EXPECT_EQ(client.stock().at(i), server.stock().at(i)) << i;
    EXPECT_EQ(client.stock().stockCount, 15);
    EXPECT_EQ(client.firstMover(), 3 - server.firstMover());
  }
}

TEST(DirectMessages, FirstMoverOneMakesTheClientsOwnPlayerMoveFirst) {
  std::string m = makeDealMessage(dealContentOf(dealtServer(1)));
  ASSERT_EQ(m[134], '1');
  Game client(GameConfig{Program::NetClient, false});
  client.startGame(1, 0);
  ASSERT_TRUE(client.receiveDeal(*readDealMessage(m)));
  EXPECT_EQ(client.firstMover(), 2);
  EXPECT_EQ(client.state(), core::GameState::PlayerTwoToMove);
  // Anything but "1" there means the sender's own player.
  for (char c : {'2', '0', 'x'}) {
    m[134] = c;
    EXPECT_EQ(readDealMessage(m)->firstMover, 1) << c;
  }
}

TEST(DirectMessages, DealReaderRefusesWhatNoDealHolds) {
  const std::string good = makeDealMessage(dealContentOf(dealtServer(1)));
  ASSERT_TRUE(readDealMessage(good));
  ASSERT_TRUE(dealPrefixPossible(good));
  EXPECT_FALSE(readDealMessage(good.substr(0, 134)));
  EXPECT_FALSE(readDealMessage(good + "h"));
  struct Mutation {
    std::size_t index;
    std::string bytes;
  };
  const Mutation bad[] = {
      {0, "c"},      // not a deal
      {1, "##"},     // an empty slot in a hand
      {1, "j#"},     // the placeholder joker
      {3, "X"},      // no card starts with X
      {12, "1"},     // "\xC21" names no card
      {21, "a"},     // rank order not a digit
      {45, " "},     // points not a digit
      {51, "j9"},    // face-up card
      {53, "-"},     // its rank order
      {84, "1#"},    // list slot 16
      {101, "x"},    // rank order of list slot 16
      {133, "/"},    // last points digit
  };
  for (const Mutation& mu : bad) {
    std::string m = good;
    m.replace(mu.index, mu.bytes.size(), mu.bytes);
    EXPECT_FALSE(readDealMessage(m)) << mu.index;
    EXPECT_FALSE(dealPrefixPossible(m.substr(0, mu.index + mu.bytes.size()))) << mu.index;
  }
}

}  // namespace
}  // namespace vantorn::net
