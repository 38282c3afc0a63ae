// Helpers shared by the core tests: cards by their face codes, and scripted deals.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "core/game.h"

namespace vantorn::core::testing {

// "Pi5A" -> the ace of spades; "PoBlue" -> "j1"; "--" -> an empty slot.
inline Card C(std::string_view code) {
  if (code == "--") return Card::empty();
  auto c = Card::fromCode(code);
  EXPECT_TRUE(c.has_value()) << code;
  return c.value_or(Card::empty());
}

inline std::array<CardSlot, 12> handOf(std::initializer_list<std::string_view> codes) {
  std::array<CardSlot, 12> h{};
  std::size_t i = 0;
  for (auto code : codes) h[i++] = CardSlot::of(C(code));
  return h;
}

// A permutation that deals the given cards: player 1's five, player 2's five, the first
// stock cards (slot 1 first), and the face-up card; the rest of the stock follows in deck
// number order. The own joker of the first mover is deck number 26.
inline Permutation permFor(int firstMover, std::vector<std::string_view> hand1,
                           std::vector<std::string_view> hand2, std::string_view faceUp,
                           std::vector<std::string_view> stockTop = {}) {
  auto number = [&](Card c) {
    for (int n = 1; n <= 26; ++n)
      if (deckCard(n, firstMover) == c) return n;
    ADD_FAILURE() << "card " << c.code() << " is not in this deck";
    return 0;
  };
  std::vector<int> order;
  for (auto code : hand1) order.push_back(number(C(code)));
  for (auto code : hand2) order.push_back(number(C(code)));
  std::vector<int> stock;
  for (auto code : stockTop) stock.push_back(number(C(code)));
  const int up = number(C(faceUp));
  std::vector<bool> used(27, false);
  for (int n : order) used[static_cast<std::size_t>(n)] = true;
  for (int n : stock) used[static_cast<std::size_t>(n)] = true;
  used[static_cast<std::size_t>(up)] = true;
  for (int n = 1; n <= 26; ++n)
    if (!used[static_cast<std::size_t>(n)]) stock.push_back(n);
  order.insert(order.end(), stock.begin(), stock.end());
  order.push_back(up);
  Permutation p{};
  EXPECT_EQ(order.size(), 26u);
  for (std::size_t i = 0; i < 26 && i < order.size(); ++i) p[i] = order[i];
  EXPECT_TRUE(isPermutation(p));
  return p;
}

// The trace-like names of the events that tests compare against: sounds by name and the
// card movements.
inline std::vector<std::string> describe(const Events& events) {
  std::vector<std::string> out;
  for (const Event& e : events) {
    switch (e.kind) {
      case EventKind::Sound: out.push_back(std::string(soundName(e.sound))); break;
      case EventKind::Played: out.push_back("play " + std::to_string(e.player) + " " + e.card.code()); break;
      case EventKind::Took: out.push_back("take " + std::to_string(e.player) + " " + e.card.code()); break;
      case EventKind::HandFull: out.push_back("full " + std::to_string(e.player)); break;
      case EventKind::PileTurned: out.push_back("turnover " + std::to_string(e.b)); break;
      case EventKind::Passed: out.push_back("pass " + std::to_string(e.player)); break;
      case EventKind::Ordered: out.push_back("order " + std::to_string(e.player) + " " + suitLetterForTrace(e.suit)); break;
      case EventKind::Flight:
        out.push_back(std::string("fly ") + (e.from == Place::Stock ? "stock" : "hand") + "->" +
                      (e.to == Place::Pile ? "pile" : "hand"));
        break;
      case EventKind::Send: out.push_back("send " + std::string(e.message.view())); break;
      case EventKind::Pause: out.push_back("pause " + std::to_string(e.a)); break;
      default: break;
    }
  }
  return out;
}

// Starts game `gameNumber` and deals the permutation; events are cleared afterwards.
inline void dealGame(Game& g, std::int32_t gameNumber, const Permutation& p) {
  g.startGame(gameNumber, 0);
  ASSERT_TRUE(g.deal(p));
  g.clearEvents();
}

}  // namespace vantorn::core::testing
