#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

#include "files/history.h"
#include "files/player_file.h"

namespace {

namespace fs = std::filesystem;

struct RunResult {
  int status = -1;
  std::string output;
};

RunResult run(const std::string& args) {
  const std::string cmd = "QT_QPA_PLATFORM=offscreen " + std::string(VANTORN_PATH) + " " + args + " 2>&1";
  RunResult r;
  FILE* f = popen(cmd.c_str(), "r");
  if (!f) return r;
  char buf[4096];
  std::size_t n;
  while ((n = fread(buf, 1, sizeof buf, f)) > 0) r.output.append(buf, n);
  const int st = pclose(f);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class Program : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("vantorn-app-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  void install() {
    ASSERT_EQ(std::system((std::string(VANTORN_FILES_PATH) + " init " + dir_.string() + " >/dev/null").c_str()), 0);
  }
  fs::path dir_;
};

TEST_F(Program, AutoplayedGamesAreRecordedInTheHistoryAndTheClub) {
  install();
  const RunResult r = run("--data-dir " + dir_.string() + " --autoplay --fast --games 3 --name Tester");
  ASSERT_EQ(r.status, 0) << r.output;

  const std::string history = slurp(dir_ / "History" / "Vantorn_I0001.hst");
  const auto v = vantorn::files::validateHistory(history);
  ASSERT_TRUE(v.valid) << v.reason;
  EXPECT_EQ(v.records, 3);
  const auto rows = vantorn::files::historyRows(history);
  ASSERT_EQ(rows.size(), 3u);
  long long sum = 0;
  for (const auto& row : rows) {
    EXPECT_EQ(row.player.substr(0, 6), "Tester");
    EXPECT_EQ(row.kind, 'L');
    sum += std::stoll(row.result);
  }

  // The club holds the player once, with three games and the series score of all three.
  const auto file = vantorn::files::PlayerFile::parse(slurp(dir_ / "Vantorn.clb"));
  ASSERT_TRUE(file.has_value());
  EXPECT_TRUE(file->sumsMatch());
  const auto rec = vantorn::files::parseRecord(file->record(1));
  ASSERT_TRUE(rec.has_value());
  EXPECT_EQ(rec->name.substr(0, 6), "Tester");
  EXPECT_EQ(rec->games, 3);
  EXPECT_EQ(rec->score, sum);
  EXPECT_TRUE(vantorn::files::recordIsEmpty(file->record(2)));
  EXPECT_TRUE(fs::exists(dir_ / "Vantorn.ini"));
  // The file tool agrees that both files are sound.
  for (const fs::path& f : {dir_ / "Vantorn.clb", dir_ / "History" / "Vantorn_I0001.hst"})
    EXPECT_EQ(std::system((std::string(VANTORN_FILES_PATH) + " check " + f.string() + " >/dev/null").c_str()), 0) << f;
}

TEST_F(Program, MissingOrDamagedPlayerFileEndsTheStartWithoutWritingSettings) {
  RunResult r = run("--data-dir " + dir_.string() + " --autoplay --fast --games 1");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("Vantorn.clb"), std::string::npos) << r.output;

  install();
  std::string bytes = slurp(dir_ / "Vantorn.net");
  bytes[3] = bytes[3] == '#' ? '$' : '#';
  std::ofstream(dir_ / "Vantorn.net", std::ios::binary) << bytes;
  r = run("--data-dir " + dir_.string() + " --autoplay --fast --games 1");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("Vantorn.net"), std::string::npos) << r.output;
  EXPECT_FALSE(fs::exists(dir_ / "Vantorn.ini"));
  EXPECT_FALSE(fs::exists(dir_ / "History"));
}

TEST_F(Program, BadArgumentsAreRefused) {
  install();
  EXPECT_EQ(run("--data-dir " + dir_.string() + " --games x").status, 2);
  EXPECT_EQ(run("--data-dir " + dir_.string() + " --size 9").status, 2);
}

}  // namespace
