#include "table/event_player.h"

#include <cmath>

#include "table/table_view.h"

namespace vantorn::table {

using core::Event;
using core::EventKind;

double flightDuration(int steps, int speed) {
  // Sleep per step of the speed setting (2 ms, 1 ms, 1 ms every second or third step,
  // none), plus the time a step takes to draw, which is what paces speeds 5 and 6.
  static constexpr double kSleep[] = {2.0, 1.0, 0.5, 1.0 / 3.0, 0.0, 0.0};
  static constexpr double kDraw[] = {0.35, 0.35, 0.35, 0.35, 0.35, 0.2};
  const int i = std::clamp(speed, 1, 6) - 1;
  return steps * (kSleep[i] + kDraw[i]);
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
  flightMs_ = flightDuration(flightSteps_, options_.flightSpeed);
  if (flightSteps_ == 0) return;
  waiting_ = true;
  flightClock_.start();
  view_->setSprite(view_->cardPicture(e.from == core::Place::Stock ? core::Card::empty() : e.card), a);
  flightTimer_.start();
}

void EventPlayer::flightStep() {
  const QPoint a = view_->flightStart(flight_);
  const QPoint b = view_->flightEnd(flight_);
  const double t = flightMs_ <= 0 ? 1.0 : std::min(1.0, flightClock_.elapsed() / flightMs_);
  // The pixel line of the flight: the major axis moves one pixel per step.
  const int step = static_cast<int>(std::lround(t * flightSteps_));
  const int dx = b.x() - a.x();
  const int dy = b.y() - a.y();
  QPoint at;
  if (std::abs(dx) >= std::abs(dy)) {
    const int x = a.x() + (dx > 0 ? step : -step);
    at = {x, static_cast<int>(std::lround(dx == 0 ? a.y() : double(dy) * (x - a.x()) / dx + a.y()))};
  } else {
    const int y = a.y() + (dy > 0 ? step : -step);
    at = {static_cast<int>(std::lround(double(dx) * (y - a.y()) / dy + a.x())), y};
  }
  view_->setSprite(view_->cardPicture(flight_.from == core::Place::Stock ? core::Card::empty() : flight_.card), at);
  if (t >= 1.0) {
    flightTimer_.stop();
    view_->setSprite(QImage(), {});
    waiting_ = false;
    next();
  }
}

}  // namespace vantorn::table
