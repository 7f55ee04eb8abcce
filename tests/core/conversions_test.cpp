// The two conversions: the fused ones and their literal composition from
// the primitives, held against the same rows and against each other.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

#include "core/byte_set_text.h"
#include "tests/core/random_cases.h"
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
  const struct {
    std::string_view text;
    std::string_view byteSetText;
  } rows[] = {
      {"", ""},
      {"a", "97"},
      {"abc", "97,98,99"},
      {"a b", "97,32,98"},
      {"\xD6\xD0", "214,208"},                  // 中
      {"\xBA\xBA\xD7\xD6", "186,186,215,214"},  // 汉字
      {"a\r\nb", "97,13,10,98"},
      {"\x01\x09\x0A\x63\x64\x80\xFF", "1,9,10,99,100,128,255"},
  };
  for (const auto& row : rows) ExpectEncodes(row.text, row.byteSetText);
}

TEST(Decode, ReadsEveryPieceAndDropsZeroBytes) {
  const struct {
    std::string_view byteSetText;
    std::string_view text;
  } rows[] = {
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
      {"2147483647", "\xFF\xFF\xFF\x7F"},
      {"-2147483649", "\xFF\xFF\xFF\x7F"},
      {"4294967296", ""},
      {"4294967393", "a"},
      {"16843009", "\x01\x01\x01\x01"},
      {"99999999999", "\xFF\xE7\x76\x48"},
      {"+97,097,--97,- 97,9.7", "aa\x09"},
      {"\xA3\xB9\xA3\xB7", "a"},  // ９７
      {"97\xA3\xAC"
       "98",
       "a"},                                             // 97，98: one piece
      {"\xA3\xAD\xA3\xB9\xA3\xB7", "\x9F\xFF\xFF\xFF"},  // －９７
      {"\xA1\xA1"
       "97,\xA3\xAB"
       "98",
       "ab"},  // ideographic space, ＋
      {"13,10", "\r\n"},
      {"97\r\n98", "a"},
      {"97,\r\n98", "ab"},
      {"\t13,\v10 ,\f", "\r\n"},
      {"\x81,97", ""},  // the comma is the second byte
      {"\xD6\xD0,97", "a"},
      {"97,\xD6", "a"},  // lone lead byte at the end
      {"9\xD6", "\x09"},
      {"\xD6\xD0"
       "97,98",
       "b"},
  };
  for (const auto& row : rows) ExpectDecodes(row.byteSetText, row.text);
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
