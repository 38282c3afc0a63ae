#include "net/direct_address.h"

namespace vantorn::net {

namespace {

bool onlyOf(std::string_view s, std::string_view allowed) {
  return s.find_first_not_of(allowed) == std::string_view::npos;
}

constexpr std::string_view kDigits = "0123456789";

}  // namespace

AddressFilter filterAddressField(std::string_view field, std::string_view lastAddress, bool client) {
  if (!onlyOf(field, "0123456789.")) return {std::string(lastAddress), std::string(lastAddress)};
  if (client && !field.empty()) return {std::string(field), std::string(field)};
  return {std::string(field), std::string(lastAddress)};
}

PortFilter filterPortField(std::string_view field, std::string_view lastPort) {
  if (!onlyOf(field, kDigits)) return {std::string(lastPort), std::string(lastPort)};
  return {std::string(field), std::string(field)};
}

bool isServerAddress(std::string_view address) {
  int groups = 0;
  std::size_t start = 0;
  while (true) {
    const std::size_t dot = address.find('.', start);
    const std::string_view group =
        address.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start);
    if (group.empty() || group.size() > 3 || !onlyOf(group, kDigits)) return false;
    ++groups;
    if (dot == std::string_view::npos) break;
    start = dot + 1;
  }
  return groups == 4;
}

std::optional<std::uint16_t> portNumber(std::string_view port) {
  // The field holds at most five digits; leading zeros are allowed.
  if (port.empty() || port.size() > 5 || !onlyOf(port, kDigits)) return std::nullopt;
  unsigned value = 0;
  for (char c : port) value = value * 10 + static_cast<unsigned>(c - '0');
  if (value == 0 || value > 65535) return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

NetworkCheck checkNetworkFields(bool client, std::string_view address, std::string_view port) {
  if (client && !isServerAddress(address)) return NetworkCheck::IncorrectAddress;
  if (!portNumber(port)) return NetworkCheck::IncorrectPort;
  return NetworkCheck::Ok;
}

}  // namespace vantorn::net
