// Plays the core's events one after another at the game's pace: pauses, card flights,
// the pile's turnover, waited sounds. The window keeps painting and handling its own
// events meanwhile; input and the driver tick wait until the queue is empty (busy()).
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QTimer>

#include <deque>
#include <functional>
#include <vector>

#include "core/events.h"
#include "core/game.h"

namespace vantorn::table {

class TableView;

struct PlayerOptions {
  bool fast = false;      // no pauses, flights or waits at all (tests, soak runs)
  bool flyCards = true;   // the "Fly-Cards" switch
  int flightSpeed = 4;    // 1..6
};

// The pace of card flights: how long to sleep after each drawn one-pixel step. Speed 1
// sleeps 2 ms every step, 2 sleeps 1 ms every step, 3 sleeps 1 ms every second step, 4
// every third step, 5 and 6 never. The counter of steps between sleeps runs on from one
// flight to the next, as one pace for the whole game.
class FlightPace {
 public:
  int sleepAfterStep(int speed);

 private:
  int counter_ = 0;
};

// The flight's timeline: for each drawn step, the milliseconds from the flight's start at
// which it shows, and its step number (1..steps). Each step costs the time to draw it and
// then its sleep. At speed 6 the first step is not drawn (unless it is the last).
struct FlightStep {
  int step;
  double at;
};
std::vector<FlightStep> flightSchedule(int steps, int speed, FlightPace& pace);

// The time to draw one step, which alone paces speeds 5 and 6.
inline constexpr double kFlightDrawMs = 0.35;

// The sprite's place after `step` steps of a flight from a to b.
QPoint flightPoint(QPoint a, QPoint b, int step);

// Milliseconds a flight of `steps` one-pixel steps takes at a speed 1..6 (with a fresh pace).
double flightDuration(int steps, int speed);

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
  FlightPace pace_;
  std::vector<FlightStep> schedule_;
  std::size_t scheduleAt_ = 0;
  int turnoverSteps_ = 0;
};

}  // namespace vantorn::table
