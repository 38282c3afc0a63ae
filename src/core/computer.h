// The computer player: a pure function of the face-up card, its hand and the ordered
// suit. It always plays black (the colour of player 1 on the dealing side); another
// colour is played by mirroring the view (see mirror()).
#pragma once

#include <array>
#include <cstdint>

#include "core/card.h"
#include "core/containers.h"

namespace vantorn::core {

// The six black picture cards, as indices into the chain table.
enum BlackPicture : std::uint8_t { Js, Jc, Qs, Qc, Ks, Kc, None = 0xFF };
Card blackPictureCard(BlackPicture p);

// One row of the chain table: a run of black picture cards in which each card matches
// the one before it; five-card rows end in None.
using Chain = std::array<BlackPicture, 6>;
inline constexpr int kChainCount = 84;
const std::array<Chain, kChainCount>& chainTable();

// A move plan: slot 0 is the move to make now; an empty card means take (or pass,
// after a take this turn). The rest of the plan is what the computer intends next.
using MovePlan = std::array<Card, 12>;

struct Decision {
  MovePlan plan{};
  bool suitChosen = false;  // the joker step ran and chose `suit`
  Suit suit = kNoSuit;
  int length() const;
};

// Decides the next move. `faceUp` is the face-up card ("##" when the first turned-up
// joker is to be ordered), `orderedSuit` the ordered suit or "#".
Decision decide(Card faceUp, const std::array<CardSlot, 12>& hand, Suit orderedSuit);

// The colour mirror: hearts <-> spades, diamonds <-> clubs, "j2" <-> "j3".
constexpr Suit mirrorSuit(Suit s) {
  switch (s) {
    case cp1251::kHearts: return cp1251::kSpades;
    case cp1251::kSpades: return cp1251::kHearts;
    case cp1251::kDiamonds: return cp1251::kClubs;
    case cp1251::kClubs: return cp1251::kDiamonds;
    default: return s;
  }
}
constexpr Card mirror(Card c) {
  if (c == Card::redJoker()) return Card::blackJoker();
  if (c == Card::blackJoker()) return Card::redJoker();
  if (c.isJoker() || c.isEmpty()) return c;
  return Card(c.rank(), mirrorSuit(c.suit()));
}

}  // namespace vantorn::core
