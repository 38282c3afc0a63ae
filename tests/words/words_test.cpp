#include "words/text.h"

#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include <gtest/gtest.h>

namespace vantorn::words {
namespace {

constexpr std::array<Language, kLanguageCount> kAll = {
    Language::English, Language::Russian, Language::German,  Language::French,   Language::Spanish,
    Language::Chinese, Language::Italian, Language::Czech,   Language::Japanese, Language::Korean};

Entry entryAt(std::size_t i) { return static_cast<Entry>(i); }

TEST(WordsTable, EveryEntryHasTenTextsWithWellFormedLineBreaks) {
  for (std::size_t i = 0; i < kEntryCount; ++i) {
    for (Language l : kAll) {
      std::string_view t = text(entryAt(i), l);
      ASSERT_FALSE(t.empty()) << entryName(entryAt(i));
      // A line break is line feed then carriage return, never the other way round.
      for (std::size_t p = 0; p < t.size(); ++p) {
        if (t[p] == '\n') {
          EXPECT_TRUE(p + 1 < t.size() && t[p + 1] == '\r') << entryName(entryAt(i));
        }
        if (t[p] == '\r') {
          EXPECT_TRUE(p > 0 && t[p - 1] == '\n') << entryName(entryAt(i));
        }
      }
    }
  }
}

TEST(WordsTable, LineBreakCountAgreesAcrossLanguages) {
  for (std::size_t i = 0; i < kEntryCount; ++i) {
    auto breaks = [&](Language l) {
      std::string_view t = text(entryAt(i), l);
      return std::count(t.begin(), t.end(), '\n');
    };
    for (Language l : kAll) EXPECT_EQ(breaks(l), breaks(Language::English)) << entryName(entryAt(i));
  }
}

TEST(WordsTable, LookupByLanguage) {
  EXPECT_EQ(text(Entry::ErrorOfDiskWriting, Language::English), "Error of disk writing!");
  EXPECT_EQ(text(Entry::ErrorOfDiskWriting, Language::Russian), "Ошибка записи на диск!");
  EXPECT_EQ(entryName(Entry::ErrorOfDiskWriting), "ErrorOfDiskWriting");
  EXPECT_EQ(languageFromIndex(1), Language::Russian);
  EXPECT_EQ(languageFromIndex(9), Language::Korean);
  EXPECT_EQ(languageFromIndex(10), Language::English);
  EXPECT_EQ(languageFromIndex(-1), Language::English);
  EXPECT_EQ(text(Entry::TheIncorrectFile, static_cast<Language>(15)), "The incorrect file");
}

TEST(WordsTable, MonthsTitlesAndCalendarLabels) {
  EXPECT_EQ(monthName(1, Language::English), "January");
  EXPECT_EQ(monthName(9, Language::English), "September");
  EXPECT_EQ(monthName(5, Language::Russian), "Мая");
  EXPECT_EQ(monthName(12, Language::Russian), "Декабря");
  EXPECT_EQ(monthName(0, Language::English), "");
  EXPECT_EQ(monthName(13, Language::English), "");
  for (Language l : kAll) {
    std::set<std::string_view> months;
    for (int m = 1; m <= 12; ++m) months.insert(monthName(m, l));
    EXPECT_EQ(months.size(), 12u);
    EXPECT_EQ(title(l), "Vantorn");
    EXPECT_EQ(titleUpper(l), "VANTORN");
  }
  EXPECT_EQ(categoryLabel("RUS", Language::English), "Russian Festival");
  EXPECT_EQ(categoryLabel("USA", Language::Russian), "Праздник США");
  EXPECT_EQ(categoryLabel("KAT", Language::English), "Catholic feast");
  EXPECT_EQ(categoryLabel("ALL", Language::English), "");
  EXPECT_EQ(categoryLabel("RU-", Language::English), "");
  EXPECT_EQ(categoryLabel("XYZ", Language::English), "");
  const char* suffixes[] = {"-th anniversary", "-я годовщина", ". Jahrestag", "-e anniversaire", " aniversario",
                            " 週年紀念日",     "° anniversario", ". výročí",   "周年",            "주년"};
  for (Language l : kAll) EXPECT_EQ(anniversarySuffix(l), suffixes[static_cast<int>(l)]);
}

TEST(WordsTable, ZodiacAndChineseYear) {
  EXPECT_EQ(zodiacSign(1, Language::English), "Aries");
  EXPECT_EQ(zodiacSign(12, Language::Russian), "Рыбы");
  EXPECT_EQ(zodiacSign(0, Language::English), "");
  EXPECT_EQ(chineseYear(2024, Language::English), "Year Of The Dragon");
  EXPECT_EQ(chineseYear(2025, Language::English), "Year Of The Snake");
  EXPECT_EQ(chineseYear(2020, Language::Russian), "Год Крысы");
  EXPECT_EQ(chineseYear(2031, Language::English), "Year Of The Pig");
  EXPECT_EQ(chineseYear(-1, Language::English), "Year Of The Goat");  // -1 = 11 modulo 12
}

// Texts whose English and Russian wording is fixed.
TEST(WordsTable, FixedEnglishAndRussianTexts) {
  struct Case {
    Entry entry;
    const char* en;
    const char* ru;
  } cases[] = {
      {Entry::NewPlayer, "New Player", "Новый Игрок"},
      {Entry::TopTen, "Top Ten", "Чемпионы"},
      {Entry::EliteClub, "Elite Club", "Элитарный клуб"},
      {Entry::ExitToMenu, "Exit to menu", "Выход в меню"},
      {Entry::HasInterruptedGame, "has interrupted game!", "прервал игру!"},
      {Entry::PressOkForExit, "Press OK for exit to the main menu...", "Нажмите OK для выхода в главное меню..."},
      {Entry::LostConnectionWithServer, "Lost connection with the server!", "Пропала связь с сервером!"},
      {Entry::ExpectationOfGame, "Expectation of game...", "Ожидание игры..."},
      {Entry::SecondPlayerConnected, "The second player was connected...", "Подключился второй игрок..."},
      {Entry::NumberGames, "Number games:", "Количество конов:"},
      {Entry::ServerCreatesGame, "Server create the game", "Сервер создает игру"},
      {Entry::ClientEntersGame, "Client enters to game", "Клиент вступает в игру"},
      {Entry::SelectFlightSpeed, "Select a flight speed of cards:", "Выберите скорость полета карт"},
      {Entry::SaveMainWindowOnly, "Save contents of only the main window", "Сохранять содержимое только главного окна"},
      {Entry::ClubMembersHeader, " The members of club    Games    Score ", " Члены клуба    Игры    Очки "},
      {Entry::FileHasIncorrectAttributes,
       " has incorrect attributes!\n\rThe work of the program will be incorrect!",
       " имеет неверные атрибуты!\n\rПрограмма будет работать некорректно!"},
      {Entry::CategoryPra, "The Orthodox holiday", "Православный праздник"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(text(c.entry, Language::English), c.en);
    EXPECT_EQ(text(c.entry, Language::Russian), c.ru);
  }
}

// The generator must stop the build, naming the entry, when a row lacks a language.
int runGenerator(const std::string& table, const std::filesystem::path& out, std::string& messages) {
  std::filesystem::create_directories(out / "words");
  std::string cmd = std::string(VANTORN_WORDS_GEN) + " '" + table + "' '" + out.string() + "' 2>&1";
  FILE* p = ::popen(cmd.c_str(), "r");
  std::array<char, 1024> buf{};
  std::size_t n;
  while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) messages.append(buf.data(), n);
  int st = ::pclose(p);
  return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
}

TEST(WordsGenerator, RejectsIncompleteRowsNamingTheEntry) {
  std::string tmpl = (std::filesystem::temp_directory_path() / "vantorn-words-XXXXXX").string();
  const std::filesystem::path dir = ::mkdtemp(tmpl.data());
  const std::string header = "id\ten\tru\tde\tfr\tes\tzh\tit\tcs\tja\tko\n";
  const std::string good = "Fine\tA\tБ\tC\tD\tE\tF\tG\tH\tI\tJ\n";
  struct Case {
    std::string rows;
    std::string message;
  } cases[] = {
      {good + "HalfDone\tYes\tДа\tJa\n", "entry 'HalfDone' lacks its French text"},
      {good + "EmptyCzech\tA\tБ\tC\tD\tE\tF\tG\t\tI\tJ\n", "entry 'EmptyCzech' lacks its Czech text"},
      {good + good, "entry 'Fine' is defined twice"},
      {good + "bad name\tA\tБ\tC\tD\tE\tF\tG\tH\tI\tJ\n", "entry 'bad name'"},
      {good + "BadEscape\tA\\q\tБ\tC\tD\tE\tF\tG\tH\tI\tJ\n", "bad escape in its English text"},
      {good + "NotUtf\tA\tБ\tC\tD\tE\tF\tG\tH\tI\t\xC8\n", "its Korean text is not UTF-8"},
  };
  for (const Case& c : cases) {
    std::ofstream(dir / "t.tsv", std::ios::binary | std::ios::trunc) << header << c.rows;
    std::string messages;
    EXPECT_EQ(runGenerator((dir / "t.tsv").string(), dir / "out", messages), 1) << c.message;
    EXPECT_NE(messages.find(c.message), std::string::npos) << messages;
  }
  std::ofstream(dir / "t.tsv", std::ios::binary | std::ios::trunc) << header << good;
  std::string messages;
  EXPECT_EQ(runGenerator((dir / "t.tsv").string(), dir / "out", messages), 0) << messages;
  EXPECT_TRUE(std::filesystem::exists(dir / "out" / "words" / "entries.h"));
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace vantorn::words
