// Huge and pathological inputs: the conversions set no limit of their own,
// so a quarter of a gibibyte goes through whole, and inputs built to hit a
// worst case (endless pieces, endless digits, nothing but lead bytes) still
// give exactly what the definition says. Results are checked against
// expectations worked out by hand, never against a second run of the core.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/byte_set_text.h"

namespace plimsett {
namespace {

constexpr std::size_t kQuarterGibibyte = std::size_t{256} << 20;

std::string Repeated(std::string_view unit, std::size_t times) {
  std::string text;
  text.reserve(unit.size() * times);
  for (std::size_t i = 0; i < times; ++i) text.append(unit);
  return text;
}

// Where `text` first differs from `unit` repeated `times` times, or npos.
std::size_t FirstDifferenceFromRepeats(std::string_view text, std::string_view unit,
                                       std::size_t times) {
  if (text.size() != unit.size() * times) return std::min(text.size(), unit.size() * times);
  for (std::size_t i = 0; i < times; ++i) {
    if (std::memcmp(text.data() + i * unit.size(), unit.data(), unit.size()) != 0) {
      return i * unit.size();
    }
  }
  return std::string_view::npos;
}

// Every non-zero byte in turn, over a quarter of a gibibyte, is written as
// "1,2,...,255," over and over (less the last comma) and read back.
TEST(Huge, QuarterGibibyteTextEncodesAndDecodesWhole) {
  std::string period;
  for (int b = 1; b <= 255; ++b) period += std::to_string(b) + ",";
  const std::size_t periods = kQuarterGibibyte / 255;
  const std::size_t size = periods * 255;

  std::string text(size, '\0');
  for (std::size_t i = 0; i < size; ++i) text[i] = static_cast<char>(1 + i % 255);
  const std::string encoded = EncodeByteSetText(text);
  text = std::string();  // only the pattern is needed from here on

  ASSERT_EQ(encoded.size(), periods * period.size() - 1);
  const std::size_t lastPeriod = (periods - 1) * period.size();
  EXPECT_EQ(FirstDifferenceFromRepeats(std::string_view(encoded).substr(0, lastPeriod), period,
                                       periods - 1),
            std::string_view::npos);
  EXPECT_EQ(encoded.substr(lastPeriod), period.substr(0, period.size() - 1));

  const std::string decoded = DecodeByteSetText(encoded);
  ASSERT_EQ(decoded.size(), size);
  std::size_t firstWrong = std::string::npos;
  for (std::size_t i = 0; i < size && firstWrong == std::string::npos; ++i) {
    if (decoded[i] != static_cast<char>(1 + i % 255)) firstWrong = i;
  }
  EXPECT_EQ(firstWrong, std::string::npos);
}

// The lenient spellings, which the fast paths leave to the piece-by-piece
// reader, over a quarter of a gibibyte.
TEST(Huge, QuarterGibibyteOfLenientSpellingsDecodesWhole) {
  // +97 | " 98 " | ９９ | -1 | empty | 4294967393 | 97 then text | ９７，９７
  constexpr std::string_view kUnit =
      "+97, 98 ,\xA3\xB9\xA3\xB9,-1,,4294967393,97x1,\xA3\xB9\xA3\xB7\xA3\xAC\xA3\xB9\xA3\xB7,";
  constexpr std::string_view kBytes =
      "abc\xFF\xFF\xFF\xFF"
      "aaa";
  const std::size_t times = kQuarterGibibyte / kUnit.size() + 1;
  const std::string decoded = DecodeByteSetText(Repeated(kUnit, times));
  EXPECT_EQ(FirstDifferenceFromRepeats(decoded, kBytes, times), std::string_view::npos);
}

struct Pathological {
  const char* name;
  std::string byteSetText;
  std::string text;
};

// 10^n is a multiple of 2^32 from n = 32 on, so n nines wrap to -1 and a one
// followed by n zeros to 0.
// Made when the test runs, not when the program starts.
std::vector<Pathological> PathologicalInputs() {
  return {
      {"a million commas", std::string(1'000'000, ','), ""},
      {"a million commas, then a number", std::string(1'000'000, ',') + "97", "a"},
      {"ten million ones", Repeated("1,", 10'000'000), std::string(10'000'000, '\x01')},
      {"one piece of ten million nines", std::string(10'000'000, '9'), "\xFF\xFF\xFF\xFF"},
      {"minus ten million nines", "-" + std::string(10'000'000, '9'), "\x01"},
      {"a one and ten million zeros", "1" + std::string(10'000'000, '0'), ""},
      {"ten million zeros, then 97", std::string(10'000'000, '0') + "97", "a"},
      {"ten million blanks, then 97", std::string(10'000'000, ' ') + "97", "a"},
      {"a million minus signs, then 97", std::string(1'000'000, '-') + "97", ""},
      // Each lead byte takes the byte after it, a comma too: no piece begins.
      {"lone lead bytes", std::string(1'000'001, '\x81'), ""},
      {"a lead byte before every comma", Repeated("\x81,", 1'000'000) + "97", ""},
      {"a lead byte after every number", Repeated("97\xD6,", 1'000'000), "a"},
      {"full-width digits only", Repeated("\xA3\xB9", 1'000'000), "\xFF\xFF\xFF\xFF"},
      {"a full-width one and zeros", "\xA3\xB1" + Repeated("\xA3\xB0", 1'000'000), ""},
      {"full-width numbers and commas", Repeated("\xA3\xB9\xA3\xB7\xA3\xAC", 1'000'000), "a"},
  };
}

TEST(Huge, PathologicalInputsDecodeAsDefined) {
  for (const Pathological& row : PathologicalInputs()) {
    SCOPED_TRACE(row.name);
    const std::string decoded = DecodeByteSetText(row.byteSetText);
    EXPECT_EQ(decoded.size(), row.text.size());
    EXPECT_TRUE(decoded == row.text);  // not printed: it may be huge
  }
}

}  // namespace
}  // namespace plimsett
