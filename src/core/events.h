// What the game reports after each operation: an ordered list of events for the
// presentation (table drawing, sounds, pauses, messages to the peer) and for the
// simulator's trace. The core performs no drawing, sound, waiting or sending itself.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/card.h"

namespace vantorn::core {

// Effect sounds of the game, with whether the game waits until each has finished.
enum class Sound : std::uint8_t {
  OpenDialog,   // "WOpenFo"
  Ding,         // "WDing_1": a suit was ordered, a penalty card was taken
  CardLaid,     // "WHodsDo": a card other than a joker was played, or a card taken
  Passed,       // "WHodBer"
  OtherJoker,   // "WSays20": the blue joker or the other colour's joker was played
  OwnJoker,     // "WSays40"
  Shuffle,      // "WTasoKo"
  TurnOver,     // "WToMenK": the pile was turned into the stock
  DealLost,     // "WKoBadX": player 1 went out
  DealWon,      // "WKoGutX": player 2 went out
  GameGood,     // "WKoGood"
  GameBad,      // "WKoBads"
  Wrong,        // "WWrongs": a card that may not be played was clicked
};
std::string_view soundName(Sound s);
bool soundWaits(Sound s);

enum class Place : std::uint8_t { Hand1, Hand2, Stock, Pile };

// Captions of the action button (Button7).
enum class ActionCaption : std::uint8_t { ToBegin, ITake, Pass, NextRound, SumUp };
std::string_view actionCaptionEnglish(ActionCaption c);

// A message for the peer or the tournament server, at most 8 bytes ("hsitkon2").
struct Message {
  std::array<char, 8> bytes{};
  std::uint8_t size = 0;
  std::string_view view() const { return {bytes.data(), size}; }
};
Message makeMessage(std::string_view head, std::string_view tail = {});

enum class EventKind : std::uint8_t {
  GameStarted,  // a = game number
  Dealt,        // a = deal number, player = first mover, card = face-up card
  Sound,        // sound, flag = the game waits for it to end
  Pause,        // a = milliseconds
  Played,       // player played card from hand slot a
  Ordered,      // player ordered suit
  Took,         // player took card from the stock (penalty or not)
  HandFull,     // a take by player found his hand full: nothing was taken
  PileTurned,   // the pile (a = its cards before) was turned over; b = new stock count
  Passed,       // player passed
  Flight,       // card flies from place `from` (hand slot a when from a hand) to `to`
  RedrawHand,   // player's hand; flag = shown face up because the deal is over
  RedrawStock,  // a = layers (0..5)
  RedrawPile,   // a = table count
  RedrawOrder,  // the info panel with round number and ordered suit
  RedrawScore,  // player's scoreboard
  Speech,       // player 2's name plate shows "One moment..." (flag set) or the name again
  Send,         // message to the peer
  Buttons,      // action button and exit button changed (read them from the game)
  AskSuit,      // the human must choose a suit now (suit dialog); answer with chooseSuit
  Scored,       // player = loser, a = penalty, b = total 1, c = total 2
  TableCleared, // the summary clears the table
  Summary,      // a = preliminary result, b = multiplier, c = game result
};

struct Event {
  EventKind kind{};
  std::uint8_t player = 0;
  Card card{};
  Suit suit = kNoSuit;
  Sound sound{};
  Place from{}, to{};
  bool flag = false;
  std::int32_t a = 0, b = 0, c = 0;
  Message message{};
};

using Events = std::vector<Event>;

}  // namespace vantorn::core
