// bytesettext gives, through every channel, what the window gives: the
// byte-set text tables of the format, and the one-shot conversions of the
// core on random texts of every kind.
#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/byte_set_text.h"
#include "tests/cli/channels.h"
#include "tests/support/format_examples.h"
#include "tests/support/random_texts.h"

namespace plimsett::cli_test {
namespace {

// A zero byte is no digit, so like any other it ends a number; only a file
// or a pipe can carry one into the decoder.
const std::string kZeroInPiece(
    "97\0"
    "5,98",
    7);

class ThroughChannel : public testing::TestWithParam<Channel> {};

TEST_P(ThroughChannel, EncodesTheFormatTable) {
  for (const auto& example : test_support::kEncodeExamples) {
    SCOPED_TRACE(testing::PrintToString(example.input));
    EXPECT_EQ(ConvertThrough(GetParam(), "encode", std::string(example.input)), example.expected);
  }
}

TEST_P(ThroughChannel, DecodesTheFormatTable) {
  for (const auto& example : test_support::kDecodeExamples) {
    SCOPED_TRACE(testing::PrintToString(example.input));
    EXPECT_EQ(ConvertThrough(GetParam(), "decode", std::string(example.input)), example.expected);
  }
  EXPECT_EQ(ConvertThrough(GetParam(), "decode", kZeroInPiece), "ab");
}

INSTANTIATE_TEST_SUITE_P(Channels, ThroughChannel, testing::ValuesIn(kAllChannels),
                         [](const auto& param) { return ChannelName(param.param); });

// Sizes around the default chunk (64 KiB) and past several of them, with a
// few chunk sizes that do not divide them.
struct RandomRun {
  std::size_t length;
  std::vector<std::string> options;
};

const std::vector<RandomRun> kRandomRuns = {
    {1, {}},
    {65535, {}},
    {65537, {}},
    {300000, {}},
    {300000, {"--chunk-size=1000"}},
    {20000, {"--chunk-size=3"}},
};

class RandomTexts : public testing::TestWithParam<test_support::TextKind> {};

TEST_P(RandomTexts, ConvertLikeTheOneShotConversions) {
  std::mt19937 rng(20240611);
  for (const RandomRun& run : kRandomRuns) {
    const Text text = test_support::RandomText(rng, GetParam(), run.length);
    SCOPED_TRACE(testing::Message()
                 << run.length << " bytes " << testing::PrintToString(run.options));
    EXPECT_EQ(ConvertThrough(Channel::kStdinToStdout, "encode", text, run.options),
              EncodeByteSetText(text));
    EXPECT_EQ(ConvertThrough(Channel::kFileToFile, "decode", text, run.options),
              DecodeByteSetText(text));
  }
}

INSTANTIATE_TEST_SUITE_P(Kinds, RandomTexts, testing::ValuesIn(test_support::kAllTextKinds),
                         [](const auto& param) {
                           std::string name(test_support::KindName(param.param));
                           std::erase(name, '-');
                           return name;
                         });

}  // namespace
}  // namespace plimsett::cli_test
