// The request layer against a scripted transport: exact bodies, the time-out rule, and how
// each answer rule fills the results and presets.
#include "online/service_client.h"

#include <gtest/gtest.h>

#include "fake_transport.h"

using namespace vantorn::online;
using vantorn::online::testing::FakeTransport;

namespace {

struct ClientFixture : ::testing::Test {
    FakeTransport net;
    ServiceClient client{net};
    const std::string& lastBody() { return net.sent.back().body; }
};

}  // namespace

TEST_F(ClientFixture, RegisterUserSendsPlainFieldsAndIsOutranksOk) {
    TQexUser u;
    u.Nick = "Ivan";
    u.Pw = "pass1";
    u.City = "\xCC\xEE\xF1\xEA\xE2\xE0";
    u.Country1 = "Russia";
    u.Country2 = "1-001";
    u.Sex = 'M';
    u.EMail = "a@b";
    u.DateR = "11.12.2026";
    u.R01 = u.R02 = u.R03 = "xxx";
    u.R04 = 7;
    struct Case {
        std::optional<std::string> answer;
        RegisterOutcome outcome;
    } cases[] = {{"ok", RegisterOutcome::Created},     {"is", RegisterOutcome::NickExists},
                 {"looking, this", RegisterOutcome::NickExists},
                 {"no", RegisterOutcome::Failed},      {std::nullopt, RegisterOutcome::Failed},
                 {"OK", RegisterOutcome::Failed}};
    for (const auto& c : cases) {
        net.answer(c.answer);
        EXPECT_EQ(client.RegisterUser("http://h/account", u), c.outcome);
    }
    EXPECT_EQ(net.sent[0].url, "http://h/account");
    EXPECT_EQ(net.sent[0].body,
              "nick=Ivan&pw=pass1&city=\xCC\xEE\xF1\xEA\xE2\xE0&country1=Russia&country2=1-001&sex=M&"
              "email=a@b&dater=11.12.2026&R01=xxx&R02=xxx&R03=xxx&R04=7&R05=0&R06=0");
}

TEST_F(ClientFixture, ReadUserFillsTwelveWordsAndFailsOnNoAnywhere) {
    net.answer("$Moscow Russia 1-001 W a@b.ru 01.02.2025 xxx xxx xxx 150 0 0#");
    auto r = client.ReadUser("u", "Ivan", "pw12");
    EXPECT_EQ(lastBody(), "nick=Ivan&pw=pw12&label0=0");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.value.Nick, "Ivan");
    EXPECT_EQ(r.value.City, "Moscow");
    EXPECT_EQ(r.value.Country2, "1-001");
    EXPECT_EQ(r.value.Sex, 'W');
    EXPECT_EQ(r.value.DateR, "01.02.2025");
    EXPECT_EQ(r.value.R04, 150);

    net.answer("$Snowtown Russia 1-001 M a@b 01.02.2025 xxx xxx xxx 0 0 0#");
    EXPECT_FALSE(client.ReadUser("u", "Ivan", "pw12").ok);
    net.answer("$x Russia 1-001 M anon@b 01.02.2025 xxx xxx xxx 0 0 0#");
    EXPECT_FALSE(client.ReadUser("u", "Ivan", "pw12").ok);

    net.answer("$Omsk#");  // short record: the rest keeps the presets
    auto p = client.ReadUser("u", "Ivan", "pw12");
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.value.City, "Omsk");
    EXPECT_EQ(p.value.Country1, "#");
    EXPECT_EQ(p.value.Sex, '#');
    EXPECT_EQ(p.value.DateR, "00.00.0000");
}

TEST_F(ClientFixture, TopListFillsRowsAndKeepsPresetsOfMissingOnes) {
    net.answer("$1 17 250 Ivan 1-001 Omsk M 5.7f # #*$2 18 240 Olga 1-002 Tula W 5.7f # #*$3 19 9 Bo 2-010 Hue M 5.7f # #*");
    auto r = client.ReadTopList("http://h/games", 5);
    EXPECT_EQ(lastBody(), "gid=5");
    EXPECT_EQ(net.sent.back().timeoutMs, kReadTimeoutMs);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.value[0].Place, 1);
    EXPECT_EQ(r.value[0].Score, 250);
    EXPECT_EQ(r.value[0].Nick, "Ivan");
    EXPECT_EQ(r.value[0].Country, "1-001");
    EXPECT_EQ(r.value[0].City, "Omsk");
    EXPECT_EQ(r.value[1].R07, "W");
    EXPECT_EQ(r.value[2].Nick, "Bo");
    for (int i = 3; i < 10; ++i) {
        EXPECT_EQ(r.value[i].Nick, "#");
        EXPECT_EQ(r.value[i].R10, "#*");
        EXPECT_EQ(r.value[i].GID, 5);
    }
    net.answer(std::nullopt);
    auto failed = client.ReadTopList("http://h/games", 100);
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.value[0].GID, 100);
}

TEST_F(ClientFixture, TimeOutIsSetOnlyByItsRequestsAndThenStays) {
    net.answer("$3#");
    client.ReadTopListCount("u", 5);
    EXPECT_EQ(net.sent.back().timeoutMs, 0);
    EXPECT_EQ(lastBody(), "rgid=5");
    client.ReadStats("u");
    EXPECT_EQ(net.sent.back().timeoutMs, kReadTimeoutMs);
    client.ReadClubSize("u");
    EXPECT_EQ(net.sent.back().timeoutMs, kReadTimeoutMs);
}

TEST_F(ClientFixture, SubmitTopListEndsTheBodyWithAStar) {
    net.answer("$4#");
    TopListEntry e;
    e.gid = 100;
    e.nick = "Ivan";
    e.city = "Omsk";
    e.country = "1-001";
    e.score = 12;
    e.R7 = "M";
    e.R9 = "10:00_11.12.2026_Vantorn";
    e.R10 = "hello_world";
    auto r = client.SubmitTopList("u", e);
    EXPECT_EQ(lastBody(),
              "gid=100&nick=Ivan&city=Omsk&country=1-001&score=12&R7=M&R8=5.7f&R9=10:00_11.12.2026_Vantorn&R10=hello_world*");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.value, 4);
}

TEST_F(ClientFixture, AccountGameRequestsUseThePrefixAndPointRatings) {
    TQexGame g;
    g.Kon = 3;
    g.Best = 40;
    g.Rating = 12.5;
    g.Sessions = 1;
    g.KonL = 2;
    g.Score = -7;
    g.R1 = 0;
    g.R2 = "#";
    net.answer("ok");
    EXPECT_TRUE(client.WriteGame("u", "Ivan", "pw12", g));
    EXPECT_EQ(lastBody(),
              "nick=Ivan&pw=pw12&crdvankon=3&crdvanbest=40&crdvanrating=12.5&crdvanses=1&crdvankonl=2&"
              "crdvanscore=-7&crdvanR1=0&crdvanR2=#");
    net.answer("$3 40 12.5 1 2 -7 0 #$");
    auto r = client.ReadGame("u", "Ivan", "pw12");
    EXPECT_EQ(lastBody(), "nick=Ivan&pw=pw12&crdvanbest=0");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.value.Kon, 3);
    EXPECT_DOUBLE_EQ(r.value.Rating, 12.5);
    EXPECT_EQ(r.value.Score, -7);
    net.answer("nothing here");
    auto empty = client.ReadGame("u", "Ivan", "pw12");
    EXPECT_TRUE(empty.ok);  // the exchange completed
    EXPECT_EQ(empty.value.PlayNow, 'N');
    EXPECT_EQ(empty.value.R2, "#");
    net.answer("$7#");
    client.ReadRatingPlace("u", 0.000001);
    EXPECT_EQ(lastBody(), "crdvanrating=0");
    net.answer("$1 Ivan Omsk Russia 1-001 W 12.5*");
    auto top = client.ReadRatingTop10("u");
    EXPECT_EQ(net.sent.back().body, "crdvankon=0");
    EXPECT_EQ(top.value[0].Nick, "Ivan");
    EXPECT_EQ(top.value[0].Country, "1-001");
    EXPECT_EQ(top.value[0].Sex, 'W');
    EXPECT_DOUBLE_EQ(top.value[0].Rating, 12.5);
    EXPECT_EQ(top.value[1].Sex, 'M');
}

TEST_F(ClientFixture, QexsAndContactCard) {
    net.answer("$250$");
    auto b = client.ReadQexs("u", "Ivan");
    EXPECT_EQ(lastBody(), "nick=Ivan&labelqexread=0");
    EXPECT_TRUE(b.ok);
    EXPECT_EQ(b.value, 250);
    net.answer("no");
    EXPECT_FALSE(client.ReadQexs("u", "Ivan").ok);
    net.answer("ok");
    EXPECT_TRUE(client.AddQexs("u", "Olga", -25));
    EXPECT_EQ(lastBody(), "nick=Olga&labelqexsave=0&R04=-25");

    net.answer("$Ivan~~Petrov#");
    auto card = client.ReadInfo("u", "Ivan");
    EXPECT_EQ(lastBody(), "nick=Ivan&labelinforead=0");
    EXPECT_EQ(card.Name1, "Ivan");
    EXPECT_EQ(card.Name2, "");
    EXPECT_EQ(card.About, "Petrov");
    TInfo14 info;
    info.Name1 = "Ivan";
    info.WebSite = "w";
    info.Skype = "s";
    net.answer("ok");
    EXPECT_TRUE(client.SaveInfo("u", "Ivan", info));
    EXPECT_EQ(lastBody(),
              "nick=Ivan&labelinfosave=0&namei=Ivan&name2=&about=&telephone=&emailo=&website=w&skype=s&ok=&vk=&"
              "telegram=&facebook=&twitter=&instagramm=&youtube=");
}

TEST_F(ClientFixture, TablesFillFromTableTenDown) {
    std::string rec10 = "$10 127.0.0.1 5010 Y 0 X Ann 5 2 1010 Russia Omsk W 1.2.3.4 X 0 0 0 X X M X*";
    std::string rec9 = "$9 127.0.0.1 5009 Y 0 X X 0 0 0 X X M X Bob 3 1 990 USA Rome M 5.6.7.8*";
    net.answer(rec10 + rec9);
    auto r = client.ReadTables("u");
    EXPECT_EQ(lastBody(), "readtable10=5&gid=5");
    EXPECT_EQ(net.sent.back().timeoutMs, kReadTimeoutMs);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.value[9].Port, 5010);
    EXPECT_EQ(r.value[9].Seat1.Nick, "Ann");
    EXPECT_EQ(r.value[9].Seat1.Sex, 'W');
    EXPECT_EQ(r.value[9].Seat2.Nick, "X");
    EXPECT_EQ(r.value[8].Seat2.Nick, "Bob");
    EXPECT_EQ(r.value[8].Seat2.IP, "5.6.7.8");
    // Only table 1's IP and Port place the relay.
    Tables tables;
    tables[0].IP = "10.1.2.3";
    tables[0].Port = 5000;
    EXPECT_EQ(relayAddress(tables), "10.1.2.3");
    EXPECT_EQ(relayPort(tables, 1), 5000);
    EXPECT_EQ(relayPort(tables, 10), 5009);
    for (int t = 0; t < 8; ++t) {
        EXPECT_EQ(r.value[t].IP, "0.0.0.0");
        EXPECT_EQ(r.value[t].Seat1.Sex, 'M');
        EXPECT_EQ(r.value[t].Seat1.Nick, "X");
    }
}

TEST_F(ClientFixture, SeatRequests) {
    TQexClient c;
    c.Nick = "Ann";
    c.Score = 5;
    c.Kon = 2;
    c.Rating = 1010;
    c.Country = "Russia";
    c.City = "Omsk";
    c.Sex = 'W';
    c.IP = "1.2.3.4";
    struct Case {
        std::optional<std::string> answer;
        SeatOutcome outcome;
    } cases[] = {{"ok", SeatOutcome::Done}, {"is", SeatOutcome::Taken}, {"this ok", SeatOutcome::Taken},
                 {"no", SeatOutcome::Failed}, {std::nullopt, SeatOutcome::Failed}};
    for (const auto& k : cases) {
        net.answer(k.answer);
        EXPECT_EQ(client.SetSeat("u", 3, 2, SeatChange::Take, c), k.outcome);
    }
    EXPECT_EQ(lastBody(),
              "clienton2=0&gid=5&num=3&can=1&nick2=Ann&score2=5&kon2=2&rating2=1010&country2=Russia&city2=Omsk&"
              "sex2=W&ip2=1.2.3.4");
    net.answer("$Ann 5 2 1010 Russia Omsk W 1.2.3.4#");
    auto s = client.ReadSeat("u", 3, 1);
    EXPECT_EQ(lastBody(), "readclient1=0&gid=5&num=3");
    EXPECT_EQ(s.value.Nick, "Ann");
    EXPECT_EQ(s.value.IP, "1.2.3.4");
    net.answer("nothing");
    auto preset = client.ReadSeat("u", 3, 1);
    EXPECT_EQ(preset.value.Sex, 'M');
    EXPECT_EQ(preset.value.Nick, "");
}

TEST_F(ClientFixture, TournamentInformationRequests) {
    net.answer("$Y Welcome_to_the_club#");
    auto info = client.ReadServerInfo("u");
    EXPECT_EQ(lastBody(), "serverinforead=0&gid=5");
    EXPECT_EQ(info.value.state, "Y");
    EXPECT_EQ(info.value.message, "Welcome_to_the_club");
    net.answer("junk");
    EXPECT_EQ(client.ReadServerInfo("u").value.state, "X");

    net.answer("nothing");
    EXPECT_EQ(client.ReadTourRating("u", "Ann").value.score, -1);
    EXPECT_EQ(lastBody(), "readrating5=0&nick=Ann");
    net.answer("$12 3 1016#");
    auto tr = client.ReadTourRating("u", "Ann");
    EXPECT_EQ(tr.value.score, 12);
    EXPECT_EQ(tr.value.games, 3);
    EXPECT_EQ(tr.value.rating, 1016);

    net.answer("$1 Ann Omsk Russia W 1016*");
    auto top = client.ReadTourTop10("u", 'r');
    EXPECT_EQ(lastBody(), "top10r5=0&nick=z");
    EXPECT_EQ(top.value[0].Nick, "Ann");
    EXPECT_EQ(top.value[0].Score, 1016);
    EXPECT_EQ(top.value[1].Nick, "#");

    for (auto [order, body] : {std::pair{'s', "places5=0&score1=12"}, std::pair{'r', "placer5=0&rating1=12"},
                               std::pair{'k', "placek5=0&kon1=12"}}) {
        net.answer("$2#");
        EXPECT_EQ(client.ReadTourPlace("u", order, 12).value, 2);
        EXPECT_EQ(lastBody(), body);
    }
}

TEST_F(ClientFixture, StatisticsRequests) {
    net.answer("$10 4 2 Ivan 1 2 3 4 5 6 7 8 9 10 11 12 13 z*");
    auto s = client.ReadStats("u");
    EXPECT_EQ(lastBody(), "gid=5");
    ASSERT_TRUE(s.ok);
    EXPECT_EQ(s.value.Stat1, 10);
    EXPECT_EQ(s.value.Stat4, "Ivan");
    EXPECT_EQ(s.value.StatX[0], 1);
    EXPECT_EQ(s.value.StatX[11], 12);
    EXPECT_EQ(s.value.StatY, 13);
    EXPECT_EQ(s.value.StatZ, "z");
    EXPECT_EQ(s.value.GID, 5);

    net.answer("$ok#");
    EXPECT_TRUE(client.SendLaunch("u", 1, 1));
    EXPECT_EQ(lastBody(), "gid=5&stat1=1&stat2=1");
    net.answer("ok");  // no "$": not a status answer
    EXPECT_FALSE(client.SendStats34("u", 1, "Ivan"));
    EXPECT_EQ(lastBody(), "gid=5&stat3=1&stat4=Ivan");
    net.answer("$ok#");
    EXPECT_TRUE(client.SendGameStats("u", {1, 0, 0, 37, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(lastBody(), "gid=5&R1=1&R2=0&R3=0&R4=37&R5=0&R6=0&R7=0&R8=0&R9=0&R10=0&R11=0&R12=0");
}

TEST_F(ClientFixture, PicturesMustBeJpeg) {
    auto a = ServiceAddresses::builtIn();
    net.answer(std::string("\xFF\xD8\xFF\xE0rest\xFF\xD9"));
    EXPECT_TRUE(client.FetchPicture(a, "Ann"));
    EXPECT_EQ(net.sent.back().url, "http://127.0.0.1:8080/avatars/Ann.jpg");
    net.answer("<html>not found</html>");
    EXPECT_FALSE(client.FetchPicture(a, "Ann"));
}
