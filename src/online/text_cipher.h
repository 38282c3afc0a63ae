// The program's own reversible string cipher. A text is enciphered byte by byte with a keyed
// stream that also depends on the previous cipher byte, then written as Base64, so the
// result is plain ASCII that survives files and form fields. Used for the service addresses
// kept in the program and for the password in the profile file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantorn::online {

// Key of the service addresses built into the program and of the directory document's
// address entries.
inline constexpr std::string_view kAddressKey = "Vantorn-Club-Addr";
// Key of the password kept in the profile file.
inline constexpr std::string_view kAccountKey = "Vantorn-Acc-Key5";

std::string encipher(std::string_view plain, std::string_view key);
// nullopt when the text is not valid Base64.
std::optional<std::string> decipher(std::string_view text, std::string_view key);

std::string base64Encode(std::string_view bytes);
std::optional<std::string> base64Decode(std::string_view text);

}  // namespace vantorn::online
