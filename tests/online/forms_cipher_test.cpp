#include <gtest/gtest.h>

#include "online/charsets.h"
#include "online/forms.h"
#include "online/service_addresses.h"
#include "online/text_cipher.h"

using namespace vantorn::online;

TEST(Forms, PlainKeepsRawBytesEncodedPercentEncodes) {
    FormFields f = {{"nick", "Ivan"}, {"city", "\xCC\xEE\xF1\xEA\xE2\xE0"}, {"x", "a b&c"}};
    EXPECT_EQ(plainBody(f), "nick=Ivan&city=\xCC\xEE\xF1\xEA\xE2\xE0&x=a b&c");
    EXPECT_EQ(encodedBody(f), "nick=Ivan&city=%CC%EE%F1%EA%E2%E0&x=a%20b%26c");
}

TEST(Forms, ParsingRoundTripsAndRefusesMalformedBodies) {
    FormFields f = {{"gid", "5"}, {"nick", "a b%"}, {"R10", ""}};
    EXPECT_EQ(parseFormBody(encodedBody(f), 20), f);
    EXPECT_EQ(parseFormBody("a=1&b=%zz+", 20)->at(1).second, "%zz+");
    for (const char* bad : {"a=1&", "=1", "a", "a=1&&b=2"}) EXPECT_FALSE(parseFormBody(bad, 20)) << bad;
    EXPECT_FALSE(parseFormBody("a=1&b=2&c=3", 2));
    EXPECT_TRUE(parseFormBody("", 2)->empty());
}

TEST(Cipher, RoundTripsAnyBytesAndDependsOnTheKey) {
    std::string all;
    for (int c = 0; c < 256; ++c) all.push_back(static_cast<char>(c));
    for (const std::string& plain : {std::string(), std::string("a"), std::string("ab"), all}) {
        auto text = encipher(plain, kAccountKey);
        for (char c : text) EXPECT_TRUE(isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '/' || c == '=');
        EXPECT_EQ(decipher(text, kAccountKey), plain);
        if (!plain.empty()) {
            EXPECT_NE(decipher(text, kAddressKey), plain);
        }
    }
    EXPECT_NE(encipher("secret", kAccountKey).find("secret"), 0u);
    for (const char* bad : {"abc", "ab=c", "a===", "@@@@"}) EXPECT_FALSE(decipher(bad, kAccountKey)) << bad;
}

TEST(Addresses, BuiltInPointAtTheLocalClubAndRebase) {
    auto a = ServiceAddresses::builtIn();
    EXPECT_EQ(a.address(ServiceRole::Account), "http://127.0.0.1:8080/account");
    EXPECT_EQ(a.address(ServiceRole::Games), "http://127.0.0.1:8080/games");
    EXPECT_EQ(a.address(ServiceRole::Statistics), "http://127.0.0.1:8080/stats");
    EXPECT_EQ(a.address(ServiceRole::Tournament), "http://127.0.0.1:8080/tournament");
    EXPECT_EQ(a.address(ServiceRole::Directory), "http://127.0.0.1:8080/directory.txt");
    EXPECT_EQ(a.address(ServiceRole::News), "http://127.0.0.1:8080/news.txt");
    EXPECT_EQ(a.avatarUrl("Bob"), "http://127.0.0.1:8080/avatars/Bob.jpg");
    EXPECT_EQ(a.address(ServiceRole::IpEcho), "http://127.0.0.1:8080/get_ip.php");
    EXPECT_EQ(a.pictureUpload().host, "127.0.0.1");
    EXPECT_EQ(a.pictureUpload().port, 21);
    // Stored enciphered, not in clear.
    EXPECT_EQ(a.enciphered(ServiceRole::Account).find("http"), std::string::npos);

    ASSERT_TRUE(rebaseAddresses(a, "http://club.example:9000/"));
    EXPECT_EQ(a.address(ServiceRole::Tournament), "http://club.example:9000/tournament");
    EXPECT_EQ(a.address(ServiceRole::IpEcho), "http://club.example:9000/get_ip.php");
    EXPECT_EQ(a.pictureUpload().host, "club.example");
    for (const char* bad : {"ftp://x", "http://", "http://a/b", "http://a b", "club:80"}) {
        EXPECT_FALSE(rebaseAddresses(a, bad)) << bad;
    }
    EXPECT_EQ(a.address(ServiceRole::Games), "http://club.example:9000/games");
}

TEST(Directory, ValuesSwitchesAndAddressReplacement) {
    auto games = encipher("http://h/games2", kAddressKey);
    auto stat = encipher("http://h/stats2", kAddressKey);
    std::string doc = "AccPath=notbase64#WTGamesPatt=" + games + "#StatPath=" + stat + "#";
    EXPECT_EQ(directoryValue(doc, "StatPath"), stat);
    EXPECT_EQ(directoryValue(doc, "Missing"), std::nullopt);

    auto a = ServiceAddresses::builtIn();
    OnlineSwitches s;
    EXPECT_TRUE(applyDirectory(doc, a, s));
    EXPECT_EQ(a.address(ServiceRole::Games), "http://h/games2");
    EXPECT_EQ(a.address(ServiceRole::Statistics), "http://h/stats2");
    EXPECT_EQ(a.address(ServiceRole::Account), "http://127.0.0.1:8080/account");  // undecipherable entry ignored
    EXPECT_TRUE(s.topLists && s.chat);

    auto b = ServiceAddresses::builtIn();
    OnlineSwitches p;
    EXPECT_FALSE(applyDirectory("WTGamesPause=1#CTGamesPause=1#WTGamesPatt=" + games + "#", b, p));
    EXPECT_FALSE(p.topLists);
    EXPECT_FALSE(p.chat);
    EXPECT_EQ(b.address(ServiceRole::Games), "http://127.0.0.1:8080/games");

    OnlineSwitches q;
    EXPECT_FALSE(applyDirectory(std::nullopt, b, q));
    EXPECT_TRUE(q.topLists && q.chat);
}

TEST(Directory, NewsEntryAndNewsNumber) {
    auto n = readDirectoryNews("DownLoad_Link_Vantorn=http://h/d/V.apk#NewsVantorn5.3=Y#Title#Text#http://l#12#");
    EXPECT_EQ(n.downloadLink, "http://h/d/V.apk");
    EXPECT_TRUE(n.storeLink.empty());
    EXPECT_TRUE(n.show);
    EXPECT_EQ(n.title, "Title");
    EXPECT_EQ(n.text, "Text");
    EXPECT_EQ(n.link, "http://l");
    EXPECT_EQ(n.number, 12);
    EXPECT_FALSE(readDirectoryNews("NewsVantorn5.3=N#a#b#c#1#").show);
    EXPECT_EQ(newsNumber("<p>QexNews00042</p>"), 42);
    EXPECT_EQ(newsNumber("QexNews   7"), 7);
    EXPECT_EQ(newsNumber("QexNews12a45"), 0);
    EXPECT_EQ(newsNumber("nothing"), 0);
}

TEST(Charsets, Utf8AnswersBecomeWindows1251) {
    EXPECT_EQ(utf8ToCp1251("$\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0 ok#"), "$\xCC\xEE\xF1\xEA\xE2\xE0 ok#");  // Москва
    EXPECT_EQ(utf8ToCp1251("\xD0\x81\xD1\x91"), "\xA8\xB8");                                             // Ёё
    EXPECT_EQ(utf8ToCp1251("a\xE2\x82\xAC\xF0\x9F\x98\x80z"), "a\x88?z");  // € kept, an emoji is not in the set
    EXPECT_EQ(utf8ToCp1251("\xD0"), "?");                                   // cut in the middle
    EXPECT_EQ(utf8ToCp1251("\x80\xC3("), "?\?(");
    EXPECT_TRUE(declaresUtf8("text/plain; charset=UTF-8"));
    EXPECT_TRUE(declaresUtf8("text/html;charset=\"utf-8\""));
    EXPECT_FALSE(declaresUtf8("text/plain; charset=windows-1251"));
    EXPECT_FALSE(declaresUtf8("text/plain"));
}
