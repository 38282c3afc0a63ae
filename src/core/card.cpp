#include "core/card.h"

namespace vantorn::core {

using namespace cp1251;

namespace {

struct RankInfo {
  char letter;
  const char* code;  // rank part of the face name
};

constexpr std::array<RankInfo, 6> kRanks = {{
    {kNine, "09"},
    {kTen, "10"},
    {kJack, "2J"},
    {kQueen, "3Q"},
    {kKing, "4K"},
    {kAce, "5A"},
}};

struct SuitInfo {
  char letter;
  const char* code;
};

constexpr std::array<SuitInfo, 4> kSuits = {{
    {kHearts, "Ch"},
    {kDiamonds, "Bu"},
    {kClubs, "Kr"},
    {kSpades, "Pi"},
}};

const RankInfo* rankInfo(char r) {
  for (const auto& i : kRanks)
    if (i.letter == r) return &i;
  return nullptr;
}

const SuitInfo* suitInfo(char s) {
  for (const auto& i : kSuits)
    if (i.letter == s) return &i;
  return nullptr;
}

}  // namespace

bool isSuitLetter(char c) { return suitInfo(c) != nullptr; }

std::optional<Card> Card::fromBytes(std::string_view two) {
  if (two.size() != 2) return std::nullopt;
  Card c(two[0], two[1]);
  if (c.isEmpty()) return c;
  if (c.isJoker()) {
    if (two[1] == '1' || two[1] == '2' || two[1] == '3' || two[1] == '#') return c;
    return std::nullopt;
  }
  if (rankInfo(two[0]) && suitInfo(two[1])) return c;
  return std::nullopt;
}

std::optional<Card> Card::fromCode(std::string_view code) {
  if (code == "PoBlue") return blueJoker();
  if (code == "PoRed") return redJoker();
  if (code == "PoBlack") return blackJoker();
  if (code.size() != 4) return std::nullopt;
  for (const auto& s : kSuits) {
    if (code.substr(0, 2) != s.code) continue;
    for (const auto& r : kRanks)
      if (code.substr(2) == r.code) return Card(r.letter, s.letter);
  }
  return std::nullopt;
}

std::string Card::code() const {
  if (isJoker()) {
    switch (suit()) {
      case '1': return "PoBlue";
      case '2': return "PoRed";
      case '3': return "PoBlack";
      default: return {};
    }
  }
  const RankInfo* r = rankInfo(rank());
  const SuitInfo* s = suitInfo(suit());
  if (!r || !s) return {};
  return std::string(s->code) + r->code;
}

Card deckCard(int number, int firstMover) {
  if (number >= 1 && number <= 24) {
    const int rank = (number - 1) / 4;  // nine, ten, jack, queen, king, ace
    static constexpr std::array<char, 6> kDeckRanks = {kNine, kTen, kJack, kQueen, kKing, kAce};
    return Card(kDeckRanks[rank], kSuits[(number - 1) % 4].letter);
  }
  if (number == 25) return Card::blueJoker();
  if (number == 26) return firstMover == 1 ? Card::blackJoker() : Card::redJoker();
  return Card::empty();
}

Colour ownerColour(Card c) {
  if (c == Card::blackJoker()) return Colour::Black;
  if (c == Card::redJoker()) return Colour::Red;
  if (!c.isPicture()) return Colour::Nobody;
  if (c.suit() == kClubs || c.suit() == kSpades) return Colour::Black;
  if (c.suit() == kHearts || c.suit() == kDiamonds) return Colour::Red;
  return Colour::Nobody;
}

Colour playerColour(Program program, int player) {
  const bool p1Black = program == Program::Local || program == Program::NetServer ||
                       program == Program::TourSeat1;
  const bool black = (player == 1) == p1Black;
  return black ? Colour::Black : Colour::Red;
}

bool isOwnCard(Program program, int player, Card c) {
  const Colour owner = ownerColour(c);
  return owner != Colour::Nobody && owner == playerColour(program, player);
}

bool isOwnPicture(Program program, int player, Card c) {
  return c.isPicture() && isOwnCard(program, player, c);
}

char suitLetterForTrace(Suit s) {
  switch (s) {
    case kHearts: return 'h';
    case kDiamonds: return 'd';
    case kClubs: return 'c';
    case kSpades: return 's';
    default: return '#';
  }
}

}  // namespace vantorn::core
