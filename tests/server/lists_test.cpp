// Top lists, the chat list and the statistics counters against a running club.
#include "club_fixture.h"

using namespace vantorn;
using namespace vantorn::club::testing;

using Lists = ClubFixture;

namespace {

online::TopListEntry entry(int gid, const std::string& nick, int score, const std::string& city = "Omsk") {
    online::TopListEntry e;
    e.gid = gid;
    e.nick = nick;
    e.city = city;
    e.country = "1-001";
    e.score = score;
    e.R7 = "M";
    return e;
}

}  // namespace

TEST_F(Lists, EntriesAreOrderedAndPlaced) {
    auto empty = client.ReadTopList(games(), 5);
    ASSERT_TRUE(empty.ok);
    EXPECT_EQ(empty.value[0].Nick, "#");
    EXPECT_EQ(client.ReadTopListCount(games(), 5).value, 0);

    EXPECT_EQ(client.SubmitTopList(games(), entry(5, "Ann", 50)).value, 1);
    EXPECT_EQ(client.SubmitTopList(games(), entry(5, "Bob", 70)).value, 1);
    EXPECT_EQ(client.SubmitTopList(games(), entry(5, "Cid", 50)).value, 3);  // after the earlier 50
    EXPECT_EQ(client.SubmitTopList(games(), entry(105, "Dan", 10)).value, 1);

    auto list = client.ReadTopList(games(), 5);
    ASSERT_TRUE(list.ok);
    EXPECT_EQ(list.value[0].Nick, "Bob");
    EXPECT_EQ(list.value[0].Place, 1);
    EXPECT_EQ(list.value[0].Score, 70);
    EXPECT_EQ(list.value[0].R08, "5.7f");
    EXPECT_EQ(list.value[0].R09, "#");
    EXPECT_EQ(list.value[0].R10, "#");
    EXPECT_EQ(list.value[1].Nick, "Ann");
    EXPECT_EQ(list.value[2].Nick, "Cid");
    EXPECT_EQ(list.value[2].Place, 3);
    EXPECT_EQ(list.value[3].Nick, "#");  // a list of three rows leaves the rest at the presets
    EXPECT_EQ(list.value[3].R10, "#*");
    EXPECT_EQ(client.ReadTopListCount(games(), 5).value, 3);
    EXPECT_EQ(client.ReadTopListCount(games(), 105).value, 1);
}

TEST_F(Lists, TwelveEntriesShowTenAndAroundFindsOwnPlaces) {
    for (int i = 1; i <= 12; ++i) ASSERT_TRUE(client.SubmitTopList(games(), entry(305, "P" + std::to_string(i), i * 10)).ok);
    ASSERT_TRUE(client.SubmitTopList(games(), entry(305, "P3", 5)).ok);
    ASSERT_TRUE(client.SubmitTopList(games(), entry(305, "P3", 1000, "Tula")).ok);  // another city
    auto list = client.ReadTopList(games(), 305);
    EXPECT_EQ(list.value[0].Nick, "P3");
    EXPECT_EQ(list.value[9].Nick, "P4");
    EXPECT_EQ(client.ReadTopListCount(games(), 305).value, 14);

    auto around = client.ReadTopListAround(games(), 305, "P3", "Omsk");
    ASSERT_TRUE(around.ok);
    EXPECT_EQ(around.value[0].Nick, "P3");
    EXPECT_EQ(around.value[0].Score, 30);
    EXPECT_EQ(around.value[0].Place, 11);
    EXPECT_EQ(around.value[1].Score, 5);
    EXPECT_EQ(around.value[1].Place, 14);
    EXPECT_EQ(around.value[2].Nick, "#");
}

TEST_F(Lists, ChatMessagesKeepTheirWordsAndCyrillicCities) {
    EXPECT_EQ(client.ReadTopList(games(), 100).value[0].Score, 0);  // an empty board: the first message gets 1
    auto message = entry(100, "\xC8\xE2\xE0\xED", 1, "\xCC\xEE\xF1\xEA\xE2\xE0");  // passport nick and city in Cyrillic
    message.R9 = "12_00_11.12.2026_Vantorn";
    message.R10 = "hello_world";
    ASSERT_TRUE(client.SubmitTopList(games(), message).ok);
    auto second = entry(100, "Bob", 2);
    second.R10 = "hi";
    ASSERT_TRUE(client.SubmitTopList(games(), second).ok);
    auto board = client.ReadTopList(games(), 100);
    EXPECT_EQ(board.value[0].Score, 2);  // the newest message comes first
    EXPECT_EQ(board.value[1].Nick, "\xC8\xE2\xE0\xED");
    EXPECT_EQ(board.value[1].City, "\xCC\xEE\xF1\xEA\xE2\xE0");
    EXPECT_EQ(board.value[1].R09, "12_00_11.12.2026_Vantorn");
    EXPECT_EQ(board.value[1].R10, "hello_world");
}

TEST_F(Lists, MalformedEntriesAreRefusedAndChangeNothing) {
    auto blank = entry(100, "Ann", 1);
    blank.R10 = "two words";  // a blank would split the row's words
    EXPECT_FALSE(client.SubmitTopList(games(), blank).ok);
    auto star = entry(100, "Ann", 1);
    star.R10 = "a*b";
    EXPECT_FALSE(client.SubmitTopList(games(), star).ok);
    EXPECT_FALSE(client.SubmitTopList(games(), entry(77, "Ann", 1)).ok);  // no such list
    auto longCity = entry(5, "Ann", 1, std::string(16, 'a'));
    EXPECT_FALSE(client.SubmitTopList(games(), longCity).ok);
    EXPECT_FALSE(client.ReadTopList(games(), 6).ok);
    EXPECT_EQ(client.ReadTopListCount(games(), 100).value, 0);
    EXPECT_EQ(client.ReadTopListCount(games(), 5).value, 0);
}

TEST_F(Lists, StatisticsCounters) {
    auto fresh = client.ReadStats(stats());
    ASSERT_TRUE(fresh.ok);
    EXPECT_EQ(fresh.value.Stat1, 0);
    EXPECT_EQ(fresh.value.Stat4, "");

    EXPECT_TRUE(client.SendLaunch(stats(), 1, 1));
    EXPECT_TRUE(client.SendLaunch(stats(), 1, 0));
    EXPECT_TRUE(client.SendStats34(stats(), 1, "Ivan"));
    EXPECT_TRUE(client.SendGameStats(stats(), {1, 1, 0, 37, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(client.SendGameStats(stats(), {1, 0, 12, 0, 3, 1, 0, 0, 0, 0, 0, 0}));
    auto s = client.ReadStats(stats());
    ASSERT_TRUE(s.ok);
    EXPECT_EQ(s.value.Stat1, 2);
    EXPECT_EQ(s.value.Stat2, 1);
    EXPECT_EQ(s.value.Stat3, 1);
    EXPECT_EQ(s.value.Stat4, "Ivan");
    EXPECT_EQ(s.value.StatX[0], 2);
    EXPECT_EQ(s.value.StatX[1], 1);
    EXPECT_EQ(s.value.StatX[2], 12);
    EXPECT_EQ(s.value.StatX[3], 37);
    EXPECT_EQ(s.value.StatX[4], 3);
    EXPECT_EQ(s.value.StatX[5], 1);
    EXPECT_EQ(s.value.StatX[11], 0);

    // A counter step beyond the limit is refused whole.
    EXPECT_FALSE(client.SendGameStats(stats(), {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2000000}));
    EXPECT_FALSE(client.SendStats34(stats(), 1, "two words"));
    EXPECT_EQ(client.ReadStats(stats()).value.StatX[0], 2);
    EXPECT_EQ(client.ReadStats(stats()).value.Stat3, 1);
}
