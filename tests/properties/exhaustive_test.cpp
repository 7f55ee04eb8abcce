// Every short input, where that is cheap: all texts of up to two bytes (zero
// bytes included, which the conversions must take in their stride too), and
// all texts of up to four bytes over the bytes that matter to the number
// reader and the splitter. Each goes through the same properties that the
// fuzz targets check.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <string_view>

#include "tests/properties/properties.h"

namespace plimsett::properties {
namespace {

// Calls visit(text) for every text of 0 to maxLength bytes drawn from the
// alphabet.
void ForEachText(std::string_view alphabet, std::size_t maxLength,
                 const std::function<void(std::string_view)>& visit) {
  std::string text;
  const std::function<void()> extend = [&] {
    visit(text);
    if (text.size() == maxLength) return;
    for (const char c : alphabet) {
      text.push_back(c);
      extend();
      text.pop_back();
    }
  };
  extend();
}

std::string EveryByte() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes.push_back(static_cast<char>(b));
  return bytes;
}

// Digits, signs, the separator, a blank, a lead byte, and the lead byte and
// a second byte of the full-width digits (A3 B9 is ９).
constexpr std::string_view kNumberAlphabet = "0123456789+-, \x81\xA3\xB9";

// A check over a whole short text: with the chunked coders cut at each place
// in turn, and at every place at once.
std::string ForEveryCut(std::string_view text,
                        std::string (*check)(std::string_view, const Cuts&)) {
  Cuts everywhere;
  for (std::size_t at = 0; at <= text.size(); ++at) {
    if (std::string failure = check(text, {at}); !failure.empty()) return failure;
    everywhere.push_back(at);
  }
  return check(text, everywhere);
}

struct Property {
  const char* name;
  std::string (*check)(std::string_view text);
};

const Property kProperties[] = {
    {"Encode", [](std::string_view t) { return ForEveryCut(t, CheckEncode); }},
    {"Decode", [](std::string_view t) { return ForEveryCut(t, CheckDecode); }},
    {"SplitTextAtComma", [](std::string_view t) { return CheckSplitText(t, ","); }},
    {"SplitTextAtTwoBytes", [](std::string_view t) { return CheckSplitText(t, ",9"); }},
    {"SplitTextAtADoubleByteCharacter",
     [](std::string_view t) { return CheckSplitText(t, "\xA3\xB9"); }},
    {"TextToInt32", CheckTextToInt32},
};

void PrintTo(const Property& property, std::ostream* out) { *out << property.name; }

class Exhaustive : public ::testing::TestWithParam<Property> {
 protected:
  // Runs the property over every text, reporting the first few failures.
  void CheckEvery(std::string_view alphabet, std::size_t maxLength) {
    int failures = 0;
    int texts = 0;
    ForEachText(alphabet, maxLength, [&](std::string_view text) {
      ++texts;
      if (failures == 5) return;
      if (const std::string failure = GetParam().check(text); !failure.empty()) {
        ADD_FAILURE() << failure;
        ++failures;
      }
    });
    EXPECT_GT(texts, 0);
  }
};

TEST_P(Exhaustive, EveryTextOfUpToTwoBytes) { CheckEvery(EveryByte(), 2); }

TEST_P(Exhaustive, EveryTextOfUpToFourNumberBytes) { CheckEvery(kNumberAlphabet, 4); }

INSTANTIATE_TEST_SUITE_P(Properties, Exhaustive, ::testing::ValuesIn(kProperties),
                         [](const auto& property) { return std::string(property.param.name); });

TEST(ReadsBack, ValuesAroundEveryEdge) {
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  const std::int32_t centres[] = {kMin, -65536, -256, 0, 255, 65535, 16777216, kMax};
  for (const std::int32_t centre : centres) {
    for (std::int32_t delta = -300; delta <= 300; ++delta) {
      // Wraps around at the ends of the range, which is wanted here.
      const auto value = static_cast<std::int32_t>(static_cast<std::uint32_t>(centre) +
                                                   static_cast<std::uint32_t>(delta));
      const std::string failure = CheckReadsBack(value);
      ASSERT_EQ(failure, "");
    }
  }
}

}  // namespace
}  // namespace plimsett::properties
