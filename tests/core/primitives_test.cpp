// The value operations, row by row. Double-byte text is written as byte
// escapes ("\xD6\xD0" is 中 in code page 936) so that no test depends on the
// encoding of this file.
#include "core/primitives.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace plimsett {
namespace {

using namespace std::string_view_literals;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// Bytes spelled as a string; the "sv" literals keep embedded zero bytes.
ByteSet Bytes(std::string_view s) { return ByteSet(s.begin(), s.end()); }

TEST(TextBytes, AreTheTextsBytesInOrder) {
  const struct {
    std::string_view text;
    ByteSet bytes;
  } rows[] = {
      {"", {}},
      {"abc", {0x61, 0x62, 0x63}},
      {"\xD6\xD0", {0xD6, 0xD0}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::PrintToString(row.text));
    EXPECT_EQ(TextBytes(row.text), row.bytes);
    EXPECT_EQ(ByteSetLength(TextBytes(row.text)), static_cast<std::int32_t>(row.text.size()));
  }
}

TEST(ByteSetMid, ClampsStartAndLength) {
  const struct {
    ByteSet bytes;
    std::int32_t start;
    std::int32_t length;
    ByteSet expected;
  } rows[] = {
      {Bytes("abc"), 2, 1, Bytes("b")},
      {Bytes("abc"), 0, 2, Bytes("ab")},
      {Bytes("abc"), 3, 5, Bytes("c")},
      {Bytes("abc"), 4, 1, {}},
      {Bytes("abc"), 1, 3, Bytes("abc")},
      {Bytes("abc"), -7, 1, Bytes("a")},
      {Bytes("abc"), 2, 0, {}},
      {Bytes("abc"), 2, -1, {}},
      {Bytes("abc"), kMin, kMax, Bytes("abc")},
      {Bytes("abc"), kMax, 1, {}},
      {Bytes("abc"), 2, kMax, Bytes("bc")},
      {{}, 1, 1, {}},
      {Bytes("a\0b"sv), 2, 1, {0x00}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::Message() << "start " << row.start << ", length " << row.length);
    EXPECT_EQ(ByteSetMid(row.bytes, row.start, row.length), row.expected);
  }
}

TEST(ReadByteValue, IsTheFirstByteUnsigned) {
  EXPECT_EQ(ReadByteValue({}), 0);
  EXPECT_EQ(ReadByteValue({0xFF}), 255);
  EXPECT_EQ(ReadByteValue({0x61, 0x62}), 0x61);
}

TEST(ByteToDecimal, IsPlainUnsignedDecimal) {
  for (unsigned value = 0; value < 256; ++value) {
    EXPECT_EQ(ByteToDecimal(static_cast<std::uint8_t>(value)), std::to_string(value));
  }
}

TEST(ConcatTexts, JoinsInOrder) {
  EXPECT_EQ(ConcatTexts({}), "");
  EXPECT_EQ(ConcatTexts({"", ""}), "");
  EXPECT_EQ(ConcatTexts({"97,98,", "99", ","}), "97,98,99,");
  EXPECT_EQ(ConcatTexts({"a", "", "\xD6\xD0"}), "a\xD6\xD0");
}

TEST(SplitText, CutsAtSeparatorsWhereCharactersBegin) {
  const struct {
    std::string_view text;
    std::string_view separator;
    TextList pieces;
  } rows[] = {
      {"", ",", {}},
      {",", ",", {""}},
      {",97", ",", {"", "97"}},
      {"97,,98", ",", {"97", "", "98"}},
      {"97,98,", ",", {"97", "98"}},
      {"97,98,99", ",", {"97", "98", "99"}},
      {" 97 ,\t98\r\n", ",", {" 97 ", "\t98\r\n"}},
      // A comma right after a lead byte is that character's second byte.
      {"\x81,97", ",", {"\x81,97"}},
      {"\xFF,\x80,", ",", {"\xFF,\x80,"}},
      {"\xD6\xD0,97", ",", {"\xD6\xD0", "97"}},
      {"97,\xD6", ",", {"97", "\xD6"}},
      {"9\xD6", ",", {"9\xD6"}},
      // Other separators.
      {"abc", "", {"abc"}},
      {"", "", {}},
      {"a,,b", ",,", {"a", "b"}},
      {",,,", ",,", {"", ","}},
      {"\xB0,,x", ",,", {"\xB0,,x"}},
      {"ab", "abc", {"ab"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::PrintToString(row.text) + " at " +
                 ::testing::PrintToString(row.separator));
    EXPECT_EQ(SplitText(row.text, row.separator), row.pieces);
  }
}

TEST(FoldFullWidth, NarrowsTheFullWidthForms) {
  const struct {
    std::string_view text;
    std::string_view folded;
  } rows[] = {
      {"", ""},
      {"a1,", "a1,"},
      {"\xA3\xB9\xA3\xB7", "97"},                // ９７
      {"\xA3\xAB\xA3\xAD\xA3\xAC", "+-,"},       // ＋－，
      {"\xA3\xA1\xA3\xFE", "!~"},                // first and last of the row
      {"\xA3\xA0\xA3\xFF", "\xA3\xA0\xA3\xFF"},  // just outside it
      {"\xA1\xA1", " "},                         // ideographic space
      {"\xA1\xAB", "~"},                         // ～
      {"\xA1\xEE\xA1\xEF", "**"},                // ☆★
      {"\xA1\xA2\xD6\xD0", "\xA1\xA2\xD6\xD0"},  // 、中 stay
      {"\x81\x39", "\x81\x39"},                  // an ASCII second byte stays too
      {"x\xA3\xB1y", "x1y"},
      {"a\xA3", "a"},  // lone lead byte dropped
      {"\xA3", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::PrintToString(row.text));
    EXPECT_EQ(FoldFullWidth(row.text), row.folded);
  }
}

TEST(TextToInt32, ReadsTheLeadingNumberWrappingAround) {
  const struct {
    std::string_view text;
    std::int32_t value;
  } rows[] = {
      {"97", 97},
      {" 97", 97},
      {"+97", 97},
      {"097", 97},
      {"97abc", 97},
      {"97 98", 97},
      {"97\r\n98", 97},
      {"\t\n\v\f\r 5", 5},
      {"-97", -97},
      {"9.7", 9},
      {"", 0},
      {"abc", 0},
      {"0x61", 0},
      {"-", 0},
      {"+", 0},
      {" \r\n ", 0},
      {"--97", 0},
      {"- 97", 0},
      {"\xA3\xB9\xA3\xB7", 97},  // ９７
      {"\xA1\xA1"
       "97",
       97},                               // after an ideographic space
      {"\xA3\xAD\xA3\xB9\xA3\xB7", -97},  // －９７
      {"9\xA3\xAC"
       "8",
       9},  // a full-width comma ends it
      {"\xA0"
       "5",
       0},  // 0xA0 leads a character; no blank
      {"\x85"
       "97",
       0},  // so does 0x85, taking the 9
      {"2147483647", kMax},
      {"2147483648", kMin},
      {"-2147483648", kMin},
      {"4294967295", -1},
      {"4294967296", 0},
      {"4294967393", 97},
      {"-2147483649", kMax},
      {"99999999999", 1215752191},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::PrintToString(row.text));
    EXPECT_EQ(TextToInt32(row.text), row.value);
  }
}

TEST(IntArray, BytesAreLittleEndianTwosComplement) {
  const struct {
    IntArray values;
    ByteSet bytes;
  } rows[] = {
      {{}, {}},
      {{97, -1, 300}, {0x61, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0x2C, 0x01, 0, 0}},
      {{256}, {0, 0x01, 0, 0}},
      {{kMin}, {0, 0, 0, 0x80}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::PrintToString(row.values));
    IntArray array;
    for (const std::int32_t v : row.values) IntArrayAppend(array, v);
    EXPECT_EQ(array, row.values);
    EXPECT_EQ(IntArrayBytes(array), row.bytes);
  }
}

TEST(ReplaceBytes, ReplacesEveryMatchWithoutOverlap) {
  const struct {
    ByteSet source;
    ByteSet pattern;
    ByteSet replacement;
    ByteSet expected;
  } rows[] = {
      {Bytes("a\0\0\0b\0\0\0"sv), {0}, {}, Bytes("ab")},
      {{0, 0x01, 0, 0}, {0}, {}, {0x01}},
      {{0, 0, 0, 0}, {0}, {}, {}},
      {{}, {0}, {}, {}},
      {Bytes("a"), {}, Bytes("b"), Bytes("a")},
      {Bytes("aaa"), Bytes("aa"), Bytes("b"), Bytes("ba")},
      {Bytes("ab"), Bytes("a"), Bytes("aa"), Bytes("aab")},
      {Bytes("xabyab"), Bytes("ab"), {}, Bytes("xy")},
      {Bytes("a"), Bytes("ab"), Bytes("x"), Bytes("a")},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::PrintToString(row.source));
    EXPECT_EQ(ReplaceBytes(row.source, row.pattern, row.replacement), row.expected);
  }
}

TEST(ByteSetToText, StopsAtTheFirstZeroByte) {
  EXPECT_EQ(ByteSetToText({}), "");
  EXPECT_EQ(ByteSetToText({0x61, 0, 0x62}), "a");
  EXPECT_EQ(ByteSetToText({0, 0x61}), "");
  EXPECT_EQ(ByteSetToText({0xD6, 0xD0}), "\xD6\xD0");
  EXPECT_EQ(ByteSetToText(ReplaceBytes({0, 0, 0, 0}, {0}, {})), "");
}

}  // namespace
}  // namespace plimsett
