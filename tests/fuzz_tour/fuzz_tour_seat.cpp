// Any bytes from the table server, read by a seat's session in pieces, with the local
// seat's computer player answering and the clock ticking in between. The table must keep
// its invariants whatever arrives.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/autoplay.h"
#include "net/tour_session.h"

namespace {

void check(const vantorn::core::Game& g) {
  if (g.dealNumber() == 0) return;
  const auto& s = g.stock();
  if (s.stockCount + g.table().tableCount != s.nextFree - 1) std::abort();
  if (s.nextFree < 2 || s.nextFree > 27) std::abort();
  if (!(s.at(s.nextFree - 1).card == g.table().faceUp.card)) std::abort();
  if (g.hand(1).count() > 12 || g.hand(2).count() > 12) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  using namespace vantorn;
  const int seat = (data[0] & 1) + 1;
  core::Game g(core::GameConfig{seat == 1 ? core::Program::TourSeat1 : core::Program::TourSeat2, false});
  net::TourSession s(g, seat);
  std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  while (!rest.empty()) {
    const std::size_t n = std::min<std::size_t>(rest.size(), 1 + static_cast<unsigned char>(rest[0]) % 160);
    s.onBytes(rest.substr(0, n));
    rest.remove_prefix(n);
    check(g);
    g.clearEvents();
    if (g.state() == core::GameState::DealOver && g.phase() == core::DealPhase::InPlay) g.tick();
    else core::autoplayStep(g);
    (void)s.outgoing(g.events());
    g.clearEvents();
    s.tick();
    check(g);
  }
  return 0;
}
