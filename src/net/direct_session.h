// One direct network game seen from one program: the protocol between the socket and the
// game core. The window layer moves bytes between its socket and this object, shows the
// notices, and hands it the core's events after each local operation; everything the
// peer's messages mean for the table is applied here, through the same core operations a
// local player uses (Game::peerMove, peerStart, receiveDeal).
//
// Ownership and threading: the session refers to the game it was given, which must outlive
// it; both live on the user-interface thread. One session serves one connection (the
// server's first), from the introduction to the end of the game.
//
// What the peer sends is checked before the game sees it: a message the table cannot take
// at this moment (a move out of turn, a card the peer does not hold or may not play, a
// deal in the middle of a deal) is ignored and reported as a MoveRefused or DealRefused
// notice for the log, so both copies of the table keep to the rules whatever arrives.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/game.h"
#include "net/direct_receiver.h"

namespace vantorn::net {

// The network role of the settings (1 server, 2 client).
enum class DirectRole : std::uint8_t { Server = 1, Client = 2 };

// 0 idle, 1 waiting for the peer, 2 the peers have introduced themselves, 3 the server has
// sent (the client has taken) the first deal.
enum class ConnectionStage : std::uint8_t { Idle = 0, Waiting = 1, Introduced = 2, Dealt = 3 };

enum class NoticeKind : std::uint8_t {
  // Server: the client introduced itself ("The second player was connected..."); the
  // waiting window's OK is enabled and its Cancel disabled. Text: the client's name.
  PeerIntroduced,
  // Client: the server answered; the waiting window and the welcome dialog close, the game
  // has been started and waits for the deal. Text: the server's name.
  Answered,
  // A chat line arrived: sound "WToMenK", the text goes to the message area.
  Chat,
  // Ignored input that reached the table: for the log only, never shown.
  DealRefused,
  MoveRefused,
  // The peer's connection ended during a game: sound "WWrongs" and the error box "Client"
  // (on the server) or "Server" (on the client), " has interrupted game!", line feed and
  // carriage return, "Press OK for exit to the main menu..."; then back to the menu.
  // Text: "Client" or "Server".
  PeerInterrupted,
};

struct Notice {
  NoticeKind kind{};
  std::string text;
  friend bool operator==(const Notice&, const Notice&) = default;
};

struct SessionOutput {
  std::string bytes;  // to send to the peer, in order
  std::vector<Notice> notices;
};

// The local player as the welcome dialog accepted him.
struct DirectPlayer {
  std::string name;
  std::int32_t gameNumber = 1;    // of his record: fixes the first mover of the first deal
  std::int32_t generalScore = 0;
};

// The code typed on the chat's send button that shows player 1's hand face up.
inline constexpr std::string_view kFaceUpToggleCode = "48173";
// A typed collection longer than this cannot be the code and is cleared.
inline constexpr std::size_t kToggleCollectLimit = 16;

class DirectSession {
 public:
  // `game` must be a NetServer game for the server role and a NetClient game for the client.
  // The session starts at stage 1: the socket has just been opened.
  DirectSession(core::Game& game, DirectRole role, DirectPlayer player);

  // Client: the connection is established. The introduction to send while the stage is 1,
  // else nothing.
  std::string connected();
  // One socket read.
  SessionOutput onBytes(std::string_view bytes);
  // The wire bytes for the events of one local operation (a click, a button, a chosen suit,
  // a deal): each Send event's message and, on the server, the deal message for a Dealt
  // event, which is read from the game. Call it after every operation, before the next.
  std::string outgoing(const core::Events& events);
  // The message line: "s" + text (at most 15 bytes) on the server, where the line is
  // enabled; nothing for an empty text or on the client.
  std::string chat(std::string_view text) const;

  // The connection ended (the peer closed it, or the local user left and closed it). The
  // notice when the peer interrupted a running game, that is one neither left by the local
  // user nor over (game states 12 and 20). The stage returns to 0 and the opponent becomes
  // "No" in every case.
  std::optional<Notice> closed(bool leftByUser);

  // A character typed while the send button has the focus; true when the collected text
  // reads as 48173: then the caller toggles player 1's face-up display.
  bool typeOnSendButton(char c);
  // The send button gained or lost the focus.
  void clearTypedCode() { typed_.clear(); }

  DirectRole role() const { return role_; }
  ConnectionStage stage() const { return stage_; }
  // The peer's name without the padding; empty until the introduction or answer.
  const std::string& opponentName() const { return opponent_; }
  bool chatEnabled() const { return role_ == DirectRole::Server; }
  const DirectReceiver& receiver() const { return receiver_; }

 private:
  void apply(const DirectAction& action, SessionOutput& out);
  bool acceptPlay(const Play& p) const;
  bool acceptTakeOrPass() const;

  core::Game& game_;
  DirectRole role_;
  DirectPlayer player_;
  DirectReceiver receiver_;
  ConnectionStage stage_ = ConnectionStage::Waiting;
  std::string opponent_;
  // Server: "hzakaz" went out this deal and the client's order has not come back yet.
  bool awaitingOrder_ = false;
  std::string typed_;
};

}  // namespace vantorn::net
