// The writers of ",number" runs against a plain spelling of every byte,
// into buffers of exactly the result's length with guard bytes behind them.
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
  EXPECT_EQ(Written(WriteCommaNumbers, bytes, expected.size()), expected);
}

TEST(CommaNumbers, EveryShortLength) {
  for (std::size_t length = 0; length <= 80; ++length) {
    std::string bytes;
    for (std::size_t i = 0; i < length; ++i) bytes.push_back(static_cast<char>(37 * i + 11));
    ExpectWrites(bytes);
    ExpectWrites(std::string(length, '\x01'));
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

}  // namespace
}  // namespace plimsett::detail
