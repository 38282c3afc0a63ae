// Scoring of a deal and of a game: penalty points, lower is better.
#pragma once

#include <cstdint>

#include "core/card.h"
#include "core/containers.h"

namespace vantorn::core {

inline constexpr std::int32_t kGameLimit = 100;

struct DealBonuses {
  std::int32_t ownJoker = 0;  // -5 each time the own joker is played with cards left
  std::int32_t goingOut = 0;  // -20 (other joker) or -40 (own joker) for going out on a joker
};

// Penalty of the player left with cards. `ownJoker` is that player's own joker.
std::int32_t dealPenalty(const Hand& hand, Card ownJoker);

// Multiplier of the game result by the size of the difference of the totals.
std::int32_t resultMultiplier(std::int32_t preliminary);

}  // namespace vantorn::core
