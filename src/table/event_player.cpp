#include "table/event_player.h"

#include <cmath>

#include "table/table_view.h"

namespace vantorn::table {

using core::Event;
using core::EventKind;

int FlightPace::sleepAfterStep(int speed) {
  switch (speed) {
    case 1: return 2;
    case 2: return 1;
    case 3:
    case 4:
      if (++counter_ < speed - 1) return 0;
      counter_ = 0;
      return 1;
    default: return 0;
  }
}

std::vector<FlightStep> flightSchedule(int steps, int speed, FlightPace& pace) {
  std::vector<FlightStep> out;
  out.reserve(static_cast<std::size_t>(std::max(0, steps)));
  double at = 0;
  for (int step = 1; step <= steps; ++step) {
    if (speed == 6 && step == 1 && steps > 1) continue;  // the first step is not drawn
    at += kFlightDrawMs;
    out.push_back({step, at});
    at += pace.sleepAfterStep(speed);
  }
  return out;
}

double flightDuration(int steps, int speed) {
  FlightPace pace;
  const auto schedule = flightSchedule(steps, std::clamp(speed, 1, 6), pace);
  return schedule.empty() ? 0.0 : schedule.back().at;
}

EventPlayer::EventPlayer(TableView* view, const core::Game* game, QObject* parent)
    : QObject(parent), view_(view), game_(game) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &EventPlayer::finishWait);
  flightTimer_.setInterval(8);
  connect(&flightTimer_, &QTimer::timeout, this, &EventPlayer::flightStep);
}

void EventPlayer::take(core::Game& game) {
  for (const Event& e : game.events()) queue_.push_back(e);
  game.clearEvents();
  if (!waiting_) next();
}

void EventPlayer::finishWait() {
  waiting_ = false;
  next();
}

void EventPlayer::next() {
  while (!queue_.empty() && !waiting_) {
    const Event e = queue_.front();
    queue_.pop_front();
    view_->scene().apply(e, *game_);
    switch (e.kind) {
      case EventKind::Pause:
        if (!options_.fast && e.a > 0) {
          waiting_ = true;
          timer_.start(e.a);
        }
        break;
      case EventKind::Flight:
        if (!options_.fast && options_.flyCards) startFlight(e);
        break;
      case EventKind::PileTurned:
        // One layer every 300 ms until the pile's layers are spent.
        turnoverSteps_ = std::min(5, (e.a + 3) / 4);
        if (!options_.fast && turnoverSteps_ > 0) {
          waiting_ = true;
          timer_.start(300 * turnoverSteps_);
        }
        break;
      default:
        if (onEvent) {
          const int wait = onEvent(e);
          if (wait > 0 && !options_.fast) {
            waiting_ = true;
            timer_.start(wait);
          }
        }
        break;
    }
    view_->update();
  }
  if (queue_.empty() && !waiting_) Q_EMIT idle();
}

void EventPlayer::startFlight(const Event& e) {
  flight_ = e;
  const QPoint a = view_->flightStart(e);
  const QPoint b = view_->flightEnd(e);
  flightSteps_ = std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
  if (flightSteps_ == 0) return;
  schedule_ = flightSchedule(flightSteps_, std::clamp(options_.flightSpeed, 1, 6), pace_);
  scheduleAt_ = 0;
  waiting_ = true;
  flightClock_.start();
  view_->setSprite(view_->cardPicture(e.from == core::Place::Stock ? core::Card::empty() : e.card), a);
  flightTimer_.start();
}

QPoint flightPoint(QPoint a, QPoint b, int step) {
  // The pixel line of the flight: the major axis moves one pixel per step, the other
  // follows the line rounded half to even.
  const int dx = b.x() - a.x();
  const int dy = b.y() - a.y();
  if (std::abs(dx) >= std::abs(dy)) {
    if (dx == 0) return a;
    const int x = a.x() + (dx > 0 ? step : -step);
    return {x, static_cast<int>(std::nearbyint(double(dy) * (x - a.x()) / dx + a.y()))};
  }
  const int y = a.y() + (dy > 0 ? step : -step);
  return {static_cast<int>(std::nearbyint(double(dx) * (y - a.y()) / dy + a.x())), y};
}

void EventPlayer::flightStep() {
  const QPoint a = view_->flightStart(flight_);
  const QPoint b = view_->flightEnd(flight_);
  // Show the last step of the timeline that is due by now.
  const double now = static_cast<double>(flightClock_.nsecsElapsed()) / 1e6;
  while (scheduleAt_ + 1 < schedule_.size() && schedule_[scheduleAt_ + 1].at <= now) ++scheduleAt_;
  const bool done = schedule_.empty() || (scheduleAt_ + 1 == schedule_.size() && schedule_.back().at <= now);
  const int step = schedule_.empty() ? flightSteps_ : schedule_[scheduleAt_].step;
  const QPoint at = flightPoint(a, b, step);
  view_->setSprite(view_->cardPicture(flight_.from == core::Place::Stock ? core::Card::empty() : flight_.card), at);
  if (done) {
    flightTimer_.stop();
    view_->setSprite(QImage(), {});
    waiting_ = false;
    next();
  }
}

}  // namespace vantorn::table
