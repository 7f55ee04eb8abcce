#include "core/primitives.h"

#include <algorithm>
#include <limits>

#include "core/text_rules.h"

namespace plimsett {

namespace {

std::uint8_t ByteAt(std::string_view text, std::size_t i) {
  return static_cast<std::uint8_t>(text[i]);
}

}  // namespace

ByteSet TextBytes(std::string_view text) {
  const auto* first = reinterpret_cast<const std::uint8_t*>(text.data());
  return ByteSet(first, first + text.size());
}

std::int32_t ByteSetLength(const ByteSet& bytes) {
  // Counts are 32-bit by contract; a sequence longer than that cannot be
  // addressed by ByteSetMid anyway, so saturate rather than wrap negative.
  constexpr auto kMax = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
  return static_cast<std::int32_t>(std::min(bytes.size(), kMax));
}

ByteSet ByteSetMid(const ByteSet& bytes, std::int32_t start, std::int32_t length) {
  // 64-bit arithmetic: start - 1 and offset + count must not overflow for
  // extreme arguments.
  const auto size = static_cast<std::int64_t>(bytes.size());
  const std::int64_t offset = std::clamp<std::int64_t>(std::int64_t{start} - 1, 0, size);
  const std::int64_t count =
      std::min<std::int64_t>(std::max<std::int64_t>(length, 0), size - offset);
  const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(offset);
  return ByteSet(first, first + static_cast<std::ptrdiff_t>(count));
}

std::uint8_t ReadByteValue(const ByteSet& bytes) { return bytes.empty() ? 0 : bytes.front(); }

Text ByteToDecimal(std::uint8_t value) {
  char digits[3];
  std::size_t n = 0;
  if (value >= 100) digits[n++] = static_cast<char>('0' + value / 100);
  if (value >= 10) digits[n++] = static_cast<char>('0' + value / 10 % 10);
  digits[n++] = static_cast<char>('0' + value % 10);
  return Text(digits, n);
}

Text ConcatTexts(std::initializer_list<std::string_view> texts) {
  std::size_t total = 0;
  for (std::string_view t : texts) total += t.size();
  Text result;
  result.reserve(total);
  for (std::string_view t : texts) result.append(t);
  return result;
}

TextList SplitText(std::string_view text, std::string_view separator) {
  TextList pieces;
  const std::size_t n = text.size();
  const std::size_t m = separator.size();
  if (n == 0) return pieces;
  if (m == 0) {
    pieces.emplace_back(text);
    return pieces;
  }
  std::size_t p = 0;
  std::size_t s = 0;
  while (n - p >= m) {
    if (text.compare(p, m, separator) == 0) {
      pieces.emplace_back(text.substr(s, p - s));
      p += m;
      s = p;
    } else if (detail::IsLeadByte(ByteAt(text, p))) {
      // Separators are only looked for where a character begins, never at
      // the second byte of a double-byte character.
      if (p + 1 == n) break;
      p += 2;
    } else {
      p += 1;
    }
  }
  if (s != n) pieces.emplace_back(text.substr(s));
  return pieces;
}

Text FoldFullWidth(std::string_view text) {
  Text folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::uint8_t b = ByteAt(text, i);
    if (!detail::IsLeadByte(b)) {
      folded.push_back(static_cast<char>(b));
      continue;
    }
    if (i + 1 == text.size()) break;  // a lone lead byte is dropped
    const std::uint8_t second = ByteAt(text, ++i);
    if (const std::uint8_t narrow = detail::FoldedByte(b, second); narrow != 0) {
      folded.push_back(static_cast<char>(narrow));
    } else {
      folded.push_back(static_cast<char>(b));
      folded.push_back(static_cast<char>(second));
    }
  }
  return folded;
}

std::int32_t TextToInt32(std::string_view text) {
  const Text t = FoldFullWidth(text);
  std::size_t i = 0;
  while (i < t.size() && detail::IsBlank(ByteAt(t, i))) ++i;
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
  // Unsigned arithmetic: the value wraps modulo 2^32 by definition.
  std::uint32_t value = 0;
  for (; i < t.size() && detail::IsDigit(ByteAt(t, i)); ++i) {
    value = value * 10 + static_cast<std::uint32_t>(t[i] - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

void IntArrayAppend(IntArray& array, std::int32_t value) { array.push_back(value); }

ByteSet IntArrayBytes(const IntArray& array) {
  ByteSet bytes;
  bytes.reserve(array.size() * 4);
  for (const std::int32_t element : array) {
    const auto bits = static_cast<std::uint32_t>(element);
    for (int shift = 0; shift < 32; shift += 8) {
      bytes.push_back(static_cast<std::uint8_t>(bits >> shift));
    }
  }
  return bytes;
}

ByteSet ReplaceBytes(const ByteSet& source, const ByteSet& pattern, const ByteSet& replacement) {
  if (source.empty() || pattern.empty()) return source;
  const std::size_t k = pattern.size();
  ByteSet result;
  result.reserve(source.size());
  std::size_t p = 0;
  while (source.size() - p >= k) {
    if (std::equal(pattern.begin(), pattern.end(),
                   source.begin() + static_cast<std::ptrdiff_t>(p))) {
      result.insert(result.end(), replacement.begin(), replacement.end());
      p += k;
    } else {
      result.push_back(source[p++]);
    }
  }
  result.insert(result.end(), source.begin() + static_cast<std::ptrdiff_t>(p), source.end());
  return result;
}

Text ByteSetToText(const ByteSet& bytes) {
  const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
  return Text(bytes.begin(), end);
}

}  // namespace plimsett
