#include "net/direct_messages.h"

#include <array>

namespace vantorn::net {

using core::Card;
using core::CardSlot;

namespace {

// The deal message by position (1..134 after the leading "b"). Each card id takes two
// positions, each rank order one digit, each points field two digits.
enum class Field : std::uint8_t { CardFirst, CardSecond, Digit, FirstMover };

struct DealLayout {
  // First positions of the blocks, as numbered in the message table.
  static constexpr std::size_t kHand1 = 1, kHand2 = 11, kRank1 = 21, kRank2 = 26, kPoints1 = 31,
                               kPoints2 = 41, kFaceUp = 51, kFaceUpRank = 53, kList = 54,
                               kListRanks = 86, kListPoints = 102, kFirstMover = 134;
};

constexpr Field fieldAt(std::size_t position) {
  using L = DealLayout;
  auto card = [](std::size_t p, std::size_t first) {
    return (p - first) % 2 == 0 ? Field::CardFirst : Field::CardSecond;
  };
  if (position < L::kRank1) return card(position, L::kHand1);
  if (position < L::kFaceUp) return Field::Digit;
  if (position < L::kFaceUpRank) return card(position, L::kFaceUp);
  if (position < L::kList) return Field::Digit;
  if (position < L::kListRanks) return card(position, L::kList);
  if (position < L::kFirstMover) return Field::Digit;
  return Field::FirstMover;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool possibleFirstCardByte(char c) {
  using namespace core::cp1251;
  return c == kNine || c == kTen || c == kJack || c == kQueen || c == kKing || c == kAce ||
         c == kJoker;
}

// A real card of the deck: neither "##" nor the "j#" placeholder.
std::optional<Card> deckCardFrom(std::string_view two) {
  const auto c = Card::fromBytes(two);
  if (!c || c->isEmpty() || *c == Card::anyJoker()) return std::nullopt;
  return c;
}

char digit(std::uint8_t v) { return static_cast<char>('0' + v % 10); }

void putPoints(std::string& out, std::uint8_t v) {
  out.push_back(digit(static_cast<std::uint8_t>(v / 10)));
  out.push_back(digit(v));
}

struct StartName {
  core::PeerStart start;
  std::string_view token;
};
constexpr std::array<StartName, 5> kStarts = {{
    {core::PeerStart::OrderSuit, "hzakaz"},
    {core::PeerStart::Jack, "hvalet"},
    {core::PeerStart::Queen, "hdama"},
    {core::PeerStart::King, "hkorol"},
    {core::PeerStart::Begin, "hsitkon2"},
}};

}  // namespace

std::string describe(const DirectAction& a) {
  struct {
    std::string operator()(const Introduction& x) const { return "introduction " + x.name; }
    std::string operator()(const Answer& x) const { return "answer " + x.name; }
    std::string operator()(const DealMessage& x) const {
      return "deal first " + std::to_string(x.deal.firstMover) + " up " + x.deal.faceUp.card.code();
    }
    std::string operator()(const Play& x) const {
      return "play " + x.card.code() + " " + core::suitLetterForTrace(x.suit);
    }
    std::string operator()(const Take&) const { return "take"; }
    std::string operator()(const Pass&) const { return "pass"; }
    std::string operator()(const Start& x) const { return std::string(startToken(x.start)); }
    std::string operator()(const Chat& x) const { return "chat " + x.text; }
  } visitor;
  return std::visit(visitor, a);
}

std::string wireName(std::string_view name) {
  std::string out(name.substr(0, kNameLimit));
  out.resize(kNameLimit, ' ');
  return out;
}

std::string makeIntroduction(std::string_view name) {
  return std::string(kIntroductionHead) + wireName(name);
}

std::string makeAnswer(std::string_view name) { return std::string(kAnswerHead) + wireName(name); }

std::string makeChat(std::string_view text) {
  if (text.empty()) return {};
  return "s" + std::string(text.substr(0, kChatTextLimit));
}

std::string makePlay(Card card, core::Suit suit) {
  return std::string(kPlayHead) + card.bytes() + std::string(1, suit);
}

std::string_view startToken(core::PeerStart start) {
  for (const auto& s : kStarts)
    if (s.start == start) return s.token;
  return {};
}

std::optional<core::PeerStart> startFromToken(std::string_view token) {
  for (const auto& s : kStarts)
    if (s.token == token) return s.start;
  return std::nullopt;
}

DealContent dealContentOf(const core::Game& game) {
  DealContent d;
  for (int i = 1; i <= 5; ++i) {
    d.hand1[static_cast<std::size_t>(i - 1)] = game.hand(1).slot(i);
    d.hand2[static_cast<std::size_t>(i - 1)] = game.hand(2).slot(i);
  }
  d.faceUp = game.table().faceUp;
  for (int i = 1; i <= 16; ++i) d.list[static_cast<std::size_t>(i - 1)] = game.stock().at(i);
  d.firstMover = game.firstMover();
  return d;
}

std::string makeDealMessage(const DealContent& d) {
  std::string m = "b";
  m.reserve(kDealMessageSize);
  for (const auto& s : d.hand1) m += s.card.bytes();
  for (const auto& s : d.hand2) m += s.card.bytes();
  for (const auto& s : d.hand1) m.push_back(digit(s.rankOrder));
  for (const auto& s : d.hand2) m.push_back(digit(s.rankOrder));
  for (const auto& s : d.hand1) putPoints(m, s.points);
  for (const auto& s : d.hand2) putPoints(m, s.points);
  m += d.faceUp.card.bytes();
  m.push_back(digit(d.faceUp.rankOrder));
  for (const auto& s : d.list) m += s.card.bytes();
  for (const auto& s : d.list) m.push_back(digit(s.rankOrder));
  for (const auto& s : d.list) putPoints(m, s.points);
  m.push_back(d.firstMover == 1 ? '1' : '2');
  return m;
}

bool cardIdPrefixPossible(std::string_view prefix) {
  if (prefix.empty()) return true;
  if (prefix.size() == 1) return possibleFirstCardByte(prefix[0]);
  return prefix.size() == 2 && deckCardFrom(prefix).has_value();
}

bool dealPrefixPossible(std::string_view prefix) {
  if (prefix.empty()) return true;
  if (prefix[0] != 'b' || prefix.size() > kDealMessageSize) return false;
  for (std::size_t p = 1; p < prefix.size(); ++p) {
    switch (fieldAt(p)) {
      case Field::CardFirst:
        if (!possibleFirstCardByte(prefix[p])) return false;
        break;
      case Field::CardSecond:
        if (!deckCardFrom(prefix.substr(p - 1, 2))) return false;
        break;
      case Field::Digit:
        if (!isDigit(prefix[p])) return false;
        break;
      case Field::FirstMover:
        break;
    }
  }
  return true;
}

std::optional<core::ReceivedDeal> readDealMessage(std::string_view m) {
  if (m.size() != kDealMessageSize || !dealPrefixPossible(m)) return std::nullopt;
  using L = DealLayout;
  // Position p (1..134) of the message.
  auto at = [&](std::size_t p) { return m[p]; };
  auto slotAt = [&](std::size_t cardPos, std::size_t rankPos, std::size_t pointsPos) {
    CardSlot s;
    s.card = *deckCardFrom(m.substr(cardPos, 2));
    s.rankOrder = static_cast<std::uint8_t>(at(rankPos) - '0');
    if (pointsPos != 0)
      s.points = static_cast<std::uint8_t>((at(pointsPos) - '0') * 10 + (at(pointsPos + 1) - '0'));
    else
      s.points = s.card.points();
    return s;
  };

  core::ReceivedDeal d;
  // Mirrored: the sender's player 1 is our own player 2.
  for (std::size_t i = 0; i < 5; ++i) {
    d.hand2[i] = slotAt(L::kHand1 + 2 * i, L::kRank1 + i, L::kPoints1 + 2 * i);
    d.hand1[i] = slotAt(L::kHand2 + 2 * i, L::kRank2 + i, L::kPoints2 + 2 * i);
  }
  // The face-up card's points are not sent; they follow from the card.
  d.faceUp = slotAt(L::kFaceUp, L::kFaceUpRank, 0);
  for (std::size_t i = 0; i < 16; ++i)
    d.stock.slots[i] = slotAt(L::kList + 2 * i, L::kListRanks + i, L::kListPoints + 2 * i);
  d.stock.stockCount = 15;
  d.stock.nextFree = 17;
  d.tableCount = 1;
  d.firstMover = at(L::kFirstMover) == '1' ? 2 : 1;
  return d;
}

}  // namespace vantorn::net
