// Headless play of whole local games, computer against computer, through the game core.
// Player 1 is the black computer player; player 2 (red) is the same decision procedure on
// the colour-mirrored view, answering everything the desktop program would ask the human.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/game.h"

namespace vantorn::sim {

// Supplies the permutation of each shuffle; returns nullopt (and sets error) to stop.
using PermutationSource = std::function<std::optional<core::Permutation>(std::string& error)>;

struct Summary {
  std::int64_t games = 0, deals = 0, positive = 0, negative = 0, zero = 0;
};

struct Options {
  std::int64_t games = 1;
  bool queue = false;
  bool trace = false;
};

// Called with each finished trace line (without the newline).
using TraceSink = std::function<void(std::string_view line)>;

// Plays the games. Returns false with `error` set when the permutation source failed.
// `observer`, when set, sees the game after every step (tests check invariants with it).
using Observer = std::function<void(const core::Game&)>;
bool run(const Options& options, const PermutationSource& perms, const TraceSink& sink,
         Summary& summary, std::string& error, const Observer& observer = {});

// A seeded uniform shuffle, identical on every platform.
class RandomPermutations {
 public:
  explicit RandomPermutations(std::uint64_t seed) : state_(seed) {}
  core::Permutation next();

 private:
  std::uint64_t nextWord();
  std::uint64_t state_;
};

// Permutations read line by line from text (one per line, 26 numbers; blank lines and
// lines starting with '#' skipped; a trailing CR ignored).
class PermutationFile {
 public:
  explicit PermutationFile(std::string text) : text_(std::move(text)) {}
  std::optional<core::Permutation> next(std::string& error);

 private:
  std::string text_;
  std::size_t pos_ = 0;
  int line_ = 0;
};

std::string summaryLine(const Summary& s);

}  // namespace vantorn::sim
