// Seeded random texts of the kinds that stress the conversions. Every text
// is free of zero bytes, as a Text always is. Header-only, so tests,
// fuzzers and benchmarks can share it without linking anything.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <random>
#include <string_view>

#include "core/types.h"

namespace plimsett::test_support {

enum class TextKind {
  kAscii,        // bytes 0x01..0x7F
  kDoubleByte,   // two-byte characters of bytes 0x81..0xFE, some ASCII between
  kByteSetLike,  // numbers, commas, signs, blanks, CR LF, a few letters
  kFullWidth,    // byte-set-like, with full-width digits, signs, comma and space
  kLoneLead,     // byte-set-like, with lead bytes before commas, digits and at the end
  kAnyNonZero,   // bytes 0x01..0xFF
};

inline constexpr std::array<TextKind, 6> kAllTextKinds = {
    TextKind::kAscii,     TextKind::kDoubleByte, TextKind::kByteSetLike,
    TextKind::kFullWidth, TextKind::kLoneLead,   TextKind::kAnyNonZero,
};

inline std::string_view KindName(TextKind kind) {
  switch (kind) {
    case TextKind::kAscii:
      return "ascii";
    case TextKind::kDoubleByte:
      return "double-byte";
    case TextKind::kByteSetLike:
      return "byte-set-like";
    case TextKind::kFullWidth:
      return "full-width";
    case TextKind::kLoneLead:
      return "lone-lead";
    case TextKind::kAnyNonZero:
      return "any-non-zero";
  }
  return "?";
}

namespace random_texts_detail {

inline unsigned Uniform(std::mt19937& rng, unsigned low, unsigned high) {
  return std::uniform_int_distribution<unsigned>(low, high)(rng);
}

inline void PutByte(Text& text, unsigned b) { text.push_back(static_cast<char>(b)); }

inline void PutNumber(std::mt19937& rng, Text& text) {
  // Mostly what the encoder writes, sometimes long enough to wrap around.
  const unsigned digits = Uniform(rng, 0, 9) < 8 ? Uniform(rng, 1, 3) : Uniform(rng, 4, 12);
  for (unsigned i = 0; i < digits; ++i) PutByte(text, '0' + Uniform(rng, 0, 9));
}

// One token of byte-set-like text: most often a number and a comma.
inline void PutByteSetToken(std::mt19937& rng, Text& text) {
  constexpr std::string_view kOthers[] = {",", "+", "-", " ", "\t", "\r\n", "x", ".", ",,", "--"};
  if (Uniform(rng, 0, 2) != 0) {
    PutNumber(rng, text);
    text.push_back(',');
  } else {
    text.append(kOthers[Uniform(rng, 0, std::size(kOthers) - 1)]);
  }
}

inline void PutFullWidthToken(std::mt19937& rng, Text& text) {
  if (Uniform(rng, 0, 1) == 0) {
    PutByteSetToken(rng, text);
    return;
  }
  constexpr unsigned kSeconds[] = {0xAB, 0xAD, 0xAC};  // ＋ － ，
  switch (Uniform(rng, 0, 3)) {
    case 0:  // ideographic space
      PutByte(text, 0xA1);
      PutByte(text, 0xA1);
      break;
    case 1:
      PutByte(text, 0xA3);
      PutByte(text, kSeconds[Uniform(rng, 0, 2)]);
      break;
    default:  // ０..９
      PutByte(text, 0xA3);
      PutByte(text, 0xB0 + Uniform(rng, 0, 9));
      break;
  }
}

inline void PutToken(std::mt19937& rng, TextKind kind, Text& text) {
  switch (kind) {
    case TextKind::kAscii:
      PutByte(text, Uniform(rng, 0x01, 0x7F));
      break;
    case TextKind::kDoubleByte:
      if (Uniform(rng, 0, 7) == 0) {
        PutByte(text, Uniform(rng, 0x20, 0x7E));
      } else {
        PutByte(text, Uniform(rng, 0x81, 0xFE));
        PutByte(text, Uniform(rng, 0x81, 0xFE));
      }
      break;
    case TextKind::kByteSetLike:
      PutByteSetToken(rng, text);
      break;
    case TextKind::kFullWidth:
      PutFullWidthToken(rng, text);
      break;
    case TextKind::kLoneLead:
      if (Uniform(rng, 0, 3) == 0) PutByte(text, Uniform(rng, 0x80, 0xFF));
      PutByteSetToken(rng, text);
      break;
    case TextKind::kAnyNonZero:
      PutByte(text, Uniform(rng, 0x01, 0xFF));
      break;
  }
}

}  // namespace random_texts_detail

// A text of exactly `length` bytes. The last token may be cut short, which
// can leave a lone lead byte at the end; that case is wanted too.
inline Text RandomText(std::mt19937& rng, TextKind kind, std::size_t length) {
  Text text;
  text.reserve(length + 16);
  while (text.size() < length) random_texts_detail::PutToken(rng, kind, text);
  if (kind == TextKind::kLoneLead && length != 0 && random_texts_detail::Uniform(rng, 0, 1) == 0) {
    text[length - 1] = static_cast<char>(random_texts_detail::Uniform(rng, 0x80, 0xFF));
  }
  text.resize(length);
  return text;
}

}  // namespace plimsett::test_support
