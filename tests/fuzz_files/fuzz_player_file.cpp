// Any bytes as a player file: the check never fails, and every change to a file that
// parses keeps its 17-line structure and gives a file that passes the check again.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/player_file.h"

using namespace vantorn::files;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  PlayerCheckResult r = checkPlayerBytes(bytes);
  std::optional<PlayerFile> f = PlayerFile::parse(bytes);
  if (r.status == PlayerCheck::Valid && !f) std::abort();
  if (!f) return 0;
  for (int k = 1; k <= kPlayerRecords; ++k) {
    parseRecord(f->record(k));
    decodePassword(std::string_view(f->record(k)).substr(44, 15));
  }
  const bool markOk = f->markValid();
  const std::string record = f->record(1);
  const int slot = size > 0 ? data[0] % 9 : 1;
  f->removeRecord(slot);
  f->storeRecord(record, size > 1 && (data[1] & 1));
  f->storeRecord(formatRecord(record, -1e9, -5, 1LL << 40, record), true);
  f->updateSums();
  std::optional<PlayerFile> again = PlayerFile::parse(f->bytes());
  if (!again || !again->sumsMatch()) std::abort();
  if (markOk && checkPlayerBytes(f->bytes()).status != PlayerCheck::Valid) std::abort();
  return 0;
}
