// One fuzz input through every answer reader of the request layer: each request of the table
// gets the bytes as its answer. Used by the libFuzzer target and by a test with random inputs.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vantorn::online::testing {
void readEveryAnswer(const uint8_t* data, std::size_t size);
}
