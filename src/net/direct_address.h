// The server address and port fields of the welcome dialog in network play: the filters
// that run on every change of a field, and the checks of OK.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantorn::net {

// The address field's filter: a field holding anything but digits and "." is put back to
// the last server address; otherwise, for a client and a non-empty field, it becomes the
// last server address.
struct AddressFilter {
  std::string field;
  std::string lastAddress;
};
AddressFilter filterAddressField(std::string_view field, std::string_view lastAddress, bool client);

// The port field's filter: anything but digits puts the field back to the last port; the
// field then becomes the last port.
struct PortFilter {
  std::string field;
  std::string lastPort;
};
PortFilter filterPortField(std::string_view field, std::string_view lastPort);

// Exactly three "." and four groups of one to three digits between them. No numeric range:
// 999.1.1.1 passes.
bool isServerAddress(std::string_view address);
// The port to open or connect to: 1..65535, digits only; nullopt otherwise (an empty field
// among them).
std::optional<std::uint16_t> portNumber(std::string_view port);

// The network checks of OK, in their order; the first failing one names its text and field.
enum class NetworkCheck : std::uint8_t {
  Ok,
  IncorrectAddress,  // "Incorrect IP-address!", focus on the address field
  IncorrectPort,     // "Incorrect Port!", focus on the port field
};
NetworkCheck checkNetworkFields(bool client, std::string_view address, std::string_view port);

}  // namespace vantorn::net
