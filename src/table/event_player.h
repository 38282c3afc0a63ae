// Plays the core's events one after another at the game's pace: pauses, card flights,
// the pile's turnover, waited sounds. The window keeps painting and handling its own
// events meanwhile; input and the driver tick wait until the queue is empty (busy()).
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>

#include "core/events.h"
#include "core/game.h"

namespace vantorn::table {

class TableView;

struct PlayerOptions {
  bool fast = false;      // no pauses, flights or waits at all (tests, soak runs)
  bool flyCards = true;   // the "Fly-Cards" switch
  int flightSpeed = 4;    // 1..6
};

class EventPlayer : public QObject {
  Q_OBJECT
 public:
  EventPlayer(TableView* view, const core::Game* game, QObject* parent = nullptr);

  void setOptions(const PlayerOptions& o) { options_ = o; }
  // Takes the game's new events (and clears them in the game).
  void take(core::Game& game);
  bool busy() const { return !queue_.empty() || waiting_; }

  // Called for events the window handles itself (sounds, messages, buttons, suit
  // questions). It returns how many milliseconds the game waits before the next event
  // (a sound that is waited for), usually 0.
  std::function<int(const core::Event&)> onEvent;

 Q_SIGNALS:
  void idle();

 private:
  void next();
  void startFlight(const core::Event& e);
  void flightStep();
  void finishWait();

  TableView* view_;
  const core::Game* game_;
  PlayerOptions options_;
  std::deque<core::Event> queue_;
  bool waiting_ = false;
  QTimer timer_;
  // Flight state.
  QTimer flightTimer_;
  QElapsedTimer flightClock_;
  core::Event flight_{};
  int flightSteps_ = 0;
  double flightMs_ = 0;
  int turnoverSteps_ = 0;
};

// Milliseconds a flight of `steps` one-pixel steps takes at a speed 1..6.
double flightDuration(int steps, int speed);

}  // namespace vantorn::table
