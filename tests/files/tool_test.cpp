// Runs the vantorn-files tool as a user would.
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "files/history.h"
#include "files/player_file.h"
#include "temp_dir.h"

namespace vantorn::files {
namespace {

struct ToolRun {
  int status = -1;
  std::string out;
};

ToolRun run(const std::string& args) {
  ToolRun r;
  std::string cmd = std::string(VANTORN_FILES_TOOL) + " " + args + " 2>&1";
  FILE* p = ::popen(cmd.c_str(), "r");
  if (!p) return r;
  std::array<char, 4096> buf{};
  std::size_t n;
  while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
  int st = ::pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

std::string q(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

TEST(FilesTool, InitOutputPassesCheck) {
  test::TempDir dir;
  ToolRun init = run("init " + q(dir.path()));
  ASSERT_EQ(init.status, 0) << init.out;
  for (const char* name : {"Vantorn.clb", "Vantorn.net"}) {
    ToolRun check = run("check " + q(dir / name));
    EXPECT_EQ(check.status, 0) << check.out;
    EXPECT_NE(check.out.find("valid player file"), std::string::npos);
    PlayerFileStore store(dir / name);
    EXPECT_EQ(store.check().status, PlayerCheck::Valid);
  }
  // No overwrite without --force.
  std::string bytes = test::readBytes(dir / "Vantorn.clb");
  test::writeBytes(dir / "Vantorn.clb", "mine");
  EXPECT_EQ(run("init " + q(dir.path())).status, 1);
  EXPECT_EQ(test::readBytes(dir / "Vantorn.clb"), "mine");
  EXPECT_EQ(run("check " + q(dir / "Vantorn.clb")).status, 1);
  EXPECT_EQ(run("init --force " + q(dir.path())).status, 0);
  EXPECT_EQ(test::readBytes(dir / "Vantorn.clb"), bytes);
}

TEST(FilesTool, CheckTellsInvalidAndMissing) {
  test::TempDir dir;
  ASSERT_EQ(run("init " + q(dir.path())).status, 0);
  std::string bytes = test::readBytes(dir / "Vantorn.net");
  bytes[3] = 'x';
  test::writeBytes(dir / "Vantorn.net", bytes);
  ToolRun bad = run("check " + q(dir / "Vantorn.net"));
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.out.find("sums"), std::string::npos) << bad.out;
  EXPECT_EQ(run("check " + q(dir / "nothing.clb")).status, 2);

  HistoryStore store{dir / "History", "Vantorn.clb"};
  ASSERT_EQ(store.append({HistoryRecord{"Anna", 1, 10, 0.2, GameKind::Local}}, Stamp{}), std::nullopt);
  ToolRun hst = run("check " + q(store.file(1)));
  EXPECT_EQ(hst.status, 0) << hst.out;
  EXPECT_NE(hst.out.find("1 records"), std::string::npos);
  ToolRun shown = run("show " + q(store.file(1)));
  EXPECT_EQ(shown.status, 0);
  EXPECT_NE(shown.out.find("valid, 1 records"), std::string::npos) << shown.out;
  EXPECT_NE(shown.out.find("Anna"), std::string::npos);
  EXPECT_NE(shown.out.find("0,20 Local"), std::string::npos) << shown.out;
  std::string h = test::readBytes(store.file(1));
  h[30] = '!';
  test::writeBytes(store.file(1), h);
  EXPECT_EQ(run("check " + q(store.file(1))).status, 1);
}

TEST(FilesTool, ShowListsInUtf8) {
  test::TempDir dir;
  ASSERT_EQ(run("init " + q(dir.path())).status, 0);
  PlayerFileStore store(dir / "Vantorn.clb");
  ASSERT_EQ(store.check().status, PlayerCheck::Valid);
  // "Иван" in Windows-1251.
  ASSERT_EQ(store.storeRecord(formatRecord("\xC8\xE2\xE0\xED", 1.25, 3, 40, encodePassword("p")), false).error,
            std::nullopt);
  ToolRun show = run("show " + q(dir / "Vantorn.clb"));
  EXPECT_EQ(show.status, 0);
  EXPECT_NE(show.out.find("Иван"), std::string::npos) << show.out;
  EXPECT_NE(show.out.find("rating 1.250000, games 3, series score 40"), std::string::npos) << show.out;
  EXPECT_NE(show.out.find("(sums match)"), std::string::npos);

  test::writeBytes(dir / "Vantorn.ini", "<# General>\r\n1\r\n");
  ToolRun ini = run("show " + q(dir / "Vantorn.ini"));
  EXPECT_EQ(ini.status, 0);
  EXPECT_NE(ini.out.find("language: 1 (Russian)"), std::string::npos) << ini.out;
  EXPECT_NE(ini.out.find("lines read: 2 of 35"), std::string::npos);
  EXPECT_EQ(run("check " + q(dir / "Vantorn.ini")).status, 1);
}

TEST(FilesTool, BadArgumentsGiveUsage) {
  for (const char* args : {"", "frobnicate", "check", "show a b", "init", "init a b"}) {
    ToolRun r = run(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_NE(r.out.find("usage:"), std::string::npos) << args;
  }
}

}  // namespace
}  // namespace vantorn::files
