#include "core/game.h"

#include <algorithm>

namespace vantorn::core {

bool isPermutation(const Permutation& p) {
  std::array<bool, 27> seen{};
  for (int n : p) {
    if (n < 1 || n > 26 || seen[static_cast<std::size_t>(n)]) return false;
    seen[static_cast<std::size_t>(n)] = true;
  }
  return true;
}

Game::Game(GameConfig config) : config_(config) { events_.reserve(64); }

int Game::stockLayers(int stockCount) {
  if (stockCount <= 0) return 0;
  return std::min(5, (stockCount + 3) / 4);
}

bool Game::isDealingSide() const {
  return config_.program == Program::Local || config_.program == Program::NetServer;
}

void Game::sound(Sound s) {
  if (!recording_) return;
  Event e;
  e.kind = EventKind::Sound;
  e.sound = s;
  e.flag = soundWaits(s);
  emit(e);
}

void Game::redraw(EventKind k, int player, std::int32_t a) {
  if (!recording_) return;
  Event e;
  e.kind = k;
  e.player = static_cast<std::uint8_t>(player);
  e.a = a;
  emit(e);
}

void Game::send(std::string_view head, std::string_view tail) {
  if (!sendsToPeer() || !recording_) return;
  Event e;
  e.kind = EventKind::Send;
  e.message = makeMessage(head, tail);
  emit(e);
}

void Game::setAction(ActionCaption caption, bool enabled) {
  action_ = {caption, enabled};
  redraw(EventKind::Buttons);
}

// --- Games and deals ----------------------------------------------------------------

void Game::startGame(std::int32_t gameNumber, std::int32_t initialGeneralScore) {
  gameNumber_ = gameNumber;
  dealNumber_ = 0;
  dealWinner_ = 0;
  total_ = {0, 0};
  completed_ = false;
  outcome_ = GameOutcome{};
  outcome_.gameNumber = gameNumber;
  outcome_.initialGeneralScore = initialGeneralScore;
  outcome_.newGeneralScore = initialGeneralScore;
  suitRequest_ = SuitRequest::None;
  running_ = false;
  exitEnabled_ = false;
  dealDue_ = true;
  Event e;
  e.kind = EventKind::GameStarted;
  e.a = gameNumber;
  emit(e);
}

int Game::nextFirstMover() const {
  const bool tournament =
      config_.program == Program::TourSeat1 || config_.program == Program::TourSeat2;
  if (dealNumber_ == 0) {
    if (tournament) return config_.program == Program::TourSeat1 ? 1 : 2;
    return gameNumber_ % 2 != 0 ? 1 : 2;
  }
  if (config_.queue && !tournament) return 3 - firstMover_;
  return dealWinner_ == 0 ? firstMover_ : dealWinner_;
}

bool Game::deal(const Permutation& perm) {
  if (!dealDue_ || !isDealingSide() || !isPermutation(perm)) return false;
  firstMover_ = nextFirstMover();
  std::array<CardSlot, 26> deck{};
  for (std::size_t i = 0; i < 26; ++i) deck[i] = CardSlot::of(deckCard(perm[i], firstMover_));

  for (Hand& h : hands_) h.clear();
  for (std::size_t i = 0; i < 5; ++i) {
    hands_[0].append(deck[i]);
    hands_[1].append(deck[5 + i]);
  }
  table_.faceUp = deck[25];
  stock_ = StockList{};
  for (std::size_t i = 0; i < 16; ++i) stock_.slots[i] = deck[10 + i];
  stock_.stockCount = 15;
  stock_.nextFree = 17;
  table_.tableCount = 1;
  ++dealNumber_;
  beginDeal();
  return true;
}

bool Game::receiveDeal(const ReceivedDeal& d) {
  // A client is dealt at the start of a game and after each scored deal ("Next Round"
  // is the dealing side's button).
  if (isDealingSide() || !(dealDue_ || state_ == GameState::AwaitNextRound)) return false;
  if (d.firstMover != 1 && d.firstMover != 2) return false;
  // The deal must hold each of 26 distinct cards exactly once, and the list must keep
  // its invariant; anything else from the wire is refused.
  std::array<Card, 40> seen{};
  std::size_t n = 0;
  auto addCard = [&](const CardSlot& s) {
    const auto c = Card::fromBytes(s.card.bytes());
    if (!c || c->isEmpty() || *c == Card::anyJoker()) return false;
    for (std::size_t i = 0; i < n; ++i)
      if (seen[i] == *c) return false;
    if (n == seen.size()) return false;
    seen[n++] = *c;
    return true;
  };
  Hand h1, h2;
  for (const auto* src : {&d.hand1, &d.hand2}) {
    Hand& h = src == &d.hand1 ? h1 : h2;
    bool ended = false;
    for (const CardSlot& s : *src) {
      if (s.isEmpty()) {
        ended = true;
        continue;
      }
      if (ended || !addCard(s)) return false;
      h.append(CardSlot::of(s.card));
    }
  }
  const StockList& st = d.stock;
  if (st.nextFree < 2 || st.nextFree > 27 || st.stockCount < 0 || d.tableCount < 1 ||
      st.stockCount + d.tableCount != st.nextFree - 1)
    return false;
  StockList list;
  for (int i = 1; i < st.nextFree; ++i) {
    if (!addCard(st.at(i))) return false;
    list.at(i) = CardSlot::of(st.at(i).card);
  }
  if (n != 26 || !(d.faceUp.card == list.at(st.nextFree - 1).card)) return false;
  list.stockCount = st.stockCount;
  list.nextFree = st.nextFree;

  hands_[0] = h1;
  hands_[1] = h2;
  stock_ = list;
  table_.faceUp = CardSlot::of(d.faceUp.card);
  table_.tableCount = d.tableCount;
  firstMover_ = d.firstMover;
  ++dealNumber_;
  beginDeal();
  return true;
}

void Game::beginDeal() {
  dealDue_ = false;
  table_.orderedSuit = kNoSuit;
  humanChoice_ = kNoSuit;
  took_ = false;
  bonus_ = {};
  penalty_ = {0, 0};
  completed_ = false;
  suitRequest_ = SuitRequest::None;
  state_ = firstMover_ == 1 ? GameState::PlayerOneToMove : GameState::PlayerTwoToMove;
  phase_ = DealPhase::AwaitBegin;
  running_ = true;

  Event e;
  e.kind = EventKind::Dealt;
  e.a = dealNumber_;
  e.player = static_cast<std::uint8_t>(firstMover_);
  e.card = table_.faceUp.card;
  emit(e);
  redraw(EventKind::RedrawHand, 1);
  redraw(EventKind::RedrawHand, 2);
  redraw(EventKind::RedrawStock, 0, stockLayers(stock_.stockCount));
  redraw(EventKind::RedrawPile, 0, table_.tableCount);
  redraw(EventKind::RedrawOrder);
  redraw(EventKind::RedrawScore, 1);
  redraw(EventKind::RedrawScore, 2);
  exitEnabled_ = false;
  if (isDealingSide() || config_.program == Program::TourSeat1)
    setAction(ActionCaption::ToBegin, true);
  else
    setAction(ActionCaption::ITake, false);
  sound(Sound::Shuffle);
}

// --- Stock and pile ---------------------------------------------------------------

bool Game::take(int player) {
  Hand& h = handOf(player);
  Event e;
  e.player = static_cast<std::uint8_t>(player);
  if (h.full()) {
    e.kind = EventKind::HandFull;
    emit(e);
    return false;
  }
  const CardSlot top = stock_.at(1);
  h.append(top);
  --stock_.stockCount;
  for (int i = 1; i < StockList::kSlots; ++i) stock_.at(i) = stock_.at(i + 1);
  stock_.at(StockList::kSlots) = CardSlot{};
  --stock_.nextFree;

  if (!recording_) return true;
  e.kind = EventKind::Took;
  e.card = top.card;
  emit(e);
  switch (stock_.stockCount) {
    case 20: case 16: case 12: case 8: case 4: case 0:
      redraw(EventKind::RedrawStock, 0, stockLayers(stock_.stockCount));
      break;
    default:
      break;
  }
  Event f;
  f.kind = EventKind::Flight;
  f.player = static_cast<std::uint8_t>(player);
  f.from = Place::Stock;
  f.to = player == 1 ? Place::Hand1 : Place::Hand2;
  f.card = top.card;
  emit(f);
  redraw(EventKind::RedrawHand, player);
  return true;
}

void Game::turnOverPile() {
  Event speech;
  speech.kind = EventKind::Speech;
  speech.player = 2;
  speech.flag = true;
  emit(speech);
  sound(Sound::TurnOver);
  const int pile = table_.tableCount;
  stock_.stockCount = table_.tableCount - 1;
  table_.tableCount = 1;
  Event e;
  e.kind = EventKind::PileTurned;
  e.a = pile;
  e.b = stock_.stockCount;
  emit(e);
  redraw(EventKind::RedrawStock, 0, stockLayers(stock_.stockCount));
  redraw(EventKind::RedrawPile, 0, table_.tableCount);
  speech.flag = false;
  emit(speech);
}

void Game::takeWithTurnover(int player, bool penalty) {
  take(player);
  if (penalty) sound(Sound::Ding);
  if (stock_.stockCount == 0) turnOverPile();
}

// --- Rules ------------------------------------------------------------------------

bool Game::legal(Card c) const {
  if (c.isJoker()) return true;
  if (c.isEmpty()) return false;
  if (table_.orderedSuit != kNoSuit) return c.suit() == table_.orderedSuit;
  return c.matches(table_.faceUp.card);
}

void Game::passTurn(int mover) {
  const bool over = state_ == GameState::DealOver;
  if (mover == 1) {
    if (!over) state_ = GameState::PlayerTwoToMove;
    setAction(ActionCaption::ITake, !over);
  } else {
    if (!over) state_ = GameState::PlayerOneToMove;
    setAction(ActionCaption::ITake, false);
  }
}

void Game::move(int p, Card c, bool sendIt) {
  if (p != 1 && p != 2) return;
  const int other = 3 - p;
  Hand& h = handOf(p);

  if (!c.isEmpty()) {
    const int slot = h.find(c);
    if (slot != 0) {
      if (p == 1 && !directNetwork()) {
        Event pause;
        pause.kind = EventKind::Pause;
        pause.a = 500;
        emit(pause);
      }
      const CardSlot played = h.slot(slot);
      table_.faceUp = played;
      stock_.at(stock_.nextFree) = played;
      ++stock_.nextFree;
      h.remove(slot);

      if (recording_) {
        Event e;
        e.kind = EventKind::Played;
        e.player = static_cast<std::uint8_t>(p);
        e.card = c;
        e.a = slot;
        emit(e);
        redraw(EventKind::RedrawHand, p);
        e.kind = EventKind::Flight;
        e.from = p == 1 ? Place::Hand1 : Place::Hand2;
        e.to = Place::Pile;
        emit(e);
      }
      ++table_.tableCount;
      redraw(EventKind::RedrawPile, 0, table_.tableCount);

      const bool own = isOwnCard(config_.program, p, c);
      if (c.isJoker()) sound(own ? Sound::OwnJoker : Sound::OtherJoker);
      const bool cardsLeft = h.count() > 0;
      if (cardsLeft && c.isJoker()) {
        Event o;
        o.kind = EventKind::Ordered;
        o.player = static_cast<std::uint8_t>(p);
        o.suit = table_.orderedSuit;
        emit(o);
        redraw(EventKind::RedrawOrder);
      }
      if (cardsLeft && c.isJoker() && own) {
        bonus_[index(p)].ownJoker -= 5;
        redraw(EventKind::RedrawScore, p);
      }
      if (!cardsLeft && c.isJoker()) {
        bonus_[index(p)].goingOut = own ? -40 : -20;
        redraw(EventKind::RedrawScore, p);
      }
      if (!cardsLeft) state_ = GameState::DealOver;
      took_ = false;
      if (!c.isJoker()) {
        table_.orderedSuit = kNoSuit;
        redraw(EventKind::RedrawOrder);
      }
      if (sendIt) {
        const char suitLetter = table_.orderedSuit;
        send("hhod", c.bytes() + std::string(1, suitLetter));
      }
    }

    // Effects of the card, also for a first card announced by the dealing side.
    if (isOwnPicture(config_.program, p, c) && c.rank() == cp1251::kQueen) {
      sound(Sound::CardLaid);
      takeWithTurnover(other, true);
    } else if (isOwnPicture(config_.program, p, c) && c.rank() == cp1251::kJack) {
      sound(Sound::CardLaid);
      takeWithTurnover(other, true);
      takeWithTurnover(other, true);
    } else if (!c.isJoker()) {
      sound(Sound::CardLaid);
    }

    // Own jacks, queens and kings keep the turn; everything else passes it.
    if (!isOwnPicture(config_.program, p, c)) {
      passTurn(p);
    } else {
      if (state_ != GameState::DealOver)
        state_ = p == 1 ? GameState::PlayerOneToMove : GameState::PlayerTwoToMove;
      setAction(ActionCaption::ITake, action_.enabled && state_ != GameState::DealOver);
    }
    return;
  }

  if (!took_) {
    take(p);
    took_ = true;
    sound(Sound::CardLaid);
    if (stock_.stockCount == 0) turnOverPile();
    if (sendIt) send("htake");
    if (p == 2) setAction(ActionCaption::Pass, action_.enabled);
    return;
  }

  sound(Sound::Passed);
  took_ = false;
  Event e;
  e.kind = EventKind::Passed;
  e.player = static_cast<std::uint8_t>(p);
  emit(e);
  passTurn(p);
  if (!table_.faceUp.card.isJoker()) table_.orderedSuit = kNoSuit;
  redraw(EventKind::RedrawOrder);
  if (sendIt) send("hpass");
}

// --- The first card -----------------------------------------------------------------

void Game::applyFirstCard() {
  const Card c = table_.faceUp.card;
  const bool server = announcesStart();

  if (c.isJoker()) {
    if (firstMover_ == 1) {
      // The human orders: the game waits for chooseSuit().
      sound(Sound::OpenDialog);
      running_ = false;
      suitRequest_ = SuitRequest::FirstCard;
      redraw(EventKind::AskSuit);
      return;
    }
    if (server) {
      send("hzakaz");
      setAction(ActionCaption::ITake, false);
      state_ = GameState::PlayerOneToMove;
      finishFirstCard(true);
      return;
    }
    // The computer orders as if it held a joker beside its five cards.
    std::array<CardSlot, 12> asked{};
    for (int i = 1; i <= 5; ++i) asked[static_cast<std::size_t>(i - 1)] = hands_[0].slot(i);
    asked[5] = CardSlot::of(Card::anyJoker());
    const Decision d = decide(Card::empty(), asked, kNoSuit);
    table_.orderedSuit = d.suitChosen ? d.suit : cp1251::kSpades;
    Event o;
    o.kind = EventKind::Ordered;
    o.player = 1;
    o.suit = table_.orderedSuit;
    emit(o);
    redraw(EventKind::RedrawOrder);
    sound(Sound::Ding);
    finishFirstCard(false);
    return;
  }

  bool sent = false;
  if (c.isPicture()) {
    // A turned-up jack, queen or king counts as played by its owner: if the other
    // player was to move first, he takes two (jack), one (queen) or none (king).
    const Colour owner = ownerColour(c);
    const int ownerPlayer = playerColour(config_.program, 1) == owner ? 1 : 2;
    if (ownerPlayer != firstMover_) {
      const int takes = c.rank() == cp1251::kJack ? 2 : c.rank() == cp1251::kQueen ? 1 : 0;
      for (int i = 0; i < takes; ++i) takeWithTurnover(firstMover_, true);
      state_ = ownerPlayer == 1 ? GameState::PlayerOneToMove : GameState::PlayerTwoToMove;
      if (server) {
        if (ownerPlayer == 1) {
          send(c.rank() == cp1251::kJack ? "hvalet" : c.rank() == cp1251::kQueen ? "hdama" : "hkorol");
          sent = true;
        } else {
          send("hhod", c.bytes() + "#");
        }
      }
    }
  }
  finishFirstCard(sent);
}

void Game::finishFirstCard(bool messageSent) {
  if (state_ == GameState::PlayerTwoToMove) setAction(ActionCaption::ITake, true);
  if (state_ == GameState::PlayerOneToMove && !messageSent && announcesStart()) send("hsitkon2");
}

// --- Input --------------------------------------------------------------------------

void Game::pressAction() {
  if (!action_.enabled || suitRequest_ != SuitRequest::None) return;
  if (phase_ == DealPhase::AwaitBegin && !dealDue_) {
    phase_ = DealPhase::InPlay;
    setAction(ActionCaption::ITake, false);
    running_ = true;
    applyFirstCard();
    return;
  }
  switch (state_) {
    case GameState::PlayerTwoToMove:
      if (phase_ == DealPhase::InPlay && running_) move(2, Card::empty(), true);
      break;
    case GameState::AwaitNextRound:
      if (config_.program == Program::TourSeat1 || config_.program == Program::TourSeat2) {
        send("bnext", std::string(1, static_cast<char>('0' + dealWinner_)));
        setAction(ActionCaption::NextRound, false);
        dealDue_ = true;
      } else if (isDealingSide()) {
        running_ = false;
        dealDue_ = true;
        setAction(ActionCaption::NextRound, false);
      }
      break;
    case GameState::AwaitSumUp:
      sumUp();
      break;
    default:
      break;
  }
}

ClickResult Game::clickCard(int slot) {
  if (!running_ || state_ != GameState::PlayerTwoToMove || phase_ != DealPhase::InPlay ||
      suitRequest_ != SuitRequest::None)
    return ClickResult::Ignored;
  const Card c = hands_[1].card(slot);
  if (c.isEmpty()) return ClickResult::Ignored;
  if (!legal(c)) {
    sound(Sound::Wrong);
    return ClickResult::Illegal;
  }
  if (c.isJoker() && hands_[1].count() > 1) {
    sound(Sound::OpenDialog);
    suitRequest_ = SuitRequest::HumanJoker;
    pendingJoker_ = c;
    redraw(EventKind::AskSuit);
    return ClickResult::NeedSuit;
  }
  move(2, c, true);
  return ClickResult::Played;
}

void Game::chooseSuit(Suit s) {
  if (!isSuitLetter(s)) return;
  const SuitRequest request = suitRequest_;
  suitRequest_ = SuitRequest::None;
  if (request == SuitRequest::HumanJoker) {
    sound(Sound::Ding);
    table_.orderedSuit = s;
    humanChoice_ = s;
    move(2, pendingJoker_, true);
  } else if (request == SuitRequest::FirstCard || request == SuitRequest::PeerFirstCard) {
    // The human orders the suit of the turned-up joker; the other program hears of it.
    table_.orderedSuit = s;
    humanChoice_ = s;
    Event o;
    o.kind = EventKind::Ordered;
    o.player = 2;
    o.suit = s;
    emit(o);
    redraw(EventKind::RedrawOrder);
    sound(Sound::Ding);
    running_ = true;
    if (request == SuitRequest::PeerFirstCard || announcesStart())
      send("hhod", table_.faceUp.card.bytes() + std::string(1, s));
    if (request == SuitRequest::FirstCard)
      finishFirstCard(false);
    else
      phase_ = DealPhase::InPlay;
  }
}

void Game::peerMove(Card c, Suit orderedSuit) {
  if (dealDue_ || state_ == GameState::GameFinished) return;
  if (!isDealingSide() && phase_ == DealPhase::AwaitBegin) {
    phase_ = DealPhase::InPlay;
    running_ = true;
  }
  if (!c.isEmpty()) table_.orderedSuit = isSuitLetter(orderedSuit) ? orderedSuit : kNoSuit;
  move(1, c, false);
}

void Game::peerStart(PeerStart start) {
  if (isDealingSide() || dealDue_ || phase_ != DealPhase::AwaitBegin ||
      suitRequest_ != SuitRequest::None)
    return;
  if (start == PeerStart::OrderSuit) {
    sound(Sound::OpenDialog);
    running_ = false;
    suitRequest_ = SuitRequest::PeerFirstCard;
    redraw(EventKind::AskSuit);
    return;
  }
  phase_ = DealPhase::InPlay;
  running_ = true;
  setAction(ActionCaption::ITake, true);
  const int takes = start == PeerStart::Jack ? 2 : start == PeerStart::Queen ? 1 : 0;
  for (int i = 0; i < takes; ++i) takeWithTurnover(1, true);
  if (start != PeerStart::Begin) state_ = GameState::PlayerTwoToMove;
}

void Game::tick() {
  if (!running_ || phase_ != DealPhase::InPlay || suitRequest_ != SuitRequest::None) return;
  if (state_ == GameState::PlayerOneToMove && config_.program == Program::Local) {
    computerMove();
  } else if (state_ == GameState::DealOver) {
    scoreDeal();
  }
}

void Game::computerMove() {
  if (!table_.faceUp.card.isJoker()) table_.orderedSuit = kNoSuit;
  const Decision d = decide(table_.faceUp.card, hands_[0].slots(), table_.orderedSuit);
  if (d.suitChosen) table_.orderedSuit = d.suit;
  move(1, d.plan[0], false);
}

// --- Scoring ------------------------------------------------------------------------

void Game::scoreDeal() {
  const int loser = hands_[0].count() > 0 ? 1 : 2;
  const int winner = 3 - loser;
  const Card ownJoker = playerColour(config_.program, loser) == Colour::Black
                            ? Card::blackJoker()
                            : Card::redJoker();
  const std::int32_t penalty = core::dealPenalty(handOf(loser), ownJoker);
  penalty_[index(loser)] = penalty;
  penalty_[index(winner)] = 0;
  redraw(EventKind::RedrawScore, loser);
  if (loser == 1) {
    Event e;
    e.kind = EventKind::RedrawHand;
    e.player = 1;
    e.flag = true;
    emit(e);
  }
  total_[index(loser)] += penalty + bonus_[index(loser)].ownJoker;
  total_[index(winner)] += bonus_[index(winner)].goingOut + bonus_[index(winner)].ownJoker;
  dealWinner_ = winner;
  sound(winner == 2 ? Sound::DealWon : Sound::DealLost);

  Event s;
  s.kind = EventKind::Scored;
  s.player = static_cast<std::uint8_t>(loser);
  s.a = penalty;
  s.b = total_[0];
  s.c = total_[1];
  emit(s);
  redraw(EventKind::RedrawScore, 1);
  redraw(EventKind::RedrawScore, 2);
  outcome_.deals = dealNumber_;

  if (total_[0] >= kGameLimit || total_[1] >= kGameLimit) {
    state_ = GameState::AwaitSumUp;
    const bool mayPress = config_.program != Program::TourSeat2;
    setAction(ActionCaption::SumUp, mayPress);
    return;
  }
  const bool dealingSide = isDealingSide() || config_.program == Program::TourSeat1;
  setAction(ActionCaption::NextRound, dealingSide);
  if (config_.program == Program::NetServer || config_.program == Program::TourSeat1) {
    Event pause;
    pause.kind = EventKind::Pause;
    pause.a = 2000;
    emit(pause);
  }
  state_ = GameState::AwaitNextRound;
}

void Game::sumUp() {
  redraw(EventKind::TableCleared);
  redraw(EventKind::RedrawScore, 1);
  redraw(EventKind::RedrawScore, 2);
  const std::int32_t preliminary = total_[0] - total_[1];
  const std::int32_t multiplier = resultMultiplier(preliminary);
  const std::int32_t result = preliminary * multiplier;
  outcome_.total1 = total_[0];
  outcome_.total2 = total_[1];
  outcome_.preliminary = preliminary;
  outcome_.multiplier = multiplier;
  outcome_.result = result;
  outcome_.newGeneralScore = outcome_.initialGeneralScore + result;
  outcome_.deals = dealNumber_;

  Event e;
  e.kind = EventKind::Summary;
  e.a = preliminary;
  e.b = multiplier;
  e.c = result;
  emit(e);
  if (preliminary > 0) sound(Sound::GameGood);
  if (preliminary < 0) sound(Sound::GameBad);
  completed_ = true;
  exitEnabled_ = true;
  setAction(ActionCaption::SumUp, false);
  state_ = GameState::GameFinished;
  running_ = false;
}

}  // namespace vantorn::core
