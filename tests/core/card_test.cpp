#include <gtest/gtest.h>

#include <set>

#include "core/card.h"
#include "core/containers.h"
#include "test_support.h"

namespace vantorn::core {
namespace {
using testing::C;

TEST(Card, EveryCardRoundTripsThroughBytesAndCode) {
  std::set<std::string> codes;
  for (int n = 1; n <= 26; ++n) {
    for (int first : {1, 2}) {
      const Card c = deckCard(n, first);
      ASSERT_FALSE(c.isEmpty());
      EXPECT_EQ(Card::fromBytes(c.bytes()), c);
      EXPECT_EQ(Card::fromCode(c.code()), c);
      codes.insert(c.code());
    }
  }
  EXPECT_EQ(codes.size(), 27u);  // 24 cards and three jokers
  EXPECT_EQ(C("Pi5A").bytes(), "\xD2\xEF");  // "Тп" in Windows-1251
  EXPECT_EQ(C("Ch09").bytes(), "9\xF7");
  EXPECT_EQ(C("Bu10").bytes(), "1\xE1");
  EXPECT_EQ(Card::redJoker().code(), "PoRed");
  EXPECT_FALSE(Card::fromBytes("9x").has_value());
  EXPECT_FALSE(Card::fromBytes("j4").has_value());
  EXPECT_FALSE(Card::fromBytes("9").has_value());
  EXPECT_FALSE(Card::fromCode("Pi11").has_value());
}

TEST(Card, RankOrderAndPoints) {
  struct Row { const char* code; int order; int points; };
  for (const Row& r : {Row{"Ch09", 1, 9}, Row{"Pi2J", 2, 2}, Row{"Kr3Q", 3, 3}, Row{"Bu4K", 4, 4},
                       Row{"Ch10", 5, 10}, Row{"Pi5A", 6, 11}, Row{"PoBlue", 0, 0}}) {
    EXPECT_EQ(C(r.code).rankOrder(), r.order) << r.code;
    EXPECT_EQ(C(r.code).points(), r.points) << r.code;
  }
  EXPECT_EQ(Card::empty().points(), 99);
  EXPECT_EQ(Card::empty().rankOrder(), 99);
}

TEST(Card, JokerMatchesNothingButAnotherJokerByRank) {
  const Card j1 = Card::blueJoker();
  for (int n = 1; n <= 24; ++n) {
    EXPECT_FALSE(j1.sameSuit(deckCard(n, 1)));
    EXPECT_FALSE(j1.sameRank(deckCard(n, 1)));
  }
  EXPECT_TRUE(j1.sameRank(Card::blackJoker()));
  EXPECT_FALSE(j1.sameSuit(Card::blackJoker()));
}

TEST(Card, OwnershipFollowsTheSeatTable) {
  const Card ks = C("Pi4K");
  EXPECT_TRUE(isOwnPicture(Program::NetServer, 1, ks));
  EXPECT_TRUE(isOwnPicture(Program::NetClient, 2, ks));
  EXPECT_FALSE(isOwnPicture(Program::NetClient, 1, ks));
  EXPECT_TRUE(isOwnPicture(Program::TourSeat2, 2, ks));
  EXPECT_TRUE(isOwnPicture(Program::Local, 2, C("Bu2J")));
  EXPECT_TRUE(isOwnCard(Program::Local, 1, Card::blackJoker()));
  EXPECT_FALSE(isOwnPicture(Program::Local, 1, Card::blackJoker()));
  EXPECT_FALSE(isOwnCard(Program::Local, 1, Card::blueJoker()));
  EXPECT_FALSE(isOwnCard(Program::Local, 2, Card::blueJoker()));
  EXPECT_FALSE(isOwnCard(Program::Local, 1, C("Pi5A")));
}

TEST(Card, DeckHoldsTheBlueJokerAndTheFirstMoversJoker) {
  std::set<std::string> second;
  for (int n = 1; n <= 26; ++n) second.insert(deckCard(n, 2).code());
  EXPECT_TRUE(second.count("PoBlue"));
  EXPECT_TRUE(second.count("PoRed"));
  EXPECT_FALSE(second.count("PoBlack"));
  EXPECT_EQ(deckCard(26, 1), Card::blackJoker());
  EXPECT_EQ(deckCard(1, 1), C("Ch09"));
  EXPECT_EQ(deckCard(4, 1), C("Pi09"));
  EXPECT_EQ(deckCard(24, 1), C("Pi5A"));
}

TEST(Hand, FullHandRefusesAndRemovalCloses) {
  Hand h;
  for (int n = 1; n <= 12; ++n) ASSERT_TRUE(h.append(CardSlot::of(deckCard(n, 1))));
  EXPECT_FALSE(h.append(CardSlot::of(deckCard(13, 1))));
  EXPECT_EQ(h.count(), 12);

  Hand five;
  for (int n = 1; n <= 5; ++n) five.append(CardSlot::of(deckCard(n, 1)));
  ASSERT_TRUE(five.remove(1));
  EXPECT_EQ(five.count(), 4);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(five.card(i), deckCard(i + 1, 1));
  EXPECT_TRUE(five.slot(5).isEmpty());
  EXPECT_EQ(five.slot(5).points, 99);
  EXPECT_FALSE(five.remove(5));
  EXPECT_FALSE(five.remove(0));
  EXPECT_EQ(five.find(deckCard(3, 1)), 2);
  EXPECT_EQ(five.find(deckCard(1, 1)), 0);
}

}  // namespace
}  // namespace vantorn::core
