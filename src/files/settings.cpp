#include "files/settings.h"

#include <array>
#include <vector>

#include "files/file_io.h"
#include "files/text_lines.h"

namespace vantorn::files {

namespace {

constexpr char kGifOn = '\xE8';   // "и"
constexpr char kGifOff = '\xEB';  // "л"

// Minimum length of each line (index 1..35) for the reading to go on past it. The
// free-text lines 24 (last typed name), 27 (world name) and 29 (city) may be empty: an
// empty name must not cut off the rest of the file.
constexpr std::array<int, kSettingsLines + 1> kMinLength = [] {
  std::array<int, kSettingsLines + 1> m{};
  for (int i = 1; i <= kSettingsLines; ++i) m[i] = 1;
  m[6] = 3;
  for (int i = 10; i <= 13; ++i) m[i] = 2;
  m[24] = m[27] = m[29] = 0;
  return m;
}();

const char* const kHeaders[] = {"<# General>",  "<# Cards>",         "<# Decks>",
                                "<# Individual>", "<# Fonts>",       "<# IP & Port>",
                                "<# Background>", "<# Name Of Player>", "<# World Top Ten>",
                                "<# Save Games as GIF>"};

std::optional<int> inRange(std::optional<int> v, int lo, int hi) {
  if (v && *v >= lo && *v <= hi) return v;
  return std::nullopt;
}

// A digit character within lo..hi.
std::optional<int> digitIn(char c, int lo, int hi) {
  if (c < '0' || c > '9') return std::nullopt;
  return inRange(c - '0', lo, hi);
}

void flag(char c, bool& target) {
  if (c == '0') target = false;
  if (c == '1') target = true;
}

void applyFlags(std::string_view line, Settings& s) {
  auto at = [&](std::size_t pos) -> std::optional<char> {
    if (line.size() < pos) return std::nullopt;
    return line[pos - 1];
  };
  if (auto c = at(1)) {
    if (*c >= '0' && *c <= '9') s.language = *c - '0';
    if (*c >= 'a' && *c <= 'k') s.language = 10 + (*c - 'a');
  }
  if (auto c = at(2)) {
    switch (*c) {
      case '0': s.sound = false; s.music = false; break;
      case '1': s.sound = true; s.music = true; break;
      case '2': s.sound = true; s.music = false; break;
      case '3': s.sound = false; s.music = true; break;
      default: break;
    }
  }
  if (auto c = at(3)) flag(*c, s.gifAnimation);
  if (auto c = at(4)) flag(*c, s.flyCards);
  if (auto c = at(5)) s.clubListMode = digitIn(*c, 1, 2).value_or(s.clubListMode);
  if (auto c = at(6)) flag(*c, s.networkPlay);
  if (auto c = at(7)) flag(*c, s.ownCursors);
  if (auto c = at(8)) s.flightSpeed = digitIn(*c, 1, 6).value_or(s.flightSpeed);
  if (auto c = at(9)) s.windowSize = digitIn(*c, 1, 5).value_or(s.windowSize);
  if (auto c = at(10)) s.statsReportDue = *c == 'R';
  if (auto c = at(11)) s.likeSent = *c == 'L';
  if (auto c = at(12)) flag(*c, s.radioFromDisk);
  if (auto c = at(13)) s.captionColour = digitIn(*c, 1, 7).value_or(s.captionColour);
  if (auto c = at(14)) flag(*c, s.newButtons);
  if (auto c = at(15)) flag(*c, s.darkWindows);
  if (auto c = at(16)) s.headerStyle = digitIn(*c, 1, 3).value_or(s.headerStyle);
  if (auto c = at(17)) flag(*c, s.menuDesign2);
  if (auto c = at(18)) flag(*c, s.tableDesign2);
  if (auto c = at(19)) flag(*c, s.graphicButtons);
  if (auto c = at(20)) flag(*c, s.graphicCards);
}

char languageChar(int language) {
  if (language >= 0 && language <= 9) return static_cast<char>('0' + language);
  if (language >= 10 && language <= 20) return static_cast<char>('a' + language - 10);
  return '0';
}

std::string cleanOr(std::string_view value, std::size_t minLength, std::string_view fallback,
                    std::size_t maxLength = std::string::npos) {
  std::string v = withoutControls(value.substr(0, maxLength));
  if (v.size() < minLength) v = std::string(fallback);
  return v;
}

}  // namespace

bool validRegion(std::string_view region) {
  static constexpr int kMaxCountry[7] = {0, 48, 51, 35, 14, 23, 54};
  if (region.size() < 3 || region.size() > 15 || region[1] != '-') return false;
  auto continent = digitIn(region[0], 1, 6);
  auto country = parseInt(region.substr(2));
  if (!continent || !country || region[2] == '-' || region[2] == '+') return false;
  return *country >= 0 && *country <= kMaxCountry[*continent];
}

SettingsRead readSettings(std::string_view bytes, const Settings& defaults) {
  SettingsRead r{defaults, 0};
  Settings& s = r.settings;
  const std::vector<std::string> lines = splitLines(bytes, kSettingsLines);
  for (int n = 1; n <= kSettingsLines; ++n) {
    if (static_cast<std::size_t>(n) > lines.size()) break;
    const std::string& line = lines[n - 1];
    if (static_cast<int>(line.size()) < kMinLength[n]) break;
    r.linesRead = n;
    switch (n) {
      case 2: applyFlags(line, s); break;
      case 4: s.cardFaces = inRange(parseInt(line), 0, 999).value_or(s.cardFaces); break;
      case 6:
        s.cardBack = inRange(parseInt(line.substr(0, 2)), 0, 99).value_or(s.cardBack);
        if (line[2] == '0' || line[2] == '1') s.backAlwaysOne = line[2] == '1';
        break;
      case 8: flag(line[0], s.moveInQueue); break;
      case 10: s.fontDecor = line; break;
      case 11: s.fontSerif = line; break;
      case 12: s.fontFixed = line; break;
      case 13: s.fontConew = line; break;
      case 14: s.scaleDecor = inRange(parseInt(line), 50, 150).value_or(s.scaleDecor); break;
      case 15: s.scaleSerif = inRange(parseInt(line), 50, 150).value_or(s.scaleSerif); break;
      case 16: s.scaleFixed = inRange(parseInt(line), 50, 150).value_or(s.scaleFixed); break;
      case 17: s.scaleConew = inRange(parseInt(line), 50, 150).value_or(s.scaleConew); break;
      case 19: s.serverAddress = line; break;
      case 20: s.serverPort = line; break;
      case 22:
        s.backgroundKind = inRange(parseInt(line.substr(0, 2)), 0, 99).value_or(s.backgroundKind);
        if (line.size() >= 3) s.backgroundColour = digitIn(line[2], 0, 6).value_or(s.backgroundColour);
        break;
      case 24: s.lastName = line; break;
      case 26: s.tournamentAddress = line; break;
      case 27: s.worldName = line.substr(0, 12); break;
      case 28:
        if (validRegion(line)) s.region = line;
        break;
      case 29: s.city = line.substr(0, 15); break;
      case 30: s.sex = line[0] == 'W' ? 'W' : 'M'; break;
      case 31: s.statisticsAddress = line; break;
      case 33:
        if (line[0] == kGifOn) s.saveGif = true;
        if (line[0] == kGifOff) s.saveGif = false;
        break;
      case 34: s.gifCapture = inRange(parseInt(line), 0, 1).value_or(s.gifCapture); break;
      case 35: s.gifDelay = inRange(parseInt(line), 10, 5000).value_or(s.gifDelay); break;
      default: break;  // header lines
    }
  }
  return r;
}

std::string writeSettings(const Settings& s) {
  const Settings d;
  std::string flags(20, '#');
  flags[0] = languageChar(s.language);
  flags[1] = s.sound && s.music ? '1' : s.sound ? '2' : s.music ? '3' : '0';
  flags[2] = s.gifAnimation ? '1' : '0';
  flags[3] = s.flyCards ? '1' : '0';
  flags[4] = s.clubListMode == 2 ? '2' : '1';
  flags[5] = s.networkPlay ? '1' : '0';
  flags[6] = s.ownCursors ? '1' : '0';
  flags[7] = s.flightSpeed >= 1 && s.flightSpeed <= 6 ? static_cast<char>('0' + s.flightSpeed) : '4';
  flags[8] = s.windowSize >= 1 && s.windowSize <= 5 ? static_cast<char>('0' + s.windowSize) : '1';
  flags[9] = s.statsReportDue ? 'R' : '0';
  flags[10] = s.likeSent ? 'L' : '0';
  flags[11] = s.radioFromDisk ? '1' : '0';
  flags[12] = s.captionColour >= 1 && s.captionColour <= 7 ? static_cast<char>('0' + s.captionColour) : '1';
  flags[13] = s.newButtons ? '1' : '0';
  flags[14] = s.darkWindows ? '1' : '0';
  flags[15] = s.headerStyle == 2 ? '2' : s.headerStyle == 3 ? '3' : '1';
  flags[16] = s.menuDesign2 ? '1' : '0';
  flags[17] = s.tableDesign2 ? '1' : '0';
  flags[18] = s.graphicButtons ? '1' : '0';
  flags[19] = s.graphicCards ? '1' : '0';

  auto clampInt = [](int v, int lo, int hi, int fallback) { return v >= lo && v <= hi ? v : fallback; };
  std::string individual = "######";
  individual[0] = s.moveInQueue ? '1' : '0';
  std::string region = validRegion(s.region) ? s.region : d.region;

  std::vector<std::string> l;
  l.reserve(kSettingsLines);
  l.push_back(kHeaders[0]);
  l.push_back(flags);
  l.push_back(kHeaders[1]);
  l.push_back(std::to_string(clampInt(s.cardFaces, 0, 999, 0)));
  l.push_back(kHeaders[2]);
  l.push_back(zeroPadded(static_cast<unsigned>(clampInt(s.cardBack, 0, 99, 0)), 2) +
              (s.backAlwaysOne ? "1" : "0"));
  l.push_back(kHeaders[3]);
  l.push_back(individual);
  l.push_back(kHeaders[4]);
  l.push_back(cleanOr(s.fontDecor, 2, d.fontDecor));
  l.push_back(cleanOr(s.fontSerif, 2, d.fontSerif));
  l.push_back(cleanOr(s.fontFixed, 2, d.fontFixed));
  l.push_back(cleanOr(s.fontConew, 2, d.fontConew));
  l.push_back(std::to_string(clampInt(s.scaleDecor, 50, 150, 100)));
  l.push_back(std::to_string(clampInt(s.scaleSerif, 50, 150, 100)));
  l.push_back(std::to_string(clampInt(s.scaleFixed, 50, 150, 100)));
  l.push_back(std::to_string(clampInt(s.scaleConew, 50, 150, 100)));
  l.push_back(kHeaders[5]);
  l.push_back(cleanOr(s.serverAddress, 1, d.serverAddress));
  l.push_back(cleanOr(s.serverPort, 1, d.serverPort));
  l.push_back(kHeaders[6]);
  l.push_back(zeroPadded(static_cast<unsigned>(clampInt(s.backgroundKind, 0, 99, 2)), 2) +
              static_cast<char>('0' + clampInt(s.backgroundColour, 0, 6, 0)));
  l.push_back(kHeaders[7]);
  l.push_back(withoutControls(s.lastName));
  l.push_back(kHeaders[8]);
  l.push_back(cleanOr(s.tournamentAddress, 1, d.tournamentAddress));
  l.push_back(cleanOr(s.worldName, 0, d.worldName, 12));
  l.push_back(region);
  l.push_back(cleanOr(s.city, 0, d.city, 15));
  l.push_back(std::string(1, s.sex == 'W' ? 'W' : 'M'));
  l.push_back(cleanOr(s.statisticsAddress, 1, d.statisticsAddress));
  l.push_back(kHeaders[9]);
  l.push_back(std::string(1, s.saveGif ? kGifOn : kGifOff));
  l.push_back(s.gifCapture == 0 ? "0" : "1");
  l.push_back(std::to_string(clampInt(s.gifDelay, 10, 5000, 1000)));
  return joinLines(l);
}

SettingsRead loadSettings(const std::filesystem::path& path, const Settings& defaults) {
  // A second attempt covers a file that is briefly held by another writer.
  std::optional<std::string> bytes = readFile(path);
  if (!bytes) bytes = readFile(path);
  if (!bytes) return SettingsRead{defaults, 0};
  return readSettings(*bytes, defaults);
}

std::optional<words::Entry> saveSettings(const std::filesystem::path& path, const Settings& settings) {
  const std::string bytes = writeSettings(settings);
  if (writeFileAtomic(path, bytes) || writeFileAtomic(path, bytes)) return std::nullopt;
  return words::Entry::CantSaveOptions;
}

}  // namespace vantorn::files
