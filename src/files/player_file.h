// The player files Vantorn.clb (games against the computer) and Vantorn.net (network
// games): five player records ordered by rating, the Top Ten of series results, a mark
// line and a check line whose three sums protect lines 1..16 against editing.
//
// `PlayerFile` is the in-memory form (17 fixed-width lines of Windows-1251 bytes);
// `PlayerFileStore` is the file edge that the program uses at start-up and after games.
// See docs/files.md for the layout.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "words/text.h"

namespace vantorn::files {

inline constexpr int kPlayerFileLines = 17;
inline constexpr int kPlayerRecords = 5;     // lines 1..5
inline constexpr int kTopTenEntries = 10;    // lines 6..15
inline constexpr std::size_t kRecordWidth = 59;
inline constexpr std::size_t kTopTenWidth = 26;
inline constexpr std::size_t kMarkWidth = 28;  // lines 16 and 17
inline constexpr std::size_t kCheckedBytes = 583;  // lines 1..16 joined
inline constexpr std::size_t kNameWidth = 20;
inline constexpr std::size_t kPasswordLength = 5;
// Added to each password byte before it is written as three digits; 255 + 213 stays
// within three digits. Every build that must read the same files keeps this value.
inline constexpr int kPasswordOffset = 213;
// Mark-line characters: the game number 5 plus 100, and 100 plus the protocol number 25.
inline constexpr char kGameChar = 'i';
inline constexpr char kProtocolChar = '}';
inline constexpr int kSeriesLength = 30;
inline constexpr double kRatingLimit = 99.99;

// --- Record fields --------------------------------------------------------------------

// The empty record: 37 "#", a space, 21 "#".
std::string emptyRecord();

// A 59-character record. The name is cut or padded to 20 bytes, the rating limited to
// +-99.99, games and score limited to what their fields hold; control characters become
// spaces. `passwordCode` is the 15-digit encoded password; anything else is replaced by
// the code of an empty password, so the record keeps its layout.
std::string formatRecord(std::string_view name, double rating, long long games, long long score,
                         std::string_view passwordCode);

struct RecordFields {
  std::string name;  // 20 bytes, padded
  double rating = 0;
  long long games = 0;
  long long score = 0;
  std::string passwordCode;  // 15 characters as stored
};
// Reads the fields of a non-empty record; nothing when it is empty or a field is damaged.
std::optional<RecordFields> parseRecord(std::string_view record);
bool recordIsEmpty(std::string_view record);

// "  1,500000": six decimals, decimal comma, right-aligned in ten characters.
std::string formatRatingField(double rating);
std::optional<double> parseRatingField(std::string_view field);

// The password padded with spaces (and cut) to five bytes, each byte plus the offset as
// three digits. Decoding gives the five bytes back, or nothing for a damaged code.
std::string encodePassword(std::string_view password);
std::optional<std::string> decodePassword(std::string_view code);

// The rating after a game: round((previousGames * previousRating + result / 50) * 1e6 /
// games) / 1e6, limited to -99.99..99.99. `games` is the count after the game; a count
// below 1 leaves the previous rating (limited).
double updateRating(long long games, long long result, long long previousGames, double previousRating);

// A series is 30 games: it ends when the games played are a positive multiple of 30.
bool seriesEnded(long long gamesPlayed);

// --- The file ---------------------------------------------------------------------------

struct StoreResult {
  bool stored = false;   // the record found a place among the five
  int topTenPlace = 0;   // 1..10 when the series score entered the Top Ten, else 0
  long long seriesScore = 0;  // the score offered to the Top Ten
};

class PlayerFile {
 public:
  // Splits `bytes` into the 17 lines and checks their widths; nothing when the structure
  // is wrong (`why` then says what is wrong).
  static std::optional<PlayerFile> parse(std::string_view bytes, std::string* why = nullptr);
  // The delivered file: five empty records, ten Top Ten entries, mark and check lines.
  static PlayerFile delivered();

  std::string bytes() const;  // 17 lines ended by CR LF

  // The sums over lines 1..16 against positions 11..28 of line 17, and the mark line.
  bool sumsMatch() const;
  bool markValid() const;
  void updateSums();

  bool russianEdition() const { return lines_[16][0] == '1'; }
  std::string installationLabel() const { return lines_[16].substr(6, 3); }

  // Lines by number: record k = 1..5, Top Ten entry i = 1..10 (line 5 + i), 16, 17.
  const std::string& line(int n) const { return lines_[n - 1]; }
  const std::string& record(int k) const { return lines_[k - 1]; }
  const std::string& topTen(int i) const { return lines_[kPlayerRecords + i - 1]; }

  // Records k+1..5 move up, record 5 becomes empty; other slots (6 new player, 7 and 8
  // the online modes) have no record and change nothing.
  void removeRecord(int k);
  // Enters a series score into the Top Ten when the series has ended (and zeroes the
  // record's score), then inserts the record by rating; a record below all five is not
  // stored. Equal values are placed before the existing ones.
  StoreResult storeRecord(std::string_view record, bool seriesHasEnded);

 private:
  std::array<std::string, kPlayerFileLines> lines_;
};

// --- Start-up check and the file edge -------------------------------------------------

enum class PlayerCheck { Valid, Missing, Incorrect };

struct PlayerCheckResult {
  PlayerCheck status = PlayerCheck::Missing;
  std::string reason;            // one line, for logs and the file tool
  bool russianEdition = false;   // position 1 of line 17 is "1"
  std::string installationLabel; // positions 7..9 of line 17
  bool isProtected = false;      // the program may not write the file
};

PlayerCheckResult checkPlayerBytes(std::string_view bytes);

// The language the program starts in: the settings' language, unless the check of the
// local player file (Vantorn.clb) found the Russian edition mark.
int startupLanguage(int settingsLanguage, const PlayerCheckResult& localFileCheck);

// "Can`t find the file "PATH"!" and "The incorrect file "PATH"!", in a language (UTF-8).
std::string fileErrorMessage(words::Entry entry, std::string_view path, words::Language language);
// "The file "PATH" has incorrect attributes!..." in a language (UTF-8).
std::string attributesWarning(std::string_view path, words::Language language);

struct StoreOutcome {
  std::optional<words::Entry> error;  // the message to show when the file was not written
  StoreResult result;
};

class PlayerFileStore {
 public:
  explicit PlayerFileStore(std::filesystem::path path) : path_(std::move(path)) {}

  const std::filesystem::path& path() const { return path_; }

  // The start-up check. A protected file is valid but is never written afterwards.
  PlayerCheckResult check();
  bool writable() const { return !protected_; }

  std::optional<PlayerFile> load() const;
  // The decoded password of record k (1..5).
  std::optional<std::string> readPassword(int k) const;

  // Each change reads the file again, applies the change, recomputes the sums and
  // replaces the file whole; on failure the file is left as it was and the message to
  // show is returned. Nothing is written while the file is protected.
  std::optional<words::Entry> removeRecord(int k);
  StoreOutcome storeRecord(std::string_view record, bool seriesHasEnded);
  // The end of a local or network game: the player's old record (slot 1..5) is removed
  // and the new one stored, in one rewrite.
  StoreOutcome finishGame(int slot, std::string_view record, bool seriesHasEnded);

 private:
  template <typename Change>
  std::optional<words::Entry> rewrite(Change&& change);

  std::filesystem::path path_;
  bool protected_ = false;
};

}  // namespace vantorn::files
