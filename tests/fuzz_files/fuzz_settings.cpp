// Any bytes as Vantorn.ini: reading never fails, what is written has 35 lines, and after
// one write the values are stable.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/settings.h"
#include "files/text_lines.h"

using namespace vantorn::files;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  SettingsRead first = readSettings(bytes);
  if (first.linesRead < 0 || first.linesRead > kSettingsLines) std::abort();
  const std::string written = writeSettings(first.settings);
  if (splitLines(written).size() != static_cast<std::size_t>(kSettingsLines)) std::abort();
  SettingsRead second = readSettings(written);
  if (second.linesRead != kSettingsLines) std::abort();
  if (readSettings(writeSettings(second.settings)).settings != second.settings) std::abort();
  return 0;
}
