// History files History/<base>_I0001.hst .. _I9999.hst: one 114-character line per game,
// then an end line and a totals line that protect the file against editing.
// See docs/files.md.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "words/text.h"

namespace vantorn::files {

inline constexpr std::size_t kHistoryLineWidth = 114;
inline constexpr std::size_t kHistoryTotalsWidth = 30;
inline constexpr int kHistoryMaxRecords = 840;
inline constexpr int kHistoryMaxFiles = 9999;
inline constexpr std::size_t kHistoryNameWidth = 51;
inline constexpr int kHistoryMaxBatch = 4;

enum class GameKind : std::uint8_t { Local = 0, Account = 1, Tournament = 2, Network = 3 };

// `HisStr`: one line to write.
struct HistoryRecord {
  std::string name;  // Windows-1251; in a network game "local/opponent"
  std::int32_t games = 1;
  std::int32_t result = 0;
  double rating = 0;
  GameKind kind = GameKind::Local;
};

// The moment a line is written (local time).
struct Stamp {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0;
};
Stamp nowStamp();

// "12,50", "-3,46", "0,00": the value times 100 rounded (half to even), a comma before
// the last two digits.
std::string ratingText(double value);

// A record line (114 characters): time "HH:MM", date "DD.MM.YYYY" right-aligned in ten,
// name cut or padded to 51, games (3), result (10), rating text (10), kind tag (10), and
// the three check fields. Numbers that would overflow their field are limited to it.
std::string historyLine(const HistoryRecord& record, const Stamp& stamp);
std::string historyEndLine();

struct HistoryValidation {
  bool valid = false;
  int records = 0;
  std::string reason;
  std::string date;  // the file's modification date "DD.MM.YYYY" (set by HistoryStore)
};
HistoryValidation validateHistory(std::string_view bytes);

// The new content of a history file: `existing` (a valid file, or nothing to start a new
// one) with `records` appended and a new end line and totals line.
std::string appendHistoryBytes(std::optional<std::string_view> existing,
                               const std::vector<HistoryRecord>& records, const Stamp& stamp);

// One record line as the viewer shows it.
struct HistoryRow {
  std::string time, date, player, games, result, rating;
  char kind = 'L';  // the letter at position 90: L, A, T or N
};
// The record lines of a valid file, in order, up to its end line.
std::vector<HistoryRow> historyRows(std::string_view bytes);
// "Local", "Account", "Tourney" or "Net" (shown in English in every language).
std::string_view kindWord(char kind);

// --- The file edge ----------------------------------------------------------------------

// "Vantorn.clb" gives "Vantorn_I0001.hst" for number 1.
std::string historyFileName(std::string_view playerFileName, int number);

// The history folder (`folder`, created when missing) and the player file's name.
struct HistoryStore {
  std::filesystem::path folder;
  std::string playerFileName = "Vantorn.clb";

  std::filesystem::path file(int number) const { return folder / historyFileName(playerFileName, number); }
  HistoryValidation validate(int number) const;
  // Appends to the first file that is valid with room for the records, or replaces the
  // first invalid or missing one. On failure returns "Cann`t save history!" and writes
  // nothing. `written`, when given, receives the number of the file written.
  std::optional<words::Entry> append(const std::vector<HistoryRecord>& records, const Stamp& stamp,
                                     int* written = nullptr) const;
  // The numbers of the valid files, from 1 up to the first missing or invalid one.
  std::vector<int> listed() const;
  // The viewer's list item of a file: "File I0001 11.12.2026" (the prefix in a language).
  std::string listItem(int number, words::Language language) const;
};

}  // namespace vantorn::files
