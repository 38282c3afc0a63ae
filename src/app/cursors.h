// The program's mouse cursors by role. Each role has a system shape and an own cursor
// from the built-in resources (a still arrow and three animated ones); the cursor setting
// picks one of the pair wherever a control's cursor is set.
//
// Animated cursors are strips of 32 by 32 frames with their frame count, hot spot and
// frame time in the picture's text keys. A widget given an animated role is moved to the
// next frame by one timer for all widgets; widgets that are destroyed drop out by
// themselves (QPointer).
#pragma once

#include <QCursor>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QVector>
#include <QWidget>

#include <array>
#include <vector>

namespace vantorn::platform {
class Resources;
}

namespace vantorn::app {

enum class CursorRole { Arrow = 0, Hand, Wait, Edit };

// An own cursor: one frame for a still cursor, several for an animated one.
struct AnimatedCursor {
  QVector<QCursor> frames;
  int rateMs = 100;  // time a frame shows
  bool valid() const { return !frames.isEmpty(); }
};

// Reads an animated cursor resource ("ANICURSOR", or the still "CURSOR"). On failure the
// result is empty and `error` tells why.
AnimatedCursor LoadAnimatedCursor(const platform::Resources& res, const QString& name, const QString& type,
                                  QString* error = nullptr);

class CursorSet : public QObject {
  Q_OBJECT
 public:
  explicit CursorSet(const platform::Resources& res, QObject* parent = nullptr);

  // The cursor setting: own cursors (true) or the system's.
  void setOwn(bool own);
  bool own() const { return own_; }
  // Gives a widget the cursor of a role (and keeps animating it).
  void apply(QWidget* w, CursorRole role);
  // The arrow on the window, the hand on its buttons, the text beam on its edit lines.
  void applyToWindow(QWidget* window);
  // The cursor a role shows now.
  QCursor current(CursorRole role) const;
  // The load errors of the own cursors (empty when all loaded).
  const QStringList& errors() const { return errors_; }
  int frame() const { return frame_; }
  const AnimatedCursor& ownCursor(CursorRole role) const { return own_cursors_[static_cast<std::size_t>(role)]; }

 private:
  void tick();
  void restartTimer();

  std::array<AnimatedCursor, 4> own_cursors_;
  QStringList errors_;
  bool own_ = true;
  int frame_ = 0;
  QTimer timer_;
  std::vector<std::pair<QPointer<QWidget>, CursorRole>> widgets_;
};

}  // namespace vantorn::app
