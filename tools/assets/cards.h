// Card faces, suit signs and card backs: the built-in classic deck and the
// three card packs.
#pragma once

#include "sink.h"

namespace assets {

// Built-in: deck 0 (faces, signs) and the built-in weekday backs.
void makeBuiltinCards(Sink& sink);
// packIndex 0, 1, 2 for QexCards06A/B/C.dll (B also holds every back style).
void makeCardPack(Sink& sink, int packIndex);

}  // namespace assets
