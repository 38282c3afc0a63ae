#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <array>
#include <set>
#include <unistd.h>
#include <sstream>
#include <sys/wait.h>

#include "core/computer.h"
#include "simulator.h"

namespace vantorn::sim {
namespace {

using namespace core;

// The invariants of the card containers, checked after every step of every game.
void checkInvariants(const Game& g) {
  if (g.dealNumber() == 0) return;
  const StockList& s = g.stock();
  const TableState& t = g.table();
  ASSERT_EQ(s.stockCount + t.tableCount, s.nextFree - 1);
  ASSERT_GE(s.stockCount, 0);
  ASSERT_GE(t.tableCount, 1);
  ASSERT_EQ(s.at(s.nextFree - 1).card, t.faceUp.card);
  // Every one of the 26 cards of this deal lies exactly once in a hand or in the list.
  std::array<int, 28> seen{};
  auto count = [&](Card c) {
    static constexpr std::string_view kRanks = "91\xC2\xC4\xCA\xD2";
    if (c.isJoker()) {
      ++seen[static_cast<std::size_t>(24 + (c.suit() - '1'))];
      return;
    }
    const std::size_t r = kRanks.find(c.rank());
    std::size_t suit = 0;
    while (suit < 4 && kSuitsInOrder[suit] != c.suit()) ++suit;
    ASSERT_LT(r, 6u);
    ASSERT_LT(suit, 4u);
    ++seen[r * 4 + suit];
  };
  for (int p = 1; p <= 2; ++p) {
    const Hand& h = g.hand(p);
    ASSERT_LE(h.count(), 12);
    for (int i = 1; i <= 12; ++i) {
      ASSERT_EQ(h.slot(i).isEmpty(), i > h.count());
      if (i <= h.count()) {
        count(h.card(i));
        ASSERT_EQ(h.slot(i).points, h.card(i).points());
      }
    }
  }
  for (int i = 1; i <= 26; ++i) {
    ASSERT_EQ(s.at(i).isEmpty(), i >= s.nextFree);
    if (i < s.nextFree) count(s.at(i).card);
  }
  for (std::size_t i = 0; i < 24; ++i) ASSERT_EQ(seen[i], 1) << "card " << i;
  ASSERT_EQ(seen[24], 1);  // the blue joker
  ASSERT_EQ(seen[g.firstMover() == 1 ? 26 : 25], 1);  // the first mover's own joker
  ASSERT_EQ(seen[g.firstMover() == 1 ? 25 : 26], 0);
  if (t.orderedSuit != kNoSuit) {
    ASSERT_TRUE(t.faceUp.card.isJoker());
  }
  if (g.state() == GameState::GameFinished && g.gameCompleted()) {
    const GameOutcome& o = g.outcome();
    ASSERT_TRUE(o.total1 >= kGameLimit || o.total2 >= kGameLimit);
    ASSERT_EQ(o.preliminary, o.total1 - o.total2);
    ASSERT_EQ(o.result, o.preliminary * resultMultiplier(o.preliminary));
  }
}

class Invariants : public ::testing::TestWithParam<bool> {};

TEST_P(Invariants, HoldAfterEveryStepOfTenThousandGames) {
  Options options;
  options.games = 10000;
  options.queue = GetParam();
  RandomPermutations random(GetParam() ? 11 : 5);
  Summary summary;
  std::string error;
  const bool ok = run(
      options, [&](std::string&) { return std::optional(random.next()); }, {}, summary, error,
      [&](const Game& g) {
        checkInvariants(g);
        if (::testing::Test::HasFatalFailure()) throw std::runtime_error("invariant broken");
      });
  ASSERT_TRUE(ok) << error;
  EXPECT_EQ(summary.games, 10000);
  EXPECT_EQ(summary.positive + summary.negative + summary.zero, 10000);
  EXPECT_GT(summary.positive, 1000);  // both seats play the same procedure
  EXPECT_GT(summary.negative, 1000);
  EXPECT_GT(summary.deals, summary.games * 2);
}

INSTANTIATE_TEST_SUITE_P(Queue, Invariants, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Queue" : "Winner"; });

TEST(Simulator, QueueAlternatesTheFirstMover) {
  Options options;
  options.games = 3;
  options.queue = true;
  options.trace = true;
  RandomPermutations random(3);
  std::vector<int> firsts;
  std::vector<int> gameOfDeal;
  int game = 0;
  Summary summary;
  std::string error;
  ASSERT_TRUE(run(
      options, [&](std::string&) { return std::optional(random.next()); },
      [&](std::string_view line) {
        if (line.rfind("game ", 0) == 0) ++game;
        if (line.rfind("deal ", 0) == 0) {
          firsts.push_back(line[line.find("first ") + 6] - '0');
          gameOfDeal.push_back(game);
        }
      },
      summary, error));
  for (std::size_t i = 1; i < firsts.size(); ++i) {
    if (gameOfDeal[i] != gameOfDeal[i - 1]) {
      EXPECT_EQ(firsts[i], gameOfDeal[i] % 2 == 1 ? 1 : 2);  // the game number leads
    } else {
      EXPECT_EQ(firsts[i], 3 - firsts[i - 1]);
    }
  }
}

std::string traceOf(const std::string& perms, std::int64_t games, std::string& error) {
  Options options;
  options.games = games;
  options.trace = true;
  PermutationFile file(perms);
  std::string out;
  Summary summary;
  if (!run(options, [&](std::string& e) { return file.next(e); },
           [&](std::string_view l) { out.append(l).push_back('\n'); }, summary, error))
    return out;
  return out + summaryLine(summary) + "\n";
}

TEST(PermutationFile, RefusesBadLinesNamingThem) {
  const std::string good = "26 25 24 23 22 21 20 19 18 17 16 15 14 13 12 11 10 9 8 7 6 5 4 3 2 1";
  struct Row { std::string text; std::string error; };
  for (const Row& r : {
           Row{"# comment\n\n" + good.substr(0, good.size() - 2) + "\n", "line 3:"},  // 25 numbers
           Row{good + " 1\n", "line 1:"},
           Row{"   \n" + std::string("1 1") + good.substr(4) + "\n", "line 2:"},
           Row{"x" + good + "\n", "line 1:"},
           Row{good + "\r\n#\n", "line 3: no permutation left"},
       }) {
    PermutationFile f(r.text);
    std::string error;
    while (f.next(error)) {
    }
    EXPECT_EQ(error.rfind(r.error, 0), 0u) << r.text << " gave " << error;
  }
  PermutationFile crlf(good + "\r\n");
  std::string error;
  EXPECT_TRUE(crlf.next(error).has_value()) << error;
}

TEST(Simulator, SamePermutationsGiveTheSameTrace) {
  RandomPermutations random(7);
  std::ostringstream perms;
  for (int i = 0; i < 400; ++i) {
    for (int n : random.next()) perms << n << ' ';
    perms << "\n";
  }
  std::string e1, e2;
  const std::string a = traceOf(perms.str(), 20, e1);
  const std::string b = traceOf(perms.str(), 20, e2);
  EXPECT_TRUE(e1.empty()) << e1;
  EXPECT_EQ(a, b);
  EXPECT_NE(a.find("result "), std::string::npos);
}

// The trace of a fixed permutation file is the core's signature: any change to the rules'
// behaviour changes it. When a change is intended, update the fixture and say why.
TEST(Simulator, SignatureOfTheFixedDeals) {
  const char* dir = std::getenv("VANTORN_SOURCE_DIR");
  ASSERT_NE(dir, nullptr);
  std::ifstream perms(std::string(dir) + "/tests/sim/data/signature.perms");
  std::ifstream expected(std::string(dir) + "/tests/sim/data/signature.trace");
  ASSERT_TRUE(perms && expected);
  std::stringstream p, t;
  p << perms.rdbuf();
  t << expected.rdbuf();
  std::string error;
  const std::string trace = traceOf(p.str(), 10, error);
  EXPECT_TRUE(error.empty()) << error;
  EXPECT_EQ(trace, t.str());
}

int runSim(const std::string& args, std::string& out) {
  const std::string cmd = std::string(VANTORN_SIM_PATH) + " " + args + " 2>&1";
  FILE* f = popen(cmd.c_str(), "r");
  if (!f) return -1;
  char buf[4096];
  std::size_t n;
  out.clear();
  while ((n = fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
  const int status = pclose(f);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SimulatorProgram, CommandLine) {
  std::string out;
  EXPECT_EQ(runSim("--games 3 --seed 9", out), 0);
  EXPECT_EQ(out.rfind("summary games 3 deals ", 0), 0u) << out;
  EXPECT_EQ(runSim("--bogus", out), 2);
  EXPECT_NE(out.find("usage:"), std::string::npos);
  EXPECT_EQ(runSim("--games", out), 2);
  EXPECT_EQ(runSim("--games -1", out), 2);

  char name[] = "/tmp/vantorn-perms-XXXXXX";
  const int fd = mkstemp(name);
  ASSERT_GE(fd, 0);
  const std::string text = "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26\n"
                           "1 2 3\n";
  ASSERT_EQ(write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  close(fd);
  EXPECT_EQ(runSim(std::string("--games 5 --trace --perms ") + name, out), 2);
  EXPECT_EQ(out.rfind("game 1\ndeal 1 first 1", 0), 0u) << out;
  EXPECT_NE(out.find("line 2"), std::string::npos) << out;
  EXPECT_EQ(out.find("summary"), std::string::npos);
  unlink(name);
}

}  // namespace
}  // namespace vantorn::sim
