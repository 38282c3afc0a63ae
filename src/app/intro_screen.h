// The intro screen shown at start-up: a black ground with two gradient frames, the
// credit line, the release date, the version, two logos, four card pictures travelling
// between the corners of the outer frame and the game's title appearing letter by letter
// in changing colours. Drawn in the 760 by 500 design and scaled to the window.
//
// The intro ignores the mouse: the main window leaves it on any click or key release.
#pragma once

#include <QImage>
#include <QWidget>

#include <array>

#include "words/text.h"

namespace vantorn::platform {
class Resources;
}

namespace vantorn::app {

// The release date in a language ("October 18, 2022"; the other languages write the day
// first and use their month names).
QString releaseDate(words::Language language);

class IntroScreen : public QWidget {
  Q_OBJECT
 public:
  IntroScreen(const platform::Resources& resources, QWidget* parent = nullptr);

  void setLanguage(words::Language language) { language_ = language; }
  // DrawIntro: one frame (each tick of Timer1).
  void DrawIntro();
  int frame() const { return frame_; }
  // The frame drawn, at the design size.
  const QImage& picture() const { return picture_; }

  // The top left corner of intro card k (0..3) at a frame: each card travels round the
  // four corners, one side per 100 frames, a quarter of the round behind the one before.
  static QPoint cardPosition(int card, int frame);
  // The letters of the title shown at a frame: one more every five frames.
  static int lettersShown(int frame, int titleLength);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  words::Language language_ = words::Language::English;
  std::array<QImage, 4> cards_;
  QImage logo_;
  QImage picture_;
  int frame_ = 0;
};

}  // namespace vantorn::app
