// One table: the deal and turn flow, the move procedure with its card effects, the first
// card, scoring and the game summary. Every operation appends what happened to an event
// list (events.h) that the caller drains; the game itself never waits, draws or sends.
//
// Players: 1 is the opponent (computer or remote human, top), 2 the local human (bottom).
// The seat colours depend on the program (card.h).
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/card.h"
#include "core/computer.h"
#include "core/containers.h"
#include "core/events.h"
#include "core/scoring.h"

namespace vantorn::core {

enum class GameState : std::uint8_t {
  PlayerOneToMove = 1,
  PlayerTwoToMove = 2,
  DealOver = 10,
  AwaitNextRound = 11,
  AwaitSumUp = 12,
  GameFinished = 20,
};

enum class DealPhase : std::uint8_t { AwaitBegin = 1, InPlay = 2 };

// A shuffle: deck position i (1..26) gets the card of number perm[i-1] (deckCard()).
using Permutation = std::array<int, 26>;
bool isPermutation(const Permutation& p);

struct GameConfig {
  Program program = Program::Local;
  bool queue = false;  // "To move on - queue": the first move alternates from deal to deal
};

// The result of the human's left click on a card of the bottom hand.
enum class ClickResult : std::uint8_t {
  Ignored,   // not the human's move, or no card there
  Illegal,   // refused with "WWrongs"
  NeedSuit,  // a joker that is not the last card: answer with chooseSuit()
  Played,
};

// Why a suit is being asked for.
// FirstCard: a joker turned up with player 1 to move first, on the dealing side;
// PeerFirstCard: the same asked by the dealing side of a network game ("hzakaz").
enum class SuitRequest : std::uint8_t { None, HumanJoker, FirstCard, PeerFirstCard };

// How the dealing side of a network game announced the start of play.
enum class PeerStart : std::uint8_t {
  OrderSuit,  // "hzakaz": the local human orders the suit of a turned-up joker
  Jack,       // "hvalet": player 1 takes two cards, the local human moves
  Queen,      // "hdama": player 1 takes one card, the local human moves
  King,       // "hkorol": the local human moves
  Begin,      // "hsitkon2": play starts, the local human moves first
};

struct ButtonState {
  ActionCaption caption = ActionCaption::ToBegin;
  bool enabled = false;
};

// What a finished game hands on to the end-of-game handling.
struct GameOutcome {
  std::int32_t gameNumber = 0;
  std::int32_t total1 = 0, total2 = 0;
  std::int32_t preliminary = 0;
  std::int32_t multiplier = 1;
  std::int32_t result = 0;
  std::int32_t initialGeneralScore = 0;
  std::int32_t newGeneralScore = 0;
  int deals = 0;
};

// A deal as the dealing side sent it (received by a network client or a tournament seat).
struct ReceivedDeal {
  std::array<CardSlot, 12> hand1{}, hand2{};
  CardSlot faceUp;
  StockList stock;
  int tableCount = 1;
  int firstMover = 1;
};

class Game {
 public:
  explicit Game(GameConfig config);

  // --- Starting games and deals ------------------------------------------------------
  // Starts a new game for a player whose record gives the game number and general score.
  // On the dealing side the first deal follows at once (deal()); a network client waits
  // for receiveDeal().
  void startGame(std::int32_t gameNumber, std::int32_t initialGeneralScore);
  // The first mover of the deal that is dealt next (the shuffle's own joker depends on it).
  int nextFirstMover() const;
  // Shuffles with the given permutation and deals (dealing side). False, and nothing
  // changes, when `perm` is not a permutation of 1..26 or no deal is due.
  bool deal(const Permutation& perm);
  // A deal received from the dealing side replaces the shuffle and the deal of the cards.
  bool receiveDeal(const ReceivedDeal& d);

  // --- Input -------------------------------------------------------------------------
  // The action button (Button7).
  void pressAction();
  // A left click on slot 1..12 of the bottom hand.
  ClickResult clickCard(int slot);
  // The answer to an AskSuit event.
  void chooseSuit(Suit s);
  // The driver tick (every 200 ms while a game runs).
  void tick();

  // A move of player 1 received from the peer ("##" for a take or pass). The suit is the
  // order that came with it.
  void peerMove(Card c, Suit orderedSuit);
  // The dealing side's start message (network client, tournament seat 2).
  void peerStart(PeerStart start);
  // The one move procedure for every play, take and pass (public for the network side).
  void move(int player, Card c, bool send);

  // --- Events ------------------------------------------------------------------------
  const Events& events() const { return events_; }
  void clearEvents() { events_.clear(); }
  // When false, no events are recorded (the benchmark); the game plays the same.
  void setRecording(bool on) { recording_ = on; }

  // --- State -------------------------------------------------------------------------
  const GameConfig& config() const { return config_; }
  GameState state() const { return state_; }
  DealPhase phase() const { return phase_; }
  bool running() const { return running_; }
  SuitRequest suitRequest() const { return suitRequest_; }
  // A new game was started or "Next Round" pressed: deal() (or receiveDeal()) is due.
  bool dealDue() const { return dealDue_; }
  int firstMover() const { return firstMover_; }
  int dealWinner() const { return dealWinner_; }
  bool tookThisTurn() const { return took_; }
  int dealNumber() const { return dealNumber_; }
  std::int32_t gameNumber() const { return gameNumber_; }
  const Hand& hand(int player) const { return hands_[static_cast<std::size_t>(player == 1 ? 0 : 1)]; }
  const TableState& table() const { return table_; }
  const StockList& stock() const { return stock_; }
  const DealBonuses& bonuses(int player) const { return bonus_[index(player)]; }
  std::int32_t dealPenalty(int player) const { return penalty_[index(player)]; }
  std::int32_t total(int player) const { return total_[index(player)]; }
  const ButtonState& actionButton() const { return action_; }
  bool exitEnabled() const { return exitEnabled_; }
  bool gameCompleted() const { return completed_; }
  const GameOutcome& outcome() const { return outcome_; }
  Suit humanSuitChoice() const { return humanChoice_; }

  bool legal(Card c) const;
  // Layers of the stock picture for a stock count: 5 at 21 and more, down to 0 at 0.
  static int stockLayers(int stockCount);

 private:
  static std::size_t index(int player) { return player == 1 ? 0 : 1; }
  Hand& handOf(int player) { return hands_[index(player)]; }
  bool isDealingSide() const;
  bool sendsToPeer() const { return config_.program != Program::Local; }
  // The side that applies the first card and tells the other what it did: the server of a
  // direct game, seat 1 at a tournament table.
  bool announcesStart() const {
    return config_.program == Program::NetServer || config_.program == Program::TourSeat1;
  }
  bool directNetwork() const {
    return config_.program == Program::NetServer || config_.program == Program::NetClient;
  }

  void emit(const Event& e) {
    if (recording_) events_.push_back(e);
  }
  void sound(Sound s);
  void redraw(EventKind k, int player = 0, std::int32_t a = 0);
  void send(std::string_view head, std::string_view tail = {});
  void setAction(ActionCaption caption, bool enabled);

  void beginDeal();
  // One card from the stock to the player's hand; false when the hand was full.
  bool take(int player);
  void turnOverPile();
  void takeWithTurnover(int player, bool penalty);
  void passTurn(int mover);
  void applyFirstCard();
  void finishFirstCard(bool messageSent);
  void computerMove();
  void scoreDeal();
  void sumUp();

  GameConfig config_;
  Events events_;
  bool recording_ = true;

  GameState state_ = GameState::GameFinished;
  DealPhase phase_ = DealPhase::AwaitBegin;
  bool running_ = false;
  bool dealDue_ = false;
  SuitRequest suitRequest_ = SuitRequest::None;
  Card pendingJoker_{};
  int firstMover_ = 1;
  int dealWinner_ = 0;
  bool took_ = false;
  int dealNumber_ = 0;
  std::int32_t gameNumber_ = 1;
  std::array<Hand, 2> hands_{};
  TableState table_{};
  StockList stock_{};
  Suit humanChoice_ = kNoSuit;
  std::array<DealBonuses, 2> bonus_{};
  std::array<std::int32_t, 2> penalty_{};
  std::array<std::int32_t, 2> total_{};
  ButtonState action_{};
  bool exitEnabled_ = false;
  bool completed_ = false;
  GameOutcome outcome_{};
};

}  // namespace vantorn::core
