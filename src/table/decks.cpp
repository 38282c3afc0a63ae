#include "table/decks.h"

#include <array>

namespace vantorn::table {

namespace {

// The deck suffixes of decks 1..47.
constexpr std::array<const char*, kDeckCount> kSuffix = {
    "",    "Med", "Mod", "Anc", "Bar", "Cel", "Cor", "Cro", "Eng", "Fra", "His", "Nat",
    "Old", "Par", "Roy", "Sha", "Big", "004", "Lon", "Cl2", "Hea", "Sea", "Rhi", "Me2",
    "Doo", "Boy", "Epi", "USR", "Pla", "SkN", "SkT", "SkF", "Bel", "Dia", "Kny", "Pas",
    "Rus", "Sla", "May", "Lub", "Fra", "Mus", "BS1", "BS2", "BS3", "Chi", "BIt", "Cze"};

// Decks that borrow the pictures of the ranks 2..10 (first) and of the aces (second).
struct Borrow {
  int deck;
  const char* first;
  const char* aces;
};
constexpr std::array<Borrow, 8> kBorrow = {{{6, "Mod", "Cor"},
                                            {7, "Mod", "Mod"},
                                            {10, "Mod", "Mod"},
                                            {13, "Mod", "Mod"},
                                            {19, "Sea", "Sea"},
                                            {20, "Sea", "Sea"},
                                            {25, "Rhi", "Boy"},
                                            {27, "Big", "USR"}}};

constexpr std::array<const char*, kBackStyleCount> kBackSuffix = {
    "", "Cl1", "Cl2", "Car", "Cro", "Che", "Dia", "Kni", "Ani", "Flo", "Pla", "Oth", "Rus"};

constexpr std::array<const char*, 10> kBacks = {"Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr",
                                                "Ob06Su", "Ob07Su", "Ob08XX", "Ob09XX", "Ob10XX"};

bool validDeck(int deck) { return deck >= 0 && deck < kDeckCount; }

}  // namespace

std::string deckPack(int deck) {
  if (deck >= 1 && deck <= 31) return "QexCards06A.dll";
  if (deck >= 32 && deck <= 39) return "QexCards06B.dll";
  if (deck >= 40 && deck <= 47) return "QexCards06C.dll";
  return {};
}

bool deckNarrow(int deck) { return validDeck(deck) && deck >= 28 && deck != 40 && deck != 45; }

std::string faceName(core::Card c, int deck, int cardClass) {
  if (!validDeck(deck)) deck = 0;
  std::string suffix = kSuffix[static_cast<std::size_t>(deck)];
  if (!c.isJoker() && !c.isPicture()) {
    for (const Borrow& b : kBorrow)
      if (b.deck == deck) suffix = c.rank() == core::cp1251::kAce ? b.aces : b.first;
  }
  return c.code() + suffix + (cardClass == 1 ? "" : "B");
}

std::string backName(int back, int style, int cardClass, bool narrow) {
  if (back < 1 || back > 10) back = 1;
  if (style < 0 || style >= kBackStyleCount) style = 0;
  const char* size = cardClass == 1 ? "" : narrow ? "U" : "B";
  return std::string(kBacks[static_cast<std::size_t>(back - 1)]) + kBackSuffix[static_cast<std::size_t>(style)] + size;
}

std::string backPack(int style, int cardClass, bool narrow) {
  return style == 0 && (!narrow || cardClass == 1) ? std::string() : std::string("QexCards06B.dll");
}

int backCount(int style) { return style >= 8 && style <= 11 ? 10 : 7; }

}  // namespace vantorn::table
