#include "core/computer.h"

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

int blackPictureIndex(Card c) {
  for (int i = 0; i < 6; ++i)
    if (kBlackPictures[static_cast<std::size_t>(i)] == c) return i;
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
  unsigned heldMask = 0;  // bit i: black picture i is held
};

bool held(unsigned mask, BlackPicture p) { return p != None && (mask >> p) & 1U; }

// Lowest slot (0-based) of the highest-priority ordinary card (1..6) matching ref; -1 if none.
int bestOrdinary(const Working& w, Card ref) {
  int best = -1;
  int bestPrio = 0;
  for (int i = 0; i < 12; ++i) {
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

int heldLength(const Chain& chain, unsigned mask) {
  int n = 0;
  for (BlackPicture p : chain) {
    if (!held(mask, p)) break;
    ++n;
  }
  return n;
}

struct PlanBuilder {
  MovePlan plan{};
  int size = 0;
  void push(Card c) {
    if (size < 12) plan[static_cast<std::size_t>(size++)] = c;
  }
};

// Among the starting chains with held length >= minHeld (or == exactHeld when exact),
// the one whose k-th card (1-based) admits the best ordinary follow-up. Returns the chain
// index and the follow-up slot, or -1.
struct FollowUp {
  int chain = -1;
  int slot = -1;
};
FollowUp bestFollowUp(const Working& w, const std::array<int, kChainCount>& heldLen,
                      const std::array<bool, kChainCount>& starting, int k, bool exact) {
  FollowUp found;
  int bestPrio = 0;
  for (int r = 0; r < kChainCount; ++r) {
    if (!starting[static_cast<std::size_t>(r)]) continue;
    const int h = heldLen[static_cast<std::size_t>(r)];
    if (exact ? h != k : h < k) continue;
    const Card ref = blackPictureCard(kChains[static_cast<std::size_t>(r)][static_cast<std::size_t>(k - 1)]);
    const int slot = bestOrdinary(w, ref);
    if (slot < 0) continue;
    const int p = w.prio[static_cast<std::size_t>(slot)];
    if (p > bestPrio) {
      bestPrio = p;
      found = {r, slot};
    }
  }
  return found;
}

// Steps from the starting chains to a plan. Returns true when the decision goes on to
// the joker step (the caller decides whether there is a joker to play).
bool planFromChains(const Working& w, Card effective, PlanBuilder& out) {
  std::array<bool, kChainCount> starting{};
  std::array<int, kChainCount> heldLen{};
  int m = 0;
  for (int r = 0; r < kChainCount; ++r) {
    const Chain& chain = kChains[static_cast<std::size_t>(r)];
    if (!blackPictureCard(chain[0]).matches(effective)) continue;
    starting[static_cast<std::size_t>(r)] = true;
    heldLen[static_cast<std::size_t>(r)] = heldLength(chain, w.heldMask);
    if (heldLen[static_cast<std::size_t>(r)] > m) m = heldLen[static_cast<std::size_t>(r)];
  }

  auto pushChain = [&](int r, int n) {
    for (int i = 0; i < n; ++i)
      out.push(blackPictureCard(kChains[static_cast<std::size_t>(r)][static_cast<std::size_t>(i)]));
  };

  if (m == 0) {
    const int slot = bestOrdinary(w, effective);
    if (slot >= 0) {
      out.push(w.ordinary[static_cast<std::size_t>(slot)]);
      return false;
    }
    return true;
  }

  // A run of M picture cards with an ordinary card to follow it.
  if (FollowUp f = bestFollowUp(w, heldLen, starting, m, true); f.chain >= 0) {
    pushChain(f.chain, m);
    out.push(w.ordinary[static_cast<std::size_t>(f.slot)]);
    return false;
  }

  if (m == 1) {
    const int slot = bestOrdinary(w, effective);
    if (slot >= 0) {
      out.push(w.ordinary[static_cast<std::size_t>(slot)]);
      return false;
    }
    int last = -1;
    for (int r = 0; r < kChainCount; ++r)
      if (starting[static_cast<std::size_t>(r)] && heldLen[static_cast<std::size_t>(r)] >= 1) last = r;
    pushChain(last, 1);
    return true;
  }

  // M >= 2: one card shorter, if that admits a follow-up.
  if (FollowUp f = bestFollowUp(w, heldLen, starting, m - 1, false); f.chain >= 0) {
    pushChain(f.chain, m - 1);
    out.push(w.ordinary[static_cast<std::size_t>(f.slot)]);
    return false;
  }
  for (int r = 0; r < kChainCount; ++r) {
    if (starting[static_cast<std::size_t>(r)] && heldLen[static_cast<std::size_t>(r)] == m) {
      pushChain(r, m);
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

  int count = 0;
  int onlyCard = -1;
  for (int i = 0; i < 12; ++i) {
    if (!hand[static_cast<std::size_t>(i)].card.isEmpty()) {
      ++count;
      onlyCard = i;
    }
  }
  // The last card is a joker: go out with it, ordering nothing.
  if (count == 1 && hand[static_cast<std::size_t>(onlyCard)].card.isJoker()) {
    d.plan[0] = hand[static_cast<std::size_t>(onlyCard)].card;
    return d;
  }

  Working w;
  bool hasJoker = false;
  int highestJoker = -1;
  int jokerCount = 0;
  for (int i = 0; i < 12; ++i) {
    const Card c = hand[static_cast<std::size_t>(i)].card;
    if (c.isJoker()) {
      hasJoker = true;
      highestJoker = i;
      ++jokerCount;
    }
    const int pic = blackPictureIndex(c);
    if (pic >= 0) {
      w.heldMask |= 1U << pic;
      w.ordinary[static_cast<std::size_t>(i)] = Card::empty();
    } else {
      w.ordinary[static_cast<std::size_t>(i)] = c;
    }
    w.prio[static_cast<std::size_t>(i)] = priority(w.ordinary[static_cast<std::size_t>(i)]);
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

Card mirror(Card c) {
  if (c == Card::redJoker()) return Card::blackJoker();
  if (c == Card::blackJoker()) return Card::redJoker();
  if (c.isJoker() || c.isEmpty()) return c;
  return Card(c.rank(), mirrorSuit(c.suit()));
}

Suit mirrorSuit(Suit s) {
  switch (s) {
    case kHearts: return kSpades;
    case kSpades: return kHearts;
    case kDiamonds: return kClubs;
    case kClubs: return kDiamonds;
    default: return s;
  }
}

}  // namespace vantorn::core
