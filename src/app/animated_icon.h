// A 48 by 48 animated icon: frame k (from 1) of a horizontal strip of 48 by 48 frames,
// drawn with its alpha over whatever the window shows behind it. Each tick advances k
// and wraps after the strip's frame count (its width / 48). Used on the user-interface
// thread only.
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

namespace vantorn::platform {
class Resources;
}

namespace vantorn::app {

class AnimatedIcon : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kFrameSize = 48;

  explicit AnimatedIcon(QWidget* parent = nullptr);
  // The strip; the frame goes back to 1. A strip narrower than one frame shows nothing.
  void setStrip(const QImage& strip);
  // The strip "GIcon48" + name from the window-graphics pack; false (and nothing shown)
  // when the pack or the picture is missing.
  bool loadStrip(const platform::Resources& res, const QString& name);

  int frameCount() const { return FFrames; }
  int frame() const { return FFrame; }
  // One tick: the next frame, 1 again after the last.
  void tick();
  // Ticks every `intervalMs` milliseconds (0 stops).
  void setInterval(int intervalMs);
  // The picture of the current frame.
  QImage currentFrame() const;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QImage FStrip;
  int FFrames = 0;
  int FFrame = 1;
  QTimer FTimer;
};

struct WindowStyle;

// The icon "GIcon48" + name of a window, ticking every `intervalMs`; nullptr when the
// window-graphics pack (or the strip) is missing.
AnimatedIcon* makeWindowIcon(const WindowStyle& style, const QString& name, QWidget* parent, int intervalMs = 80);

}  // namespace vantorn::app
