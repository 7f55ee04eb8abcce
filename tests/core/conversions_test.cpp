// The two conversions: the fused ones and their literal composition from
// the primitives, held against the same rows and against each other.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

#include "core/byte_set_text.h"
#include "tests/core/random_cases.h"
#include "tests/support/format_examples.h"
#include "tests/support/literal_composition.h"
#include "tests/support/random_texts.h"

namespace plimsett {
namespace {

using reference::DecodeByPrimitives;
using reference::EncodeByPrimitives;
using test_support::ForEachRandomText;
using test_support::kAllTextKinds;
using test_support::KindName;
using test_support::RandomText;
using test_support::TextKind;

// What a reused output buffer holds before a conversion writes into it.
constexpr std::string_view kStale = "stale content that must not survive";

void ExpectEncodes(std::string_view text, std::string_view expected) {
  SCOPED_TRACE(::testing::PrintToString(text));
  EXPECT_EQ(EncodeByteSetText(text), expected);
  EXPECT_EQ(EncodeByPrimitives(text), expected);
  EXPECT_EQ(EncodedLength(text), expected.size());
  Text reused(kStale);
  EncodeByteSetTextInto(text, reused);
  EXPECT_EQ(reused, expected);
}

void ExpectDecodes(std::string_view byteSetText, std::string_view expected) {
  SCOPED_TRACE(::testing::PrintToString(byteSetText));
  EXPECT_EQ(DecodeByteSetText(byteSetText), expected);
  EXPECT_EQ(DecodeByPrimitives(byteSetText), expected);
  Text reused(kStale);
  DecodeByteSetTextInto(byteSetText, reused);
  EXPECT_EQ(reused, expected);
}

TEST(Encode, WritesOneNumberPerByte) {
  for (const auto& row : test_support::kEncodeExamples) ExpectEncodes(row.input, row.expected);
}

TEST(Decode, ReadsEveryPieceAndDropsZeroBytes) {
  for (const auto& row : test_support::kDecodeExamples) ExpectDecodes(row.input, row.expected);
}

// Every spelling of one to three digits, leading zeros included, in runs of
// plain pieces (taken many at a time) and with a blank after every seventh
// piece (which sends the pieces around it through the piece-by-piece paths).
TEST(Decode, EveryShortPieceOnEveryPath) {
  Text plain;
  Text mixed;
  int count = 0;
  for (int digits = 1; digits <= 3; ++digits) {
    const int limit = digits == 1 ? 10 : digits == 2 ? 100 : 1000;
    for (int v = 0; v < limit; ++v) {
      Text piece = std::to_string(v);
      piece.insert(0, static_cast<std::size_t>(digits) - piece.size(), '0');
      plain += piece + ",";
      mixed += piece + (++count % 7 == 0 ? " ," : ",");
    }
  }
  EXPECT_EQ(DecodeByteSetText(plain), DecodeByPrimitives(plain));
  EXPECT_EQ(DecodeByteSetText(mixed), DecodeByPrimitives(mixed));
}

TEST(Conversions, FusedMatchLiteralCompositionOnRandomTexts) {
  ForEachRandomText(20240607, 400, 300, [](const Text& text, std::mt19937&) {
    EXPECT_EQ(EncodeByteSetText(text), EncodeByPrimitives(text));
    EXPECT_EQ(DecodeByteSetText(text), DecodeByPrimitives(text));
  });
}

TEST(Conversions, DecodingTheEncodingGivesTheTextBack) {
  ForEachRandomText(7, 400, 300, [](const Text& text, std::mt19937&) {
    EXPECT_EQ(DecodeByteSetText(EncodeByteSetText(text)), text);
  });
}

// Long enough to cross every internal slice and window boundary many times.
TEST(Conversions, LongTextsConvertWhole) {
  std::mt19937 rng(99);
  for (const TextKind kind : kAllTextKinds) {
    SCOPED_TRACE(KindName(kind));
    const Text text = RandomText(rng, kind, 200'000);
    const Text encoded = EncodeByteSetText(text);
    EXPECT_EQ(encoded, EncodeByPrimitives(text));
    EXPECT_EQ(DecodeByteSetText(encoded), text);
    EXPECT_EQ(DecodeByteSetText(text), DecodeByPrimitives(text));
  }
}

}  // namespace
}  // namespace plimsett
