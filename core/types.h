// The value types the conversions work on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace plimsett {

// A narrow string in the system's ANSI code page. It never holds a zero
// byte; the empty string stands for both an empty and an absent text.
using Text = std::string;

// Bytes of any value, zero included.
using ByteSet = std::vector<std::uint8_t>;

// Signed 32-bit integers in the order they were appended.
using IntArray = std::vector<std::int32_t>;

// The pieces that SplitText cuts a text into.
using TextList = std::vector<Text>;

}  // namespace plimsett
