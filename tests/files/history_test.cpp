#include "files/history.h"

#include <gtest/gtest.h>

#include "files/text_lines.h"
#include "temp_dir.h"

namespace vantorn::files {
namespace {

const Stamp kStamp{2026, 12, 11, 9, 5};

HistoryRecord rec(std::string name = "Anna", int result = 120, double rating = 2.4,
                  GameKind kind = GameKind::Local) {
  return HistoryRecord{std::move(name), 1, result, rating, kind};
}

TEST(HistoryLine, Layout) {
  std::string l = historyLine(rec("Anna", -85, -3.456, GameKind::Network), kStamp);
  ASSERT_EQ(l.size(), kHistoryLineWidth);
  EXPECT_EQ(l.substr(0, 5), "09:05");
  EXPECT_EQ(l.substr(5, 10), "11.12.2026");
  EXPECT_EQ(l.substr(15, 51), leftPaddedCut("Anna", 51));
  EXPECT_EQ(l.substr(66, 3), "  1");
  EXPECT_EQ(l.substr(69, 10), "       -85");
  EXPECT_EQ(l.substr(79, 10), "     -3,46");
  EXPECT_EQ(l.substr(89, 10), "N#########");
  ThreeSums s = threeSums(l.substr(0, 99));
  EXPECT_EQ(l.substr(99), zeroPadded(s.all, 5) + zeroPadded(s.even, 5) + zeroPadded(s.third, 5));
  EXPECT_EQ(historyLine(rec("x", 0, 0, GameKind::Account), kStamp).substr(89, 1), "A");
  EXPECT_EQ(historyLine(rec("x", 0, 0, GameKind::Tournament), kStamp).substr(89, 1), "T");
}

TEST(HistoryLine, LongNameAndHugeNumbersKeepTheWidth) {
  HistoryRecord r = rec(std::string(60, 'n') + "\r\n", 0, 1e12);
  r.games = 100000;
  r.result = INT32_MIN;
  std::string l = historyLine(r, kStamp);
  ASSERT_EQ(l.size(), kHistoryLineWidth);
  EXPECT_EQ(l.substr(15, 51), std::string(51, 'n'));
  EXPECT_EQ(l.substr(66, 3), "999");
  EXPECT_EQ(l.substr(69, 10), "-999999999");
  EXPECT_EQ(l.substr(79, 10), "9999999,99");
}

TEST(HistoryLine, RatingText) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {{0, "0,00"},      {0.05, "0,05"},   {0.25, "0,25"},    {12.5, "12,50"},
               {-3.456, "-3,46"}, {-0.05, "-0,05"}, {99.99, "99,99"}, {0.004, "0,00"}};
  for (const Case& c : cases) EXPECT_EQ(ratingText(c.value), c.text) << c.value;
}

TEST(HistoryFile, FirstGameMakesThreeLines) {
  std::string bytes = appendHistoryBytes(std::nullopt, {rec()}, kStamp);
  std::vector<std::string> l = splitLines(bytes);
  ASSERT_EQ(l.size(), 3u);
  EXPECT_EQ(l[1], historyEndLine());
  EXPECT_EQ(l[1].substr(0, 4), "$i}#");
  EXPECT_EQ(l[1].size(), kHistoryLineWidth);
  ThreeSums t = threeSums(l[0].substr(0, 99));
  t.add(threeSums(l[1].substr(0, 99)));
  EXPECT_EQ(l[2], zeroPadded(t.all, 10) + zeroPadded(t.even, 10) + zeroPadded(t.third, 10));
  HistoryValidation v = validateHistory(bytes);
  EXPECT_TRUE(v.valid) << v.reason;
  EXPECT_EQ(v.records, 1);
}

TEST(HistoryFile, AppendKeepsEarlierLines) {
  std::string one = appendHistoryBytes(std::nullopt, {rec("A")}, kStamp);
  std::string two = appendHistoryBytes(one, {rec("B"), rec("C")}, kStamp);
  HistoryValidation v = validateHistory(two);
  EXPECT_TRUE(v.valid);
  EXPECT_EQ(v.records, 3);
  std::vector<HistoryRow> rows = historyRows(two);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].player.substr(0, 1), "A");
  EXPECT_EQ(rows[2].player.substr(0, 1), "C");
  EXPECT_EQ(rows[0].rating, "      2,40");
  EXPECT_EQ(kindWord(rows[0].kind), "Local");
}

TEST(HistoryFile, ValidationCatchesDamage) {
  const std::string good = appendHistoryBytes(std::nullopt, {rec("Anna"), rec("Boris")}, kStamp);
  // Any changed byte of positions 1..99 of any line, or of the totals.
  std::vector<std::string> lines = splitLines(good);
  for (std::size_t li = 0; li < lines.size(); ++li) {
    std::size_t width = li + 1 == lines.size() ? 30 : 99;
    for (std::size_t col = 0; col < width; ++col) {
      std::vector<std::string> l = lines;
      l[li][col] = l[li][col] == '5' ? '6' : '5';
      if (li + 1 < lines.size() && col == 0) continue;  // "$" in front of a record moves the end
      EXPECT_FALSE(validateHistory(joinLines(l)).valid) << "line " << li + 1 << " col " << col + 1;
    }
  }
  // The stored check fields of a line are not part of the validation.
  std::vector<std::string> l = lines;
  l[0][105] = l[0][105] == '1' ? '2' : '1';
  EXPECT_TRUE(validateHistory(joinLines(l)).valid);
  // Short lines, a missing end or totals line.
  l = lines;
  l[0].pop_back();
  EXPECT_FALSE(validateHistory(joinLines(l)).valid);
  l = lines;
  l.pop_back();
  EXPECT_FALSE(validateHistory(joinLines(l)).valid);
  l.pop_back();
  EXPECT_FALSE(validateHistory(joinLines(l)).valid);
  EXPECT_FALSE(validateHistory("").valid);
  l = lines;
  l.back().resize(29);
  EXPECT_FALSE(validateHistory(joinLines(l)).valid);
}

TEST(HistoryStore, FolderCreatedAndFileNamed) {
  test::TempDir dir;
  HistoryStore store{dir / "History", "Vantorn.clb"};
  EXPECT_EQ(historyFileName("Vantorn.clb", 1), "Vantorn_I0001.hst");
  EXPECT_EQ(historyFileName("Vantorn.net", 9999), "Vantorn_I9999.hst");
  EXPECT_TRUE(store.listed().empty());
  int written = 0;
  ASSERT_EQ(store.append({rec()}, kStamp, &written), std::nullopt);
  EXPECT_EQ(written, 1);
  EXPECT_TRUE(std::filesystem::exists(dir / "History" / "Vantorn_I0001.hst"));
  EXPECT_EQ(splitLines(test::readBytes(dir / "History" / "Vantorn_I0001.hst")).size(), 3u);
  EXPECT_EQ(store.listed(), std::vector<int>{1});
  const Stamp today = nowStamp();
  char date[16];
  std::snprintf(date, sizeof date, "%02d.%02d.%04d", today.day, today.month, today.year);
  EXPECT_EQ(store.validate(1).date, date);
  EXPECT_EQ(store.listItem(1, words::Language::English), std::string("File I0001 ") + date);
}

TEST(HistoryStore, The840thRecordFillsTheFileAndThe841stStartsTheNext) {
  test::TempDir dir;
  HistoryStore store{dir / "History", "Vantorn.clb"};
  std::vector<HistoryRecord> many(839, rec());
  std::string bytes;
  for (int i = 0; i < 839; i += 4)
    bytes = appendHistoryBytes(i == 0 ? std::nullopt : std::optional<std::string_view>(bytes),
                               std::vector<HistoryRecord>(std::min(4, 839 - i), rec()), kStamp);
  ASSERT_EQ(validateHistory(bytes).records, 839);
  std::filesystem::create_directories(dir / "History");
  test::writeBytes(store.file(1), bytes);
  int written = 0;
  ASSERT_EQ(store.append({rec("840th")}, kStamp, &written), std::nullopt);
  EXPECT_EQ(written, 1);
  EXPECT_EQ(store.validate(1).records, 840);
  ASSERT_EQ(store.append({rec("841st")}, kStamp, &written), std::nullopt);
  EXPECT_EQ(written, 2);
  EXPECT_EQ(store.validate(2).records, 1);
  EXPECT_EQ(store.validate(1).records, 840);
  EXPECT_EQ(store.listed(), (std::vector<int>{1, 2}));
}

TEST(HistoryStore, TamperedFileIsDroppedFromTheListAndReplaced) {
  test::TempDir dir;
  HistoryStore store{dir / "History", "Vantorn.clb"};
  ASSERT_EQ(store.append({rec("Anna")}, kStamp), std::nullopt);
  ASSERT_EQ(store.append({rec("Boris")}, kStamp), std::nullopt);
  std::string bytes = test::readBytes(store.file(1));
  bytes[20] = 'X';
  test::writeBytes(store.file(1), bytes);
  EXPECT_TRUE(store.listed().empty());
  int written = 0;
  ASSERT_EQ(store.append({rec("Clara")}, kStamp, &written), std::nullopt);
  EXPECT_EQ(written, 1);
  HistoryValidation v = store.validate(1);
  EXPECT_TRUE(v.valid);
  EXPECT_EQ(v.records, 1);
  EXPECT_EQ(historyRows(test::readBytes(store.file(1)))[0].player.substr(0, 5), "Clara");
}

TEST(HistoryStore, FailedWriteReportsAndChangesNothing) {
  test::TempDir dir;
  test::writeBytes(dir / "History", "a file where the folder should be");
  HistoryStore store{dir / "History", "Vantorn.clb"};
  EXPECT_EQ(store.append({rec()}, kStamp), words::Entry::CantSaveHistory);
  EXPECT_EQ(test::readBytes(dir / "History"), "a file where the folder should be");
}

}  // namespace
}  // namespace vantorn::files
