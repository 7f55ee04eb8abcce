// The writers of ",number" runs, each on its own, against a plain spelling
// of every byte, into buffers of exactly the result's length with guard
// bytes behind them. The encoder uses only one writer on a given machine;
// here both are held to the same results.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/comma_numbers.h"

namespace plimsett::detail {
namespace {

constexpr std::size_t kGuard = 32;
constexpr char kGuardByte = '\x5A';

std::string Plain(std::string_view bytes) {
  std::string text;
  for (const char c : bytes) text.append(",").append(std::to_string(static_cast<std::uint8_t>(c)));
  return text;
}

std::string Written(CommaNumberWriter writer, std::string_view bytes, std::size_t room) {
  std::vector<char> buffer(room + kGuard, kGuardByte);
  const auto* in = reinterpret_cast<const std::uint8_t*>(bytes.data());
  char* end = writer(in, in + bytes.size(), buffer.data());
  EXPECT_TRUE(std::all_of(buffer.begin() + static_cast<std::ptrdiff_t>(room), buffer.end(),
                          [](char c) { return c == kGuardByte; }))
      << "wrote past the result";
  return std::string(buffer.data(), end);
}

void ExpectWrites(std::string_view bytes) {
  SCOPED_TRACE(::testing::PrintToString(std::string(bytes)));
  const std::string expected = Plain(bytes);
  EXPECT_EQ(Written(WriteCommaNumbersPortable, bytes, expected.size()), expected);
  if (const CommaNumberWriter avx2 = Avx2CommaNumberWriter()) {
    EXPECT_EQ(Written(avx2, bytes, expected.size()), expected);
  }
  EXPECT_EQ(Written(WriteCommaNumbers, bytes, expected.size()), expected);
}

// A byte of each digit count, the largest with that count included.
constexpr std::uint8_t kByDigits[3][2] = {{7, 9}, {42, 99}, {213, 255}};

// Up to two blocks of the AVX2 writer and the tail it leaves.
TEST(CommaNumbers, EveryShortLength) {
  for (std::size_t length = 0; length <= 80; ++length) {
    std::string bytes;
    for (std::size_t i = 0; i < length; ++i) bytes.push_back(static_cast<char>(37 * i + 11));
    ExpectWrites(bytes);
    // Short numbers only: each group stores more bytes past its end.
    ExpectWrites(std::string(length, '\x01'));
  }
}

TEST(CommaNumbers, EveryByteValueInEveryLane) {
  for (unsigned value = 0; value < 256; ++value) {
    for (std::size_t lane = 0; lane < 32; ++lane) {
      for (const std::uint8_t filler : {kByDigits[0][0], kByDigits[2][1]}) {
        std::string bytes(48, static_cast<char>(filler));
        bytes[lane] = static_cast<char>(value);
        ExpectWrites(bytes);
        if (::testing::Test::HasFailure()) return;
      }
    }
  }
}

// The 81 shapes of a group of four (each number one, two or three digits),
// in each of the eight groups of a block.
TEST(CommaNumbers, EveryGroupShapeInEveryGroup) {
  for (unsigned shape = 0; shape < 81; ++shape) {
    for (std::size_t group = 0; group < 8; ++group) {
      std::string bytes(40, '\x64');
      unsigned rest = shape;
      for (std::size_t i = 0; i < 4; ++i, rest /= 3) {
        bytes[4 * group + i] = static_cast<char>(kByDigits[rest % 3][(shape + i) % 2]);
      }
      ExpectWrites(bytes);
      if (::testing::Test::HasFailure()) return;
    }
  }
}

TEST(CommaNumbers, RandomBytes) {
  std::mt19937 rng(20240611);
  for (int i = 0; i < 300; ++i) {
    std::string bytes(rng() % 3000, '\0');
    for (char& c : bytes) c = static_cast<char>(rng());
    ExpectWrites(bytes);
    if (::testing::Test::HasFailure()) return;
  }
}

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
// Without this the tests above would pass with the AVX2 writer never run.
TEST(CommaNumbers, OffersTheAvx2WriterWhereTheProcessorHasIt) {
  __builtin_cpu_init();
  EXPECT_EQ(Avx2CommaNumberWriter() != nullptr, __builtin_cpu_supports("avx2") != 0);
}
#endif

}  // namespace
}  // namespace plimsett::detail
