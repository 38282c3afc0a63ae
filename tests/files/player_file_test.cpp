#include "files/player_file.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "files/text_lines.h"
#include "temp_dir.h"

namespace vantorn::files {
namespace {

std::string record(const std::string& name, double rating, long long games = 10, long long score = 0,
                   const std::string& password = "pw") {
  return formatRecord(name, rating, games, score, encodePassword(password));
}

PlayerFile withRecords(std::initializer_list<std::string> records) {
  PlayerFile f = PlayerFile::delivered();
  for (const std::string& r : records) f.storeRecord(r, false);
  f.updateSums();
  return f;
}

TEST(PlayerRecord, FieldsAndFormats) {
  std::string r = formatRecord("Anna", 1.5, 42, -17, encodePassword("abc"));
  ASSERT_EQ(r.size(), kRecordWidth);
  EXPECT_EQ(r.substr(0, 20), "Anna                ");
  EXPECT_EQ(r.substr(20, 10), "  1,500000");
  EXPECT_EQ(r.substr(30, 7), "     42");
  EXPECT_EQ(r[37], ' ');
  EXPECT_EQ(r.substr(38, 6), "   -17");
  EXPECT_EQ(r.substr(44), "310311312245245");  // 'a' 97 + 213 ...; spaces 32 + 213
  std::optional<RecordFields> f = parseRecord(r);
  ASSERT_TRUE(f);
  EXPECT_DOUBLE_EQ(f->rating, 1.5);
  EXPECT_EQ(f->games, 42);
  EXPECT_EQ(f->score, -17);
  EXPECT_TRUE(recordIsEmpty(emptyRecord()));
  EXPECT_EQ(emptyRecord().size(), kRecordWidth);
  EXPECT_FALSE(parseRecord(emptyRecord()));
}

TEST(PlayerRecord, RatingField) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {{0, "  0,000000"},  {1.5, "  1,500000"},   {-0.5, " -0,500000"},
               {150, " 99,990000"}, {-150, "-99,990000"}, {-0.0000001, "  0,000000"}};
  for (const Case& c : cases) EXPECT_EQ(formatRatingField(c.value), c.text) << c.value;
  EXPECT_DOUBLE_EQ(*parseRatingField("-12,345678"), -12.345678);
  EXPECT_FALSE(parseRatingField("  1,5x0000"));
  EXPECT_FALSE(parseRatingField("          "));
}

TEST(PlayerRecord, OverlongAndHostileFieldsKeepTheWidth) {
  std::string r = formatRecord("A name far longer than twenty\r\n", 1e300, 123456789012LL, -123456789, "bad");
  ASSERT_EQ(r.size(), kRecordWidth);
  EXPECT_EQ(r.substr(0, 20), "A name far longer th");
  EXPECT_EQ(r.substr(20, 10), " 99,990000");
  EXPECT_EQ(r.substr(30, 7), "9999999");
  EXPECT_EQ(r.substr(38, 6), "-99999");
  EXPECT_TRUE(decodePassword(r.substr(44)));
}

TEST(PlayerPassword, RoundTripPadsToFive) {
  for (std::string pw : {std::string("abc"), std::string("12345"), std::string("\xCF\xE0\xF0"), std::string()}) {
    std::string code = encodePassword(pw);
    ASSERT_EQ(code.size(), 15u);
    std::string padded = pw;
    padded.resize(5, ' ');
    EXPECT_EQ(decodePassword(code), padded);
  }
  EXPECT_EQ(decodePassword(encodePassword("toolong")), "toolo");
  EXPECT_EQ(encodePassword("\xFF"), "468245245245245");
  EXPECT_FALSE(decodePassword("12345678901234"));
  EXPECT_FALSE(decodePassword("31031131224524x"));
  EXPECT_FALSE(decodePassword("100311312245245"));  // 100 - 213 is no byte
  EXPECT_FALSE(decodePassword("999311312245245"));
}

TEST(PlayerRating, UpdateAndLimits) {
  // First game: result 100 points is 2.0.
  EXPECT_DOUBLE_EQ(updateRating(1, 100, 0, 0), 2.0);
  // (3 * 1.5 + 25 / 50) / 4 = 1.25
  EXPECT_DOUBLE_EQ(updateRating(4, 25, 3, 1.5), 1.25);
  // (2 * 0.1 - 1 / 50) / 3 = 0.06
  EXPECT_DOUBLE_EQ(updateRating(3, -1, 2, 0.1), 0.06);
  // Six decimals: 1 / 50 / 3 = 0.006666.. -> 0.006667
  EXPECT_DOUBLE_EQ(updateRating(3, 1, 2, 0), 0.006667);
  EXPECT_DOUBLE_EQ(updateRating(1, 7500, 0, 0), 99.99);  // 150 is limited
  EXPECT_DOUBLE_EQ(updateRating(1, -7500, 0, 0), -99.99);
  EXPECT_DOUBLE_EQ(updateRating(0, 100, 0, 5), 5);  // no games: unchanged
  EXPECT_EQ(formatRatingField(updateRating(1, 7500, 0, 0)), " 99,990000");
}

TEST(PlayerFileCheck, DeliveredFileIsValid) {
  PlayerFile f = PlayerFile::delivered();
  std::string bytes = f.bytes();
  EXPECT_EQ(splitLines(bytes).size(), 17u);
  PlayerCheckResult r = checkPlayerBytes(bytes);
  EXPECT_EQ(r.status, PlayerCheck::Valid) << r.reason;
  EXPECT_FALSE(r.russianEdition);
  EXPECT_EQ(r.installationLabel, "vtn");
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(f.record(k), emptyRecord());
  EXPECT_EQ(f.line(16).substr(0, 2), "i}");
}

TEST(PlayerFileCheck, SumsAreComputedOverTheFirst583Bytes) {
  PlayerFile f = withRecords({record("Anna", 1.0)});
  std::string joined;
  for (int n = 1; n <= 16; ++n) joined += f.line(n);
  ASSERT_EQ(joined.size(), kCheckedBytes);
  unsigned all = 0, even = 0, third = 0;
  for (std::size_t i = 0; i < joined.size(); ++i) {
    unsigned v = static_cast<unsigned char>(joined[i]);
    all += v;
    if ((i + 1) % 2 == 0) even += v;
    if ((i + 1) % 3 == 0) third += v;
  }
  char expected[32];
  std::snprintf(expected, sizeof expected, "%06u%06u%06u", all, even, third);
  EXPECT_EQ(f.line(17).substr(10), expected);
}

TEST(PlayerFileCheck, AnyTamperedByteOfTheCheckedPartIsCaught) {
  const std::string good = withRecords({record("Anna", 1.0), record("Boris", 2.0)}).bytes();
  // Change one byte at every position of lines 1..16 and of the sums in line 17.
  std::size_t lineStart = 0;
  for (int line = 1; line <= 17; ++line) {
    std::size_t width = line <= 5 ? 59 : line <= 15 ? 26 : 28;
    for (std::size_t col = line == 17 ? 10 : 0; col < width; ++col) {
      std::string bad = good;
      bad[lineStart + col] = static_cast<char>(bad[lineStart + col] == '7' ? '8' : '7');
      ASSERT_EQ(checkPlayerBytes(bad).status, PlayerCheck::Incorrect) << "line " << line << " col " << col + 1;
    }
    lineStart += width + 2;
  }
}

TEST(PlayerFileCheck, StructureAndMark) {
  const std::string good = PlayerFile::delivered().bytes();
  std::vector<std::string> lines = splitLines(good);
  auto variant = [&](auto change) {
    std::vector<std::string> l = lines;
    change(l);
    return checkPlayerBytes(joinLines(l)).status;
  };
  EXPECT_EQ(variant([](auto& l) { l.pop_back(); }), PlayerCheck::Incorrect);
  EXPECT_EQ(variant([](auto& l) { l.push_back(""); }), PlayerCheck::Incorrect);
  EXPECT_EQ(variant([](auto& l) { l[2] += "#"; }), PlayerCheck::Incorrect);
  EXPECT_EQ(variant([](auto& l) { l[7].pop_back(); }), PlayerCheck::Incorrect);
  EXPECT_EQ(variant([](auto& l) { l[16].replace(12, 1, "x"); }), PlayerCheck::Incorrect);  // non-numeric sum
  // A wrong mark with sums made to match is still incorrect.
  PlayerFile f = PlayerFile::delivered();
  std::vector<std::string> l = splitLines(f.bytes());
  l[15][1] = '{';
  std::optional<PlayerFile> marked = PlayerFile::parse(joinLines(l));
  ASSERT_TRUE(marked);
  marked->updateSums();
  EXPECT_EQ(checkPlayerBytes(marked->bytes()).status, PlayerCheck::Incorrect);
  // Line 17 outside the sums is not covered: the edition mark and label can be set.
  l = splitLines(f.bytes());
  l[16][0] = '1';
  l[16].replace(6, 3, "idd");
  PlayerCheckResult r = checkPlayerBytes(joinLines(l));
  EXPECT_EQ(r.status, PlayerCheck::Valid);
  EXPECT_TRUE(r.russianEdition);
  EXPECT_EQ(r.installationLabel, "idd");
  EXPECT_EQ(checkPlayerBytes("").status, PlayerCheck::Incorrect);
  // The edition mark makes the program start in Russian whatever the settings say.
  EXPECT_EQ(startupLanguage(2, r), 1);
  EXPECT_EQ(startupLanguage(2, checkPlayerBytes(f.bytes())), 2);
  l[16][0] = '2';
  EXPECT_EQ(startupLanguage(0, checkPlayerBytes(joinLines(l))), 0);
}

TEST(PlayerFileRecords, StoreOrdersByRatingAndEqualGoesFirst) {
  PlayerFile f = withRecords({record("C", 1.0), record("A", 3.0), record("B", 2.0)});
  EXPECT_EQ(f.record(1).substr(0, 1), "A");
  EXPECT_EQ(f.record(2).substr(0, 1), "B");
  EXPECT_EQ(f.record(3).substr(0, 1), "C");
  EXPECT_TRUE(recordIsEmpty(f.record(4)));
  StoreResult r = f.storeRecord(record("D", 2.0), false);
  EXPECT_TRUE(r.stored);
  EXPECT_EQ(f.record(2).substr(0, 1), "D");
  EXPECT_EQ(f.record(3).substr(0, 1), "B");
  EXPECT_EQ(r.topTenPlace, 0);
}

TEST(PlayerFileRecords, LowestNewPlayerWithFullClubIsNotStored) {
  PlayerFile f = withRecords({record("A", 5), record("B", 4), record("C", 3), record("D", 2), record("E", 1)});
  const std::string before = f.bytes();
  StoreResult r = f.storeRecord(record("F", 0.5), false);
  EXPECT_FALSE(r.stored);
  f.updateSums();
  EXPECT_EQ(f.bytes(), before);
  // A better one pushes the fifth out.
  EXPECT_TRUE(f.storeRecord(record("G", 3.5), false).stored);
  EXPECT_EQ(f.record(3).substr(0, 1), "G");
  EXPECT_EQ(f.record(5).substr(0, 1), "D");
}

TEST(PlayerFileRecords, RemoveMovesUp) {
  PlayerFile f = withRecords({record("A", 5), record("B", 4), record("C", 3), record("D", 2), record("E", 1)});
  f.removeRecord(2);
  EXPECT_EQ(f.record(2).substr(0, 1), "C");
  EXPECT_EQ(f.record(3).substr(0, 1), "D");
  EXPECT_EQ(f.record(4).substr(0, 1), "E");
  EXPECT_EQ(f.record(5), emptyRecord());
  const std::string before = f.bytes();
  for (int slot : {0, 6, 7, 8, -1}) f.removeRecord(slot);
  EXPECT_EQ(f.bytes(), before);
}

TEST(PlayerFileRecords, SeriesEndEntersTheTopTenAndZeroesTheScore) {
  PlayerFile f = PlayerFile::delivered();
  // Top Ten 90, 80, ..., 0 by storing ten series results.
  for (int i = 0; i < 10; ++i) f.storeRecord(record("P" + std::to_string(i), 0, 30, i * 10), true);
  for (int i = 1; i <= 10; ++i)
    EXPECT_EQ(f.topTen(i), leftPaddedCut("P" + std::to_string(10 - i), 20) + rightAligned(std::to_string((10 - i) * 10), 6));
  // Equal to the fourth entry (60): placed before it, the tenth falls out.
  StoreResult r = f.storeRecord(record("Neo", 1.0, 60, 60), true);
  EXPECT_EQ(r.topTenPlace, 4);
  EXPECT_EQ(r.seriesScore, 60);
  EXPECT_EQ(f.topTen(4).substr(0, 3), "Neo");
  EXPECT_EQ(f.topTen(5).substr(0, 2), "P6");
  EXPECT_EQ(f.topTen(10).substr(0, 2), "P1");
  EXPECT_EQ(f.record(1).substr(0, 3), "Neo");
  EXPECT_EQ(f.record(1).substr(38, 6), "     0");
  // Below the tenth: no place, but the score still restarts.
  r = f.storeRecord(record("Low", 0.5, 90, -5), true);
  EXPECT_EQ(r.topTenPlace, 0);
  EXPECT_EQ(f.record(2).substr(38, 6), "     0");
  // Not at a series end: the Top Ten is untouched and the score kept.
  r = f.storeRecord(record("Mid", 0.7, 31, 500), false);
  EXPECT_EQ(r.topTenPlace, 0);
  EXPECT_EQ(f.topTen(1).substr(0, 2), "P9");
  EXPECT_EQ(f.record(2).substr(38, 6), "   500");
  EXPECT_TRUE(seriesEnded(30) && seriesEnded(60) && seriesEnded(90));
  EXPECT_FALSE(seriesEnded(0) || seriesEnded(29) || seriesEnded(31));
}

// --- The file edge ----------------------------------------------------------------------

TEST(PlayerFileStore, MissingIncorrectAndValid) {
  test::TempDir dir;
  PlayerFileStore missing(dir / "Vantorn.clb");
  EXPECT_EQ(missing.check().status, PlayerCheck::Missing);

  test::writeBytes(dir / "Vantorn.clb", PlayerFile::delivered().bytes());
  PlayerFileStore store(dir / "Vantorn.clb");
  PlayerCheckResult r = store.check();
  EXPECT_EQ(r.status, PlayerCheck::Valid);
  EXPECT_FALSE(r.isProtected);

  // One name character changed in line 1: the next start reports the incorrect file.
  ASSERT_EQ(store.storeRecord(record("Anna", 1.0), false).error, std::nullopt);
  std::string bytes = test::readBytes(dir / "Vantorn.clb");
  bytes[0] = 'E';
  test::writeBytes(dir / "Vantorn.clb", bytes);
  EXPECT_EQ(PlayerFileStore(dir / "Vantorn.clb").check().status, PlayerCheck::Incorrect);
  // An edited file is not signed anew by the next change.
  EXPECT_EQ(store.removeRecord(1), words::Entry::TheIncorrectFile);
  EXPECT_EQ(test::readBytes(dir / "Vantorn.clb"), bytes);
}

TEST(PlayerFileStore, GameEndRewritesWithSums) {
  test::TempDir dir;
  test::writeBytes(dir / "Vantorn.net", PlayerFile::delivered().bytes());
  PlayerFileStore store(dir / "Vantorn.net");
  ASSERT_EQ(store.check().status, PlayerCheck::Valid);
  ASSERT_EQ(store.storeRecord(record("Anna", 1.0, 1, 5, "kiss"), false).error, std::nullopt);
  ASSERT_EQ(store.storeRecord(record("Boris", 0.5, 1, 5), false).error, std::nullopt);
  EXPECT_EQ(store.readPassword(1), "kiss ");
  // Boris (record 2) finishes his 30th game with the best rating.
  StoreOutcome out = store.finishGame(2, record("Boris", 2.0, 30, 77), true);
  EXPECT_EQ(out.error, std::nullopt);
  EXPECT_EQ(out.result.topTenPlace, 1);
  std::optional<PlayerFile> f = store.load();
  ASSERT_TRUE(f);
  EXPECT_TRUE(f->sumsMatch());
  EXPECT_EQ(f->record(1).substr(0, 5), "Boris");
  EXPECT_EQ(f->record(2).substr(0, 4), "Anna");
  EXPECT_TRUE(recordIsEmpty(f->record(3)));
  EXPECT_EQ(f->topTen(1), leftPaddedCut("Boris", 20) + "    77");
  EXPECT_EQ(checkPlayerBytes(f->bytes()).status, PlayerCheck::Valid);
  // Leaving a game removes the record.
  EXPECT_EQ(store.removeRecord(1), std::nullopt);
  EXPECT_EQ(store.load()->record(1).substr(0, 4), "Anna");
  EXPECT_EQ(PlayerFileStore(dir / "Vantorn.net").check().status, PlayerCheck::Valid);
}

TEST(PlayerFileStore, ProtectedFileIsNeverWritten) {
  test::TempDir dir;
  const auto path = dir / "Vantorn.clb";
  test::writeBytes(path, PlayerFile::delivered().bytes());
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  PlayerFileStore store(path);
  PlayerCheckResult r = store.check();
  EXPECT_EQ(r.status, PlayerCheck::Valid);
  EXPECT_TRUE(r.isProtected);
  EXPECT_FALSE(store.writable());
  EXPECT_EQ(store.storeRecord(record("Anna", 1.0), false).error, std::nullopt);
  EXPECT_EQ(test::readBytes(path), PlayerFile::delivered().bytes());
}

TEST(PlayerFileStore, FailedWriteLeavesTheFile) {
  test::TempDir dir;
  const auto path = dir / "Vantorn.clb";
  test::writeBytes(path, PlayerFile::delivered().bytes());
  PlayerFileStore store(path);
  ASSERT_EQ(store.check().status, PlayerCheck::Valid);
  // The file disappears under the program: nothing to rewrite.
  std::filesystem::remove(path);
  EXPECT_EQ(store.removeRecord(1), words::Entry::ErrorOfDiskWriting);
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(PlayerMessages, ComposedWithThePath) {
  EXPECT_EQ(fileErrorMessage(words::Entry::TheIncorrectFile, "/x/Vantorn.clb", words::Language::English),
            "The incorrect file \"/x/Vantorn.clb\"!");
  EXPECT_EQ(fileErrorMessage(words::Entry::CantFindTheFile, "a", words::Language::English),
            "Can`t find the file \"a\"!");
  EXPECT_EQ(attributesWarning("a", words::Language::English),
            "The file \"a\" has incorrect attributes!\n\rThe work of the program will be incorrect!");
}

}  // namespace
}  // namespace vantorn::files
