// Any bytes from a client, read by the server's session in the middle of a deal.
#include "fuzz_direct.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return vantorn::net::fuzz::runDirect(vantorn::net::DirectRole::Server, data, size);
}
