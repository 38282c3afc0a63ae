// Form bodies of the service requests: the plain form (raw Windows-1251 bytes joined by "&",
// nothing protected) and the encoded form (each key and value percent-encoded), and the
// reading of a body on the service side.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantorn::online {

using FormFields = std::vector<std::pair<std::string, std::string>>;

enum class FormKind { Plain, Encoded };

std::string plainBody(const FormFields& fields);
std::string encodedBody(const FormFields& fields);
std::string formBody(FormKind kind, const FormFields& fields);

// Percent-encoding of one key or value: letters, digits and "-._~" stay, every other byte
// becomes %XX (a blank too).
std::string percentEncode(std::string_view text);
// Replaces each %XX with two hex digits by its byte; anything else, "+" included, stays.
std::string percentDecode(std::string_view text);

// Reads a body into its pairs in order (percent-decoded). nullopt for a body that is not a
// form: a pair without "=", an empty key, or more than maxFields pairs.
std::optional<FormFields> parseFormBody(std::string_view body, std::size_t maxFields);

}  // namespace vantorn::online
