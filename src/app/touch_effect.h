// The touch effect: a short burst drawn over the screen where the pointer is, when a
// button is pressed or a card is played (each occasion has its own switch). Its frames
// come from the window-graphics pack; without the pack nothing happens.
//
// The effect is a frameless, click-through window over everything, showing the frames
// one after another 12 ms apart and closing itself; the program goes on meanwhile.
#pragma once

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace vantorn::platform {
class Resources;
}

namespace vantorn::app {

class TouchEffect : public QObject {
  Q_OBJECT
 public:
  static constexpr int kSize = 100;       // a frame is 100 by 100
  static constexpr int kFrameMs = 12;

  explicit TouchEffect(const platform::Resources& res, QObject* parent = nullptr);

  // Plays the effect centred on a screen point; false (and nothing shown) when the
  // window-graphics pack or its picture is missing.
  bool TouchEffectAt(QPoint globalCentre);
  // The same at the pointer.
  bool play();
  // The window while the effect shows, else null.
  QWidget* window() const { return window_; }
  int frameCount() const { return static_cast<int>(frames_.size()); }

 private:
  bool load();

  const platform::Resources& res_;
  std::vector<QImage> frames_;
  bool loaded_ = false;
  QPointer<QWidget> window_;
};

}  // namespace vantorn::app
