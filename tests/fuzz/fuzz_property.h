// What every fuzz target shares: stopping on a broken property, and the double-byte rule as the
// properties read it, written apart from the code under test.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace fuzz_property {

// Stops the run, so that libFuzzer keeps the input, when a property does not hold.
inline void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property failed: %s\n", property);
  std::abort();
}

// A byte with the high bit set starts a double-byte character and takes the next byte along.
inline bool StartsDoubleByte(char byte) { return (static_cast<unsigned char>(byte) & 0x80) != 0; }

}  // namespace fuzz_property
