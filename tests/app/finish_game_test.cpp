#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/finish_game.h"
#include "files/file_io.h"
#include "files/history.h"
#include "files/player_file.h"

namespace vantorn::app {
namespace {

namespace fs = std::filesystem;

class FinishGame : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("vantorn-finish-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    ASSERT_TRUE(files::writeFileAtomic(clb(), files::PlayerFile::delivered().bytes()));
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path clb() const { return dir_ / "Vantorn.clb"; }
  files::PlayerFile load() const {
    std::ifstream in(clb(), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    auto f = files::PlayerFile::parse(s.str());
    EXPECT_TRUE(f.has_value());
    return f.value_or(files::PlayerFile::delivered());
  }
  static core::GameOutcome outcome(int gameNumber, int result, int initial) {
    core::GameOutcome o;
    o.gameNumber = gameNumber;
    o.result = result;
    o.initialGeneralScore = initial;
    o.newGeneralScore = initial + result;
    return o;
  }
  fs::path dir_;
};

TEST_F(FinishGame, NewPlayerJoinsTheClubAndTheHistory) {
  CurrentPlayer p;
  p.name = "Anna";
  p.password = "ab1";
  const FinishResult r = finishLocalGame(p, outcome(1, 50, 0), clb(), dir_ / "History", files::Stamp{2026, 12, 11, 15, 0});
  EXPECT_FALSE(r.historyError.has_value());
  EXPECT_FALSE(r.playerFileError.has_value());
  EXPECT_DOUBLE_EQ(r.newRating, 1.0);  // one game, +50 points: 50 / 50
  const auto rec = files::parseRecord(load().record(1));
  ASSERT_TRUE(rec.has_value());
  EXPECT_EQ(rec->games, 1);
  EXPECT_EQ(rec->score, 50);
  EXPECT_EQ(files::decodePassword(rec->passwordCode).value_or(""), "ab1  ");
  // Read back as the menu does.
  const auto again = readPlayer(clb(), 1);
  ASSERT_TRUE(again.has_value());
  EXPECT_EQ(again->name, "Anna");
  EXPECT_EQ(again->password, "ab1");
  EXPECT_EQ(again->games, 1);
}

TEST_F(FinishGame, RegisteredPlayerIsReplacedAndTheSeriesEndsAtThirty) {
  CurrentPlayer p;
  p.name = "Boris";
  finishLocalGame(p, outcome(1, 10, 0), clb(), dir_ / "History", files::Stamp{});
  auto boris = readPlayer(clb(), 1);
  ASSERT_TRUE(boris.has_value());
  boris->games = 29;  // as if he had played 29 games
  boris->score = 400;
  const FinishResult r = finishLocalGame(*boris, outcome(30, 20, 400), clb(), dir_ / "History", files::Stamp{});
  EXPECT_TRUE(r.seriesEnded);
  EXPECT_EQ(r.topTenPlace, 1);
  EXPECT_EQ(r.seriesScore, 420);
  const files::PlayerFile f = load();
  const auto rec = files::parseRecord(f.record(1));
  ASSERT_TRUE(rec.has_value());
  EXPECT_EQ(rec->games, 30);
  EXPECT_EQ(rec->score, 0);  // a new series starts
  EXPECT_TRUE(files::recordIsEmpty(f.record(2)));
  const auto history = files::HistoryStore{dir_ / "History", "Vantorn.clb"}.validate(1);
  EXPECT_TRUE(history.valid);
  EXPECT_EQ(history.records, 2);
}

}  // namespace
}  // namespace vantorn::app
