// Two programs of a direct game in memory: a server and a client, each a core Game with its
// DirectSession, joined by two byte queues in place of the TCP connection.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/game.h"
#include "net/direct_session.h"

namespace vantorn::net::testing {

struct Peer {
  Peer(core::Program program, DirectRole role, DirectPlayer player)
      : game(core::GameConfig{program, false}), session(game, role, std::move(player)) {}
  core::Game game;
  DirectSession session;
  std::vector<Notice> notices;
  std::string outbox;  // bytes on their way to the other program
};

class DirectPair {
 public:
  explicit DirectPair(std::int32_t serverGameNumber = 1)
      : server(core::Program::NetServer, DirectRole::Server, {"Sam", serverGameNumber, 0}),
        client(core::Program::NetClient, DirectRole::Client, {"Cleo", 40, 0}),
        serverGameNumber(serverGameNumber) {}

  // A local operation on one side (a click, a button, a suit, a deal): what it sends is
  // queued for the other side, and its events are consumed as the window would.
  void local(Peer& s, const std::function<void(core::Game&)>& op) {
    op(s.game);
    s.outbox += s.session.outgoing(s.game.events());
    s.game.clearEvents();
  }

  // Delivers everything queued, both ways, until nothing is left. With a generator, each
  // delivery is cut into reads of random length.
  void deliver(std::mt19937* rng = nullptr) {
    for (int rounds = 0; rounds < 1000 && (!server.outbox.empty() || !client.outbox.empty()); ++rounds) {
      transfer(server, client, rng);
      transfer(client, server, rng);
    }
  }

  // The introduction, the answer, and the server's first deal with `perm`.
  void connectAndDeal(const core::Permutation& perm) {
    client.outbox += client.session.connected();
    deliver();
    local(server, [&](core::Game& g) {
      g.startGame(serverGameNumber, 0);
      ASSERT_TRUE(g.deal(perm));
    });
    deliver();
  }

  bool refused() const {
    for (const Peer* s : {&server, &client})
      for (const Notice& n : s->notices)
        if (n.kind == NoticeKind::MoveRefused || n.kind == NoticeKind::DealRefused) return true;
    return false;
  }

  Peer server, client;
  std::int32_t serverGameNumber;

 private:
  static void transfer(Peer& from, Peer& to, std::mt19937* rng) {
    const std::string bytes = std::move(from.outbox);
    from.outbox.clear();
    std::size_t i = 0;
    while (i < bytes.size()) {
      const std::size_t n = rng ? 1 + (*rng)() % 40 : bytes.size();
      SessionOutput out = to.session.onBytes(std::string_view(bytes).substr(i, n));
      to.outbox += out.bytes;
      to.notices.insert(to.notices.end(), out.notices.begin(), out.notices.end());
      to.game.clearEvents();
      i += n;
    }
  }
};

// Both tables show the same deal, each from its own seat.
inline void expectMirrored(const core::Game& server, const core::Game& client) {
  EXPECT_EQ(server.hand(1).slots(), client.hand(2).slots());
  EXPECT_EQ(server.hand(2).slots(), client.hand(1).slots());
  EXPECT_EQ(server.table().faceUp, client.table().faceUp);
  EXPECT_EQ(server.table().orderedSuit, client.table().orderedSuit);
  EXPECT_EQ(server.table().tableCount, client.table().tableCount);
  EXPECT_EQ(server.stock().stockCount, client.stock().stockCount);
  EXPECT_EQ(server.tookThisTurn(), client.tookThisTurn());
}

}  // namespace vantorn::net::testing
