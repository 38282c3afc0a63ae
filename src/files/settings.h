// The settings file Vantorn.ini: 35 fixed lines, most preferences single characters of
// the general flags line (line 2). See docs/files.md.
//
// `readSettings` and `writeSettings` work on bytes in memory; `loadSettings` and
// `saveSettings` are the file edge. Reading starts from the defaults it is given (the
// main window may set the window size and pack-dependent switches before reading).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "words/text.h"

namespace vantorn::files {

inline constexpr int kSettingsLines = 35;

// Placeholder defaults of the enciphered service addresses (lines 26 and 31); the online
// layer supplies its own through the defaults it passes to `readSettings`.
inline constexpr std::string_view kDefaultTournamentAddress = "L3RvdXJuYW1lbnQ=";
inline constexpr std::string_view kDefaultStatisticsAddress = "L3N0YXRz";

struct Settings {
  // Line 2, the general flags line, by position.
  int language = 0;              // 1: index 0..20 ("0".."9", "a".."k")
  bool sound = true;             // 2: "0" both off, "1" both on, "2" sound only, "3" music only
  bool music = true;
  bool gifAnimation = true;      // 3
  bool flyCards = true;          // 4
  int clubListMode = 1;          // 5: 1 series view, 2 totals view
  bool networkPlay = false;      // 6
  bool ownCursors = true;        // 7
  int flightSpeed = 4;           // 8: 1..6
  int windowSize = 1;            // 9: 1..5
  bool statsReportDue = true;    // 10: "R" due
  bool likeSent = true;          // 11: "L" sent
  bool radioFromDisk = false;    // 12: "0" server first, "1" disk first
  int captionColour = 1;         // 13: 1..7
  bool newButtons = false;       // 14
  bool darkWindows = false;      // 15: auxiliary-window design 4
  int headerStyle = 2;           // 16: 1..3
  bool menuDesign2 = false;      // 17
  bool tableDesign2 = false;     // 18
  bool graphicButtons = false;   // 19
  bool graphicCards = false;     // 20

  int cardFaces = 0;             // line 4
  int cardBack = 0;              // line 6, first two characters
  bool backAlwaysOne = false;    // line 6, third character
  bool moveInQueue = false;      // line 8, character 1

  std::string fontDecor = "Comic Sans MS";  // lines 10..13
  std::string fontSerif = "Comic Sans MS";
  std::string fontFixed = "FixedSys";
  std::string fontConew = "Courier New";
  int scaleDecor = 100;          // lines 14..17, per cent
  int scaleSerif = 100;
  int scaleFixed = 100;
  int scaleConew = 100;

  std::string serverAddress = "127.0.0.1";  // line 19
  std::string serverPort = "25666";         // line 20
  int backgroundKind = 2;        // line 22, two digits
  int backgroundColour = 0;      // line 22, one digit 0..6
  std::string lastName;          // line 24, Windows-1251

  std::string tournamentAddress{kDefaultTournamentAddress};  // line 26, enciphered
  std::string worldName = "Incognito";                        // line 27, at most 12
  std::string region = "1-001";                               // line 28, at most 15
  std::string city = "Moscow";                                // line 29, at most 15
  char sex = 'M';                                             // line 30, 'M' or 'W'
  std::string statisticsAddress{kDefaultStatisticsAddress};   // line 31, enciphered

  bool saveGif = false;          // line 33: "и" on, "л" off
  int gifCapture = 1;            // line 34: 0 main window, 1 whole screen
  int gifDelay = 1000;           // line 35: milliseconds, 10..5000

  bool operator==(const Settings&) const = default;
};

struct SettingsRead {
  Settings settings;
  // How many of the 35 lines were taken; reading stops at the first line that is missing
  // or too short, and every later preference keeps its default.
  int linesRead = 0;
};

SettingsRead readSettings(std::string_view bytes, const Settings& defaults = Settings{});
std::string writeSettings(const Settings& settings);

// True when `region` is a valid region code: continent 1..6, "-", a country number within
// the continent's range, at most 15 characters.
bool validRegion(std::string_view region);

// The file edge. A missing or unreadable file gives the defaults.
SettingsRead loadSettings(const std::filesystem::path& path, const Settings& defaults = Settings{});
// Writes the whole file safely; on failure returns the message to show and leaves the old
// file as it was.
std::optional<words::Entry> saveSettings(const std::filesystem::path& path, const Settings& settings);

}  // namespace vantorn::files
