#include "files/text_lines.h"

#include <charconv>
#include <limits>

namespace vantorn::files {

std::vector<std::string> splitLines(std::string_view bytes, std::size_t maxLines) {
  std::vector<std::string> lines;
  std::size_t i = 0;
  while (i < bytes.size()) {
    if (maxLines != 0 && lines.size() == maxLines) break;
    std::size_t end = bytes.find_first_of("\r\n", i);
    if (end == std::string_view::npos) {
      lines.emplace_back(bytes.substr(i));
      break;
    }
    lines.emplace_back(bytes.substr(i, end - i));
    i = end + 1;
    if (bytes[end] == '\r' && i < bytes.size() && bytes[i] == '\n') ++i;
  }
  return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

ThreeSums threeSums(std::string_view bytes) {
  ThreeSums s;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    std::uint64_t v = static_cast<unsigned char>(bytes[i]);
    std::size_t pos = i + 1;
    s.all += v;
    if (pos % 2 == 0) s.even += v;
    if (pos % 3 == 0) s.third += v;
  }
  return s;
}

std::string zeroPadded(std::uint64_t value, int width) {
  std::string digits = std::to_string(value);
  if (digits.size() < static_cast<std::size_t>(width))
    digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
  return digits;
}

std::string rightAligned(std::string_view s, std::size_t width) {
  std::string out;
  if (s.size() < width) out.assign(width - s.size(), ' ');
  out += s;
  return out;
}

std::string leftPaddedCut(std::string_view s, std::size_t width) {
  std::string out(s.substr(0, width));
  out.resize(width, ' ');
  return out;
}

std::string withoutControls(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  return out;
}

std::optional<int> parseInt(std::string_view s) {
  if (!s.empty() && s[0] == '+') s.remove_prefix(1);
  if (s.empty()) return std::nullopt;
  int value = 0;
  auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc{} || ptr != s.data() + s.size()) return std::nullopt;
  return value;
}

std::optional<long long> parseField(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  if (s.empty()) return std::nullopt;
  long long value = 0;
  auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc{} || ptr != s.data() + s.size()) return std::nullopt;
  return value;
}

}  // namespace vantorn::files
