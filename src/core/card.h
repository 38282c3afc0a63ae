// Cards of the 26-card deck, as the game stores and sends them.
//
// A card id is two 8-bit characters in Windows-1251: a rank letter ("9", "1" for ten,
// "В" jack, "Д" queen, "К" king, "Т" ace) followed by a suit letter ("ч" hearts,
// "б" diamonds, "к" clubs, "п" spades). Jokers are "j1" (blue), "j2" (red), "j3" (black);
// "##" marks an empty slot. The two bytes are what files and the wire carry, unchanged.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantorn::core {

// Windows-1251 bytes of the letters that make up card ids.
namespace cp1251 {
inline constexpr char kNine = '9';
inline constexpr char kTen = '1';
inline constexpr char kJack = '\xC2';   // В
inline constexpr char kQueen = '\xC4';  // Д
inline constexpr char kKing = '\xCA';   // К
inline constexpr char kAce = '\xD2';    // Т
inline constexpr char kHearts = '\xF7';    // ч
inline constexpr char kDiamonds = '\xE1';  // б
inline constexpr char kClubs = '\xEA';     // к
inline constexpr char kSpades = '\xEF';    // п
inline constexpr char kJoker = 'j';
inline constexpr char kEmpty = '#';
}  // namespace cp1251

// "#" when no suit is ordered; otherwise one of the four suit letters.
using Suit = char;
inline constexpr Suit kNoSuit = cp1251::kEmpty;

// The four suits in display order: hearts, diamonds, clubs, spades.
inline constexpr std::array<Suit, 4> kSuitsInOrder = {cp1251::kHearts, cp1251::kDiamonds,
                                                       cp1251::kClubs, cp1251::kSpades};

bool isSuitLetter(char c);

class Card {
 public:
  constexpr Card() : bytes_{cp1251::kEmpty, cp1251::kEmpty} {}
  constexpr Card(char rank, char suit) : bytes_{rank, suit} {}

  static constexpr Card empty() { return Card(); }
  static constexpr Card blueJoker() { return Card('j', '1'); }
  static constexpr Card redJoker() { return Card('j', '2'); }
  static constexpr Card blackJoker() { return Card('j', '3'); }
  // The "j#" placeholder that the computer player is handed when it orders a suit
  // for a joker turned up as the first card.
  static constexpr Card anyJoker() { return Card('j', '#'); }

  // Parses the two bytes of a card id; nullopt unless they name one of the 27 cards
  // of this game or "##" ("j#" is accepted too, as the placeholder above).
  static std::optional<Card> fromBytes(std::string_view two);
  // Parses a card code ("Pi5A", "PoBlue"); nullopt for anything else.
  static std::optional<Card> fromCode(std::string_view code);

  constexpr char rank() const { return bytes_[0]; }
  constexpr char suit() const { return bytes_[1]; }
  std::string bytes() const { return std::string(bytes_.data(), 2); }

  constexpr bool isEmpty() const { return bytes_[0] == cp1251::kEmpty && bytes_[1] == cp1251::kEmpty; }
  constexpr bool isJoker() const { return bytes_[0] == cp1251::kJoker; }
  constexpr bool isPicture() const {
    return bytes_[0] == cp1251::kJack || bytes_[0] == cp1251::kQueen || bytes_[0] == cp1251::kKing;
  }
  constexpr bool sameRank(Card o) const { return bytes_[0] == o.bytes_[0]; }
  constexpr bool sameSuit(Card o) const { return bytes_[1] == o.bytes_[1]; }
  // Same rank or same suit: the matching rule of play.
  constexpr bool matches(Card o) const { return sameRank(o) || sameSuit(o); }

  // Face picture name: suit part Ch/Bu/Kr/Pi and rank part 09/10/2J/3Q/4K/5A, or
  // PoBlue/PoRed/PoBlack for the jokers; empty for "##" and the placeholder.
  std::string code() const;

  // Rank order and points stored with the card wherever it lies: nine 1/9, jack 2/2,
  // queen 3/3, king 4/4, ten 5/10, ace 6/11, joker 0/0, empty slot 99/99.
  constexpr std::uint8_t rankOrder() const {
    switch (bytes_[0]) {
      case cp1251::kNine: return 1;
      case cp1251::kJack: return 2;
      case cp1251::kQueen: return 3;
      case cp1251::kKing: return 4;
      case cp1251::kTen: return 5;
      case cp1251::kAce: return 6;
      case cp1251::kJoker: return 0;
      default: return 99;
    }
  }
  constexpr std::uint8_t points() const {
    switch (bytes_[0]) {
      case cp1251::kNine: return 9;
      case cp1251::kJack: return 2;
      case cp1251::kQueen: return 3;
      case cp1251::kKing: return 4;
      case cp1251::kTen: return 10;
      case cp1251::kAce: return 11;
      case cp1251::kJoker: return 0;
      default: return 99;
    }
  }

  friend constexpr bool operator==(Card a, Card b) { return a.bytes_ == b.bytes_; }

 private:
  std::array<char, 2> bytes_;
};

// A card with the two small numbers that travel with it.
struct CardSlot {
  Card card;
  std::uint8_t rankOrder = 99;
  std::uint8_t points = 99;

  static CardSlot of(Card c) { return CardSlot{c, c.rankOrder(), c.points()}; }
  static CardSlot emptySlot() { return CardSlot{}; }
  bool isEmpty() const { return card.isEmpty(); }
  friend bool operator==(const CardSlot&, const CardSlot&) = default;
};

// Deck number 1..26 of the shuffle: 1..4 the nines of hearts, diamonds, clubs, spades,
// 5..8 the tens, 9..12 jacks, 13..16 queens, 17..20 kings, 21..24 aces, 25 the blue joker,
// 26 the own joker of the first mover on the dealing side ("j3" for player 1, "j2" for 2).
Card deckCard(int number, int firstMover);

enum class Colour : std::uint8_t { Black, Red, Nobody };

// Black owns the jacks, queens and kings of clubs and spades and "j3"; red those of
// hearts and diamonds and "j2"; everything else belongs to nobody.
Colour ownerColour(Card c);

// Which program this is; fixes the colour of each seat.
enum class Program : std::uint8_t { Local, NetServer, NetClient, TourSeat1, TourSeat2 };

// Player 1 (the opponent, top) is black in a local game, on a network server and at
// tournament seat 1; red on a network client and at seat 2. Player 2 has the other colour.
Colour playerColour(Program program, int player);

// The card is one of the player's own six picture cards or his own joker.
bool isOwnCard(Program program, int player, Card c);
// The card is one of the player's own jacks, queens or kings (not his joker).
bool isOwnPicture(Program program, int player, Card c);

// One-letter suit name of traces ("h", "d", "c", "s"), "#" for none.
char suitLetterForTrace(Suit s);

}  // namespace vantorn::core
