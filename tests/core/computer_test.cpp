#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <vector>

#include "core/computer.h"
#include "test_support.h"

namespace vantorn::core {
namespace {
using testing::C;
using testing::handOf;

// Every run of distinct black picture cards, each matching the one before, that cannot be
// extended: computed from the matching rule, independently of the stored table.
std::vector<std::vector<int>> maximalChains() {
  std::vector<std::vector<int>> out;
  std::vector<int> run;
  std::function<void()> extend = [&] {
    bool extended = false;
    for (int p = 0; p < 6; ++p) {
      if (std::find(run.begin(), run.end(), p) != run.end()) continue;
      if (!blackPictureCard(BlackPicture(p)).matches(blackPictureCard(BlackPicture(run.back())))) continue;
      extended = true;
      run.push_back(p);
      extend();
      run.pop_back();
    }
    if (!extended) out.push_back(run);
  };
  for (int start = 0; start < 6; ++start) {
    run = {start};
    extend();
  }
  return out;
}

TEST(ChainTable, HoldsExactlyTheMaximalChainsInBlocksByStartCard) {
  std::set<std::vector<int>> generated;
  for (const auto& c : maximalChains()) generated.insert(c);

  std::set<std::vector<int>> stored;
  int six = 0, five = 0;
  for (const Chain& row : chainTable()) {
    std::vector<int> v;
    for (BlackPicture p : row)
      if (p != None) v.push_back(p);
    (v.size() == 6 ? six : five)++;
    EXPECT_TRUE(stored.insert(v).second) << "duplicate row";
  }
  EXPECT_EQ(stored, generated);
  EXPECT_EQ(six, 60);
  EXPECT_EQ(five, 24);
  // 14 rows per start card, the blocks in the order Js, Jc, Qc, Qs, Ks, Kc.
  const std::array<BlackPicture, 6> blockOrder = {Js, Jc, Qc, Qs, Ks, Kc};
  for (int r = 0; r < kChainCount; ++r)
    EXPECT_EQ(chainTable()[static_cast<std::size_t>(r)][0], blockOrder[static_cast<std::size_t>(r / 14)]) << "row " << r + 1;
  // Spot checks against the printed rows.
  EXPECT_EQ(chainTable()[11], (Chain{Js, Ks, Kc, Jc, Qc, Qs}));  // row 12
  EXPECT_EQ(chainTable()[83], (Chain{Kc, Jc, Js, Qs, Qc, None}));  // row 84
}

std::vector<std::string> planCodes(const Decision& d) {
  std::vector<std::string> out;
  for (Card c : d.plan)
    if (!c.isEmpty()) out.push_back(c.code());
  return out;
}

struct Example {
  const char* name;
  const char* faceUp;
  char ordered;
  std::vector<std::string_view> hand;
  std::vector<std::string> plan;
  char suit;  // kNoSuit when no suit is chosen
};

class ComputerExamples : public ::testing::TestWithParam<Example> {};

TEST_P(ComputerExamples, Plan) {
  const Example& ex = GetParam();
  std::array<CardSlot, 12> hand{};
  for (std::size_t i = 0; i < ex.hand.size(); ++i) hand[i] = CardSlot::of(C(ex.hand[i]));
  const Decision d = decide(C(ex.faceUp), hand, ex.ordered);
  EXPECT_EQ(planCodes(d), ex.plan);
  EXPECT_EQ(d.suitChosen ? d.suit : kNoSuit, ex.suit);
}

using namespace cp1251;
INSTANTIATE_TEST_SUITE_P(
    Decisions, ComputerExamples,
    ::testing::Values(
        Example{"LongestRunThenFollowUp", "Pi09", kNoSuit, {"Pi2J", "Pi4K", "Kr4K", "Kr5A", "Ch10"},
                {"Pi2J", "Pi4K", "Kr4K", "Kr5A"}, kNoSuit},
        Example{"HighestPriorityOrdinary", "Ch3Q", kNoSuit, {"Ch10", "Ch5A"}, {"Ch5A"}, kNoSuit},
        Example{"KingThenNine", "Pi5A", kNoSuit, {"Pi4K", "Pi09"}, {"Pi4K", "Pi09"}, kNoSuit},
        Example{"BlueJokerBeforeOwn", "Ch09", kNoSuit, {"PoBlue", "PoBlack"}, {"PoBlue"}, kSpades},
        Example{"JokerOrdersSpadesForTheRun", "Ch4K", kNoSuit, {"PoBlue", "Pi2J", "Pi3Q"},
                {"PoBlue"}, kSpades},
        Example{"NothingToPlayTakes", "Ch09", kNoSuit, {"Kr10", "Bu5A"}, {}, kNoSuit},
        Example{"LastJokerOrdersNothing", "Ch09", kNoSuit, {"PoBlack"}, {"PoBlack"}, kNoSuit},
        Example{"OrderedSuitOnly", "PoBlue", kClubs, {"Pi5A", "Kr09", "Kr5A"}, {"Kr5A"}, kNoSuit},
        Example{"SinglePictureWithFollowUp", "Pi09", kNoSuit, {"Pi4K", "Pi10"}, {"Pi4K", "Pi10"}, kNoSuit},
        Example{"SinglePictureKeptForOrdinary", "Pi09", kNoSuit, {"Pi4K", "Ch09"}, {"Ch09"}, kNoSuit},
        Example{"PictureWhenNoOrdinaryMatches", "Kr09", kNoSuit, {"Kr4K", "Ch10"}, {"Kr4K"}, kNoSuit},
        Example{"RunWithoutFollowUp", "Pi09", kNoSuit, {"Pi2J", "Kr2J", "Bu10"},
                {"Pi2J", "Kr2J"}, kNoSuit},
        Example{"ShorterRunWithFollowUp", "Pi09", kNoSuit, {"Pi2J", "Kr2J", "Pi10"},
                {"Pi2J", "Pi10"}, kNoSuit},
        Example{"RunThenJoker", "Kr09", kNoSuit, {"Kr4K", "Pi4K", "PoBlue", "Ch10"},
                {"Kr4K", "Pi4K", "PoBlue"}, kHearts}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Computer, FirstCardOrderAlwaysEndsInTheJokerStep) {
  // Clubs would shed "Кк" and then "9к" (two cards), spades only "1п", hearts "9ч".
  auto hand = handOf({"Kr09", "Kr4K", "Pi10", "Ch09", "Bu09", "--"});
  hand[5] = CardSlot::of(Card::anyJoker());
  Decision d = decide(Card::empty(), hand, kNoSuit);
  ASSERT_TRUE(d.suitChosen);
  EXPECT_EQ(d.plan[0], Card::anyJoker());
  EXPECT_EQ(d.suit, kClubs);

  // Equal scores go to the first suit in the order spades, clubs, diamonds, hearts.
  hand = handOf({"Kr09", "Ch09", "Bu09", "Pi09", "Ch10", "--"});
  hand[5] = CardSlot::of(Card::anyJoker());
  d = decide(Card::empty(), hand, kNoSuit);
  EXPECT_EQ(d.plan[0], Card::anyJoker());
  EXPECT_EQ(d.suit, kSpades);
}

TEST(Computer, MirrorSwapsColours) {
  EXPECT_EQ(mirror(C("Ch2J")), C("Pi2J"));
  EXPECT_EQ(mirror(C("Bu5A")), C("Kr5A"));
  EXPECT_EQ(mirror(Card::redJoker()), Card::blackJoker());
  EXPECT_EQ(mirror(Card::blueJoker()), Card::blueJoker());
  EXPECT_EQ(mirrorSuit(kNoSuit), kNoSuit);
  for (int n = 1; n <= 26; ++n) EXPECT_EQ(mirror(mirror(deckCard(n, 1))), deckCard(n, 1));
}

}  // namespace
}  // namespace vantorn::core
