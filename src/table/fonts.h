// Font roles: the settings name a Windows font and a size percentage for each of the four
// roles ("decor", "serif", "fixed", "conew"); the program draws with a free font that
// stands in for the named one.
#pragma once

#include <string>
#include <string_view>

namespace vantorn::table {

// The free font family drawn for a font name of the settings ("Comic Sans MS" is drawn
// with Comic Neue, "Arial" with Liberation Sans, "Courier New" with Liberation Mono,
// "FixedSys" with DejaVu Sans Mono, "Times New Roman" with Liberation Serif); other
// names are used as they are.
std::string freeFontFamily(std::string_view name);

// FontSize: round(size * percentage / 100).
int FontSize(int size, int percentage);

struct FontRole {
  std::string family = "Comic Neue";
  int percentage = 100;
};

struct FontRoles {
  FontRole decor, serif, fixed, conew;
};

}  // namespace vantorn::table
