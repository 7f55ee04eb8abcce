// The texts the benchmark converts: made by the benchmark itself from fixed
// seeds, so every run converts the same bytes.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "core/types.h"

namespace plimsett::bench {

enum class Conversion { kEncode, kDecode };

struct InputKind {
  std::string_view name;
  Conversion conversion;
  // A spelling the encoder never writes: blanks, signs, empty pieces, long
  // or full-width numbers. Decoding takes it on a slower path.
  bool hardCase;
  std::string_view description;
};

// Every kind, the encoder's inputs first.
std::span<const InputKind> InputKinds();

inline constexpr std::size_t kKiB = 1024;
inline constexpr std::size_t kMiB = 1024 * kKiB;
inline constexpr std::array<std::size_t, 4> kSizes = {kKiB, 64 * kKiB, kMiB, 64 * kMiB};
inline constexpr std::size_t kLargestSize = kSizes.back();

// "64 KiB", "1 MiB".
std::string SizeName(std::size_t bytes);

// The input of that kind, exactly `length` bytes long, made on first use
// and kept: the runs of all sizes are interleaved, and every size of every
// kind together is well under a gigabyte.
const Text& Input(const InputKind& kind, std::size_t length);

}  // namespace plimsett::bench
