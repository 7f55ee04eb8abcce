#include "tests/properties/models.h"

#include <cctype>
#include <cstdio>

namespace plimsett::properties {

namespace {

unsigned char At(std::string_view text, std::size_t i) {
  return static_cast<unsigned char>(text[i]);
}

// The narrow twin of a two-byte character, or 0 when it has none. Row A3 is
// the block of full-width ASCII (！ to ～); of row A1 only the ideographic
// space, the wave dash and the two stars have twins.
int NarrowTwin(unsigned lead, unsigned second) {
  if (lead == 0xA3 && second >= 0xA1 && second <= 0xFE) return static_cast<int>(second) - 0x80;
  if (lead != 0xA1) return 0;
  if (second == 0xA1) return ' ';
  if (second == 0xAB) return '~';
  if (second == 0xEE || second == 0xEF) return '*';
  return 0;
}

bool IsBlank(unsigned char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::string ModelFoldFullWidth(std::string_view text) {
  std::string folded;
  std::size_t i = 0;
  while (i < text.size()) {
    if (At(text, i) < 0x80) {
      folded += text[i];
      i += 1;
    } else if (i + 1 < text.size()) {
      if (const int twin = NarrowTwin(At(text, i), At(text, i + 1)); twin != 0) {
        folded += static_cast<char>(twin);
      } else {
        folded += text.substr(i, 2);
      }
      i += 2;
    } else {
      break;  // lone lead byte
    }
  }
  return folded;
}

std::int32_t ModelTextToInt32(std::string_view text) {
  const std::string t = ModelFoldFullWidth(text);
  std::size_t i = 0;
  while (i < t.size() && IsBlank(At(t, i))) ++i;
  bool negative = false;
  if (i < t.size() && (t[i] == '-' || t[i] == '+')) {
    negative = t[i] == '-';
    ++i;
  }
  // 64 bits, reduced after every step: the true value modulo 2^32.
  std::uint64_t value = 0;
  for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) {
    value = (value * 10 + static_cast<std::uint64_t>(t[i] - '0')) % 0x1'0000'0000u;
  }
  if (negative) value = (0x1'0000'0000u - value) % 0x1'0000'0000u;
  const auto low = static_cast<std::int64_t>(value);
  return static_cast<std::int32_t>(low >= 0x8000'0000 ? low - 0x1'0000'0000 : low);
}

std::string WrittenFormMismatch(std::string_view byteSetText, std::string_view bytes) {
  if (bytes.empty()) return byteSetText.empty() ? "" : "an empty text must be written as empty";
  std::size_t at = 0;
  for (std::size_t index = 0; index < bytes.size(); ++index) {
    if (index != 0) {
      if (at >= byteSetText.size() || byteSetText[at] != ',') {
        return "no comma before number " + std::to_string(index + 1);
      }
      ++at;
    }
    const std::size_t start = at;
    unsigned value = 0;
    while (at < byteSetText.size() && byteSetText[at] >= '0' && byteSetText[at] <= '9' &&
           at - start < 4) {
      value = value * 10 + static_cast<unsigned>(byteSetText[at++] - '0');
    }
    const std::size_t digits = at - start;
    const std::string which = "number " + std::to_string(index + 1);
    if (digits == 0) return which + " has no digits";
    if (digits > 1 && byteSetText[start] == '0') return which + " has a leading zero";
    if (value != At(bytes, index)) return which + " is not the byte it stands for";
  }
  if (at != byteSetText.size()) return "more follows the last number";
  return "";
}

std::string WithoutZeroBytes(std::string_view bytes) {
  std::string kept;
  for (const char c : bytes) {
    if (c != '\0') kept += c;
  }
  return kept;
}

std::string Quoted(std::string_view bytes) {
  std::string quoted = "\"";
  bool afterEscape = false;
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x20 && b < 0x7F && c != '"' && c != '\\') {
      // A hex escape would run on over a hex digit: close and reopen.
      if (afterEscape && std::isxdigit(b)) quoted += "\"\"";
      quoted += c;
      afterEscape = false;
    } else {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02X", b);
      quoted += escape;
      afterEscape = true;
    }
  }
  return quoted + "\"";
}

}  // namespace plimsett::properties
