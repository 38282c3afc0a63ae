// The end of a finished local game, without the window: the history line and the new
// player record, written to the files of the data folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/game.h"
#include "files/history.h"
#include "words/text.h"

namespace vantorn::app {

// The player of a local game: a registered record (slot 1..5) or a new player (slot 6).
struct CurrentPlayer {
  int slot = 6;
  std::string name;      // Windows-1251, as typed (the record pads it)
  std::string password;  // Windows-1251
  double rating = 0;     // before this game
  long long games = 0;   // games played before this game
  long long score = 0;   // general score of the current series
};

struct FinishResult {
  double newRating = 0;
  bool seriesEnded = false;
  int topTenPlace = 0;
  long long seriesScore = 0;
  std::optional<words::Entry> historyError;
  std::optional<words::Entry> playerFileError;
};

// Records a summed-up game: appends the history line (kind Local, or Network with the two
// names) and stores the player's new record in `playerFile` (the old one removed first).
FinishResult finishLocalGame(const CurrentPlayer& player, const core::GameOutcome& outcome,
                             const std::filesystem::path& playerFile, const std::filesystem::path& historyFolder,
                             const files::Stamp& stamp, files::GameKind kind = files::GameKind::Local,
                             const std::string& opponentName = {});

// Reads the registered player of slot 1..5 from the player file; nothing for an empty slot.
std::optional<CurrentPlayer> readPlayer(const std::filesystem::path& playerFile, int slot);

}  // namespace vantorn::app
