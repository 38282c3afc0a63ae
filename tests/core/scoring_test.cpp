#include <gtest/gtest.h>

#include "core/scoring.h"
#include "test_support.h"

namespace vantorn::core {
namespace {
using testing::C;

Hand handWith(std::initializer_list<std::string_view> codes) {
  Hand h;
  for (auto code : codes) h.append(CardSlot::of(C(code)));
  return h;
}

TEST(Scoring, DealPenalty) {
  struct Row {
    std::initializer_list<std::string_view> hand;
    Card ownJoker;
    std::int32_t penalty;
  };
  const Card black = Card::blackJoker();
  const Card red = Card::redJoker();
  for (const Row& r : {
           Row{{"Pi5A", "Kr10"}, black, 21},
           Row{{"PoBlack"}, black, 40},                 // own joker alone
           Row{{"PoBlack", "PoBlue"}, black, 60},       // own joker and the blue one
           Row{{"PoBlack", "Ch5A"}, black, 0},          // own joker makes aces free
           Row{{"PoBlack", "Ch5A", "Bu5A", "Kr10"}, black, 10},
           Row{{"PoBlack", "Ch10"}, black, 10},
           Row{{"PoBlue"}, red, 20},                    // another joker alone
           Row{{"PoBlue", "PoBlack"}, red, 40},         // both jokers are the other's
           Row{{"PoBlue", "Ch09"}, red, 9},
           Row{{"Ch09", "Bu2J", "Kr3Q", "Pi4K", "Ch10", "Bu5A"}, red, 39},
       }) {
    EXPECT_EQ(dealPenalty(handWith(r.hand), r.ownJoker), r.penalty);
  }
}

TEST(Scoring, MultiplierBySizeOfTheDifference) {
  struct Row { std::int32_t prelim, mult; };
  for (const Row& r : {Row{0, 1}, Row{35, 1}, Row{49, 1}, Row{-49, 1}, Row{50, 2}, Row{-50, 2},
                       Row{-80, 2}, Row{99, 2}, Row{100, 3}, Row{105, 3}, Row{149, 3}, Row{150, 4},
                       Row{-400, 4}}) {
    EXPECT_EQ(resultMultiplier(r.prelim), r.mult) << r.prelim;
  }
  EXPECT_EQ(105 * resultMultiplier(105), 315);
  EXPECT_EQ(-80 * resultMultiplier(-80), -160);
}

}  // namespace
}  // namespace vantorn::core
