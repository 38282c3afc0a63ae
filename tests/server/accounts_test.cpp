// Accounts against a running club: registration, login, the contact card, Qexs and the
// account's game statistics, with the client library's answer rules.
#include <thread>

#include "club_fixture.h"

using namespace vantorn;
using namespace vantorn::club::testing;
using online::RegisterOutcome;

using Accounts = ClubFixture;

TEST_F(Accounts, RegisterLoginAndClubSize) {
    EXPECT_EQ(client.ReadClubSize(account()).value, 0);
    auto u = user("Ivan");
    u.City = "\xCC\xEE\xF1\xEA\xE2\xE0";  // Cyrillic city, sent as raw Windows-1251 bytes
    u.R04 = 5000;                         // a new account's balance is 0 whatever the form says
    EXPECT_EQ(client.RegisterUser(account(), u), RegisterOutcome::Created);
    EXPECT_EQ(client.RegisterUser(account(), u), RegisterOutcome::NickExists);
    EXPECT_EQ(client.RegisterUser(account(), user("IVAN")), RegisterOutcome::NickExists);

    auto login = client.ReadUser(account(), "Ivan", "secret1");
    ASSERT_TRUE(login.ok);
    EXPECT_EQ(login.value.City, "\xCC\xEE\xF1\xEA\xE2\xE0");
    EXPECT_EQ(login.value.Country1, "Russia");
    EXPECT_EQ(login.value.Country2, "1-001");
    EXPECT_EQ(login.value.Sex, 'M');
    EXPECT_EQ(login.value.EMail, "a@b.ru");
    EXPECT_EQ(login.value.DateR, "11.12.2026");
    EXPECT_EQ(login.value.R01, "xxx");
    EXPECT_EQ(login.value.R04, 0);

    EXPECT_FALSE(client.ReadUser(account(), "Ivan", "wrong99").ok);
    EXPECT_FALSE(client.ReadUser(account(), "Nobody", "secret1").ok);
    EXPECT_EQ(client.ReadClubSize(account()).value, 1);
}

TEST_F(Accounts, InvalidRegistrationsChangeNothing) {
    struct Case {
        const char* what;
        void (*spoil)(online::TQexUser&);
    } cases[] = {
        {"one-character nick", [](online::TQexUser& u) { u.Nick = "I"; }},
        {"nick with a blank", [](online::TQexUser& u) { u.Nick = "Iv an"; }},
        {"Cyrillic nick", [](online::TQexUser& u) { u.Nick = "\xC8\xE2\xE0\xED"; }},
        {"thirteen-character nick", [](online::TQexUser& u) { u.Nick = "abcdefghijklm"; }},
        {"three-character password", [](online::TQexUser& u) { u.Pw = "abc"; }},
        {"e-mail a@", [](online::TQexUser& u) { u.EMail = "a@"; }},
        {"e-mail @a", [](online::TQexUser& u) { u.EMail = "@a"; }},
        {"city with $", [](online::TQexUser& u) { u.City = "Om$k"; }},
        {"sex X", [](online::TQexUser& u) { u.Sex = 'X'; }},
        {"nick with &", [](online::TQexUser& u) { u.Nick = "a&b=c"; }},
        // The login answer would hold the refusal marker "no": such an account could never log in.
        {"city with no", [](online::TQexUser& u) { u.City = "Snowtown"; }},
        {"e-mail with no", [](online::TQexUser& u) { u.EMail = "anon@mail.ru"; }},
    };
    for (const auto& c : cases) {
        auto u = user("Valid1");
        c.spoil(u);
        EXPECT_EQ(client.RegisterUser(account(), u), RegisterOutcome::Failed) << c.what;
    }
    EXPECT_EQ(client.ReadClubSize(account()).value, 0);
    auto ok = user("Valid1");
    ok.EMail = "a@b";
    EXPECT_EQ(client.RegisterUser(account(), ok), RegisterOutcome::Created);
    ok.Nick = "abcdefghijkl";
    ok.Pw = "abcdefghijkl";
    ok.EMail = "";
    EXPECT_EQ(client.RegisterUser(account(), ok), RegisterOutcome::Created);
}

TEST_F(Accounts, ContactCardRoundTrip) {
    registerUser("Ivan");
    online::TInfo14 empty = client.ReadInfo(account(), "Ivan");
    EXPECT_EQ(empty.Name1, "");
    EXPECT_EQ(empty.YouTube, "");
    online::TInfo14 card;
    card.Name1 = "Ivan";
    card.About = "I play cards every day";  // blanks are kept: the card splits at "~"
    card.Telephone = "+7 900 000";
    card.WebSite = "http://ivan.example";
    card.Skype = "ivan.s";
    card.YouTube = "yt";
    ASSERT_TRUE(client.SaveInfo(account(), "Ivan", card));
    auto read = client.ReadInfo(account(), "Ivan");
    EXPECT_EQ(read.Name1, "Ivan");
    EXPECT_EQ(read.Name2, "");
    EXPECT_EQ(read.About, "I play cards every day");
    EXPECT_EQ(read.Telephone, "+7 900 000");
    EXPECT_EQ(read.WebSite, "http://ivan.example");
    EXPECT_EQ(read.Skype, "ivan.s");
    EXPECT_EQ(read.YouTube, "yt");

    EXPECT_FALSE(client.SaveInfo(account(), "Nobody", card));
    // A card holding "no" could never be read back; it is refused and the old card stays.
    card.About = "I know every rule";
    EXPECT_FALSE(client.SaveInfo(account(), "Ivan", card));
    card.About = "split~here";
    EXPECT_FALSE(client.SaveInfo(account(), "Ivan", card));
    card.About = std::string(51, 'a');
    EXPECT_FALSE(client.SaveInfo(account(), "Ivan", card));
    EXPECT_EQ(client.ReadInfo(account(), "Ivan").About, "I play cards every day");
}

TEST_F(Accounts, GameStatisticsRatingTopTenAndPlace) {
    registerUser("Ann");
    registerUser("Bob");
    registerUser("Cid");
    auto fresh = client.ReadGame(account(), "Ann", "secret1");
    ASSERT_TRUE(fresh.ok);
    EXPECT_EQ(fresh.value.Kon, 0);
    EXPECT_DOUBLE_EQ(fresh.value.Rating, 0);

    online::TQexGame g;
    g.Kon = 1;
    g.Rating = -1000 + 1.0 / 30;  // the charge of a first rated game
    ASSERT_TRUE(client.WriteGame(account(), "Ann", "secret1", g));
    g.Rating = 12 + 1.0 / 30;
    g.Best = 40;
    g.Sessions = 2;
    g.KonL = 3;
    g.Score = -17;
    g.R2 = "#";
    ASSERT_TRUE(client.WriteGame(account(), "Ann", "secret1", g));
    auto back = client.ReadGame(account(), "Ann", "secret1");
    EXPECT_EQ(back.value.Kon, 1);
    EXPECT_DOUBLE_EQ(back.value.Rating, 12 + 1.0 / 30);
    EXPECT_EQ(back.value.Best, 40);
    EXPECT_EQ(back.value.Sessions, 2);
    EXPECT_EQ(back.value.KonL, 3);
    EXPECT_EQ(back.value.Score, -17);
    EXPECT_EQ(back.value.R2, "#");
    EXPECT_FALSE(client.WriteGame(account(), "Ann", "badpass", g));

    online::TQexGame b;
    b.Kon = 2;
    b.Rating = 12.5;
    ASSERT_TRUE(client.WriteGame(account(), "Bob", "secret1", b));

    auto top = client.ReadRatingTop10(account());
    ASSERT_TRUE(top.ok);
    EXPECT_EQ(top.value[0].Nick, "Bob");
    EXPECT_DOUBLE_EQ(top.value[0].Rating, 12.5);
    EXPECT_EQ(top.value[0].Country, "1-001");
    EXPECT_EQ(top.value[0].City, "Omsk");
    EXPECT_EQ(top.value[1].Nick, "Ann");
    EXPECT_EQ(top.value[2].Nick, "");  // Cid has played no rated game
    EXPECT_EQ(top.value[2].Sex, 'M');

    EXPECT_EQ(client.ReadRatingPlace(account(), 12.5).value, 1);
    EXPECT_EQ(client.ReadRatingPlace(account(), 12.1).value, 2);
    EXPECT_EQ(client.ReadRatingPlace(account(), 0).value, 3);
    EXPECT_EQ(client.ReadRatingPlace(account(), -5).value, 4);
}

TEST_F(Accounts, QexsBalancesAndTransfers) {
    registerUser("Ann");
    registerUser("Bob");
    EXPECT_EQ(client.ReadQexs(account(), "Ann").value, 0);
    EXPECT_FALSE(client.ReadQexs(account(), "Nobody").ok);
    ASSERT_TRUE(client.AddQexs(account(), "Ann", 100));
    // A transfer as the account window makes it: credit the receiver, then debit the sender.
    ASSERT_TRUE(client.AddQexs(account(), "Bob", 30));
    ASSERT_TRUE(client.AddQexs(account(), "Ann", -30));
    EXPECT_EQ(client.ReadQexs(account(), "Ann").value, 70);
    EXPECT_EQ(client.ReadQexs(account(), "Bob").value, 30);
    // A receiver that does not exist leaves every balance as it was.
    EXPECT_FALSE(client.AddQexs(account(), "Nobody", 10));
    // A debit never takes a balance below zero.
    EXPECT_FALSE(client.AddQexs(account(), "Bob", -31));
    EXPECT_EQ(client.ReadQexs(account(), "Bob").value, 30);
}

TEST_F(Accounts, ConcurrentTransfersAllCount) {
    registerUser("Ann");
    registerUser("Bob");
    ASSERT_TRUE(client.AddQexs(account(), "Ann", 10000));
    constexpr int kThreads = 4, kEach = 25;
    std::vector<std::thread> threads;
    std::atomic<int> answered{0};
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&] {
            online::CurlTransport own;
            online::ServiceClient c(own);
            for (int i = 0; i < kEach; ++i) {
                if (c.AddQexs(account(), "Bob", 3)) ++answered;
                if (c.AddQexs(account(), "Ann", -3)) ++answered;
            }
        });
    }
    for (auto& t : threads) t.join();
    EXPECT_EQ(answered, 2 * kThreads * kEach);
    EXPECT_EQ(client.ReadQexs(account(), "Bob").value, 3 * kThreads * kEach);
    EXPECT_EQ(client.ReadQexs(account(), "Ann").value, 10000 - 3 * kThreads * kEach);
}
