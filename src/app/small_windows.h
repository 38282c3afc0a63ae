// Small modal windows around a local game: the champions (TFormTopTen), the history of
// games (TFHistory) and the end of a series (TFormEndGame).
#pragma once

#include <QDialog>

#include <filesystem>

#include "app/window_style.h"
#include "words/text.h"

namespace vantorn::platform {
class Resources;
}

namespace vantorn::app {

// "Top Ten": the ten best series results of the player file.
class TFormTopTen : public QDialog {
  Q_OBJECT
 public:
  TFormTopTen(words::Language language, const std::filesystem::path& playerFile, bool network,
              QWidget* parent = nullptr, const WindowStyle& style = {});
  const DressResult& dressResult() const { return FDress; }

 private:
  DressResult FDress;
};

// "History of games": every record of the history files, newest file last.
class TFHistory : public QDialog {
  Q_OBJECT
 public:
  TFHistory(words::Language language, const std::filesystem::path& historyFolder, const std::string& playerFileName,
            QWidget* parent = nullptr, const WindowStyle& style = {});
  int rowCount() const { return rows_; }
  const DressResult& dressResult() const { return FDress; }

 private:
  int rows_ = 0;
  DressResult FDress;
};

// "The completion of game": the series result with the place among the ten best.
class TFormEndGame : public QDialog {
  Q_OBJECT
 public:
  enum class Mode { Local, Network };
  TFormEndGame(words::Language language, const platform::Resources& res, int place, long long score, Mode mode,
               QWidget* parent = nullptr, const WindowStyle& style = {});
  const DressResult& dressResult() const { return FDress; }

 private:
  DressResult FDress;
};

// The values of the general-score window (`TCount`), as texts.
struct TCount {
  QString Count_KonAll, Count_KonCur, Count_ScoBeg, Count_ScoCur, Count_ScoAll, Count_ReiBeg, Count_ReiCur;
};

// "Information about game": the general score of the current player.
class TFormCount : public QDialog {
  Q_OBJECT
 public:
  TFormCount(words::Language language, const QString& playerName, const TCount& count, QWidget* parent = nullptr,
             const WindowStyle& style = {});
  const DressResult& dressResult() const { return FDress; }

 private:
  DressResult FDress;
};

// "Choice of speed": the flight speed 1..6, changed at once while the slider moves.
class TFormSpeed : public QDialog {
  Q_OBJECT
 public:
  TFormSpeed(words::Language language, int speed, QWidget* parent = nullptr, const WindowStyle& style = {});
  int speed() const { return FSpeed; }
  const DressResult& dressResult() const { return FDress; }
  // The icon's tick for a speed 1..6: 110, 95, 80, 65, 40, 25 ms.
  static int iconInterval(int speed);

 private:
  int FSpeed;
  DressResult FDress;
};

}  // namespace vantorn::app
