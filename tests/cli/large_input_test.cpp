// A gibibyte through bytesettext in a few MiB of memory. The input is one
// block sent over and over, so neither side needs the whole of it; the
// output is checked byte for byte as it streams back.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "core/byte_set_text.h"
#include "tests/cli/child_process.h"
#include "tests/support/random_texts.h"

namespace plimsett::cli_test {
namespace {

constexpr std::uint64_t kInputBytes = std::uint64_t{1} << 30;
// Loose on purpose: the program keeps well under it, a program that keeps
// its input or output whole overshoots it by far.
constexpr long kMemoryBoundKiB = 16 * 1024;

// Compares a stream against `pattern` repeated, starting at `phase`.
class RepeatingPattern {
 public:
  RepeatingPattern(std::string pattern, std::size_t phase)
      : pattern_(std::move(pattern)), phase_(phase) {}

  void Check(std::string_view piece) {
    count_ += piece.size();
    while (!piece.empty() && matches_) {
      const std::size_t length = std::min(piece.size(), pattern_.size() - phase_);
      matches_ = piece.substr(0, length) == std::string_view(pattern_).substr(phase_, length);
      piece.remove_prefix(length);
      phase_ = (phase_ + length) % pattern_.size();
    }
  }
  bool matches() const { return matches_; }
  std::uint64_t count() const { return count_; }

 private:
  std::string pattern_;
  std::size_t phase_;
  std::uint64_t count_ = 0;
  bool matches_ = true;
};

// Mixed ASCII and double-byte text, as a Chinese document would have.
Text MixedBlock(std::size_t length) {
  std::mt19937 rng(1);
  return test_support::RandomText(rng, test_support::TextKind::kDoubleByte, length);
}

Result Stream(const std::string& command, const std::string& block, std::uint64_t repeats,
              RepeatingPattern& expected) {
  std::uint64_t sent = 0;
  Launch launch;
  launch.arguments = {command};
  launch.source = [&]() -> std::string_view {
    return sent++ < repeats ? block : std::string_view();
  };
  launch.sink = [&](std::string_view piece) { expected.Check(piece); };
  launch.measurePeakMemory = true;
  return RunProgram(launch);
}

TEST(LargeInput, EncodesAGibibyteInBoundedMemory) {
  const Text block = MixedBlock(1 << 20);
  const std::uint64_t repeats = kInputBytes / block.size();
  // The output is the block's byte-set text, then "," and it again, and so
  // on: the pattern "," + text, entered after its comma.
  std::string period = ",";
  period += EncodeByteSetText(block);
  RepeatingPattern expected(period, 1);

  const Result result = Stream("encode", block, repeats, expected);
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_TRUE(expected.matches());
  EXPECT_EQ(expected.count(), repeats * period.size() - 1);
  EXPECT_LT(result.peakMemoryKiB, kMemoryBoundKiB);
  std::printf("peak memory of bytesettext: %ld KiB\n", result.peakMemoryKiB);
}

TEST(LargeInput, DecodesAGibibyteInBoundedMemory) {
  const Text text = MixedBlock(300 * 1024);
  const std::string block = EncodeByteSetText(text) + ",";
  const std::uint64_t repeats = kInputBytes / block.size();
  RepeatingPattern expected(text, 0);

  const Result result = Stream("decode", block, repeats, expected);
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_TRUE(expected.matches());
  EXPECT_EQ(expected.count(), repeats * text.size());
  EXPECT_LT(result.peakMemoryKiB, kMemoryBoundKiB);
  std::printf("peak memory of bytesettext: %ld KiB\n", result.peakMemoryKiB);
}

}  // namespace
}  // namespace plimsett::cli_test
