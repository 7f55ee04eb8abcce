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
#include "tests/support/random_texts.h"

namespace plimsett::cli_test {
namespace {

struct Example {
  std::string input;
  std::string expected;
};

// Texts in code page 936 are written as their bytes: "中" is D6 D0,
// "汉字" BA BA D7 D6, full-width "９" A3 B9, the full-width comma A3 AC.
const std::vector<Example> kEncodings = {
    {"", ""},
    {"a", "97"},
    {"abc", "97,98,99"},
    {"a b", "97,32,98"},
    {"\xD6\xD0", "214,208"},
    {"\xBA\xBA\xD7\xD6", "186,186,215,214"},
    {"a\r\nb", "97,13,10,98"},
    {"\x01\x7F\x80\xFF", "1,127,128,255"},
};

const std::vector<Example> kDecodings = {
    {"", ""},
    {"97,98,99", "abc"},
    {"214,208", "\xD6\xD0"},
    {"97,98,99,", "abc"},
    {"97,,98", "ab"},
    {",97", "a"},
    {",", ""},
    {"97, 98", "ab"},
    {"97 ,98", "ab"},
    {"97 98", "a"},
    {"abc", ""},
    {"x,97", "a"},
    {"97x", "a"},
    {"0", ""},
    {"256", "\x01"},
    {"300", ",\x01"},
    {"65535", "\xFF\xFF"},
    {"-1", "\xFF\xFF\xFF\xFF"},
    {"-97", "\x9F\xFF\xFF\xFF"},
    {"2147483648", "\x80"},
    {"4294967296", ""},
    {"4294967393", "a"},
    {"\xA3\xB9\xA3\xB7", "a"},
    {"97\xA3\xAC"
     "98",
     "a"},
    {"13,10", "\r\n"},
    {"97\r\n98", "a"},
    {"97,\r\n98", "ab"},
    // A zero byte is no digit, so like any other it ends a number.
    {std::string("97\0"
                 "5,98",
                 7),
     "ab"},
};

class ThroughChannel : public testing::TestWithParam<Channel> {};

TEST_P(ThroughChannel, EncodesTheFormatTable) {
  for (const Example& example : kEncodings) {
    SCOPED_TRACE(testing::PrintToString(example.input));
    EXPECT_EQ(ConvertThrough(GetParam(), "encode", example.input), example.expected);
  }
}

TEST_P(ThroughChannel, DecodesTheFormatTable) {
  for (const Example& example : kDecodings) {
    SCOPED_TRACE(testing::PrintToString(example.input));
    EXPECT_EQ(ConvertThrough(GetParam(), "decode", example.input), example.expected);
  }
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
