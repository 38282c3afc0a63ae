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

// Starts the program with arguments, inside a network namespace when one is named;
// returns its process id.
pid_t start(const std::vector<std::string>& args, const std::string& netns = {}) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::vector<std::string> all;
    if (!netns.empty()) all = {"ip", "netns", "exec", netns};
    all.push_back(VANTORN_PATH);
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::freopen("/dev/null", "w", stderr);
    ::freopen("/dev/null", "w", stdout);
    if (netns.empty())
      ::execv(VANTORN_PATH, argv.data());
    else
      ::execvp("ip", argv.data());
    ::_exit(127);
  }
  return pid;
}

bool sh(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

// Waits until a program listens on the TCP port (inside the network namespace when one is
// named), at most ten seconds: a loaded machine may take a while to start the server.
bool waitForListener(const std::string& port, const std::string& ns = {}) {
  const std::string command =
      (ns.empty() ? std::string() : "ip netns exec " + ns + " ") + "ss -Hltn 'sport = :" + port + "' | grep -q .";
  for (int i = 0; i < 500; ++i) {
    if (sh(command)) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

// The same for a server program started by the test; a server that never listens is ended.
bool serverListening(pid_t server, const std::string& port, const std::string& ns = {}) {
  if (waitForListener(port, ns)) return true;
  ::kill(server, SIGKILL);
  ::waitpid(server, nullptr, 0);
  return false;
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
  // Alice's server and Bob's client each recorded the one game they played, each scoring
  // it on its own: the results are the same game seen from both seats.
  void expectOneGameSeenFromBothSeats(vantorn::files::HistoryRow& server, vantorn::files::HistoryRow& client) {
    const auto serverRows = vantorn::files::historyRows(slurp(host() / "History" / "Vantorn_I0001.hst"));
    const auto clientRows = vantorn::files::historyRows(slurp(guest() / "History" / "Vantorn_I0001.hst"));
    ASSERT_EQ(serverRows.size(), 1u);
    ASSERT_EQ(clientRows.size(), 1u);
    server = serverRows[0];
    client = clientRows[0];
    EXPECT_EQ(server.player.substr(0, 9), "Alice/Bob");
    EXPECT_EQ(std::stoll(server.result), -std::stoll(client.result));
  }
  fs::path host() const { return base_ / "host"; }
  fs::path guest() const { return base_ / "guest"; }
  fs::path base_;
};

TEST_F(DirectGame, TwoProgramsPlayAWholeGameOverLoopback) {
  const std::string port = std::to_string(freePort());
  const pid_t server = start({"--data-dir", host().string(), "--autoplay", "--fast", "--host", port, "--name", "Alice"});
  ASSERT_TRUE(serverListening(server, port)) << "the server never listened";
  const pid_t client =
      start({"--data-dir", guest().string(), "--autoplay", "--fast", "--join", "127.0.0.1:" + port, "--name", "Bob"});
  EXPECT_EQ(finish(client, std::chrono::seconds(60)), 0);
  EXPECT_EQ(finish(server, std::chrono::seconds(10)), 0);

  vantorn::files::HistoryRow serverRow, clientRow;
  ASSERT_NO_FATAL_FAILURE(expectOneGameSeenFromBothSeats(serverRow, clientRow));
  EXPECT_EQ(serverRow.kind, 'N');
  EXPECT_EQ(clientRow.kind, 'N');
  EXPECT_EQ(clientRow.player.substr(0, 9), "Bob/Alice");
  EXPECT_TRUE(fs::exists(host() / "Vantorn.net"));
}

TEST_F(DirectGame, APeerThatLeavesEndsTheUnattendedRunWithAnError) {
  const std::string port = std::to_string(freePort());
  // The client plays at the normal pace, so the game is still running when the server goes.
  const pid_t server = start({"--data-dir", host().string(), "--autoplay", "--host", port, "--name", "Alice"});
  ASSERT_TRUE(serverListening(server, port)) << "the server never listened";
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

// Two hosts with their own addresses, joined by a veth pair, each in a network namespace
// of its own that the test makes and removes.
class TwoHosts {
 public:
  TwoHosts() {
    const std::string id = std::to_string(::getpid() % 100000);
    a_ = "vtnA" + id;
    b_ = "vtnB" + id;
    ok_ = ::geteuid() == 0 && sh("ip netns add " + a_) && sh("ip netns add " + b_) &&
          sh("ip link add " + a_ + " type veth peer name " + b_) && sh("ip link set " + a_ + " netns " + a_) &&
          sh("ip link set " + b_ + " netns " + b_) &&
          sh("ip -n " + a_ + " addr add 10.77.0.1/24 dev " + a_) &&
          sh("ip -n " + b_ + " addr add 10.77.0.2/24 dev " + b_) && sh("ip -n " + a_ + " link set " + a_ + " up") &&
          sh("ip -n " + b_ + " link set " + b_ + " up") && sh("ip -n " + a_ + " link set lo up") &&
          sh("ip -n " + b_ + " link set lo up");
  }
  ~TwoHosts() {
    sh("ip netns delete " + a_);
    sh("ip netns delete " + b_);
  }
  bool ok() const { return ok_; }
  const std::string& a() const { return a_; }
  const std::string& b() const { return b_; }

 private:
  std::string a_, b_;
  bool ok_ = false;
};

TEST_F(DirectGame, TwoHostsPlayAcrossAVethPair) {
  TwoHosts hosts;
  if (!hosts.ok()) GTEST_SKIP() << "network namespaces are not available here (needs root and ip netns)";
  const pid_t server = start({"--data-dir", host().string(), "--autoplay", "--fast", "--host", "25666", "--name", "Alice"},
                             hosts.a());
  ASSERT_TRUE(serverListening(server, "25666", hosts.a())) << "the server never listened";
  const pid_t client = start(
      {"--data-dir", guest().string(), "--autoplay", "--fast", "--join", "10.77.0.1:25666", "--name", "Bob"}, hosts.b());
  EXPECT_EQ(finish(client, std::chrono::seconds(60)), 0);
  EXPECT_EQ(finish(server, std::chrono::seconds(10)), 0);
  vantorn::files::HistoryRow serverRow, clientRow;
  expectOneGameSeenFromBothSeats(serverRow, clientRow);
}

}  // namespace
