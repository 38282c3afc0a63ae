#include "app/touch_effect.h"

#include <QCursor>
#include <QPainter>

#include "platform/resources.h"

namespace vantorn::app {

namespace {

// The window that shows the frames over whatever is below it.
class TouchWindow : public QWidget {
 public:
  explicit TouchWindow(const std::vector<QImage>& frames)
      : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), frames_(frames) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TouchEffect::kSize, TouchEffect::kSize);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] {
      if (++frame_ >= static_cast<int>(frames_.size())) {
        timer_.stop();
        close();
        return;
      }
      update();
    });
    timer_.start(TouchEffect::kFrameMs);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(rect(), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (frame_ < static_cast<int>(frames_.size())) p.drawImage(0, 0, frames_[static_cast<std::size_t>(frame_)]);
  }

 private:
  const std::vector<QImage>& frames_;
  QTimer timer_;
  int frame_ = 0;
};

}  // namespace

TouchEffect::TouchEffect(const platform::Resources& res, QObject* parent) : QObject(parent), res_(res) {}

bool TouchEffect::load() {
  // Read once per run while the pack is there; a pack removed later is noticed.
  if (!res_.packPresent(QStringLiteral("QexCGraph1.dll"))) return false;
  if (loaded_) return !frames_.empty();
  loaded_ = true;
  QImage strip;
  if (!platform::LoadPackPng(res_, QStringLiteral("GTouch"), QStringLiteral("QexCGraph1.dll"), strip) ||
      strip.isNull() || strip.height() < kSize)
    return false;
  for (int x = 0; x + kSize <= strip.width(); x += kSize)
    frames_.push_back(strip.copy(x, 0, kSize, kSize).convertToFormat(QImage::Format_ARGB32_Premultiplied));
  return !frames_.empty();
}

bool TouchEffect::TouchEffectAt(QPoint globalCentre) {
  if (!load()) return false;
  if (window_) window_->close();  // a new touch replaces one still showing
  auto* w = new TouchWindow(frames_);
  w->move(globalCentre - QPoint(kSize / 2, kSize / 2));
  w->show();
  window_ = w;
  return true;
}

bool TouchEffect::play() { return TouchEffectAt(QCursor::pos()); }

}  // namespace vantorn::app
