#include "simulator.h"

#include <charconv>

#include "core/autoplay.h"

namespace vantorn::sim {

using namespace core;

namespace {

// A safety net against a rule fault that would stall a game: no real game comes near it.
constexpr int kMaxStepsPerGame = 1'000'000;

class Tracer {
 public:
  explicit Tracer(const TraceSink& sink) : sink_(sink) {}

  void print(const Game& g) {
    if (!sink_) return;
    for (const Event& e : g.events()) line(g, e);
  }

 private:
  void line(const Game& g, const Event& e) {
    s_.clear();
    switch (e.kind) {
      case EventKind::GameStarted:
        s_ = "game " + std::to_string(e.a);
        break;
      case EventKind::Dealt:
        s_ = "deal " + std::to_string(e.a) + " first " + std::to_string(e.player) + " up " + e.card.code();
        sink_(s_);
        for (int p = 1; p <= 2; ++p) {
          s_ = "hand " + std::to_string(p);
          for (int i = 1; i <= 5; ++i) s_ += " " + g.hand(p).card(i).code();
          sink_(s_);
        }
        return;
      case EventKind::Played:
        s_ = "play " + std::to_string(e.player) + " " + e.card.code();
        break;
      case EventKind::Ordered:
        s_ = "order " + std::to_string(e.player) + " " + suitLetterForTrace(e.suit);
        break;
      case EventKind::Took:
        s_ = "take " + std::to_string(e.player) + " " + e.card.code();
        break;
      case EventKind::HandFull:
        s_ = "full " + std::to_string(e.player);
        break;
      case EventKind::PileTurned:
        s_ = "turnover " + std::to_string(e.b);
        break;
      case EventKind::Passed:
        s_ = "pass " + std::to_string(e.player);
        break;
      case EventKind::Scored:
        s_ = "score " + std::to_string(e.player) + " " + std::to_string(e.a) + " " +
             std::to_string(e.b) + " " + std::to_string(e.c);
        break;
      case EventKind::Summary:
        s_ = "result " + std::to_string(e.a) + " " + std::to_string(e.b) + " " + std::to_string(e.c);
        break;
      default:
        return;
    }
    sink_(s_);
  }

  const TraceSink& sink_;
  std::string s_;
};

}  // namespace

bool run(const Options& options, const PermutationSource& perms, const TraceSink& sink,
         Summary& summary, std::string& error, const Observer& observer) {
  Game game(GameConfig{Program::Local, options.queue});
  game.setRecording(options.trace && static_cast<bool>(sink));
  Tracer tracer(sink);
  auto flush = [&] {
    if (observer) observer(game);
    tracer.print(game);
    game.clearEvents();
  };

  for (std::int64_t k = 1; k <= options.games; ++k) {
    game.startGame(static_cast<std::int32_t>(k), 0);
    flush();
    int steps = 0;
    while (game.dealDue() || game.state() != GameState::GameFinished) {
      if (++steps > kMaxStepsPerGame) {
        error = "game " + std::to_string(k) + " did not finish";
        return false;
      }
      if (game.dealDue()) {
        auto p = perms(error);
        if (!p) return false;
        game.deal(*p);
        ++summary.deals;
      } else if (!autoplayStep(game)) {
        game.tick();  // nothing for the second seat: the driver moves the first or scores
      }
      flush();
    }
    ++summary.games;
    const std::int32_t result = game.outcome().result;
    if (result > 0) ++summary.positive;
    else if (result < 0) ++summary.negative;
    else ++summary.zero;
  }
  return true;
}

std::uint64_t RandomPermutations::nextWord() {
  // splitmix64: a small, well-mixed generator whose output is the same everywhere.
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

Permutation RandomPermutations::next() {
  Permutation p{};
  for (int i = 0; i < 26; ++i) p[static_cast<std::size_t>(i)] = i + 1;
  // Fisher-Yates with unbiased bounded draws.
  for (int i = 25; i > 0; --i) {
    const std::uint64_t bound = static_cast<std::uint64_t>(i + 1);
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % bound;
    std::uint64_t r;
    do r = nextWord();
    while (r >= limit);
    std::swap(p[static_cast<std::size_t>(i)], p[static_cast<std::size_t>(r % bound)]);
  }
  return p;
}

std::optional<Permutation> PermutationFile::next(std::string& error) {
  while (pos_ < text_.size()) {
    std::size_t end = text_.find('\n', pos_);
    if (end == std::string::npos) end = text_.size();
    std::string_view line(text_.data() + pos_, end - pos_);
    pos_ = end + 1;
    ++line_;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty() && line.front() == '#') continue;
    if (line.find_first_not_of(" \t\r\f\v") == std::string_view::npos) continue;

    Permutation p{};
    int n = 0;
    std::size_t i = 0;
    bool bad = false;
    while (i < line.size()) {
      while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r' || line[i] == '\f' || line[i] == '\v')) ++i;
      if (i >= line.size()) break;
      std::size_t j = i;
      while (j < line.size() && !(line[j] == ' ' || line[j] == '\t' || line[j] == '\r' || line[j] == '\f' || line[j] == '\v')) ++j;
      int value = 0;
      const auto [ptr, ec] = std::from_chars(line.data() + i, line.data() + j, value);
      if (ec != std::errc() || ptr != line.data() + j || n >= 26) {
        bad = true;
        break;
      }
      p[static_cast<std::size_t>(n++)] = value;
      i = j;
    }
    if (bad || n != 26 || !isPermutation(p)) {
      error = "line " + std::to_string(line_) + ": not a permutation of 1..26";
      return std::nullopt;
    }
    return p;
  }
  error = "line " + std::to_string(line_ + 1) + ": no permutation left (end of file)";
  return std::nullopt;
}

std::string summaryLine(const Summary& s) {
  return "summary games " + std::to_string(s.games) + " deals " + std::to_string(s.deals) +
         " positive " + std::to_string(s.positive) + " negative " + std::to_string(s.negative) +
         " zero " + std::to_string(s.zero);
}

}  // namespace vantorn::sim
