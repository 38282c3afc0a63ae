// One seat of a tournament table on top of the game core: frames from the table server
// become core operations, the core's messages become frames, and the move clock of 26
// seconds runs for whoever is to move. Pure: the window layer moves the bytes and ticks the
// clock once a second.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/game.h"
#include "net/tour_frames.h"

namespace vantorn::net {

inline constexpr int kTourMoveSeconds = 26;

enum class TourNoticeKind : std::uint8_t {
  Chat,            // a chat line of the other seat (text)
  Dealt,           // a deal arrived and was taken
  GameOver,        // "e": the game is over on the server
  OpponentLeft,    // "a" while the game ran: "Player <name> interrupted the game!" / "You won!"
  OpponentTimeUp,  // "T": "Player <name> time is up!" / "You won!"
  OwnTimeUp,       // the local clock ran out: "Your time is up!" / "You lose!"; "TOut" was sent
  ClockTick,       // one second of the local player's clock: sound "STimerA" (text "A") or "STimerB" ("B")
  Refused,         // input that cannot happen now, for the log
};

struct TourNotice {
  TourNoticeKind kind{};
  std::string text;
};

struct TourOutput {
  std::string bytes;  // frames to send, in order
  std::vector<TourNotice> notices;
};

class TourSession {
 public:
  // `game` must be a TourSeat1 or TourSeat2 game for `seat`.
  TourSession(core::Game& game, int seat);

  // The table connection is open: the "connect" frame.
  std::string connected() const;
  TourOutput onBytes(std::string_view bytes);
  // The frames for the events of one local operation (Send events).
  std::string outgoing(const core::Events& events) const;
  std::string chat(std::string_view text) const;
  // Seat 1 at the end of the game: "o" with seat 1's result and its negation.
  std::string result() const;
  // Once a second.
  TourOutput tick();

  bool over() const { return over_; }  // table stage 10
  int clock() const { return clock_; }
  // 2 when the clock is the local player's, 1 the opponent's, 0 stopped.
  int clockOwner() const { return owner_; }

 private:
  void frame(const std::string& f, TourOutput& out);
  void restartClock();
  char seatDigit() const { return static_cast<char>('0' + seat_); }

  core::Game& game_;
  int seat_;
  TourReceiver receiver_{TourReceiver::Direction::TowardsProgram};
  bool over_ = false;
  int clock_ = 0;
  int owner_ = 0;
};

}  // namespace vantorn::net
