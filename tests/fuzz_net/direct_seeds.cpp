// Writes seed inputs for the direct-game fuzz targets: first deals played out between the
// program under test and an unattended peer, in the targets' input format (the mode byte,
// then for each read a length byte and the read). Usage: direct_seeds DIR; it writes
// DIR/server-<mode> and DIR/client-<mode> for the four modes.
#include <fstream>
#include <iostream>

#include "fuzz_direct.h"

using namespace vantorn;
using namespace vantorn::net;

namespace {

std::string playSeed(DirectRole role, std::uint8_t modeByte) {
  const fuzz::Mode m = fuzz::modeOf(modeByte);
  const bool server = role == DirectRole::Server;
  core::Game self(core::GameConfig{server ? core::Program::NetServer : core::Program::NetClient, false});
  DirectSession selfSession(self, role, DirectPlayer{"Fuzz", 1, 0});
  core::Game peer(core::GameConfig{server ? core::Program::NetClient : core::Program::NetServer, false});
  DirectSession peerSession(peer, server ? DirectRole::Client : DirectRole::Server,
                            DirectPlayer{"Peer", m.gameNumber, 0});

  std::string seed(1, static_cast<char>(modeByte));
  std::string toPeer, toSelf;
  // One delivery to the program under test, cut into reads as the target reads them; the
  // local user acts after each read, as in the target.
  auto deliverToSelf = [&] {
    std::string_view rest = toSelf;
    while (!rest.empty()) {
      const std::size_t n = std::min(rest.size(), fuzz::kReadUnit);
      seed.push_back(static_cast<char>(n - 1));
      seed.append(rest.substr(0, n));
      toPeer += selfSession.onBytes(rest.substr(0, n)).bytes;
      self.clearEvents();
      toPeer += fuzz::localTurn(self, selfSession);
      rest.remove_prefix(n);
    }
    toSelf.clear();
  };

  if (server) {
    if (m.dealt) {
      toPeer += fuzz::setUp(role, m, self, selfSession);
    } else {
      toSelf += peerSession.connected();
      deliverToSelf();
    }
  } else {
    const std::string answer = peerSession.onBytes(makeIntroduction("Fuzz")).bytes;
    peer.startGame(m.gameNumber, 0);
    peer.deal(fuzz::fixedPerm());
    const std::string deal = peerSession.outgoing(peer.events());
    peer.clearEvents();
    if (m.dealt) {
      fuzz::setUp(role, m, self, selfSession);  // the same answer and deal, already read
    } else {
      toSelf += answer + deal;
      deliverToSelf();
    }
  }

  for (int quiet = 0, steps = 0; quiet < 3 && steps < 2000; ++steps) {
    if (!toPeer.empty()) {
      toSelf += peerSession.onBytes(toPeer).bytes;
      toPeer.clear();
      peer.clearEvents();
    }
    if (peer.dealWinner() == 0) toSelf += fuzz::localTurn(peer, peerSession);
    if (toSelf.empty() && toPeer.empty()) {
      // The program under test acts only after a read: a byte that no message begins with
      // gives its user the next turn.
      ++quiet;
      toSelf = "x";
    } else {
      quiet = 0;
    }
    deliverToSelf();
  }
  return seed;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: direct_seeds DIR\n";
    return 2;
  }
  for (DirectRole role : {DirectRole::Server, DirectRole::Client})
    for (std::uint8_t mode = 0; mode < 4; ++mode) {
      const std::string name = std::string(argv[1]) + "/" +
                               (role == DirectRole::Server ? "server-" : "client-") +
                               std::to_string(mode);
      std::ofstream(name, std::ios::binary) << playSeed(role, mode);
    }
  return 0;
}
