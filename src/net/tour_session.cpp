#include "net/tour_session.h"

namespace vantorn::net {

using core::Card;
using core::GameState;

TourSession::TourSession(core::Game& game, int seat) : game_(game), seat_(seat == 2 ? 2 : 1) {}

std::string TourSession::connected() const {
  return makeTourFrame(seat_ == 2 ? std::string("connect21") : std::string("connect1"), seatDigit());
}

std::string TourSession::outgoing(const core::Events& events) const {
  std::string out;
  for (const core::Event& e : events)
    if (e.kind == core::EventKind::Send) out += makeTourFrame(e.message.view(), seatDigit());
  return out;
}

std::string TourSession::chat(std::string_view text) const {
  if (text.empty() || over_) return {};
  return makeTourFrame(std::string("s") + std::string(text.substr(0, 15)), seatDigit());
}

std::string TourSession::result() const {
  if (seat_ != 1 || !game_.gameCompleted()) return {};
  const int a = game_.outcome().result;
  return makeTourResult(a, -a, seatDigit());
}

void TourSession::restartClock() {
  if (over_) return;
  clock_ = kTourMoveSeconds;
  owner_ = game_.state() == GameState::PlayerTwoToMove ? 2 : 1;
}

TourOutput TourSession::onBytes(std::string_view bytes) {
  TourOutput out;
  if (!receiver_.feed(bytes)) {
    out.notices.push_back({TourNoticeKind::Refused, "flood"});
    return out;
  }
  while (auto f = receiver_.next()) frame(*f, out);
  return out;
}

void TourSession::frame(const std::string& f, TourOutput& out) {
  switch (tourFrameKind(f)) {
    case TourFrameKind::Chat:
      out.notices.push_back({TourNoticeKind::Chat, tourChatText(f)});
      break;
    case TourFrameKind::Deal: {
      const auto deck = parseTourDealFrame(f);
      if (!deck || over_) {
        out.notices.push_back({TourNoticeKind::Refused, "deal"});
        break;
      }
      // A new game on the first deal of the connection, the next deal afterwards. A deal
      // that overtakes the scoring of the last one is preceded by that scoring, so both
      // seats count every deal.
      if (game_.dealNumber() == 0 && !game_.dealDue()) game_.startGame(1, 0);
      if (game_.state() == GameState::DealOver && game_.phase() == core::DealPhase::InPlay) game_.tick();
      const TourSeatDeal seat = dealForSeat(*deck, seat_);
      core::ReceivedDeal d;
      for (std::size_t i = 0; i < 5; ++i) {
        d.hand1[i] = seat.opponent[i];
        d.hand2[i] = seat.own[i];
      }
      for (std::size_t i = 0; i < 16; ++i) d.stock.slots[i] = seat.stock[i];
      d.stock.stockCount = 15;
      d.stock.nextFree = 17;
      d.tableCount = 1;
      d.faceUp = seat.faceUp;
      d.firstMover = game_.nextFirstMover();
      if (!game_.receiveDeal(d)) {
        out.notices.push_back({TourNoticeKind::Refused, "deal"});
        break;
      }
      out.notices.push_back({TourNoticeKind::Dealt, {}});
      // Seat 1 begins the deal; its clock runs first.
      clock_ = kTourMoveSeconds;
      owner_ = seat_ == 1 ? 2 : 1;
      break;
    }
    case TourFrameKind::Move: {
      if (over_) break;
      const std::string_view m(f);
      if (m.substr(0, 4) == "hhod" && m.size() >= 7) {
        const auto card = Card::fromBytes(m.substr(4, 2));
        if (!card || card->isEmpty()) {
          out.notices.push_back({TourNoticeKind::Refused, "move"});
          break;
        }
        // A card the opponent holds and may play, or seat 1's announcement of the first card.
        const bool held = game_.hand(1).find(*card) != 0;
        // (On seat 2 the opponent's first move of a deal also starts play.)
        const bool legal = held && game_.state() == GameState::PlayerOneToMove && game_.legal(*card);
        const bool firstCard = !held && *card == game_.table().faceUp.card;
        if (!legal && !firstCard) {
          out.notices.push_back({TourNoticeKind::Refused, "move"});
          break;
        }
        game_.peerMove(*card, m[6]);
      } else if (m.substr(0, 5) == "htake" || m.substr(0, 5) == "hpass") {
        if (game_.state() != GameState::PlayerOneToMove) {
          out.notices.push_back({TourNoticeKind::Refused, "move"});
          break;
        }
        game_.peerMove(Card::empty(), core::kNoSuit);
      } else if (seat_ == 2) {
        using core::PeerStart;
        if (m.substr(0, 6) == "hzakaz")
          game_.peerStart(PeerStart::OrderSuit);
        else if (m.substr(0, 8) == "hsitkon2")
          game_.peerStart(PeerStart::Begin);
        else if (m.substr(0, 6) == "hvalet")
          game_.peerStart(PeerStart::Jack);
        else if (m.substr(0, 5) == "hdama")
          game_.peerStart(PeerStart::Queen);
        else if (m.substr(0, 6) == "hkorol")
          game_.peerStart(PeerStart::King);
      }
      restartClock();
      break;
    }
    case TourFrameKind::GameOver:
      over_ = true;
      clock_ = 0;
      owner_ = 0;
      out.notices.push_back({TourNoticeKind::GameOver, {}});
      break;
    case TourFrameKind::Left:
      if (over_) break;  // the game had already ended
      over_ = true;
      clock_ = 0;
      owner_ = 0;
      out.notices.push_back({TourNoticeKind::OpponentLeft, {}});
      break;
    case TourFrameKind::TimeUp:
      if (over_) break;
      over_ = true;
      clock_ = 0;
      owner_ = 0;
      out.notices.push_back({TourNoticeKind::OpponentTimeUp, {}});
      break;
    case TourFrameKind::Other:
      break;
  }
}

TourOutput TourSession::tick() {
  TourOutput out;
  if (over_ || owner_ == 0 || clock_ <= 0) return out;
  --clock_;
  if (owner_ != 2) return out;
  if (clock_ > 0) {
    out.notices.push_back({TourNoticeKind::ClockTick, clock_ > 7 ? "A" : "B"});
    return out;
  }
  // The local player's time is up.
  over_ = true;
  owner_ = 0;
  out.bytes = makeTourFrame("TOut", seatDigit());
  out.notices.push_back({TourNoticeKind::OwnTimeUp, {}});
  return out;
}

}  // namespace vantorn::net
