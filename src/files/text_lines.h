// Line handling and small fixed-field helpers shared by the file formats.
//
// The files are 8-bit text (Windows-1251) with lines ended by carriage return and line
// feed. Readers accept CR LF, a bare LF or a bare CR as a line end, as the original
// platform's text reader did; a line end after the last line does not open another line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorn::files {

// Splits at line ends; `maxLines` > 0 stops after that many lines.
std::vector<std::string> splitLines(std::string_view bytes, std::size_t maxLines = 0);

// Joins lines, each followed by CR LF.
std::string joinLines(const std::vector<std::string>& lines);

// The three sums of the self-check over `bytes`, positions counted from 1: all bytes,
// the bytes at even positions, the bytes at positions divisible by 3.
struct ThreeSums {
  std::uint64_t all = 0;
  std::uint64_t even = 0;
  std::uint64_t third = 0;
  void add(const ThreeSums& o) {
    all += o.all;
    even += o.even;
    third += o.third;
  }
};
ThreeSums threeSums(std::string_view bytes);

// Zero-padded decimal of exactly `width` digits (the value must fit).
std::string zeroPadded(std::uint64_t value, int width);

// `s` right-aligned with spaces in `width` characters (longer text is kept whole).
std::string rightAligned(std::string_view s, std::size_t width);

// `s` padded with spaces on the right and cut to exactly `width` bytes.
std::string leftPaddedCut(std::string_view s, std::size_t width);

// Control characters would break the line structure: each byte below 0x20 becomes a space.
std::string withoutControls(std::string_view s);

// Strict decimal conversion of the whole text: optional sign, then digits only, within
// int range. Anything else (empty text, spaces, letters, overflow) gives nothing.
std::optional<int> parseInt(std::string_view s);

// A fixed-width number field: leading spaces allowed, then a strict integer.
std::optional<long long> parseField(std::string_view s);

}  // namespace vantorn::files
