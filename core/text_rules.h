// Character rules that the primitives and the fused decoder must agree on,
// kept in one place so the two can never drift apart.
#pragma once

#include <cstdint>

namespace plimsett::detail {

// Bit 7 alone decides: no code page table is consulted, so the rule is the
// same on every system and 0x80 and 0xFF lead too.
constexpr bool IsLeadByte(std::uint8_t b) { return b >= 0x80; }

// Exactly the C locale's blanks; bytes from 0x80 up never count.
constexpr bool IsBlank(std::uint8_t b) { return b == 0x20 || (b >= 0x09 && b <= 0x0D); }

constexpr bool IsDigit(std::uint8_t b) { return static_cast<std::uint8_t>(b - '0') < 10; }

// The single byte a full-width form of code page 936 stands for, or 0 when
// the two-byte character has no narrow form here and stays as it is. 0 is a
// safe "none" because no row yields it.
constexpr std::uint8_t FoldedByte(std::uint8_t lead, std::uint8_t second) {
  if (lead == 0xA3) {
    // ０..９, ＋, －, ，, ... map onto the ASCII range 0x21..0x7E.
    return second >= 0xA1 && second <= 0xFE ? static_cast<std::uint8_t>(second - 0x80) : 0;
  }
  if (lead == 0xA1) {
    switch (second) {
      case 0xA1:  // ideographic space
        return ' ';
      case 0xAB:  // ～
        return '~';
      case 0xEE:  // ☆
      case 0xEF:  // ★
        return '*';
      default:
        break;
    }
  }
  return 0;
}

}  // namespace plimsett::detail
