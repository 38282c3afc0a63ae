#include "app/finish_game.h"

#include "files/player_file.h"

namespace vantorn::app {

namespace {
std::string trimRight(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}
}  // namespace

FinishResult finishLocalGame(const CurrentPlayer& player, const core::GameOutcome& outcome,
                             const std::filesystem::path& playerFile, const std::filesystem::path& historyFolder,
                             const files::Stamp& stamp, files::GameKind kind, const std::string& opponentName) {
  FinishResult r;
  const long long n = outcome.gameNumber;
  r.newRating = files::updateRating(n, outcome.result, n - 1, player.rating);
  r.seriesEnded = files::seriesEnded(n);

  files::HistoryRecord h;
  h.name = trimRight(player.name);
  if (kind == files::GameKind::Network) h.name += "/" + trimRight(opponentName);
  h.games = 1;
  h.result = outcome.result;
  h.rating = r.newRating;
  h.kind = kind;
  files::HistoryStore history{historyFolder, playerFile.filename().string()};
  r.historyError = history.append({h}, stamp);

  const std::string record = files::formatRecord(player.name, r.newRating, n, outcome.newGeneralScore,
                                                 files::encodePassword(player.password));
  files::PlayerFileStore store(playerFile);
  store.check();
  const files::StoreOutcome stored = store.finishGame(player.slot, record, r.seriesEnded);
  r.playerFileError = stored.error;
  r.topTenPlace = stored.result.topTenPlace;
  r.seriesScore = stored.result.seriesScore;
  return r;
}

std::optional<CurrentPlayer> readPlayer(const std::filesystem::path& playerFile, int slot) {
  if (slot < 1 || slot > files::kPlayerRecords) return std::nullopt;
  files::PlayerFileStore store(playerFile);
  const auto file = store.load();
  if (!file) return std::nullopt;
  const auto fields = files::parseRecord(file->record(slot));
  if (!fields) return std::nullopt;
  CurrentPlayer p;
  p.slot = slot;
  p.name = trimRight(fields->name);
  p.rating = fields->rating;
  p.games = fields->games;
  p.score = fields->score;
  if (auto pw = files::decodePassword(fields->passwordCode)) p.password = trimRight(*pw);
  return p;
}

}  // namespace vantorn::app
