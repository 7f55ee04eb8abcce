// The inner loop of encoding: a text's bytes written as ",number" each.
#pragma once

#include <cstdint>

namespace plimsett::detail {

// Writes "," and the decimal number of each byte in [in, end) to `out` and
// returns the end of what it wrote. Nothing is stored past that end, so room
// for exactly those bytes is enough.
using CommaNumberWriter = char* (*)(const std::uint8_t* in, const std::uint8_t* end, char* out);

char* WriteCommaNumbers(const std::uint8_t* in, const std::uint8_t* end, char* out);

char* WriteCommaNumbersPortable(const std::uint8_t* in, const std::uint8_t* end, char* out);

// The number of `b` alone, without a comma; returns its end.
char* WriteNumber(std::uint8_t b, char* out);

}  // namespace plimsett::detail
