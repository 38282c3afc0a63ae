// The club killed with SIGKILL in the middle of a stream of registrations and transfers,
// restarted on the same database: every answered write is there and every balance adds up.
#include <atomic>
#include <chrono>
#include <map>
#include <thread>

#include "club_fixture.h"

using namespace vantorn;
using namespace vantorn::club::testing;

namespace {

struct Op {
    enum Kind { Register, Credit } kind;
    std::string nick;
    int amount = 0;
};

}  // namespace

using Fault = ClubFixture;

TEST_F(Fault, KilledServerLosesNoAnsweredWrite) {
    constexpr int kAccounts = 6;
    for (int i = 0; i < kAccounts; ++i) registerUser("Base" + std::to_string(i));

    std::vector<Op> answered;
    std::optional<Op> inFlight;  // the one request whose answer never came
    std::atomic<int> count{0};
    std::atomic<bool> stopped{false};
    std::thread writer([&] {
        online::CurlTransport own;
        online::ServiceClient c(own);
        for (int i = 0;; ++i) {
            Op op;
            bool ok;
            if (i % 5 == 0) {
                op = {Op::Register, "New" + std::to_string(i)};
                ok = c.RegisterUser(account(), user(op.nick)) == online::RegisterOutcome::Created;
            } else {
                op = {Op::Credit, "Base" + std::to_string(i % kAccounts), i};
                ok = c.AddQexs(account(), op.nick, op.amount);
            }
            if (!ok) {
                inFlight = op;
                stopped = true;
                return;
            }
            answered.push_back(op);
            ++count;
        }
    });
    while (count < 60 && !stopped) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (stopped) {
        writer.join();
        FAIL() << "a write failed before the kill";
    }
    club->stop(/*kill=*/true);
    writer.join();
    ASSERT_TRUE(inFlight);

    ClubProcess::Options sameDb;
    sameDb.db = club->options().db;
    start(sameDb);
    std::map<std::string, int64_t> expected;
    for (const auto& op : answered) {
        if (op.kind == Op::Register) {
            EXPECT_TRUE(client.ReadUser(account(), op.nick, "secret1").ok) << op.nick;
        } else {
            expected[op.nick] += op.amount;
        }
    }
    for (int i = 0; i < kAccounts; ++i) {
        std::string nick = "Base" + std::to_string(i);
        auto balance = client.ReadQexs(account(), nick);
        ASSERT_TRUE(balance.ok);
        // The request in flight at the kill either landed whole or not at all.
        bool mayHaveLanded = inFlight->kind == Op::Credit && inFlight->nick == nick;
        if (mayHaveLanded && balance.value != expected[nick]) {
            EXPECT_EQ(balance.value, expected[nick] + inFlight->amount) << nick;
        } else {
            EXPECT_EQ(balance.value, expected[nick]) << nick;
        }
    }
    int64_t registered = kAccounts + std::count_if(answered.begin(), answered.end(),
                                                   [](const Op& op) { return op.kind == Op::Register; });
    auto size = client.ReadClubSize(account()).value;
    EXPECT_TRUE(size == registered || (inFlight->kind == Op::Register && size == registered + 1)) << size;
}
