// Word-at-a-time helpers: a 64-bit word seen as eight byte lanes, lane i
// holding the i-th byte in memory whatever the machine's byte order.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace plimsett::detail {

inline constexpr std::uint64_t kEachLane = 0x0101010101010101u;
inline constexpr std::uint64_t kLaneHigh = 0x8080808080808080u;
inline constexpr std::uint64_t kLaneLow7 = 0x7F7F7F7F7F7F7F7Fu;

template <typename Word>
Word LoadLanes(const std::uint8_t* p) {
  Word w;
  std::memcpy(&w, p, sizeof w);
  if constexpr (std::endian::native == std::endian::big) {
    Word swapped = 0;
    for (unsigned i = 0; i < sizeof w; ++i) swapped |= Word{p[i]} << (8 * i);
    w = swapped;
  }
  return w;
}

// Bit 7 of each lane set where the lane equals `b`, with no false hits: the
// borrow-free form of the classic zero-byte test.
constexpr std::uint64_t LanesEqual(std::uint64_t x, std::uint8_t b) {
  const std::uint64_t t = x ^ (b * kEachLane);
  return ~(((t & kLaneLow7) + kLaneLow7) | t) & kLaneHigh;
}

// Bit 7 of each lane set where lo <= lane <= hi (both below 0x80). The low
// seven bits are compared with a borrow that cannot cross lanes; lanes from
// 0x80 up are excluded by their own bit 7.
constexpr std::uint64_t LanesInRange(std::uint64_t x, std::uint8_t lo, std::uint8_t hi) {
  const std::uint64_t low7 = x | kLaneHigh;
  return (low7 - lo * kEachLane) & ~(low7 - (hi + 1) * kEachLane) & ~x & kLaneHigh;
}

// The bit 7 of each lane gathered into bits 0..7, lane i into bit i.
constexpr unsigned LaneBits(std::uint64_t highBits) {
  return static_cast<unsigned>(((highBits >> 7) * 0x0102040810204080u) >> 56);
}

// Sum of the eight lanes, each lane read as an unsigned byte.
constexpr std::size_t SumLanes(std::uint64_t lanes) {
  constexpr std::uint64_t kEvenLanes = 0x00FF00FF00FF00FFu;
  const std::uint64_t pairs = (lanes & kEvenLanes) + ((lanes >> 8) & kEvenLanes);
  return static_cast<std::size_t>((pairs * 0x0001000100010001u) >> 48);
}

}  // namespace plimsett::detail
