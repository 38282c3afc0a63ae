#include "online/answer_rules.h"

#include <gtest/gtest.h>

#include <locale>

using namespace vantorn::online;

TEST(NumberAnswer, LastCharacterNeverJoinsTheValue) {
    struct Case {
        const char* answer;
        std::optional<int64_t> expected;
    } cases[] = {
        {"$15", 1},          {"$15#", 15},        {"$15\n", 15},        {"$15\r\n", 15},
        {"text$7$42#", 42},  {"$abc#", std::nullopt}, {"$", std::nullopt}, {"abc$", std::nullopt},
        {"", std::nullopt},  {"$#", std::nullopt}, {"$12x34#", 12},     {"$5$", 5},
        {"$99999999999999999999999#", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(numberAnswer(c.answer), c.expected) << c.answer;
}

TEST(NumberAnswer, OnlyTheLastDollarIsTried) {
    // The last "$" that is not the last character is followed by letters: no fallback to "$12".
    EXPECT_EQ(numberAnswer("$12#$x#"), std::nullopt);
}

TEST(MarkerTest, IsCaseSensitiveAndFindsPairsInsideWords) {
    EXPECT_TRUE(hasMarker("book", "ok"));
    EXPECT_FALSE(hasMarker("OK", "ok"));
    EXPECT_TRUE(hasMarker("$Snowtown#", "no"));
    EXPECT_FALSE(hasMarker("", "ok"));
}

TEST(StatusAnswer, ReadsTheTextAfterTheLastDollar) {
    EXPECT_TRUE(statusAnswer("$ok#"));
    EXPECT_TRUE(statusAnswer("junk$no#$okay"));
    EXPECT_FALSE(statusAnswer("ok"));
    EXPECT_FALSE(statusAnswer("$ok#$no#"));
    EXPECT_FALSE(statusAnswer("$o#k"));
    EXPECT_FALSE(statusAnswer("$"));
}

TEST(RecordAnswer, WordsAreIndexedFromOneAndKeepEmptyWords) {
    auto w = recordWords("xx$Moscow  1-001 M#");
    ASSERT_EQ(w.size(), 5u);
    EXPECT_EQ(w[0], "");
    EXPECT_EQ(w[1], "Moscow");
    EXPECT_EQ(w[2], "");
    EXPECT_EQ(w[3], "1-001");
    EXPECT_EQ(w[4], "M");
    // Without a closing "$" the record ends before the last character.
    EXPECT_EQ(recordWords("$a b")[2], "");
    EXPECT_EQ(recordWords("$a b$c")[2], "b");
    EXPECT_TRUE(recordWords("no record").empty());
    EXPECT_TRUE(recordWords("only at the end$").empty());
}

TEST(RecordAnswer, TildeSeparatedCardKeepsAnEmptySecondName) {
    auto w = recordWords("$Ivan~~Petrov#", '~');
    ASSERT_GE(w.size(), 4u);
    EXPECT_EQ(w[1], "Ivan");
    EXPECT_EQ(w[2], "");
    EXPECT_EQ(w[3], "Petrov");
}

TEST(ListAnswer, ReadsAtMostTenRecords) {
    std::string twelve;
    for (int i = 1; i <= 12; ++i) twelve += "$" + std::to_string(i) + " x*";
    auto records = listRecords(twelve);
    ASSERT_EQ(records.size(), 10u);
    EXPECT_EQ(records[9][1], "10");
    auto three = listRecords("$1 a*$2 b*$3 c*\n");
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(three[2][2], "c");
}

TEST(BalanceAnswer, NeedsAWholeNumberBetweenTheDollars) {
    EXPECT_EQ(balanceAnswer("$150$"), 150);
    EXPECT_EQ(balanceAnswer("$150#"), 150);
    EXPECT_EQ(balanceAnswer("$-20$"), -20);
    EXPECT_EQ(balanceAnswer("$15x$"), std::nullopt);
    EXPECT_EQ(balanceAnswer("$$"), std::nullopt);
}

TEST(Rating, ReadsAnySeparatorAndFormatsWithAPoint) {
    EXPECT_DOUBLE_EQ(readRating("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(readRating("12,5"), 12.5);
    EXPECT_DOUBLE_EQ(readRating("  -3.25"), -3.25);
    EXPECT_DOUBLE_EQ(readRating(""), 0);
    EXPECT_DOUBLE_EQ(readRating("7"), 7);
    EXPECT_EQ(formatRating(12.5), "12.5");
    EXPECT_EQ(formatRating(0.000001), "0");
    EXPECT_EQ(formatRating(-0.000009), "0");
    EXPECT_EQ(formatRating(-1000 + 1.0 / 30), "-999.9666666666667");
    EXPECT_DOUBLE_EQ(readRating(formatRating(-1000 + 1.0 / 30)), -1000 + 1.0 / 30);
}

TEST(Rating, PointSeparatorWhateverTheProgramsLocale) {
    // A locale whose decimal separator is a comma, as on many players' systems.
    struct Comma : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    std::locale previous = std::locale::global(std::locale(std::locale::classic(), new Comma));
    EXPECT_EQ(formatRating(12.5), "12.5");
    EXPECT_DOUBLE_EQ(readRating("12.5"), 12.5);
    std::locale::global(previous);
}
