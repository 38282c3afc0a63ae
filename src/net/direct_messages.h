// Messages of the direct game: two programs over one TCP connection, one listening (the
// server, which deals) and one connecting (the client). Every message is plain 8-bit text
// without a delimiter or a length prefix; the receiver knows each one by its first bytes.
//
//   "s" + text                      chat line, both ways
//   "abort"                         never sent; the client skips it
//   "qex" "05" "25" "connect1" name introduction, client to server
//   "connect2" + name               answer, server to client
//   "b" + 134 characters            deal, server to client (layout below)
//   "hhod" + card id + suit char    a card played (7 bytes), both ways
//   "htake", "hpass"                take, pass (5 bytes), both ways
//   "hzakaz", "hvalet", "hdama",    how the first face-up card starts play, server to
//   "hkorol", "hsitkon2"            client (6, 6, 5, 6, 8 bytes)
//
// Every message is written from the sender's point of view: its player 1 is the receiver's
// player 2. This file holds the builders and the readers of single messages; the stream
// receiver (direct_receiver.h) cuts a byte stream into them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/game.h"

namespace vantorn::net {

inline constexpr std::uint16_t kDefaultDirectPort = 25666;
// The game number 5 and the protocol number 25, both as two digits.
inline constexpr std::string_view kGameNumberDigits = "05";
inline constexpr std::string_view kProtocolDigits = "25";
// "qex" + game number + protocol number + "connect1": positions 1-15; the name follows.
inline constexpr std::string_view kIntroductionHead = "qex0525connect1";
inline constexpr std::string_view kAnswerHead = "connect2";
// Player names are padded with spaces to 20 characters wherever the program keeps them, so
// a name on the wire is 20 bytes; the readers take at most this many.
inline constexpr std::size_t kNameLimit = 20;
// The in-game message line holds 15 characters.
inline constexpr std::size_t kChatTextLimit = 15;
// "b" + positions 1..134.
inline constexpr std::size_t kDealMessageSize = 135;
// The longest message: the deal. Nothing longer is ever kept waiting.
inline constexpr std::size_t kLongestDirectMessage = kDealMessageSize;

inline constexpr std::string_view kAbort = "abort";
inline constexpr std::string_view kTake = "htake";
inline constexpr std::string_view kPass = "hpass";
inline constexpr std::string_view kPlayHead = "hhod";
inline constexpr std::size_t kPlaySize = 7;

// --- Decoded messages ----------------------------------------------------------------

struct Introduction {  // client to server
  std::string name;
  friend bool operator==(const Introduction&, const Introduction&) = default;
};
struct Answer {  // server to client
  std::string name;
  friend bool operator==(const Answer&, const Answer&) = default;
};
struct DealMessage {  // server to client, already in the receiver's numbering
  core::ReceivedDeal deal;
};
struct Play {  // "hhod"
  core::Card card;
  core::Suit suit = core::kNoSuit;
  friend bool operator==(const Play&, const Play&) = default;
};
struct Take {
  friend bool operator==(const Take&, const Take&) = default;
};
struct Pass {
  friend bool operator==(const Pass&, const Pass&) = default;
};
struct Start {  // "hzakaz", "hvalet", "hdama", "hkorol", "hsitkon2"
  core::PeerStart start{};
  friend bool operator==(const Start&, const Start&) = default;
};
struct Chat {
  std::string text;
  friend bool operator==(const Chat&, const Chat&) = default;
};

using DirectAction = std::variant<Introduction, Answer, DealMessage, Play, Take, Pass, Start, Chat>;

// Short description of an action for logs and test failures ("play <code> <suit>", ...).
std::string describe(const DirectAction& a);

// --- Builders --------------------------------------------------------------------------

// A name as sent: padded with spaces (or cut) to kNameLimit bytes.
std::string wireName(std::string_view name);
std::string makeIntroduction(std::string_view name);
std::string makeAnswer(std::string_view name);
// "s" + the text cut to kChatTextLimit bytes; empty for an empty text (nothing is sent).
std::string makeChat(std::string_view text);
std::string makePlay(core::Card card, core::Suit suit);
std::string_view startToken(core::PeerStart start);
std::optional<core::PeerStart> startFromToken(std::string_view token);

// What the deal message carries, in the sender's numbering.
struct DealContent {
  std::array<core::CardSlot, 5> hand1{}, hand2{};
  core::CardSlot faceUp;
  std::array<core::CardSlot, 16> list{};  // stock slots 1..15, then the face-up card
  int firstMover = 1;
};
// The content of the deal the game has just dealt (right after its Dealt event).
DealContent dealContentOf(const core::Game& game);
std::string makeDealMessage(const DealContent& deal);

// --- Readers ---------------------------------------------------------------------------

// The deal message ("b" + 134 characters) read into the receiver's numbering: positions
// 1-10 become its own hand (player 2), 11-20 player 1's; position 134 "1" makes its own
// player the first mover. nullopt unless every card id names a card and every number field
// holds digits (whether the 26 cards form a deck is the game's check).
std::optional<core::ReceivedDeal> readDealMessage(std::string_view message);

// Whether up to two bytes can begin the card id of a real card (not "##", not "j#").
bool cardIdPrefixPossible(std::string_view prefix);

// Checks a prefix of a deal message byte by byte: false as soon as a byte cannot belong to
// a deal message (a card id byte that no card has, a letter in a number field).
bool dealPrefixPossible(std::string_view prefix);

}  // namespace vantorn::net
