#include "table/fonts.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "table/geometry.h"

namespace vantorn::table {

std::string freeFontFamily(std::string_view name) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kMap = {{
      {"comic sans ms", "Comic Neue"},
      {"arial", "Liberation Sans"},
      {"courier new", "Liberation Mono"},
      {"fixedsys", "DejaVu Sans Mono"},
      {"times new roman", "Liberation Serif"},
      {"tahoma", "DejaVu Sans"},
      {"verdana", "DejaVu Sans"},
  }};
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  while (!lower.empty() && lower.back() == ' ') lower.pop_back();
  for (const auto& [windows, free] : kMap)
    if (lower == windows) return std::string(free);
  return lower.empty() ? std::string("Comic Neue") : std::string(name);
}

int FontSize(int size, int percentage) { return roundEven(size * percentage / 100.0); }

}  // namespace vantorn::table
