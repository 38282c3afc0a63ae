#include "core/scoring.h"

#include <cstdlib>

namespace vantorn::core {

std::int32_t dealPenalty(const Hand& hand, Card ownJoker) {
  const bool holdsOwnJoker = hand.find(ownJoker) != 0;
  std::int32_t penalty = 0;
  bool onlyJokers = true;
  for (int i = 1; i <= hand.count(); ++i) {
    const CardSlot& s = hand.slot(i);
    if (!s.card.isJoker()) onlyJokers = false;
    // The own joker makes every ace in the same hand free.
    if (holdsOwnJoker && s.card.rank() == cp1251::kAce) continue;
    penalty += s.points;
  }
  const int n = hand.count();
  if (!holdsOwnJoker && penalty == 0 && n == 1) return 20;
  if (!holdsOwnJoker && penalty == 0 && n == 2) return 40;
  if (holdsOwnJoker && n == 1) return 40;
  if (holdsOwnJoker && n == 2 && onlyJokers) return 60;
  return penalty;
}

std::int32_t resultMultiplier(std::int32_t preliminary) {
  const std::int64_t d = std::llabs(static_cast<long long>(preliminary));
  if (d < 50) return 1;
  if (d < 100) return 2;
  if (d < 150) return 3;
  return 4;
}

}  // namespace vantorn::core
