// The computer player in the human's seat: the same decision procedure, asked on the
// colour-mirrored view of the table, for the simulator and the desktop's --autoplay.
#pragma once

#include "core/computer.h"
#include "core/game.h"

namespace vantorn::core {

// Player 2's next move as the computer would choose it; the plan and the suit are mapped
// back to the real colours. Player 2 is red on the dealing side and black elsewhere; the
// mirror is only needed where the human is red.
Decision decideForHuman(const Game& g);

// Player 2's order for a joker turned up while player 1 moves first: asked as the computer
// is asked for the first card (five dealt cards, "j#" in slot 6, face-up "##").
Suit firstCardOrderForHuman(const Game& g);

// One step of an unattended human seat: answers a pending suit question, presses
// "To Begin", "Next Round" and "To sum up of game", and plays the human's turn (a card,
// or the action button for a take or a pass). Returns false when nothing was due.
bool autoplayStep(Game& g);

}  // namespace vantorn::core
