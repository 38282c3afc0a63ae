// How requests fail: a stopped server, a server that never answers, malformed answers, and
// requests the club refuses.
#include <poll.h>
#include <sys/socket.h>
#include <netinet/in.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "club_fixture.h"

using namespace vantorn;
using namespace vantorn::club::testing;

namespace {

// How long the silent server holds a connection before it closes it itself: far beyond the
// client's read time-out.
constexpr int kSilentHoldMs = 20000;

// A one-connection-at-a-time HTTP server on loopback that answers every request with a fixed
// text (or never answers, when the text is empty).
class ScriptedServer {
public:
    explicit ScriptedServer(std::string response) : response_(std::move(response)) {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        socklen_t len = sizeof a;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
        ::listen(fd_, 8);
        thread_ = std::thread([this] { run(); });
    }
    ~ScriptedServer() {
        stop_ = true;
        ::shutdown(fd_, SHUT_RDWR);
        ::close(fd_);
        thread_.join();
    }
    std::atomic<bool> clientGaveUp{false};
    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_) + "/games"; }

private:
    void run() {
        while (!stop_) {
            int c = ::accept(fd_, nullptr, nullptr);
            if (c < 0) return;
            char buf[4096];
            ::recv(c, buf, sizeof buf, 0);
            if (response_.empty()) {
                // Hold the connection without a word; note whether the client gives up first.
                pollfd p{c, POLLIN, 0};
                if (::poll(&p, 1, kSilentHoldMs) > 0 && ::recv(c, buf, sizeof buf, 0) == 0) clientGaveUp = true;
            } else {
                ::send(c, response_.data(), response_.size(), MSG_NOSIGNAL);
            }
            ::close(c);
        }
    }
    std::string response_;
    int fd_ = -1, port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

std::string http200(const std::string& body) {
    return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

}  // namespace

using Failures = ClubFixture;

TEST_F(Failures, StoppedServerFailsEveryRequestWithPresets) {
    registerUser("Ann");
    club->stop();
    EXPECT_EQ(client.RegisterUser(account(), user("Bob")), online::RegisterOutcome::Failed);
    EXPECT_FALSE(client.ReadUser(account(), "Ann", "secret1").ok);
    EXPECT_FALSE(client.ReadClubSize(account()).ok);
    EXPECT_FALSE(client.ReadGame(account(), "Ann", "secret1").ok);
    auto list = client.ReadTopList(games(), 5);
    EXPECT_FALSE(list.ok);
    EXPECT_EQ(list.value[0].Nick, "#");
    auto tables = client.ReadTables(tournament());
    EXPECT_FALSE(tables.ok);
    EXPECT_EQ(tables.value[0].IP, "0.0.0.0");
    EXPECT_EQ(client.SetSeat(tournament(), 1, 1, online::SeatChange::Take, {}), online::SeatOutcome::Failed);
    EXPECT_EQ(client.ReadTourRating(tournament(), "Ann").value.score, -1);
    EXPECT_FALSE(client.ReadStats(stats()).ok);
    EXPECT_FALSE(client.SendLaunch(stats(), 1, 0));
    EXPECT_FALSE(client.FetchDocument(addresses.address(online::ServiceRole::Directory)));
    EXPECT_EQ(client.ReadInfo(account(), "Ann").Name1, "");
}

TEST(FailuresOffline, ReadTimeOutEndsASilentExchange) {
    ScriptedServer silent("");
    online::CurlTransport net;
    online::ServiceClient client(net);
    auto list = client.ReadTopList(silent.url(), 5);
    EXPECT_FALSE(list.ok);
    EXPECT_EQ(list.value[0].Nick, "#");
    // The client ended the exchange by its read time-out, before the server closed.
    for (int i = 0; i < 100 && !silent.clientGaveUp; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(silent.clientGaveUp);
}

TEST(FailuresOffline, MalformedAndErrorAnswers) {
    struct Case {
        const char* what;
        std::string response;
    } cases[] = {
        {"letters after the dollar", http200("$abc#")},
        {"only dollar last", http200("junk$")},
        {"server error", "HTTP/1.1 500 Internal Server Error\r\nContent-Length: 4\r\nConnection: close\r\n\r\n$15#"},
        {"not http", "garbage\r\n\r\n"},
        {"cut off", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\nConnection: close\r\n\r\n$1"},
    };
    for (const auto& c : cases) {
        ScriptedServer server(c.response);
        online::CurlTransport net;
        online::ServiceClient client(net);
        EXPECT_FALSE(client.ReadTopListCount(server.url(), 5).ok) << c.what;
    }
    // An answer declared as UTF-8 is read as the Windows-1251 text it stands for.
    {
        std::string body = "$\xD0\x9E\xD0\xBC\xD1\x81\xD0\xBA Russia 1-001 M a@b 01.01.2026 xxx xxx xxx 7 0 0#";
        ScriptedServer utf8("HTTP/1.1 200 OK\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: " +
                            std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        online::CurlTransport net;
        online::ServiceClient client(net);
        auto user = client.ReadUser(utf8.url(), "Ann", "secret1");
        ASSERT_TRUE(user.ok);
        EXPECT_EQ(user.value.City, "\xCE\xEC\xF1\xEA");  // Омск
        EXPECT_EQ(user.value.R04, 7);
    }
    ScriptedServer good(http200("$15"));
    online::CurlTransport net;
    online::ServiceClient client(net);
    EXPECT_EQ(client.ReadTopListCount(good.url(), 5).value, 1);  // the last character never counts
}

TEST_F(Failures, ClubRefusesRequestsItCannotTrust) {
    // Without the program's user agent.
    EXPECT_NE(post("/games", "gid=5", "curl/7").find(" 403 "), std::string::npos);
    // Not a form, duplicate keys, an oversized body, an unknown request, a missing field.
    for (const std::string& body : {std::string("gid"), std::string("gid=5&gid=105"), std::string(9000, 'a'),
                                    std::string("what=1"), std::string("nick=Ann&labelqexsave=0")}) {
        auto answer = post("/account", body);
        EXPECT_NE(answer.find(" 400 "), std::string::npos) << body.substr(0, 40);
    }
    // Numbers that overflow or are not numbers.
    registerUser("Ann");
    EXPECT_NE(post("/account", "nick=Ann&labelqexsave=0&R04=99999999999999999999").find(" 400 "), std::string::npos);
    EXPECT_NE(post("/account", "nick=Ann&labelqexsave=0&R04=1e3").find(" 400 "), std::string::npos);
    EXPECT_NE(post("/account", "nick=Ann&labelqexsave=0&R04=--1").find(" 400 "), std::string::npos);
    EXPECT_EQ(client.ReadQexs(account(), "Ann").value, 0);
    // A quote in a value is data, never SQL.
    EXPECT_EQ(client.ReadTopListAround(games(), 5, "x'--", "a").value[0].Nick, "#");
    EXPECT_NE(post("/nowhere", "gid=5").find(" 404 "), std::string::npos);
}

TEST_F(Failures, HugeBodiesAreCutOffAndTheClubGoesOn) {
    TcpClient flood(club->httpPort());
    flood.send("POST /account HTTP/1.1\r\nHost: 127.0.0.1\r\nUser-Agent: TolvMirkPanuz\r\n"
               "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: 100000000\r\n\r\n");
    // Far more than any request, far less than announced: the club closes the connection
    // instead of keeping the body.
    const std::string chunk(64 * 1024, 'a');
    for (int i = 0; i < 16; ++i) flood.send(chunk);
    EXPECT_TRUE(flood.closedByPeer());
    EXPECT_TRUE(client.ReadClubSize(account()).ok);
}
