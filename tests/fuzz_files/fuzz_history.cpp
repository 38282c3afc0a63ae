// Any bytes as a history file: validation and the viewer's rows never fail, and appending
// a record to a valid file gives a valid file with one more record.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/history.h"

using namespace vantorn::files;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  HistoryValidation v = validateHistory(bytes);
  historyRows(bytes);
  if (!v.valid) return 0;
  HistoryRecord rec{std::string(bytes.substr(0, 60)), 1, static_cast<std::int32_t>(size) - 500,
                    static_cast<double>(size) / 7.0, GameKind::Network};
  std::string next = appendHistoryBytes(bytes, {rec}, Stamp{});
  HistoryValidation w = validateHistory(next);
  if (!w.valid || w.records != v.records + 1) std::abort();
  return 0;
}
