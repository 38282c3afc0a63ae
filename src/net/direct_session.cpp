#include "net/direct_session.h"

#include <utility>

namespace vantorn::net {

using core::Card;
using core::DealPhase;
using core::EventKind;
using core::GameState;
using core::SuitRequest;

namespace {

std::string trimmed(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(' ');
  return std::string(s.substr(first, last - first + 1));
}

}  // namespace

DirectSession::DirectSession(core::Game& game, DirectRole role, DirectPlayer player)
    : game_(game),
      role_(role),
      player_(std::move(player)),
      receiver_(role == DirectRole::Server ? DirectSide::Server : DirectSide::Client) {}

std::string DirectSession::connected() {
  if (role_ != DirectRole::Client || stage_ != ConnectionStage::Waiting) return {};
  return makeIntroduction(player_.name);
}

SessionOutput DirectSession::onBytes(std::string_view bytes) {
  SessionOutput out;
  const std::size_t before = game_.events().size();
  for (const DirectAction& a : receiver_.feed(bytes)) apply(a, out);
  // Whatever the game sends in answer (nothing today: a received move is never sent back).
  const core::Events& events = game_.events();
  if (events.size() > before)
    out.bytes += outgoing(core::Events(events.begin() + static_cast<std::ptrdiff_t>(before), events.end()));
  return out;
}

std::string DirectSession::outgoing(const core::Events& events) {
  std::string bytes;
  for (const core::Event& e : events) {
    if (e.kind == EventKind::Send) {
      if (e.message.view() == startToken(core::PeerStart::OrderSuit)) awaitingOrder_ = true;
      bytes += e.message.view();
    } else if (e.kind == EventKind::Dealt && role_ == DirectRole::Server) {
      awaitingOrder_ = false;
      bytes += makeDealMessage(dealContentOf(game_));
      stage_ = ConnectionStage::Dealt;
    }
  }
  return bytes;
}

std::string DirectSession::chat(std::string_view text) const {
  if (!chatEnabled()) return {};
  return makeChat(text);
}

std::optional<Notice> DirectSession::closed(bool leftByUser) {
  stage_ = ConnectionStage::Idle;
  opponent_ = "No";
  // A game that was never started is in state 20 as well.
  const GameState s = game_.state();
  if (leftByUser || s == GameState::AwaitSumUp || s == GameState::GameFinished) return std::nullopt;
  return Notice{NoticeKind::PeerInterrupted, role_ == DirectRole::Server ? "Client" : "Server"};
}

bool DirectSession::typeOnSendButton(char c) {
  typed_.push_back(c);
  if (typed_.size() > kToggleCollectLimit) {
    typed_.clear();
    return false;
  }
  // "Reads as the decimal number 48173": leading zeros do not change the number.
  const auto first = typed_.find_first_not_of('0');
  if (first != std::string::npos && std::string_view(typed_).substr(first) == kFaceUpToggleCode &&
      typed_.find_first_not_of("0123456789") == std::string::npos) {
    typed_.clear();
    return true;
  }
  return false;
}

bool DirectSession::acceptTakeOrPass() const {
  if (stage_ != ConnectionStage::Dealt || game_.dealDue() ||
      game_.suitRequest() != SuitRequest::None || game_.state() != GameState::PlayerOneToMove)
    return false;
  // The client's table may still wait for "To Begin" when the server's player moves first.
  return role_ == DirectRole::Client || game_.phase() == DealPhase::InPlay;
}

bool DirectSession::acceptPlay(const Play& p) const {
  if (stage_ != ConnectionStage::Dealt || game_.dealDue() ||
      game_.suitRequest() != SuitRequest::None)
    return false;
  const core::TableState& t = game_.table();
  // The first face-up card, replayed by the side that ordered its suit or announced it:
  // the server's order back to "hzakaz", or the server's announcement before play starts.
  const bool firstCard = p.card == t.faceUp.card && t.tableCount == 1;
  if (role_ == DirectRole::Server && awaitingOrder_)
    return firstCard && p.card.isJoker() && core::isSuitLetter(p.suit);
  if (role_ == DirectRole::Client && game_.phase() == DealPhase::AwaitBegin && firstCard)
    return true;
  if (game_.state() != GameState::PlayerOneToMove) return false;
  if (role_ == DirectRole::Server && game_.phase() != DealPhase::InPlay) return false;
  return game_.hand(1).find(p.card) != 0 && game_.legal(p.card);
}

void DirectSession::apply(const DirectAction& action, SessionOutput& out) {
  const bool server = role_ == DirectRole::Server;
  if (const auto* chat = std::get_if<Chat>(&action)) {
    out.notices.push_back({NoticeKind::Chat, chat->text});
  } else if (const auto* intro = std::get_if<Introduction>(&action)) {
    if (!server || stage_ != ConnectionStage::Waiting) return;
    stage_ = ConnectionStage::Introduced;
    opponent_ = trimmed(intro->name);
    out.bytes += makeAnswer(player_.name);
    out.notices.push_back({NoticeKind::PeerIntroduced, opponent_});
  } else if (const auto* answer = std::get_if<Answer>(&action)) {
    if (server || stage_ != ConnectionStage::Waiting) return;
    stage_ = ConnectionStage::Introduced;
    opponent_ = trimmed(answer->name);
    game_.startGame(player_.gameNumber, player_.generalScore);
    out.notices.push_back({NoticeKind::Answered, opponent_});
  } else if (const auto* deal = std::get_if<DealMessage>(&action)) {
    if (server || stage_ == ConnectionStage::Waiting) return;
    // A deal that overtakes the driver's tick: the finished deal is scored first.
    if (game_.state() == GameState::DealOver) game_.tick();
    if (!game_.receiveDeal(deal->deal)) {
      out.notices.push_back({NoticeKind::DealRefused, describe(action)});
      return;
    }
    stage_ = ConnectionStage::Dealt;
  } else if (const auto* play = std::get_if<Play>(&action)) {
    if (!acceptPlay(*play)) {
      out.notices.push_back({NoticeKind::MoveRefused, describe(action)});
      return;
    }
    if (server && awaitingOrder_) awaitingOrder_ = false;
    game_.peerMove(play->card, play->suit);
  } else if (std::holds_alternative<Take>(action) || std::holds_alternative<Pass>(action)) {
    // Whether it is a take or a pass follows from player 1's took-this-turn flag.
    if (!acceptTakeOrPass()) {
      out.notices.push_back({NoticeKind::MoveRefused, describe(action)});
      return;
    }
    game_.peerMove(Card::empty(), core::kNoSuit);
  } else if (const auto* start = std::get_if<Start>(&action)) {
    if (server || stage_ != ConnectionStage::Dealt) return;
    game_.peerStart(start->start);
  }
}

}  // namespace vantorn::net
