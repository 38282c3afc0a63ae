#include "files/settings.h"

#include <gtest/gtest.h>

#include "files/text_lines.h"
#include "temp_dir.h"

namespace vantorn::files {
namespace {

std::string lines(std::initializer_list<std::string> ls) { return joinLines(std::vector<std::string>(ls)); }

// A full file with every value away from its default.
std::string customFile() {
  return lines({"<# General>", "221021013xy151131011", "<# Cards>", "7", "<# Decks>", "121", "<# Individual>",
                "1#####", "<# Fonts>", "Arial", "Times", "Mono", "Courier", "120", "90", "50", "150",
                "<# IP & Port>", "10.0.0.7", "4000", "<# Background>", "054", "<# Name Of Player>",
                "\xC8\xE2\xE0\xED", "<# World Top Ten>", "QUJD", "Nickname", "6-054", "\xCC\xE8\xED\xF1\xEA", "W",
                "REVG", "<# Save Games as GIF>", "\xE8", "0", "250"});
}

TEST(SettingsRead, EmptyInputGivesEveryDefault) {
  SettingsRead r = readSettings("");
  EXPECT_EQ(r.linesRead, 0);
  EXPECT_EQ(r.settings, Settings{});
  const Settings& s = r.settings;
  EXPECT_EQ(s.language, 0);
  EXPECT_TRUE(s.sound && s.music && s.gifAnimation && s.flyCards && s.ownCursors && s.statsReportDue && s.likeSent);
  EXPECT_FALSE(s.networkPlay || s.saveGif || s.moveInQueue);
  EXPECT_EQ(s.flightSpeed, 4);
  EXPECT_EQ(s.headerStyle, 2);
  EXPECT_EQ(s.fontFixed, "FixedSys");
  EXPECT_EQ(s.backgroundKind, 2);
  EXPECT_EQ(s.region, "1-001");
  EXPECT_EQ(s.city, "Moscow");
  EXPECT_EQ(s.gifCapture, 1);
  EXPECT_EQ(s.gifDelay, 1000);
}

TEST(SettingsRead, FullFileSetsEveryValue) {
  SettingsRead r = readSettings(customFile());
  ASSERT_EQ(r.linesRead, 35);
  const Settings& s = r.settings;
  EXPECT_EQ(s.language, 2);
  EXPECT_TRUE(s.sound);
  EXPECT_FALSE(s.music);  // "2": sound only
  EXPECT_TRUE(s.gifAnimation);
  EXPECT_FALSE(s.flyCards);
  EXPECT_EQ(s.clubListMode, 2);
  EXPECT_TRUE(s.networkPlay);
  EXPECT_FALSE(s.ownCursors);
  EXPECT_EQ(s.flightSpeed, 1);
  EXPECT_EQ(s.windowSize, 3);
  EXPECT_FALSE(s.statsReportDue);
  EXPECT_FALSE(s.likeSent);
  EXPECT_TRUE(s.radioFromDisk);
  EXPECT_EQ(s.captionColour, 5);
  EXPECT_TRUE(s.newButtons);
  EXPECT_TRUE(s.darkWindows);
  EXPECT_EQ(s.headerStyle, 3);
  EXPECT_TRUE(s.menuDesign2);
  EXPECT_FALSE(s.tableDesign2);
  EXPECT_TRUE(s.graphicButtons && s.graphicCards);
  EXPECT_EQ(s.cardFaces, 7);
  EXPECT_EQ(s.cardBack, 12);
  EXPECT_TRUE(s.backAlwaysOne);
  EXPECT_TRUE(s.moveInQueue);
  EXPECT_EQ(s.fontDecor, "Arial");
  EXPECT_EQ(s.scaleSerif, 90);
  EXPECT_EQ(s.scaleConew, 150);
  EXPECT_EQ(s.serverAddress, "10.0.0.7");
  EXPECT_EQ(s.serverPort, "4000");
  EXPECT_EQ(s.backgroundKind, 5);
  EXPECT_EQ(s.backgroundColour, 4);
  EXPECT_EQ(s.lastName, "\xC8\xE2\xE0\xED");
  EXPECT_EQ(s.worldName, "Nickname");
  EXPECT_EQ(s.region, "6-054");
  EXPECT_EQ(s.sex, 'W');
  EXPECT_TRUE(s.saveGif);
  EXPECT_EQ(s.gifCapture, 0);
  EXPECT_EQ(s.gifDelay, 250);
}

TEST(SettingsRead, FlagsLineByPosition) {
  // Every position of line 2 with a value away from its default.
  SettingsRead r = readSettings(lines({"<# General>", "k0011015601101031111"}));
  const Settings& s = r.settings;
  EXPECT_EQ(s.language, 20);
  EXPECT_FALSE(s.sound || s.music);
  EXPECT_FALSE(s.gifAnimation);
  EXPECT_TRUE(s.flyCards);
  EXPECT_EQ(s.clubListMode, 1);
  EXPECT_FALSE(s.networkPlay);
  EXPECT_TRUE(s.ownCursors);
  EXPECT_EQ(s.flightSpeed, 5);
  EXPECT_EQ(s.windowSize, 1);  // "6" is out of range
  EXPECT_FALSE(s.statsReportDue);
  EXPECT_FALSE(s.likeSent);
  EXPECT_TRUE(s.radioFromDisk);
  EXPECT_EQ(s.captionColour, 1);  // "0" is out of 1..7
  EXPECT_TRUE(s.newButtons);
  EXPECT_FALSE(s.darkWindows);
  EXPECT_EQ(s.headerStyle, 3);
  EXPECT_TRUE(s.menuDesign2 && s.tableDesign2 && s.graphicButtons && s.graphicCards);
}

TEST(SettingsRead, OnlyTwoLinesWithRussian) {
  SettingsRead r = readSettings("<# General>\r\n1\r\n");
  Settings expected;
  expected.language = 1;
  EXPECT_EQ(r.settings, expected);
}

TEST(SettingsRead, ShortFlagsLineSetsOnlyItsPositions) {
  Settings defaults;
  defaults.windowSize = 3;  // as the main window initialised it
  SettingsRead r = readSettings(lines({"<# General>", "30002"}), defaults);
  const Settings& s = r.settings;
  EXPECT_EQ(s.language, 3);
  EXPECT_FALSE(s.sound || s.music || s.gifAnimation || s.flyCards);
  EXPECT_EQ(s.clubListMode, 2);
  EXPECT_EQ(s.windowSize, 3);
  EXPECT_TRUE(s.ownCursors);
  EXPECT_EQ(s.flightSpeed, 4);
}

TEST(SettingsRead, UnknownCharactersKeepDefaults) {
  SettingsRead r = readSettings(lines({"<# General>", "zx" "9"}));
  EXPECT_EQ(r.settings.language, 0);  // "z" is not a language
  EXPECT_TRUE(r.settings.sound && r.settings.music);
  EXPECT_TRUE(r.settings.gifAnimation);
}

TEST(SettingsRead, ShortDecksLineStopsReading) {
  std::string file = customFile();
  file.replace(file.find("\r\n121\r\n"), 7, "\r\n05\r\n");
  SettingsRead r = readSettings(file);
  EXPECT_EQ(r.linesRead, 5);
  EXPECT_EQ(r.settings.cardFaces, 7);  // line 4 was read
  EXPECT_EQ(r.settings.cardBack, 0);
  EXPECT_FALSE(r.settings.moveInQueue);
  EXPECT_EQ(r.settings.fontDecor, "Comic Sans MS");
  EXPECT_EQ(r.settings.gifDelay, 1000);
}

TEST(SettingsRead, ShortFontNameStopsReadingThere) {
  std::string file = customFile();
  file.replace(file.find("Times"), 5, "T");
  SettingsRead r = readSettings(file);
  EXPECT_EQ(r.linesRead, 10);
  EXPECT_EQ(r.settings.fontDecor, "Arial");
  EXPECT_EQ(r.settings.fontSerif, "Comic Sans MS");
  EXPECT_EQ(r.settings.serverAddress, "127.0.0.1");
}

TEST(SettingsRead, NonNumericValuesTakeTheDefaultAndReadingGoesOn) {
  struct Case {
    const char* from;
    const char* to;
  } cases[] = {{"\r\n7\r\n", "\r\nseven\r\n"}, {"\r\n121\r\n", "\r\nxy1\r\n"}, {"\r\n120\r\n", "\r\n12O\r\n"},
               {"\r\n054\r\n", "\r\n--9\r\n"}, {"\r\n250", "\r\n9999999999"}};
  for (const Case& c : cases) {
    std::string file = customFile();
    file.replace(file.find(c.from), std::string(c.from).size(), c.to);
    SettingsRead r = readSettings(file);
    EXPECT_EQ(r.linesRead, 35) << c.to;
    EXPECT_EQ(r.settings.city, "\xCC\xE8\xED\xF1\xEA") << c.to;
  }
  std::string file = customFile();
  file.replace(file.find("\r\n120\r\n"), 7, "\r\n12O\r\n");
  EXPECT_EQ(readSettings(file).settings.scaleDecor, 100);
  EXPECT_EQ(readSettings(file).settings.scaleSerif, 90);
}

TEST(SettingsRead, OutOfRangeValuesTakeTheDefault) {
  std::string file = customFile();
  file.replace(file.find("\r\n150\r\n"), 7, "\r\n900\r\n");
  file.replace(file.find("6-054"), 5, "6-055");  // continent 6 has countries 0..54
  Settings s = readSettings(file).settings;
  EXPECT_EQ(s.scaleConew, 100);
  EXPECT_EQ(s.region, "1-001");
}

TEST(SettingsRead, EmptyLastNameDoesNotCutOffTheRest) {
  std::string file = customFile();
  file.replace(file.find("\xC8\xE2\xE0\xED"), 4, "");
  SettingsRead r = readSettings(file);
  EXPECT_EQ(r.linesRead, 35);
  EXPECT_EQ(r.settings.lastName, "");
  EXPECT_EQ(r.settings.gifDelay, 250);
}

TEST(SettingsRead, LineEndingsAndLongFields) {
  std::string file = customFile();
  std::string lf;
  for (char c : file)
    if (c != '\r') lf += c;
  EXPECT_EQ(readSettings(lf).settings, readSettings(file).settings);
  file.replace(file.find("Nickname"), 8, "AVeryLongWorldName");
  EXPECT_EQ(readSettings(file).settings.worldName, "AVeryLongWor");
}

TEST(SettingsRegion, Ranges) {
  struct Case {
    const char* region;
    bool valid;
  } cases[] = {{"1-001", true}, {"1-48", true}, {"1-49", false}, {"2-51", true}, {"3-36", false},
               {"4-14", true},  {"5-24", false}, {"6-54", true}, {"7-1", false},  {"0-1", false},
               {"1-", false},   {"1--1", false}, {"11-1", false}, {"1-0000000000001", true}, {"1-00000000000001", false}};
  for (const Case& c : cases) EXPECT_EQ(validRegion(c.region), c.valid) << c.region;
}

TEST(SettingsWrite, WritesThirtyFiveLinesAndRoundTrips) {
  const std::string file = customFile();
  SettingsRead r = readSettings(file);
  std::string written = writeSettings(r.settings);
  EXPECT_EQ(splitLines(written).size(), 35u);
  EXPECT_EQ(readSettings(written).settings, r.settings);
  // Every line is written back as it was; in the flags line the "not due" and "not sent"
  // characters of positions 10 and 11 are written as "0".
  std::vector<std::string> before = splitLines(file), after = splitLines(written);
  for (std::size_t i = 0; i < before.size(); ++i)
    if (i != 1) {
      EXPECT_EQ(after[i], before[i]) << "line " << i + 1;
    }
  EXPECT_EQ(after[1], "22102101300151131011");
  EXPECT_EQ(writeSettings(readSettings(written).settings), written);
}

TEST(SettingsWrite, Defaults) {
  std::vector<std::string> l = splitLines(writeSettings(Settings{}));
  ASSERT_EQ(l.size(), 35u);
  EXPECT_EQ(l[0], "<# General>");
  EXPECT_EQ(l[1], "011110141RL010020000");
  EXPECT_EQ(l[5], "000");
  EXPECT_EQ(l[21], "020");
  EXPECT_EQ(l[23], "");
  EXPECT_EQ(l[32], "\xEB");
  EXPECT_EQ(l[34], "1000");
}

TEST(SettingsWrite, SoundAndMusicCombinations) {
  for (int code = 0; code < 4; ++code) {
    Settings s;
    s.sound = code == 1 || code == 2;
    s.music = code == 1 || code == 3;
    std::string w = writeSettings(s);
    EXPECT_EQ(splitLines(w)[1][1], static_cast<char>('0' + code));
    Settings back = readSettings(w).settings;
    EXPECT_EQ(back.sound, s.sound);
    EXPECT_EQ(back.music, s.music);
  }
}

TEST(SettingsWrite, OutsideValuesCannotBreakTheLayout) {
  Settings s;
  s.language = 99;
  s.flightSpeed = 0;
  s.headerStyle = 7;
  s.lastName = "two\r\nlines";
  s.fontDecor = "";
  s.serverAddress = "";
  s.cardBack = 1234;
  s.gifDelay = -5;
  s.city = "A city with a very long name";
  std::string w = writeSettings(s);
  std::vector<std::string> l = splitLines(w);
  ASSERT_EQ(l.size(), 35u);
  EXPECT_EQ(l[1][0], '0');
  EXPECT_EQ(l[1][7], '4');
  EXPECT_EQ(l[1][15], '1');
  EXPECT_EQ(l[23], "two  lines");
  EXPECT_EQ(l[9], "Comic Sans MS");
  EXPECT_EQ(l[18], "127.0.0.1");
  EXPECT_EQ(l[5], "000");
  EXPECT_EQ(l[28], "A city with a v");
  EXPECT_EQ(readSettings(w).linesRead, 35);
}

TEST(SettingsFile, MissingFileGivesDefaultsAndSaveReplacesWhole) {
  test::TempDir dir;
  const auto path = dir / "Vantorn.ini";
  Settings defaults;
  defaults.windowSize = 4;
  EXPECT_EQ(loadSettings(path, defaults).settings, defaults);
  Settings s = readSettings(customFile()).settings;
  EXPECT_EQ(saveSettings(path, s), std::nullopt);
  EXPECT_EQ(loadSettings(path).settings, s);
}

TEST(SettingsFile, FailedSaveReportsAndKeepsTheOldFile) {
  test::TempDir dir;
  // A folder in the file's place cannot be replaced.
  std::filesystem::create_directory(dir / "Vantorn.ini");
  EXPECT_EQ(saveSettings(dir / "Vantorn.ini", Settings{}), words::Entry::CantSaveOptions);
  EXPECT_TRUE(std::filesystem::is_directory(dir / "Vantorn.ini"));
  EXPECT_EQ(saveSettings(dir / "missing-folder" / "Vantorn.ini", Settings{}), words::Entry::CantSaveOptions);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace vantorn::files
