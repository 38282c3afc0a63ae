#include "app/cursors.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QImageReader>
#include <QLineEdit>
#include <QPixmap>

#include "platform/resources.h"

namespace vantorn::app {

namespace {

constexpr int kFrameSize = 32;

Qt::CursorShape systemShape(CursorRole role) {
  switch (role) {
    case CursorRole::Hand: return Qt::PointingHandCursor;
    case CursorRole::Wait: return Qt::WaitCursor;
    case CursorRole::Edit: return Qt::IBeamCursor;
    default: return Qt::ArrowCursor;
  }
}

int textNumber(const QImage& img, const char* key, int fallback, int lo, int hi) {
  bool ok = false;
  const int v = img.text(QString::fromLatin1(key)).toInt(&ok);
  return ok && v >= lo && v <= hi ? v : fallback;
}

}  // namespace

AnimatedCursor LoadAnimatedCursor(const platform::Resources& res, const QString& name, const QString& type,
                                  QString* error) {
  AnimatedCursor out;
  QByteArray bytes;
  const platform::PackLoad load = res.loadBytes(name, type, QString(), bytes);
  if (load != platform::PackLoad::Loaded) {
    if (error) *error = QStringLiteral("The cursor resource %1 was not found").arg(name);
    return out;
  }
  QBuffer buffer(&bytes);
  QImageReader reader(&buffer, "png");
  QImage strip = reader.read();
  if (strip.isNull() || strip.height() != kFrameSize || strip.width() < kFrameSize) {
    if (error) *error = QStringLiteral("The cursor %1 cannot be read: %2").arg(name, reader.errorString());
    return out;
  }
  // The frame count may not exceed what the strip holds, whatever its text says.
  const int available = strip.width() / kFrameSize;
  const int frames = std::min(textNumber(strip, "Frames", available, 1, 1 << 20), available);
  const int hotX = textNumber(strip, "HotX", 0, 0, kFrameSize - 1);
  const int hotY = textNumber(strip, "HotY", 0, 0, kFrameSize - 1);
  out.rateMs = textNumber(strip, "Rate", 100, 10, 5000);
  for (int f = 0; f < frames; ++f)
    out.frames.push_back(QCursor(QPixmap::fromImage(strip.copy(f * kFrameSize, 0, kFrameSize, kFrameSize)), hotX, hotY));
  return out;
}

CursorSet::CursorSet(const platform::Resources& res, QObject* parent) : QObject(parent) {
  const struct {
    CursorRole role;
    const char* name;
    const char* type;
  } sources[] = {{CursorRole::Arrow, "CURARROW", "CURSOR"},
                 {CursorRole::Hand, "CURHAND", "ANICURSOR"},
                 {CursorRole::Wait, "CURWAIT", "ANICURSOR"},
                 {CursorRole::Edit, "CUREDIT", "ANICURSOR"}};
  for (const auto& s : sources) {
    QString error;
    own_cursors_[static_cast<std::size_t>(s.role)] =
        LoadAnimatedCursor(res, QString::fromLatin1(s.name), QString::fromLatin1(s.type), &error);
    if (!error.isEmpty()) errors_ << error;
  }
  connect(&timer_, &QTimer::timeout, this, &CursorSet::tick);
  restartTimer();
}

void CursorSet::restartTimer() {
  // One timer at the fastest frame time of the animated cursors.
  int rate = 0;
  for (const AnimatedCursor& c : own_cursors_)
    if (c.frames.size() > 1) rate = rate == 0 ? c.rateMs : std::min(rate, c.rateMs);
  if (own_ && rate > 0)
    timer_.start(rate);
  else
    timer_.stop();
}

void CursorSet::setOwn(bool own) {
  own_ = own;
  restartTimer();
  for (const auto& [w, role] : widgets_)
    if (w) w->setCursor(current(role));
}

QCursor CursorSet::current(CursorRole role) const {
  const AnimatedCursor& c = own_cursors_[static_cast<std::size_t>(role)];
  // A cursor that could not be loaded shows the system's shape.
  if (!own_ || !c.valid()) return QCursor(systemShape(role));
  return c.frames[frame_ % c.frames.size()];
}

void CursorSet::apply(QWidget* w, CursorRole role) {
  if (!w) return;
  bool known = false;
  for (auto& [widget, r] : widgets_)
    if (widget == w) {
      r = role;
      known = true;
    }
  if (!known) {
    std::erase_if(widgets_, [](const auto& entry) { return entry.first.isNull(); });
    widgets_.emplace_back(w, role);
  }
  w->setCursor(current(role));
}

void CursorSet::applyToWindow(QWidget* window) {
  apply(window, CursorRole::Arrow);
  for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) apply(b, CursorRole::Hand);
  for (QLineEdit* e : window->findChildren<QLineEdit*>()) apply(e, CursorRole::Edit);
}

void CursorSet::tick() {
  ++frame_;
  for (const auto& [w, role] : widgets_)
    if (w && own_cursors_[static_cast<std::size_t>(role)].frames.size() > 1) w->setCursor(current(role));
}

}  // namespace vantorn::app
