#include "files/player_file.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "files/file_io.h"
#include "files/text_lines.h"

namespace vantorn::files {

namespace {

constexpr std::size_t kLineWidths[kPlayerFileLines] = {
    kRecordWidth, kRecordWidth, kRecordWidth, kRecordWidth, kRecordWidth,
    kTopTenWidth, kTopTenWidth, kTopTenWidth, kTopTenWidth, kTopTenWidth,
    kTopTenWidth, kTopTenWidth, kTopTenWidth, kTopTenWidth, kTopTenWidth,
    kMarkWidth,   kMarkWidth};

long long clampLL(long long v, long long lo, long long hi) { return v < lo ? lo : v > hi ? hi : v; }

double limitRating(double r) {
  if (std::isnan(r)) return 0;
  return r < -kRatingLimit ? -kRatingLimit : r > kRatingLimit ? kRatingLimit : r;
}

std::string sumsText(const std::array<std::string, kPlayerFileLines>& lines) {
  std::string checked;
  for (int i = 0; i < kPlayerFileLines - 1; ++i) checked += lines[i];
  ThreeSums s = threeSums(checked);
  return zeroPadded(s.all, 6) + zeroPadded(s.even, 6) + zeroPadded(s.third, 6);
}

bool allDigits(std::string_view s) {
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return !s.empty();
}

// Score of a Top Ten entry or record field; a damaged field counts as the lowest value,
// so a real score takes its place.
long long scoreOr(std::string_view field) {
  return parseField(field).value_or(std::numeric_limits<long long>::min());
}

std::string topTenEntry(std::string_view name, long long score) {
  return leftPaddedCut(withoutControls(name), kNameWidth) +
         rightAligned(std::to_string(clampLL(score, -99999, 999999)), 6);
}

}  // namespace

std::string emptyRecord() { return std::string(37, '#') + ' ' + std::string(21, '#'); }

bool recordIsEmpty(std::string_view record) {
  return record.size() < kRecordWidth || record[32] == '#' || record[36] == '#';
}

std::string formatRatingField(double rating) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6f", limitRating(rating));
  std::string s = buf;
  for (char& c : s)
    if (c == '.') c = ',';
  if (s == "-0,000000") s = "0,000000";
  return rightAligned(s, 10);
}

std::optional<double> parseRatingField(std::string_view field) {
  while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
  if (field.empty() || field.size() > 16) return std::nullopt;
  std::string s(field);
  for (char& c : s) {
    if (c == ',') c = '.';
    else if (c != '-' && c != '.' && (c < '0' || c > '9')) return std::nullopt;
  }
  double v = 0;
  auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::fixed);
  if (ec != std::errc{} || ptr != s.data() + s.size()) return std::nullopt;
  return v;
}

std::string formatRecord(std::string_view name, double rating, long long games, long long score,
                         std::string_view passwordCode) {
  std::string code(passwordCode.substr(0, 15));
  if (code.size() < 15 || !allDigits(code)) code = encodePassword("");
  return leftPaddedCut(withoutControls(name), kNameWidth) + formatRatingField(rating) +
         rightAligned(std::to_string(clampLL(games, 0, 9999999)), 7) + ' ' +
         rightAligned(std::to_string(clampLL(score, -99999, 999999)), 6) + code;
}

std::optional<RecordFields> parseRecord(std::string_view record) {
  if (record.size() != kRecordWidth || recordIsEmpty(record)) return std::nullopt;
  RecordFields f;
  f.name = std::string(record.substr(0, 20));
  auto rating = parseRatingField(record.substr(20, 10));
  auto games = parseField(record.substr(30, 7));
  auto score = parseField(record.substr(38, 6));
  if (!rating || !games || !score) return std::nullopt;
  f.rating = *rating;
  f.games = *games;
  f.score = *score;
  f.passwordCode = std::string(record.substr(44, 15));
  return f;
}

std::string encodePassword(std::string_view password) {
  std::string padded = leftPaddedCut(password, kPasswordLength);
  std::string code;
  for (char c : padded) {
    int v = static_cast<unsigned char>(c) + kPasswordOffset;
    code += zeroPadded(static_cast<unsigned>(v), 3);
  }
  return code;
}

std::optional<std::string> decodePassword(std::string_view code) {
  if (code.size() != 3 * kPasswordLength || !allDigits(code)) return std::nullopt;
  std::string out;
  for (std::size_t i = 0; i < kPasswordLength; ++i) {
    int v = (code[3 * i] - '0') * 100 + (code[3 * i + 1] - '0') * 10 + (code[3 * i + 2] - '0');
    v -= kPasswordOffset;
    if (v < 0 || v > 255) return std::nullopt;
    out += static_cast<char>(v);
  }
  return out;
}

double updateRating(long long games, long long result, long long previousGames, double previousRating) {
  if (games < 1) return limitRating(previousRating);
  double total = static_cast<double>(previousGames) * previousRating + static_cast<double>(result) / 50.0;
  // Round to six decimals, half to even, as the stored field holds six.
  double r = std::nearbyint(total * 1000000.0 / static_cast<double>(games)) / 1000000.0;
  return limitRating(r);
}

bool seriesEnded(long long gamesPlayed) { return gamesPlayed > 0 && gamesPlayed % kSeriesLength == 0; }

// --- PlayerFile ---------------------------------------------------------------------

std::optional<PlayerFile> PlayerFile::parse(std::string_view bytes, std::string* why) {
  auto fail = [&](std::string reason) -> std::optional<PlayerFile> {
    if (why) *why = std::move(reason);
    return std::nullopt;
  };
  std::vector<std::string> lines = splitLines(bytes, kPlayerFileLines + 1);
  if (lines.size() != static_cast<std::size_t>(kPlayerFileLines))
    return fail(lines.size() > static_cast<std::size_t>(kPlayerFileLines)
                    ? "more than 17 lines"
                    : "has " + std::to_string(lines.size()) + " lines, 17 expected");
  PlayerFile f;
  for (int i = 0; i < kPlayerFileLines; ++i) {
    if (lines[i].size() != kLineWidths[i])
      return fail("line " + std::to_string(i + 1) + " has " + std::to_string(lines[i].size()) +
                  " characters, " + std::to_string(kLineWidths[i]) + " expected");
    f.lines_[i] = std::move(lines[i]);
  }
  return f;
}

PlayerFile PlayerFile::delivered() {
  PlayerFile f;
  for (int k = 0; k < kPlayerRecords; ++k) f.lines_[k] = emptyRecord();
  for (int i = 0; i < kTopTenEntries; ++i) f.lines_[kPlayerRecords + i] = topTenEntry("Mr.X", 0);
  f.lines_[15] = std::string{kGameChar, kProtocolChar} + "Vantorn-club-file#########";
  f.lines_[16] = "0#####vtn#" + std::string(18, '0');
  f.updateSums();
  return f;
}

std::string PlayerFile::bytes() const {
  return joinLines(std::vector<std::string>(lines_.begin(), lines_.end()));
}

bool PlayerFile::sumsMatch() const {
  const std::string& check = lines_[16];
  const std::string expected = sumsText(lines_);
  for (int f = 0; f < 3; ++f) {
    std::string_view stored = std::string_view(check).substr(10 + 6 * f, 6);
    if (!allDigits(stored)) return false;
    if (std::stoul(std::string(stored)) != std::stoul(expected.substr(6 * f, 6))) return false;
  }
  return true;
}

bool PlayerFile::markValid() const { return lines_[15][0] == kGameChar && lines_[15][1] == kProtocolChar; }

void PlayerFile::updateSums() { lines_[16] = lines_[16].substr(0, 10) + sumsText(lines_); }

void PlayerFile::removeRecord(int k) {
  if (k < 1 || k > kPlayerRecords) return;
  for (int i = k - 1; i < kPlayerRecords - 1; ++i) lines_[i] = lines_[i + 1];
  lines_[kPlayerRecords - 1] = emptyRecord();
}

StoreResult PlayerFile::storeRecord(std::string_view recordIn, bool seriesHasEnded) {
  StoreResult result;
  std::string record = leftPaddedCut(withoutControls(recordIn), kRecordWidth);
  if (seriesHasEnded) {
    long long score = scoreOr(record.substr(38, 6));
    result.seriesScore = score == std::numeric_limits<long long>::min() ? 0 : score;
    for (int i = 1; i <= kTopTenEntries; ++i) {
      if (scoreOr(std::string_view(topTen(i)).substr(20, 6)) <= result.seriesScore) {
        for (int j = kTopTenEntries; j > i; --j) lines_[kPlayerRecords + j - 1] = lines_[kPlayerRecords + j - 2];
        lines_[kPlayerRecords + i - 1] = topTenEntry(record.substr(0, 20), result.seriesScore);
        result.topTenPlace = i;
        break;
      }
    }
    record.replace(38, 6, "     0");
  }
  const double rating = parseRatingField(record.substr(20, 10)).value_or(-kRatingLimit);
  for (int k = 1; k <= kPlayerRecords; ++k) {
    const std::string& here = lines_[k - 1];
    const double hereRating =
        parseRatingField(std::string_view(here).substr(20, 10)).value_or(-std::numeric_limits<double>::infinity());
    if (recordIsEmpty(here) || hereRating <= rating) {
      for (int j = kPlayerRecords; j > k; --j) lines_[j - 1] = lines_[j - 2];
      lines_[k - 1] = record;
      result.stored = true;
      break;
    }
  }
  return result;
}

// --- Check and messages ---------------------------------------------------------------

PlayerCheckResult checkPlayerBytes(std::string_view bytes) {
  PlayerCheckResult r;
  std::string why;
  std::optional<PlayerFile> f = PlayerFile::parse(bytes, &why);
  if (!f) {
    r.status = PlayerCheck::Incorrect;
    r.reason = "wrong structure: " + why;
    return r;
  }
  r.russianEdition = f->russianEdition();
  if (!f->sumsMatch()) {
    r.status = PlayerCheck::Incorrect;
    r.reason = "the check sums do not match the content";
    return r;
  }
  if (!f->markValid()) {
    r.status = PlayerCheck::Incorrect;
    r.reason = "the mark line does not begin with the game's mark";
    return r;
  }
  r.status = PlayerCheck::Valid;
  r.installationLabel = f->installationLabel();
  r.reason = "valid";
  return r;
}

int startupLanguage(int settingsLanguage, const PlayerCheckResult& localFileCheck) {
  if (localFileCheck.status == PlayerCheck::Valid && localFileCheck.russianEdition)
    return static_cast<int>(words::Language::Russian);
  return settingsLanguage;
}

std::string fileErrorMessage(words::Entry entry, std::string_view path, words::Language language) {
  std::string s(words::text(entry, language));
  s += " \"";
  s += path;
  s += "\"!";
  return s;
}

std::string attributesWarning(std::string_view path, words::Language language) {
  std::string s(words::text(words::Entry::TheFilePrefix, language));
  s += '"';
  s += path;
  s += '"';
  s += words::text(words::Entry::FileHasIncorrectAttributes, language);
  return s;
}

// --- PlayerFileStore ------------------------------------------------------------------

PlayerCheckResult PlayerFileStore::check() {
  std::optional<std::string> bytes = readFile(path_);
  if (!bytes) {
    PlayerCheckResult r;
    r.status = PlayerCheck::Missing;
    r.reason = "missing or unreadable";
    return r;
  }
  PlayerCheckResult r = checkPlayerBytes(*bytes);
  if (r.status == PlayerCheck::Valid) {
    protected_ = isProtected(path_);
    r.isProtected = protected_;
  }
  return r;
}

std::optional<PlayerFile> PlayerFileStore::load() const {
  std::optional<std::string> bytes = readFile(path_);
  if (!bytes) return std::nullopt;
  return PlayerFile::parse(*bytes);
}

std::optional<std::string> PlayerFileStore::readPassword(int k) const {
  if (k < 1 || k > kPlayerRecords) return std::nullopt;
  std::optional<PlayerFile> f = load();
  if (!f) return std::nullopt;
  return decodePassword(std::string_view(f->record(k)).substr(44, 15));
}

template <typename Change>
std::optional<words::Entry> PlayerFileStore::rewrite(Change&& change) {
  if (protected_) return std::nullopt;
  std::optional<std::string> bytes = readFile(path_);
  if (!bytes) return words::Entry::ErrorOfDiskWriting;
  std::optional<PlayerFile> f = PlayerFile::parse(*bytes);
  // A file edited since the start-up check is not signed anew.
  if (!f || !f->sumsMatch() || !f->markValid()) return words::Entry::TheIncorrectFile;
  change(*f);
  f->updateSums();
  if (!writeFileAtomic(path_, f->bytes())) return words::Entry::ErrorOfDiskWriting;
  return std::nullopt;
}

std::optional<words::Entry> PlayerFileStore::removeRecord(int k) {
  if (k < 1 || k > kPlayerRecords) return std::nullopt;
  return rewrite([k](PlayerFile& f) { f.removeRecord(k); });
}

StoreOutcome PlayerFileStore::storeRecord(std::string_view record, bool seriesHasEnded) {
  return finishGame(0, record, seriesHasEnded);
}

StoreOutcome PlayerFileStore::finishGame(int slot, std::string_view record, bool seriesHasEnded) {
  StoreOutcome out;
  out.error = rewrite([&](PlayerFile& f) {
    f.removeRecord(slot);
    out.result = f.storeRecord(record, seriesHasEnded);
  });
  return out;
}

}  // namespace vantorn::files
