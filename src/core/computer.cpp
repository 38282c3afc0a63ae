#include "core/computer.h"

#include <algorithm>

namespace vantorn::core {

using namespace cp1251;

namespace {

// The maximal runs of black picture cards, in the order whose first entries win ties.
constexpr std::array<Chain, kChainCount> kChains = {{
    {{Js, Jc, Qc, Qs, Ks, Kc}},  // 1
    {{Js, Jc, Qc, Kc, Ks, Qs}},  // 2
    {{Js, Jc, Kc, Ks, Qs, Qc}},  // 3
    {{Js, Jc, Kc, Qc, Qs, Ks}},  // 4
    {{Js, Qs, Ks, Kc, Qc, Jc}},  // 5
    {{Js, Qs, Ks, Kc, Jc, Qc}},  // 6
    {{Js, Qs, Qc, Jc, Kc, Ks}},  // 7
    {{Js, Qs, Qc, Kc, Ks, None}},  // 8
    {{Js, Qs, Qc, Kc, Jc, None}},  // 9
    {{Js, Ks, Qs, Qc, Jc, Kc}},  // 10
    {{Js, Ks, Qs, Qc, Kc, Jc}},  // 11
    {{Js, Ks, Kc, Jc, Qc, Qs}},  // 12
    {{Js, Ks, Kc, Qc, Jc, None}},  // 13
    {{Js, Ks, Kc, Qc, Qs, None}},  // 14
    {{Jc, Js, Qs, Qc, Kc, Ks}},  // 15
    {{Jc, Js, Qs, Ks, Kc, Qc}},  // 16
    {{Jc, Js, Ks, Kc, Qc, Qs}},  // 17
    {{Jc, Js, Ks, Qs, Qc, Kc}},  // 18
    {{Jc, Qc, Kc, Ks, Qs, Js}},  // 19
    {{Jc, Qc, Kc, Ks, Js, Qs}},  // 20
    {{Jc, Qc, Qs, Js, Ks, Kc}},  // 21
    {{Jc, Qc, Qs, Ks, Kc, None}},  // 22
    {{Jc, Qc, Qs, Ks, Js, None}},  // 23
    {{Jc, Kc, Qc, Qs, Js, Ks}},  // 24
    {{Jc, Kc, Qc, Qs, Ks, Js}},  // 25
    {{Jc, Kc, Ks, Js, Qs, Qc}},  // 26
    {{Jc, Kc, Ks, Qs, Js, None}},  // 27
    {{Jc, Kc, Ks, Qs, Qc, None}},  // 28
    {{Qc, Qs, Js, Jc, Kc, Ks}},  // 29
    {{Qc, Qs, Js, Ks, Kc, Jc}},  // 30
    {{Qc, Qs, Ks, Kc, Jc, Js}},  // 31
    {{Qc, Qs, Ks, Js, Jc, Kc}},  // 32
    {{Qc, Jc, Kc, Ks, Js, Qs}},  // 33
    {{Qc, Jc, Kc, Ks, Qs, Js}},  // 34
    {{Qc, Jc, Js, Qs, Ks, Kc}},  // 35
    {{Qc, Jc, Js, Ks, Kc, None}},  // 36
    {{Qc, Jc, Js, Ks, Qs, None}},  // 37
    {{Qc, Kc, Jc, Js, Qs, Ks}},  // 38
    {{Qc, Kc, Jc, Js, Ks, Qs}},  // 39
    {{Qc, Kc, Ks, Qs, Js, Jc}},  // 40
    {{Qc, Kc, Ks, Js, Qs, None}},  // 41
    {{Qc, Kc, Ks, Js, Jc, None}},  // 42
    {{Qs, Qc, Jc, Js, Ks, Kc}},  // 43
    {{Qs, Qc, Jc, Kc, Ks, Js}},  // 44
    {{Qs, Qc, Kc, Ks, Js, Jc}},  // 45
    {{Qs, Qc, Kc, Jc, Js, Ks}},  // 46
    {{Qs, Js, Ks, Kc, Jc, Qc}},  // 47
    {{Qs, Js, Ks, Kc, Qc, Jc}},  // 48
    {{Qs, Js, Jc, Qc, Kc, Ks}},  // 49
    {{Qs, Js, Jc, Kc, Ks, None}},  // 50
    {{Qs, Js, Jc, Kc, Qc, None}},  // 51
    {{Qs, Ks, Js, Jc, Qc, Kc}},  // 52
    {{Qs, Ks, Js, Jc, Kc, Qc}},  // 53
    {{Qs, Ks, Kc, Qc, Jc, Js}},  // 54
    {{Qs, Ks, Kc, Jc, Qc, None}},  // 55
    {{Qs, Ks, Kc, Jc, Js, None}},  // 56
    {{Ks, Kc, Qc, Qs, Js, Jc}},  // 57
    {{Ks, Kc, Qc, Jc, Js, Qs}},  // 58
    {{Ks, Kc, Jc, Js, Qs, Qc}},  // 59
    {{Ks, Kc, Jc, Qc, Qs, Js}},  // 60
    {{Ks, Qs, Js, Jc, Qc, Kc}},  // 61
    {{Ks, Qs, Js, Jc, Kc, Qc}},  // 62
    {{Ks, Qs, Qc, Kc, Jc, Js}},  // 63
    {{Ks, Qs, Qc, Jc, Js, None}},  // 64
    {{Ks, Qs, Qc, Jc, Kc, None}},  // 65
    {{Ks, Js, Qs, Qc, Kc, Jc}},  // 66
    {{Ks, Js, Qs, Qc, Jc, Kc}},  // 67
    {{Ks, Js, Jc, Kc, Qc, Qs}},  // 68
    {{Ks, Js, Jc, Qc, Kc, None}},  // 69
    {{Ks, Js, Jc, Qc, Qs, None}},  // 70
    {{Kc, Ks, Qs, Qc, Jc, Js}},  // 71
    {{Kc, Ks, Qs, Js, Jc, Qc}},  // 72
    {{Kc, Ks, Js, Jc, Qc, Qs}},  // 73
    {{Kc, Ks, Js, Qs, Qc, Jc}},  // 74
    {{Kc, Qc, Jc, Js, Qs, Ks}},  // 75
    {{Kc, Qc, Jc, Js, Ks, Qs}},  // 76
    {{Kc, Qc, Qs, Ks, Js, Jc}},  // 77
    {{Kc, Qc, Qs, Js, Jc, None}},  // 78
    {{Kc, Qc, Qs, Js, Ks, None}},  // 79
    {{Kc, Jc, Qc, Qs, Ks, Js}},  // 80
    {{Kc, Jc, Qc, Qs, Js, Ks}},  // 81
    {{Kc, Jc, Js, Ks, Qs, Qc}},  // 82
    {{Kc, Jc, Js, Qs, Ks, None}},  // 83
    {{Kc, Jc, Js, Qs, Qc, None}},  // 84
}};

constexpr std::array<Card, 6> kBlackPictures = {
    Card(kJack, kSpades), Card(kJack, kClubs), Card(kQueen, kSpades),
    Card(kQueen, kClubs), Card(kKing, kSpades), Card(kKing, kClubs),
};

// Index of a black picture card in kBlackPictures (Js, Jc, Qs, Qc, Ks, Kc), or -1.
int blackPictureIndex(Card c) {
  int rank;
  switch (c.rank()) {
    case kJack: rank = 0; break;
    case kQueen: rank = 2; break;
    case kKing: rank = 4; break;
    default: return -1;
  }
  if (c.suit() == kSpades) return rank;
  if (c.suit() == kClubs) return rank + 1;
  return -1;
}

// Priority of an ordinary card; jokers get 99 so that they never count as one.
int priority(Card c) {
  if (c.isEmpty()) return 0;
  if (c.isJoker()) return 99;
  switch (c.rank()) {
    case kAce: return 6;
    case kTen: return 5;
    case kNine: return 4;
    case kKing: return 3;
    case kQueen: return 2;
    case kJack: return 1;
    default: return 0;
  }
}

// A pseudo-card whose rank matches nothing: the ordered suit seen as a face-up card.
constexpr char kNoRank = '\x01';

struct Working {
  std::array<Card, 12> ordinary{};
  std::array<int, 12> prio{};
  int used = 0;           // slots after this one are empty
  unsigned heldMask = 0;  // bit i: black picture i is held
};

bool held(unsigned mask, BlackPicture p) { return p != None && (mask >> p) & 1U; }

// Lowest slot (0-based) of the highest-priority ordinary card (1..6) matching ref; -1 if none.
int bestOrdinary(const Working& w, Card ref) {
  int best = -1;
  int bestPrio = 0;
  for (int i = 0; i < w.used; ++i) {
    const int p = w.prio[static_cast<std::size_t>(i)];
    if (p < 1 || p > 6) continue;
    if (!w.ordinary[static_cast<std::size_t>(i)].matches(ref)) continue;
    if (p > bestPrio) {
      bestPrio = p;
      best = i;
    }
  }
  return best;
}

// Held length of every row for every held mask of the six pictures, computed once.
using HeldLengths = std::array<std::array<std::uint8_t, 64>, kChainCount>;
constexpr HeldLengths makeHeldLengths() {
  HeldLengths t{};
  for (int r = 0; r < kChainCount; ++r) {
    for (unsigned mask = 0; mask < 64; ++mask) {
      std::uint8_t n = 0;
      for (BlackPicture p : kChains[static_cast<std::size_t>(r)]) {
        if (p == None || !((mask >> p) & 1U)) break;
        ++n;
      }
      t[static_cast<std::size_t>(r)][mask] = n;
    }
  }
  return t;
}
constexpr HeldLengths kHeldLengths = makeHeldLengths();

struct PlanBuilder {
  MovePlan plan{};
  int size = 0;
  void push(Card c) {
    if (size < 12) plan[static_cast<std::size_t>(size++)] = c;
  }
};

// The best ordinary follow-up of each black picture card (slot, or -1), computed once per
// plan: the chain search below asks for them many times.
struct FollowUps {
  std::array<int, 6> slot{};
  std::array<int, 6> prio{};
  explicit FollowUps(const Working& w) {
    for (int p = 0; p < 6; ++p) {
      slot[static_cast<std::size_t>(p)] = bestOrdinary(w, blackPictureCard(BlackPicture(p)));
      prio[static_cast<std::size_t>(p)] =
          slot[static_cast<std::size_t>(p)] < 0 ? 0 : w.prio[static_cast<std::size_t>(slot[static_cast<std::size_t>(p)])];
    }
  }
};

// The starting chains of one decision, in table order, with their held lengths.
struct StartingChains {
  // Only the first `size` entries are meaningful, so the arrays are left uninitialised.
  std::array<std::uint8_t, kChainCount> row;
  std::array<std::uint8_t, kChainCount> held;
  int size = 0;
};

// Among the starting chains with held length k (exact) or at least k, the one whose k-th
// card admits the best ordinary follow-up; a later chain wins only with a strictly higher
// priority. Returns the chain index, or -1.
int bestFollowUpChain(const FollowUps& f, const StartingChains& sc, int k, bool exact) {
  int found = -1;
  int bestPrio = 0;
  for (int i = 0; i < sc.size; ++i) {
    const int h = sc.held[static_cast<std::size_t>(i)];
    if (exact ? h != k : h < k) continue;
    const int r = sc.row[static_cast<std::size_t>(i)];
    const int p = f.prio[kChains[static_cast<std::size_t>(r)][static_cast<std::size_t>(k - 1)]];
    if (p > bestPrio) {
      bestPrio = p;
      found = r;
    }
  }
  return found;
}

// Steps from the starting chains to a plan. Returns true when the decision goes on to
// the joker step (the caller decides whether there is a joker to play).
bool planFromChains(const Working& w, Card effective, PlanBuilder& out) {
  auto pushOrdinary = [&](int slot) { out.push(w.ordinary[static_cast<std::size_t>(slot)]); };
  auto bestMatching = [&] {
    const int slot = bestOrdinary(w, effective);
    if (slot >= 0) pushOrdinary(slot);
    return slot >= 0;
  };

  // The table is stored in blocks of 14 rows by start card; a chain has a held card only
  // when its start card is held, so most hands are settled without looking at the rows.
  std::array<bool, 6> startMatches{};
  bool anyHeldStart = false;
  for (int p = 0; p < 6; ++p) {
    startMatches[static_cast<std::size_t>(p)] = blackPictureCard(BlackPicture(p)).matches(effective);
    anyHeldStart |= startMatches[static_cast<std::size_t>(p)] && held(w.heldMask, BlackPicture(p));
  }
  if (!anyHeldStart) return !bestMatching();  // M = 0

  StartingChains sc;
  int m = 0;
  for (int block = 0; block < kChainCount / 14; ++block) {
    if (!startMatches[kChains[static_cast<std::size_t>(block * 14)][0]]) continue;
    for (int r = block * 14; r < block * 14 + 14; ++r) {
      const int h = kHeldLengths[static_cast<std::size_t>(r)][w.heldMask];
      sc.row[static_cast<std::size_t>(sc.size)] = static_cast<std::uint8_t>(r);
      sc.held[static_cast<std::size_t>(sc.size)] = static_cast<std::uint8_t>(h);
      ++sc.size;
      m = std::max(m, h);
    }
  }

  auto pushChain = [&](int r, int n) {
    for (int i = 0; i < n; ++i)
      out.push(blackPictureCard(kChains[static_cast<std::size_t>(r)][static_cast<std::size_t>(i)]));
  };

  const FollowUps follow(w);
  // A run of M picture cards with an ordinary card to follow it.
  if (const int r = bestFollowUpChain(follow, sc, m, true); r >= 0) {
    pushChain(r, m);
    pushOrdinary(follow.slot[kChains[static_cast<std::size_t>(r)][static_cast<std::size_t>(m - 1)]]);
    return false;
  }

  if (m == 1) {
    if (bestMatching()) return false;
    int last = -1;
    for (int i = 0; i < sc.size; ++i)
      if (sc.held[static_cast<std::size_t>(i)] >= 1) last = sc.row[static_cast<std::size_t>(i)];
    pushChain(last, 1);
    return true;
  }

  // M >= 2: one card shorter, if that admits a follow-up.
  if (const int r = bestFollowUpChain(follow, sc, m - 1, false); r >= 0) {
    pushChain(r, m - 1);
    pushOrdinary(follow.slot[kChains[static_cast<std::size_t>(r)][static_cast<std::size_t>(m - 2)]]);
    return false;
  }
  for (int i = 0; i < sc.size; ++i) {
    if (sc.held[static_cast<std::size_t>(i)] == m) {
      pushChain(sc.row[static_cast<std::size_t>(i)], m);
      break;
    }
  }
  return true;
}

Card pseudoCard(Suit s) { return Card(kNoRank, s); }

}  // namespace

Card blackPictureCard(BlackPicture p) {
  if (p == None) return Card::empty();
  return kBlackPictures[static_cast<std::size_t>(p)];
}

const std::array<Chain, kChainCount>& chainTable() { return kChains; }

int Decision::length() const {
  int n = 0;
  for (Card c : plan)
    if (!c.isEmpty()) ++n;
  return n;
}

Decision decide(Card faceUp, const std::array<CardSlot, 12>& hand, Suit orderedSuit) {
  Decision d;

  Working w;
  int count = 0;
  int lastCard = -1;
  bool hasJoker = false;
  int highestJoker = -1;
  int jokerCount = 0;
  for (int i = 0; i < 12; ++i) {
    const Card c = hand[static_cast<std::size_t>(i)].card;
    if (c.isEmpty()) continue;
    ++count;
    lastCard = i;
    w.used = i + 1;
    if (c.isJoker()) {
      hasJoker = true;
      highestJoker = i;
      ++jokerCount;
      w.ordinary[static_cast<std::size_t>(i)] = c;
      w.prio[static_cast<std::size_t>(i)] = 99;
      continue;
    }
    const int pic = blackPictureIndex(c);
    if (pic >= 0) {
      w.heldMask |= 1U << pic;  // the ordinary hand keeps an empty slot here
    } else {
      w.ordinary[static_cast<std::size_t>(i)] = c;
      w.prio[static_cast<std::size_t>(i)] = priority(c);
    }
  }
  // The last card is a joker: go out with it, ordering nothing.
  if (count == 1 && hand[static_cast<std::size_t>(lastCard)].card.isJoker()) {
    d.plan[0] = hand[static_cast<std::size_t>(lastCard)].card;
    return d;
  }

  const Card effective = orderedSuit != kNoSuit ? pseudoCard(orderedSuit) : faceUp;
  PlanBuilder builder;
  const bool jokerStep = planFromChains(w, effective, builder);
  d.plan = builder.plan;
  if (!jokerStep || !hasJoker) return d;

  // Joker step. With two jokers as the last two cards the blue one goes first, keeping
  // the own joker to go out with.
  Card joker = hand[static_cast<std::size_t>(highestJoker)].card;
  if (count == 2 && jokerCount == 2) joker = Card::blueJoker();
  builder.push(joker);
  d.plan = builder.plan;

  Working after = w;
  if (!(d.plan[0] == joker)) {
    for (Card c : d.plan) {
      const int pic = blackPictureIndex(c);
      if (pic >= 0) after.heldMask &= ~(1U << pic);
    }
  }

  // Order the suit in which the hand could then shed the most cards.
  static constexpr std::array<Suit, 4> kOrderPreference = {kSpades, kClubs, kDiamonds, kHearts};
  int bestScore = -1;
  Suit bestSuit = kSpades;
  for (Suit s : kOrderPreference) {
    PlanBuilder hypothetical;
    planFromChains(after, pseudoCard(s), hypothetical);
    if (hypothetical.size > bestScore) {
      bestScore = hypothetical.size;
      bestSuit = s;
    }
  }
  d.suitChosen = true;
  d.suit = bestSuit;
  return d;
}

}  // namespace vantorn::core
