// The names of the card pictures: which pack holds a deck, the resource name of each face
// and back, and which decks have narrow faces. Pure; the loading is in card_pictures.
#pragma once

#include <string>

#include "core/card.h"

namespace vantorn::table {

inline constexpr int kDeckCount = 48;       // 0 the built-in classic deck, 1..47 in packs
inline constexpr int kBackStyleCount = 13;  // 0 built in, 1..12 in QexCards06B.dll

// The pack of a deck ("" for the built-in deck 0).
std::string deckPack(int deck);
// Narrow faces: every pack deck from 28 on, except 40 and 45.
bool deckNarrow(int deck);
// Resource name of a face: card code, the deck's (or a borrowed) suffix, "B" at the medium
// and big card sizes (card-size class 0 or 2).
std::string faceName(core::Card c, int deck, int cardClass);
// Resource name of back 1..10 of a back style at a card size.
std::string backName(int back, int style, int cardClass, bool narrow);
// Where the backs come from: "" (the program) or "QexCards06B.dll".
std::string backPack(int style, int cardClass, bool narrow);
// How many backs a style has (10 for styles 8..11, else 7).
int backCount(int style);

}  // namespace vantorn::table
