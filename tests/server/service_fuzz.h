// One fuzz input as a request to the club's service (the first byte picks the address, the
// rest is the body) and as a stream of table frames. Returns false when an answer breaks a
// rule: a request may be refused (400/404) but never fails inside the server (500).
#pragma once

#include <cstddef>
#include <cstdint>

namespace vantorn::club {
class ClubService;
}

namespace vantorn::club::testing {
bool serveOneRequest(ClubService& service, const uint8_t* data, std::size_t size);
void readTableFrames(const uint8_t* data, std::size_t size);
}
