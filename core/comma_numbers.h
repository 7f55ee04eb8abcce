// The inner loop of encoding: a text's bytes written as ",number" each. A
// portable writer, and for processors with AVX2 one that takes thirty-two
// bytes at a time; the encoder uses the fastest the machine has.
#pragma once

#include <cstdint>

namespace plimsett::detail {

// Writes "," and the decimal number of each byte in [in, end) to `out` and
// returns the end of what it wrote. Nothing is stored past that end, so room
// for exactly those bytes is enough.
using CommaNumberWriter = char* (*)(const std::uint8_t* in, const std::uint8_t* end, char* out);

// The fastest writer of this machine.
char* WriteCommaNumbers(const std::uint8_t* in, const std::uint8_t* end, char* out);

char* WriteCommaNumbersPortable(const std::uint8_t* in, const std::uint8_t* end, char* out);

// The AVX2 writer, or nullptr where the build or the processor has none.
CommaNumberWriter Avx2CommaNumberWriter();

// The number of `b` alone, without a comma; returns its end.
char* WriteNumber(std::uint8_t b, char* out);

}  // namespace plimsett::detail
