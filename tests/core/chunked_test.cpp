// The chunked encoder and decoder against the one-shot conversions, with the
// input cut everywhere: inside numbers, after signs, between a lead byte and
// its second byte, inside full-width digits and between CR and LF.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string_view>
#include <vector>

#include "core/byte_set_text.h"
#include "tests/core/random_cases.h"

namespace plimsett {
namespace {

using test_support::ForEachRandomText;

// Guard bytes after each output buffer, to catch writes past its stated size.
constexpr std::size_t kGuard = 16;
constexpr char kGuardByte = '\x5A';

// Runs one coder call into a buffer of exactly `room` bytes followed by a
// guard, checks the guard, and appends what the call wrote.
template <typename Call>
void AppendChecked(Text& result, std::size_t room, Call call) {
  std::vector<char> buffer(room + kGuard, kGuardByte);
  const std::size_t written = call(buffer.data());
  ASSERT_LE(written, room);
  ASSERT_TRUE(std::all_of(buffer.begin() + static_cast<std::ptrdiff_t>(room), buffer.end(),
                          [](char c) { return c == kGuardByte; }))
      << "wrote past the room it was given";
  result.append(buffer.data(), written);
}

// Calls take(chunk) for the pieces of `input` between ascending `cuts`.
template <typename Take>
void ForEachChunk(std::string_view input, const std::vector<std::size_t>& cuts, Take take) {
  std::size_t from = 0;
  for (std::size_t i = 0; i <= cuts.size(); ++i) {
    const std::size_t to = i < cuts.size() ? cuts[i] : input.size();
    take(input.substr(from, to - from));
    from = to;
  }
}

Text EncodeInChunks(std::string_view input, const std::vector<std::size_t>& cuts) {
  ByteSetTextEncoder encoder;
  Text result;
  ForEachChunk(input, cuts, [&](std::string_view chunk) {
    AppendChecked(result, ByteSetTextEncoder::MaxOutput(chunk.size()),
                  [&](char* out) { return encoder.Encode(chunk, out); });
  });
  return result;
}

Text DecodeInChunks(std::string_view input, const std::vector<std::size_t>& cuts) {
  ByteSetTextDecoder decoder;
  Text result;
  ForEachChunk(input, cuts, [&](std::string_view chunk) {
    AppendChecked(result, ByteSetTextDecoder::MaxOutput(chunk.size()),
                  [&](char* out) { return decoder.Decode(chunk, out); });
  });
  AppendChecked(result, ByteSetTextDecoder::kMaxFinishOutput,
                [&](char* out) { return decoder.Finish(out); });
  return result;
}

void ExpectChunkedMatchesOneShot(std::string_view input, const std::vector<std::size_t>& cuts) {
  SCOPED_TRACE(::testing::Message() << "cut at " << ::testing::PrintToString(cuts));
  EXPECT_EQ(EncodeInChunks(input, cuts), EncodeByteSetText(input));
  EXPECT_EQ(DecodeInChunks(input, cuts), DecodeByteSetText(input));
}

std::vector<std::size_t> RandomCuts(std::mt19937& rng, std::size_t size) {
  std::vector<std::size_t> cuts;
  for (std::size_t at = 0; at < size;) {
    at += rng() % 80;  // empty chunks included
    cuts.push_back(std::min(at, size));
  }
  return cuts;
}

const std::string_view kTricky[] = {
    "97,98,99",
    "-97,+98, 99,--1,- 2",
    "2147483648,4294967393,99999999999,",
    "\xA3\xB9\xA3\xB7,\xA3\xAD\xA3\xB1,\xA3\xAB"
    "2",  // ９７,－１,＋2
    "97\xA3\xAC"
    "98,\xA1\xA1"
    "5",  // 97，98,　5
    "\xD6\xD0,97,\x81,98,\xFF\x80,99",
    "97\r\n98,\r\n99,\r,\n",
    "1,\xD6",
    "65535,,300,,",
    "-",
    "abc,1x2,3 4,",
    "214,208,186,186,215,214,97,13,10,98,1,2,3,44,55,66,100,200,255,9,99,199,0,0,0",
};

TEST(Chunked, EverySplitIntoTwoAndThree) {
  for (const std::string_view input : kTricky) {
    SCOPED_TRACE(::testing::PrintToString(input));
    for (std::size_t i = 0; i <= input.size(); ++i) {
      for (std::size_t j = i; j <= input.size(); ++j) ExpectChunkedMatchesOneShot(input, {i, j});
    }
  }
}

TEST(Chunked, OneByteAtATime) {
  ForEachRandomText(3, 20, 200, [](const Text& input, std::mt19937&) {
    std::vector<std::size_t> cuts(input.size());
    for (std::size_t at = 0; at < cuts.size(); ++at) cuts[at] = at;
    ExpectChunkedMatchesOneShot(input, cuts);
  });
}

// Long inputs so that the fast paths, which want many bytes in one chunk,
// are cut too: encoded texts (what the decoder mostly sees) and raw ones.
TEST(Chunked, RandomChunkings) {
  ForEachRandomText(11, 30, 3000, [](const Text& text, std::mt19937& rng) {
    const Text encoded = EncodeByteSetText(text);
    ExpectChunkedMatchesOneShot(text, RandomCuts(rng, text.size()));
    ExpectChunkedMatchesOneShot(encoded, RandomCuts(rng, encoded.size()));
  });
}

TEST(Chunked, EncoderNeedsNoRoomBeyondItsResult) {
  ForEachRandomText(5, 100, 100, [](const Text& text, std::mt19937&) {
    Text result;
    AppendChecked(result, EncodedLength(text),
                  [&](char* out) { return ByteSetTextEncoder().Encode(text, out); });
    EXPECT_EQ(result, EncodeByteSetText(text));
  });
}

TEST(Chunked, DecoderStartsAfreshAfterFinish) {
  ByteSetTextDecoder decoder;
  Text result;
  for (const std::string_view input : {"-9", "7,\xD6", "8"}) {
    AppendChecked(result, ByteSetTextDecoder::MaxOutput(input.size()),
                  [&](char* out) { return decoder.Decode(input, out); });
    AppendChecked(result, ByteSetTextDecoder::kMaxFinishOutput,
                  [&](char* out) { return decoder.Finish(out); });
  }
  EXPECT_EQ(result, DecodeByteSetText("-9") + DecodeByteSetText("7,\xD6") + DecodeByteSetText("8"));
}

}  // namespace
}  // namespace plimsett
