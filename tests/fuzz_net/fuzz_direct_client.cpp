// Any bytes from a server, read by the client's session before and after the deal.
#include "fuzz_direct.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return vantorn::net::fuzz::runDirect(vantorn::net::DirectRole::Client, data, size);
}
