// The Words table: every text the program shows, in ten languages.
//
// Each text is an `Entry` (generated from data/words.tsv, see docs/words.md); the caller
// holds the current `Language` and asks for the text at the moment it shows it, so a
// language change takes effect at the next refresh. Texts are UTF-8; line breaks inside a
// text are the two characters line feed, carriage return ("\n\r").
#pragma once

#include <cstdint>
#include <string_view>

#include "words/entries.h"

namespace vantorn::words {

// The fixed language order of the settings file and of the table's columns.
enum class Language : std::uint8_t {
  English = 0,
  Russian = 1,
  German = 2,
  French = 3,
  Spanish = 4,
  Chinese = 5,
  Italian = 6,
  Czech = 7,
  Japanese = 8,
  Korean = 9,
};

inline constexpr int kLanguageCount = 10;

// Maps a stored language index to a language; indices the table does not have (the
// settings file can name 10..20) fall back to English.
Language languageFromIndex(int index);

// The text of an entry in a language (UTF-8, never empty).
std::string_view text(Entry entry, Language language);

// The identifier of an entry as written in the data file ("ExitToMenu").
std::string_view entryName(Entry entry);

// Month names for dates (month 1..12; Russian in the genitive, as in "12 Января").
// An out-of-range month gives an empty view.
std::string_view monthName(int month, Language language);

// The game's title ("Vantorn") and its upper-case form, in a language.
std::string_view title(Language language);
std::string_view titleUpper(Language language);

// The calendar's category label of a group code ("RUS", "USA", ...); empty for "ALL",
// "RU-" and unknown groups, which carry no label.
std::string_view categoryLabel(std::string_view group, Language language);

// The suffix written directly after an anniversary number ("80-th anniversary").
std::string_view anniversarySuffix(Language language);

// The sign of the zodiac by its number, 1 Aries .. 12 Pisces (the pictures "R_01".."R_12");
// empty out of range.
std::string_view zodiacSign(int sign, Language language);

// The animal of the Chinese year ("Year Of The Dragon" for 2024); it changes on 1 January.
std::string_view chineseYear(int year, Language language);

}  // namespace vantorn::words
