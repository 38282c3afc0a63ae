#include "app/animated_icon.h"

#include <QPainter>

#include "app/window_style.h"
#include "platform/resources.h"

namespace vantorn::app {

AnimatedIcon::AnimatedIcon(QWidget* parent) : QWidget(parent) {
  setFixedSize(kFrameSize, kFrameSize);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  connect(&FTimer, &QTimer::timeout, this, &AnimatedIcon::tick);
}

void AnimatedIcon::setStrip(const QImage& strip) {
  FStrip = strip.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  FFrames = strip.height() >= kFrameSize ? strip.width() / kFrameSize : 0;
  FFrame = 1;
  update();
}

bool AnimatedIcon::loadStrip(const platform::Resources& res, const QString& name) {
  QImage strip;
  platform::LoadPackPng(res, QStringLiteral("GIcon48") + name, kWindowGraphicsPack, strip);
  setStrip(strip);
  return FFrames > 0;
}

void AnimatedIcon::tick() {
  if (FFrames == 0) return;
  FFrame = FFrame >= FFrames ? 1 : FFrame + 1;
  update();
}

void AnimatedIcon::setInterval(int intervalMs) {
  if (intervalMs <= 0) {
    FTimer.stop();
    return;
  }
  FTimer.start(intervalMs);
}

QImage AnimatedIcon::currentFrame() const {
  if (FFrames == 0) return {};
  return FStrip.copy((FFrame - 1) * kFrameSize, 0, kFrameSize, kFrameSize);
}

void AnimatedIcon::paintEvent(QPaintEvent*) {
  if (FFrames == 0) return;
  QPainter p(this);
  p.drawImage(QPoint(0, 0), FStrip, QRect((FFrame - 1) * kFrameSize, 0, kFrameSize, kFrameSize));
}

AnimatedIcon* makeWindowIcon(const WindowStyle& style, const QString& name, QWidget* parent, int intervalMs) {
  auto* icon = new AnimatedIcon(parent);
  icon->setObjectName(QStringLiteral("Icon48") + name);
  if (!icon->loadStrip(styleResources(style), name)) {
    delete icon;
    return nullptr;
  }
  icon->setInterval(intervalMs);
  return icon;
}

}  // namespace vantorn::app
