#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "files/history.h"

namespace {

namespace fs = std::filesystem;

// A free loopback port: bind to port 0 and read what the system chose.
int freePort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
  socklen_t len = sizeof a;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
  ::close(fd);
  return ntohs(a.sin_port);
}

// Starts the program with arguments; returns its process id.
pid_t start(const std::vector<std::string>& args) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(VANTORN_PATH));
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::freopen("/dev/null", "w", stderr);
    ::execv(VANTORN_PATH, argv.data());
    ::_exit(127);
  }
  return pid;
}

// Waits for the process to end within a limit; -1 when it had to be stopped.
int finish(pid_t pid, std::chrono::seconds limit) {
  const auto until = std::chrono::steady_clock::now() + limit;
  int status = 0;
  while (std::chrono::steady_clock::now() < until) {
    if (::waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ::kill(pid, SIGKILL);
  ::waitpid(pid, &status, 0);
  return -1;
}

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class DirectGame : public ::testing::Test {
 protected:
  void SetUp() override {
    base_ = fs::temp_directory_path() / ("vantorn-net-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(base_);
    for (const fs::path& d : {host(), guest()}) {
      fs::create_directories(d);
      ASSERT_EQ(std::system((std::string(VANTORN_FILES_PATH) + " init " + d.string() + " >/dev/null").c_str()), 0);
    }
  }
  void TearDown() override { fs::remove_all(base_); }
  fs::path host() const { return base_ / "host"; }
  fs::path guest() const { return base_ / "guest"; }
  fs::path base_;
};

TEST_F(DirectGame, TwoProgramsPlayAWholeGameOverLoopback) {
  const std::string port = std::to_string(freePort());
  const pid_t server = start({"--data-dir", host().string(), "--autoplay", "--fast", "--host", port, "--name", "Alice"});
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  const pid_t client =
      start({"--data-dir", guest().string(), "--autoplay", "--fast", "--join", "127.0.0.1:" + port, "--name", "Bob"});
  EXPECT_EQ(finish(client, std::chrono::seconds(60)), 0);
  EXPECT_EQ(finish(server, std::chrono::seconds(10)), 0);

  const auto serverRows = vantorn::files::historyRows(slurp(host() / "History" / "Vantorn_I0001.hst"));
  const auto clientRows = vantorn::files::historyRows(slurp(guest() / "History" / "Vantorn_I0001.hst"));
  ASSERT_EQ(serverRows.size(), 1u);
  ASSERT_EQ(clientRows.size(), 1u);
  EXPECT_EQ(serverRows[0].kind, 'N');
  EXPECT_EQ(clientRows[0].kind, 'N');
  EXPECT_EQ(serverRows[0].player.substr(0, 9), "Alice/Bob");
  EXPECT_EQ(clientRows[0].player.substr(0, 9), "Bob/Alice");
  // Each side scored the game on its own: the results are the same game seen from both seats.
  EXPECT_EQ(std::stoll(serverRows[0].result), -std::stoll(clientRows[0].result));
  EXPECT_TRUE(fs::exists(host() / "Vantorn.net"));
}

TEST_F(DirectGame, APeerThatLeavesEndsTheUnattendedRunWithAnError) {
  const std::string port = std::to_string(freePort());
  // The client plays at the normal pace, so the game is still running when the server goes.
  const pid_t server = start({"--data-dir", host().string(), "--autoplay", "--host", port, "--name", "Alice"});
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  const pid_t client =
      start({"--data-dir", guest().string(), "--autoplay", "--join", "127.0.0.1:" + port, "--name", "Bob"});
  std::this_thread::sleep_for(std::chrono::milliseconds(2500));
  ::kill(server, SIGKILL);
  ::waitpid(server, nullptr, 0);
  const int status = finish(client, std::chrono::seconds(20));
  EXPECT_NE(status, 0);
  EXPECT_NE(status, -1) << "the client must end by itself, not be stopped";
  EXPECT_FALSE(fs::exists(guest() / "History" / "Vantorn_I0001.hst"));
}

}  // namespace
