// The narrow edge between the service requests and the network. The request layer is pure;
// a Transport carries its bytes (curl_transport.h is the real one, tests use fakes).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "service_addresses.h"

namespace vantorn::online {

// Every HTTP request carries this user-agent value; the service expects it.
inline constexpr std::string_view kUserAgent = "TolvMirkPanuz";
// Read time-out that some requests set on the shared connection.
inline constexpr int kReadTimeoutMs = 3000;

class Transport {
public:
    virtual ~Transport() = default;
    // Sets the read time-out of the shared connection; it stays in force for every later
    // request on it. No time-out is set until the first call.
    virtual void setReadTimeout(int milliseconds) = 0;
    // POSTs an application/x-www-form-urlencoded body on the shared connection with kUserAgent.
    // The answer body, or nullopt on any transport failure, HTTP error status or time-out.
    virtual std::optional<std::string> post(const std::string& url, const std::string& body) = 0;
    // GET with a fresh client (documents, pictures); nullopt on any failure.
    virtual std::optional<std::string> get(const std::string& url) = 0;
    // Stores bytes on the FTP host (passive mode) as target.folder + name.
    virtual bool ftpUpload(const FtpTarget& target, const std::string& name, std::string_view bytes) = 0;
};

}  // namespace vantorn::online
