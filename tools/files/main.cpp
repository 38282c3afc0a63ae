// vantorn-files: the installation step of the player files and a look into the program's
// files.
//
//   vantorn-files init DIR [--force]   write the delivered Vantorn.clb and Vantorn.net
//   vantorn-files check FILE           0 valid, 1 invalid, 2 missing or unreadable
//   vantorn-files show FILE            a readable UTF-8 listing
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "files/file_io.h"
#include "files/history.h"
#include "files/player_file.h"
#include "files/settings.h"
#include "words/cp1251.h"

namespace fs = std::filesystem;
using namespace vantorn;
using namespace vantorn::files;

namespace {

enum class Kind { Player, History, Settings };

int usage() {
  std::cerr << "usage: vantorn-files init DIR [--force]\n"
               "       vantorn-files check FILE\n"
               "       vantorn-files show FILE\n"
               "FILE is a player file (.clb, .net), a history file (.hst) or a settings file (.ini).\n";
  return 2;
}

Kind kindOf(const fs::path& p) {
  std::string ext = p.extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext == ".hst") return Kind::History;
  if (ext == ".ini") return Kind::Settings;
  return Kind::Player;
}

std::string utf8(std::string_view cp1251) { return words::cp1251ToUtf8(cp1251); }

int init(const fs::path& dir, bool force) {
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) {
    std::cerr << "vantorn-files: " << dir.string() << " is not a folder\n";
    return 2;
  }
  const std::string bytes = PlayerFile::delivered().bytes();
  const fs::path targets[] = {dir / "Vantorn.clb", dir / "Vantorn.net"};
  if (!force) {
    for (const fs::path& t : targets) {
      if (fs::exists(fs::symlink_status(t, ec))) {
        std::cerr << "vantorn-files: " << t.string() << " exists (use --force to replace it)\n";
        return 1;
      }
    }
  }
  for (const fs::path& t : targets) {
    if (!writeFileAtomic(t, bytes)) {
      std::cerr << "vantorn-files: cannot write " << t.string() << "\n";
      return 1;
    }
    std::cout << "wrote " << t.string() << "\n";
  }
  return 0;
}

int check(const fs::path& path) {
  std::optional<std::string> bytes = readFile(path);
  if (!bytes) {
    std::cout << path.string() << ": missing or unreadable\n";
    return 2;
  }
  switch (kindOf(path)) {
    case Kind::History: {
      HistoryValidation v = validateHistory(*bytes);
      if (v.valid)
        std::cout << path.string() << ": valid history file, " << v.records << " records\n";
      else
        std::cout << path.string() << ": invalid history file: " << v.reason << "\n";
      return v.valid ? 0 : 1;
    }
    case Kind::Settings: {
      SettingsRead r = readSettings(*bytes);
      if (r.linesRead == kSettingsLines) {
        std::cout << path.string() << ": valid settings file\n";
        return 0;
      }
      std::cout << path.string() << ": settings file read up to line " << r.linesRead
                << " of 35; the rest takes the defaults\n";
      return 1;
    }
    case Kind::Player: break;
  }
  PlayerCheckResult r = checkPlayerBytes(*bytes);
  if (r.status != PlayerCheck::Valid) {
    std::cout << path.string() << ": incorrect player file: " << r.reason << "\n";
    return 1;
  }
  std::cout << path.string() << ": valid player file, installation label \"" << utf8(r.installationLabel)
            << "\"" << (r.russianEdition ? ", Russian edition" : "")
            << (isProtected(path) ? "; warning: the program may not write it" : "") << "\n";
  return 0;
}

void showPlayer(const std::string& bytes) {
  std::string why;
  std::optional<PlayerFile> f = PlayerFile::parse(bytes, &why);
  if (!f) {
    std::cout << "not a player file: " << why << "\n";
    return;
  }
  std::cout << "Elite Club (records by rating):\n";
  for (int k = 1; k <= kPlayerRecords; ++k) {
    std::optional<RecordFields> r = parseRecord(f->record(k));
    if (!r) {
      std::cout << "  " << k << ". " << (recordIsEmpty(f->record(k)) ? "(empty)" : "(damaged record)") << "\n";
      continue;
    }
    std::optional<std::string> pw = decodePassword(r->passwordCode);
    char buf[160];
    std::snprintf(buf, sizeof buf, "rating %.6f, games %lld, series score %lld, password %s", r->rating,
                  r->games, r->score, pw ? "set" : "damaged");
    std::cout << "  " << k << ". " << utf8(r->name) << "  " << buf << "\n";
  }
  std::cout << "Top Ten:\n";
  for (int i = 1; i <= kTopTenEntries; ++i)
    std::cout << "  " << (i < 10 ? " " : "") << i << ". " << utf8(f->topTen(i).substr(0, 20)) << " "
              << f->topTen(i).substr(20, 6) << "\n";
  std::cout << "Mark line: " << utf8(f->line(16)) << (f->markValid() ? "" : "  (wrong mark)") << "\n"
            << "Check line: " << utf8(f->line(17)) << (f->sumsMatch() ? "  (sums match)" : "  (sums do not match)")
            << "\n"
            << "Edition: " << (f->russianEdition() ? "Russian" : "settings language")
            << ", installation label \"" << utf8(f->installationLabel()) << "\"\n";
}

void showHistory(const std::string& bytes) {
  HistoryValidation v = validateHistory(bytes);
  std::cout << (v.valid ? "valid" : "invalid (" + v.reason + ")") << ", " << v.records << " records\n";
  std::cout << "Time  Date       Player                                              Games     Result     Rating Type\n";
  for (const HistoryRow& r : historyRows(bytes))
    std::cout << r.time << " " << r.date << " " << utf8(r.player) << " " << r.games << " " << r.result << " "
              << r.rating << " " << kindWord(r.kind) << "\n";
}

void showSettings(const std::string& bytes) {
  SettingsRead rd = readSettings(bytes);
  const Settings& s = rd.settings;
  static const char* const kLanguages[] = {"English", "Russian", "German", "French", "Spanish",
                                           "Chinese", "Italian", "Czech", "Japanese", "Korean"};
  static const char* const kSizes[] = {"", "small window", "full screen", "middle window 1", "middle window 2",
                                       "big window"};
  static const char* const kColours[] = {"green", "maroon", "brown", "olive", "teal", "navy", "purple"};
  auto onOff = [](bool b) { return b ? "on" : "off"; };
  std::cout << "lines read: " << rd.linesRead << " of 35" << (rd.linesRead < 35 ? " (the rest are defaults)" : "")
            << "\n"
            << "language: " << s.language << " ("
            << (s.language < 10 ? kLanguages[s.language] : "not in the table, English is shown") << ")\n"
            << "sound: " << onOff(s.sound) << ", music: " << onOff(s.music) << "\n"
            << "animated pictures: " << onOff(s.gifAnimation) << "\n"
            << "card flight animation: " << onOff(s.flyCards) << "\n"
            << "club list mode: " << s.clubListMode << (s.clubListMode == 2 ? " (total games and rating)" : " (current series)") << "\n"
            << "network play: " << onOff(s.networkPlay) << "\n"
            << "own mouse cursors: " << onOff(s.ownCursors) << "\n"
            << "card flight speed: " << s.flightSpeed << "\n"
            << "window size: " << s.windowSize << " (" << kSizes[s.windowSize] << ")\n"
            << "start-up report due: " << (s.statsReportDue ? "yes" : "no") << "\n"
            << "\"I like this game!\" sent: " << (s.likeSent ? "yes" : "no") << "\n"
            << "radio station list: " << (s.radioFromDisk ? "from disk first" : "from the server first") << "\n"
            << "menu caption colour: " << s.captionColour << "\n"
            << "new buttons: " << onOff(s.newButtons) << "\n"
            << "auxiliary windows: "
            << (s.darkWindows ? std::string("dark style") : "header style " + std::to_string(s.headerStyle)) << "\n"
            << "main menu design: " << (s.menuDesign2 ? 2 : 1) << ", game table design: " << (s.tableDesign2 ? 2 : 1) << "\n"
            << "graphic buttons: " << onOff(s.graphicButtons) << ", graphic cards: " << onOff(s.graphicCards) << "\n"
            << "card faces: " << s.cardFaces << "\n"
            << "card back: " << s.cardBack << (s.backAlwaysOne ? " (always one)" : " (changing or random)") << "\n"
            << "first mover alternates: " << onOff(s.moveInQueue) << "\n"
            << "fonts: decor \"" << utf8(s.fontDecor) << "\" " << s.scaleDecor << "%, serif \"" << utf8(s.fontSerif)
            << "\" " << s.scaleSerif << "%, fixed \"" << utf8(s.fontFixed) << "\" " << s.scaleFixed << "%, conew \""
            << utf8(s.fontConew) << "\" " << s.scaleConew << "%\n"
            << "last server: " << utf8(s.serverAddress) << " port " << utf8(s.serverPort) << "\n"
            << "background: kind " << s.backgroundKind << ", colour " << kColours[s.backgroundColour] << "\n"
            << "last name typed: \"" << utf8(s.lastName) << "\"\n"
            << "tournament service (enciphered): " << utf8(s.tournamentAddress) << "\n"
            << "world name: \"" << utf8(s.worldName) << "\", region " << utf8(s.region) << ", city \""
            << utf8(s.city) << "\", sex " << s.sex << "\n"
            << "statistics service (enciphered): " << utf8(s.statisticsAddress) << "\n"
            << "save games as GIF: " << onOff(s.saveGif) << ", capture "
            << (s.gifCapture == 0 ? "main window" : "whole screen") << ", frame delay " << s.gifDelay << " ms\n";
}

int show(const fs::path& path) {
  std::optional<std::string> bytes = readFile(path);
  if (!bytes) {
    std::cerr << path.string() << ": missing or unreadable\n";
    return 2;
  }
  switch (kindOf(path)) {
    case Kind::History: showHistory(*bytes); break;
    case Kind::Settings: showSettings(*bytes); break;
    case Kind::Player: showPlayer(*bytes); break;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return usage();
  const std::string cmd = args[0];
  if (cmd == "init") {
    bool force = false;
    std::vector<std::string> rest;
    for (std::size_t i = 1; i < args.size(); ++i) {
      if (args[i] == "--force") force = true;
      else rest.push_back(args[i]);
    }
    if (rest.size() != 1) return usage();
    return init(rest[0], force);
  }
  if ((cmd == "check" || cmd == "show") && args.size() == 2) return cmd == "check" ? check(args[1]) : show(args[1]);
  return usage();
}
