#include "words/text.h"

#include <cstddef>

namespace vantorn::words {

namespace detail {
extern const std::string_view kTexts[kEntryCount][10];
extern const std::string_view kEntryNames[kEntryCount];
}  // namespace detail

Language languageFromIndex(int index) {
  if (index < 0 || index >= kLanguageCount) return Language::English;
  return static_cast<Language>(index);
}

std::string_view text(Entry entry, Language language) {
  auto e = static_cast<std::size_t>(entry);
  auto l = static_cast<std::size_t>(language);
  if (e >= kEntryCount) return {};
  if (l >= static_cast<std::size_t>(kLanguageCount)) l = 0;
  return detail::kTexts[e][l];
}

std::string_view entryName(Entry entry) {
  auto e = static_cast<std::size_t>(entry);
  return e < kEntryCount ? detail::kEntryNames[e] : std::string_view{};
}

std::string_view monthName(int month, Language language) {
  static constexpr Entry kMonths[12] = {
      Entry::MonthJanuary, Entry::MonthFebruary, Entry::MonthMarch,     Entry::MonthApril,
      Entry::MonthMay,     Entry::MonthJune,     Entry::MonthJuly,      Entry::MonthAugust,
      Entry::MonthSeptember, Entry::MonthOctober, Entry::MonthNovember, Entry::MonthDecember};
  if (month < 1 || month > 12) return {};
  return text(kMonths[month - 1], language);
}

std::string_view title(Language language) { return text(Entry::TitleGame, language); }
std::string_view titleUpper(Language language) { return text(Entry::TitleGameUpper, language); }

std::string_view categoryLabel(std::string_view group, Language language) {
  struct Pair {
    std::string_view group;
    Entry entry;
  };
  static constexpr Pair kGroups[] = {
      {"ENG", Entry::CategoryEng}, {"RUS", Entry::CategoryRus}, {"DEU", Entry::CategoryDeu},
      {"FRA", Entry::CategoryFra}, {"ISP", Entry::CategoryIsp}, {"USA", Entry::CategoryUsa},
      {"PRA", Entry::CategoryPra}, {"KAT", Entry::CategoryKat},
  };
  for (const Pair& p : kGroups)
    if (p.group == group) return text(p.entry, language);
  return {};
}

std::string_view anniversarySuffix(Language language) {
  return text(Entry::AnniversarySuffix, language);
}

std::string_view zodiacSign(int sign, Language language) {
  static constexpr Entry kSigns[12] = {
      Entry::ZodiacAries, Entry::ZodiacTaurus,      Entry::ZodiacGemini,    Entry::ZodiacCancer,
      Entry::ZodiacLeo,   Entry::ZodiacVirgo,       Entry::ZodiacLibra,     Entry::ZodiacScorpio,
      Entry::ZodiacSagittarius, Entry::ZodiacCapricorn, Entry::ZodiacAquarius, Entry::ZodiacPisces};
  if (sign < 1 || sign > 12) return {};
  return text(kSigns[sign - 1], language);
}

std::string_view chineseYear(int year, Language language) {
  // Indexed by the year modulo 12: 2020 (remainder 4) was a year of the rat.
  static constexpr Entry kAnimals[12] = {
      Entry::YearMonkey, Entry::YearRooster, Entry::YearDog,   Entry::YearPig,
      Entry::YearRat,    Entry::YearOx,      Entry::YearTiger, Entry::YearRabbit,
      Entry::YearDragon, Entry::YearSnake,   Entry::YearHorse, Entry::YearGoat};
  return text(kAnimals[((year % 12) + 12) % 12], language);
}

}  // namespace vantorn::words
