// The shared body of the direct-game fuzz targets: a game in the middle of a deal, its
// session, and the input cut into socket reads. Whatever arrives, the receiver keeps less
// than one message, every card of the deck stays exactly once on the table, and the session
// never answers anything but the introduction.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/autoplay.h"
#include "core/game.h"
#include "net/direct_session.h"

namespace vantorn::net::fuzz {

inline void check(bool ok) {
  if (!ok) std::abort();
}

// 26 cards, each once: the two hands and the stock list.
inline void checkTable(const core::Game& g) {
  if (g.dealDue() || g.dealNumber() == 0) return;  // no cards on the table yet
  const core::StockList& s = g.stock();
  check(s.stockCount >= 0 && s.nextFree >= 2 && s.nextFree <= 27);
  check(s.stockCount + g.table().tableCount == s.nextFree - 1);
  check(g.hand(1).count() + g.hand(2).count() + s.nextFree - 1 == 26);
  check(g.table().faceUp.card == s.at(s.nextFree - 1).card);
  bool seen[256][256] = {};
  auto mark = [&](core::Card c) {
    const auto a = static_cast<unsigned char>(c.rank()), b = static_cast<unsigned char>(c.suit());
    check(!c.isEmpty() && !seen[a][b]);
    seen[a][b] = true;
  };
  for (int p = 1; p <= 2; ++p)
    for (int i = 1; i <= g.hand(p).count(); ++i) mark(g.hand(p).card(i));
  for (int i = 1; i < s.nextFree; ++i) mark(s.at(i).card);
}

// The same fixed deal every run: deck numbers in order, so that the fuzzer's cards meet
// known hands.
inline core::Permutation fixedPerm() {
  core::Permutation p{};
  for (int i = 0; i < 26; ++i) p[static_cast<std::size_t>(i)] = i + 1;
  return p;
}

// The first input byte: bit 0 puts the session in the middle of a deal (else it waits for
// the peer), bit 1 picks game number 2 (the server's player moves first) over 1.
struct Mode {
  bool dealt = false;
  int gameNumber = 1;
};
inline Mode modeOf(std::uint8_t b) { return Mode{(b & 1) != 0, 1 + ((b >> 1) & 1)}; }

// Brings a fresh session to the mode's point; returns what it sent on the way.
inline std::string setUp(DirectRole role, Mode m, core::Game& game, DirectSession& session) {
  std::string sent;
  if (!m.dealt) return sent;
  if (role == DirectRole::Server) {
    sent += session.onBytes(makeIntroduction("Peer")).bytes;
    game.startGame(m.gameNumber, 0);
    game.deal(fixedPerm());
    sent += session.outgoing(game.events());
    game.clearEvents();
    game.pressAction();
    if (game.suitRequest() != core::SuitRequest::None) game.chooseSuit(core::cp1251::kHearts);
  } else {
    core::Game dealer(core::GameConfig{core::Program::NetServer, false});
    dealer.startGame(m.gameNumber, 0);
    dealer.deal(fixedPerm());
    session.onBytes(makeAnswer("Peer"));
    session.onBytes(makeDealMessage(dealContentOf(dealer)));
    check(session.stage() == ConnectionStage::Dealt);
  }
  sent += session.outgoing(game.events());
  game.clearEvents();
  return sent;
}

// What the local user does after a read: the driver scores a finished deal, the server
// deals the next one, the unattended player answers a question or moves. Returns what that
// sends.
inline std::string localTurn(core::Game& game, DirectSession& session) {
  if (game.state() == core::GameState::DealOver && game.phase() == core::DealPhase::InPlay) game.tick();
  // "Next Round" on the server deals again.
  if (session.role() == DirectRole::Server && game.dealDue() && game.dealNumber() > 0)
    game.deal(fixedPerm());
  else
    core::autoplayStep(game);
  std::string sent = session.outgoing(game.events());
  game.clearEvents();
  return sent;
}

// Reads are a length byte (1..kReadUnit after "% kReadUnit + 1") and that many bytes.
inline constexpr std::size_t kReadUnit = 48;

inline int runDirect(DirectRole role, const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool server = role == DirectRole::Server;
  core::Game game(core::GameConfig{server ? core::Program::NetServer : core::Program::NetClient, false});
  DirectSession session(game, role, DirectPlayer{"Fuzz", 1, 0});
  setUp(role, modeOf(data[0]), game, session);
  checkTable(game);

  for (std::size_t i = 1; i < size;) {
    const std::size_t n = std::min<std::size_t>(data[i] % kReadUnit + 1, size - i - 1);
    ++i;
    const SessionOutput out =
        session.onBytes(std::string_view(reinterpret_cast<const char*>(data + i), n));
    i += n;
    check(session.receiver().pending() < kLongestDirectMessage);
    // Only the introduction is ever answered, and with the answer.
    check(out.bytes.empty() || (server && out.bytes == makeAnswer("Fuzz")));
    game.clearEvents();
    checkTable(game);
    localTurn(game, session);
    checkTable(game);
  }
  return 0;
}

}  // namespace vantorn::net::fuzz
