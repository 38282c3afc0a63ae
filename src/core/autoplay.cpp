#include "core/autoplay.h"

namespace vantorn::core {

namespace {

bool humanIsRed(const Game& g) { return playerColour(g.config().program, 2) == Colour::Red; }

// The table as the black computer player sees it: mirrored when the human is red.
Card view(bool red, Card c) { return red ? mirror(c) : c; }
Suit viewSuit(bool red, Suit s) { return red ? mirrorSuit(s) : s; }

}  // namespace

Decision decideForHuman(const Game& g) {
  const bool red = humanIsRed(g);
  const Card up = g.table().faceUp.card;
  const Suit ordered = up.isJoker() ? g.table().orderedSuit : kNoSuit;
  std::array<CardSlot, 12> hand{};
  const Hand& h = g.hand(2);
  for (int i = 1; i <= h.count(); ++i) hand[static_cast<std::size_t>(i - 1)] = CardSlot::of(view(red, h.card(i)));
  Decision d = decide(view(red, up), hand, viewSuit(red, ordered));
  for (Card& c : d.plan) c = view(red, c);
  d.suit = viewSuit(red, d.suit);
  return d;
}

Suit firstCardOrderForHuman(const Game& g) {
  const bool red = humanIsRed(g);
  std::array<CardSlot, 12> asked{};
  for (int i = 1; i <= 5; ++i) asked[static_cast<std::size_t>(i - 1)] = CardSlot::of(view(red, g.hand(2).card(i)));
  asked[5] = CardSlot::of(Card::anyJoker());
  const Decision d = decide(Card::empty(), asked, kNoSuit);
  return viewSuit(red, d.suitChosen ? d.suit : cp1251::kSpades);
}

bool autoplayStep(Game& g) {
  switch (g.suitRequest()) {
    case SuitRequest::FirstCard:
    case SuitRequest::PeerFirstCard:
      g.chooseSuit(firstCardOrderForHuman(g));
      return true;
    case SuitRequest::HumanJoker: {
      const Decision d = decideForHuman(g);
      g.chooseSuit(d.suitChosen ? d.suit : cp1251::kSpades);
      return true;
    }
    case SuitRequest::None:
      break;
  }
  if (g.dealDue()) return false;
  const bool pressable = g.actionButton().enabled;
  if (g.phase() == DealPhase::AwaitBegin) {
    if (!pressable) return false;
    g.pressAction();
    return true;
  }
  switch (g.state()) {
    case GameState::PlayerTwoToMove: {
      if (!g.running()) return false;
      const Decision d = decideForHuman(g);
      if (d.plan[0].isEmpty()) {
        if (!pressable) return false;
        g.pressAction();
        return true;
      }
      const ClickResult r = g.clickCard(g.hand(2).find(d.plan[0]));
      if (r == ClickResult::NeedSuit) g.chooseSuit(d.suitChosen ? d.suit : cp1251::kSpades);
      return r != ClickResult::Ignored;
    }
    case GameState::AwaitNextRound:
    case GameState::AwaitSumUp:
      if (!pressable) return false;
      g.pressAction();
      return true;
    default:
      return false;
  }
}

}  // namespace vantorn::core
