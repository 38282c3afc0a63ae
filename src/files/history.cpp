#include "files/history.h"

#include <sys/stat.h>

#include <cmath>
#include <ctime>
#include <system_error>

#include "files/file_io.h"
#include "files/text_lines.h"

namespace vantorn::files {

namespace {

constexpr std::size_t kCheckedWidth = 99;

ThreeSums lineSums(std::string_view line) { return threeSums(line.substr(0, kCheckedWidth)); }

std::string withChecks(std::string body) {
  ThreeSums s = lineSums(body);
  return body + zeroPadded(s.all, 5) + zeroPadded(s.even, 5) + zeroPadded(s.third, 5);
}

std::string totalsLine(const ThreeSums& t) {
  return zeroPadded(t.all, 10) + zeroPadded(t.even, 10) + zeroPadded(t.third, 10);
}

char kindLetter(GameKind k) {
  switch (k) {
    case GameKind::Account: return 'A';
    case GameKind::Tournament: return 'T';
    case GameKind::Network: return 'N';
    case GameKind::Local: break;
  }
  return 'L';
}

std::string two(int v) { return zeroPadded(static_cast<unsigned>(v < 0 ? 0 : v % 100), 2); }

long long clampLL(long long v, long long lo, long long hi) { return v < lo ? lo : v > hi ? hi : v; }

}  // namespace

Stamp nowStamp() {
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return Stamp{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min};
}

std::string ratingText(double value) {
  // Limited so that the text fits its ten-character field.
  double scaled = std::isnan(value) ? 0 : value * 100.0;
  scaled = scaled > 999999999.0 ? 999999999.0 : scaled < -99999999.0 ? -99999999.0 : scaled;
  long long n = static_cast<long long>(std::nearbyint(scaled));
  if (n == 0) return "0,00";
  std::string digits = std::to_string(n < 0 ? -n : n);
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  digits.insert(digits.size() - 2, ",");
  return n < 0 ? "-" + digits : digits;
}

std::string historyLine(const HistoryRecord& r, const Stamp& st) {
  std::string body = two(st.hour) + ":" + two(st.minute);
  std::string date = two(st.day) + "." + two(st.month) + "." +
                     zeroPadded(static_cast<unsigned>(clampLL(st.year, 0, 9999)), 4);
  body += rightAligned(date, 10).substr(0, 10);
  body += leftPaddedCut(withoutControls(r.name), kHistoryNameWidth);
  body += rightAligned(std::to_string(clampLL(r.games, -99, 999)), 3);
  body += rightAligned(std::to_string(clampLL(r.result, -999999999, 999999999)), 10);
  body += rightAligned(ratingText(r.rating), 10);
  body += std::string(1, kindLetter(r.kind)) + std::string(9, '#');
  return withChecks(std::move(body));
}

std::string historyEndLine() {
  std::string body = "$";
  body += static_cast<char>(5 + 100);
  body += '}';
  body.resize(kCheckedWidth, '#');
  return withChecks(std::move(body));
}

HistoryValidation validateHistory(std::string_view bytes) {
  HistoryValidation v;
  std::vector<std::string> lines = splitLines(bytes);
  ThreeSums totals;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.size() < kHistoryLineWidth) {
      v.reason = "line " + std::to_string(i + 1) + " has " + std::to_string(line.size()) +
                 " characters, 114 expected";
      return v;
    }
    totals.add(lineSums(line));
    if (line[0] != '$') {
      ++v.records;
      continue;
    }
    if (i + 1 >= lines.size() || lines[i + 1].size() < kHistoryTotalsWidth) {
      v.reason = "the totals line is missing or too short";
      return v;
    }
    if (lines[i + 1].substr(0, kHistoryTotalsWidth) != totalsLine(totals)) {
      v.reason = "the totals do not match the lines";
      return v;
    }
    v.valid = true;
    v.reason = "valid";
    return v;
  }
  v.reason = "the file ends before its end line";
  return v;
}

std::string appendHistoryBytes(std::optional<std::string_view> existing,
                               const std::vector<HistoryRecord>& records, const Stamp& stamp) {
  std::vector<std::string> lines;
  if (existing) {
    for (std::string& l : splitLines(*existing)) {
      if (!l.empty() && l[0] == '$') break;  // the end line and the totals line are made anew
      lines.push_back(std::move(l));
    }
  }
  for (std::size_t i = 0; i < records.size() && i < static_cast<std::size_t>(kHistoryMaxBatch); ++i)
    lines.push_back(historyLine(records[i], stamp));
  lines.push_back(historyEndLine());
  ThreeSums totals;
  for (const std::string& l : lines) totals.add(lineSums(l));
  lines.push_back(totalsLine(totals));
  return joinLines(lines);
}

std::vector<HistoryRow> historyRows(std::string_view bytes) {
  std::vector<HistoryRow> rows;
  for (const std::string& l : splitLines(bytes)) {
    if (l.size() < kHistoryLineWidth || l[0] == '$') break;
    HistoryRow r;
    r.time = l.substr(0, 5);
    r.date = l.substr(5, 10);
    r.player = l.substr(15, 51);
    r.games = l.substr(66, 3);
    r.result = l.substr(69, 10);
    r.rating = l.substr(79, 10);
    r.kind = l[89];
    rows.push_back(std::move(r));
  }
  return rows;
}

std::string_view kindWord(char kind) {
  switch (kind) {
    case 'A': return "Account";
    case 'T': return "Tourney";
    case 'N': return "Net";
    default: return "Local";
  }
}

std::string historyFileName(std::string_view playerFileName, int number) {
  std::string base(playerFileName.size() > 4 ? playerFileName.substr(0, playerFileName.size() - 4)
                                             : playerFileName);
  return base + "_I" + zeroPadded(static_cast<unsigned>(number), 4) + ".hst";
}

namespace {

std::string modificationDate(const std::filesystem::path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return {};
  std::tm tm{};
  std::time_t t = st.st_mtime;
  localtime_r(&t, &tm);
  return two(tm.tm_mday) + "." + two(tm.tm_mon + 1) + "." + zeroPadded(static_cast<unsigned>(tm.tm_year + 1900), 4);
}

}  // namespace

HistoryValidation HistoryStore::validate(int number) const {
  std::optional<std::string> bytes = readFile(file(number));
  if (!bytes) return HistoryValidation{false, 0, "missing or unreadable", {}};
  HistoryValidation v = validateHistory(*bytes);
  v.date = modificationDate(file(number));
  return v;
}

std::string HistoryStore::listItem(int number, words::Language language) const {
  return std::string(words::text(words::Entry::HistoryFileItem, language)) +
         zeroPadded(static_cast<unsigned>(number), 4) + " " + validate(number).date;
}

std::optional<words::Entry> HistoryStore::append(const std::vector<HistoryRecord>& records,
                                                 const Stamp& stamp, int* written) const {
  const int adding = static_cast<int>(records.size() < kHistoryMaxBatch ? records.size() : kHistoryMaxBatch);
  for (int n = 1; n <= kHistoryMaxFiles; ++n) {
    std::optional<std::string> bytes = readFile(file(n));
    std::optional<std::string_view> existing;
    if (bytes) {
      HistoryValidation v = validateHistory(*bytes);
      if (v.valid && v.records + adding > kHistoryMaxRecords) continue;  // full: next number
      if (v.valid) existing = *bytes;  // an invalid file is replaced
    }
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!writeFileAtomic(file(n), appendHistoryBytes(existing, records, stamp)))
      return words::Entry::CantSaveHistory;
    if (written) *written = n;
    return std::nullopt;
  }
  return words::Entry::CantSaveHistory;
}

std::vector<int> HistoryStore::listed() const {
  std::vector<int> out;
  for (int n = 1; n <= kHistoryMaxFiles; ++n) {
    if (!validate(n).valid) break;
    out.push_back(n);
  }
  return out;
}

}  // namespace vantorn::files
