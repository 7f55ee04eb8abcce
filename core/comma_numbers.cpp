// The portable writer: one table load and one fixed-size store per byte.
#include "core/comma_numbers.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstring>

namespace plimsett::detail {

namespace {

// Every number but the first is written with the comma before it, so a chunk
// never has to know whether more bytes follow. An entry holds the padded
// text ",ddd" in the low 32 bits, laid out so that storing those bits puts
// the characters in memory order, and the number's length above them: one
// load per byte.
constexpr std::array<std::uint64_t, 256> MakeNumbers() {
  std::array<std::uint64_t, 256> numbers{};
  for (unsigned b = 0; b < 256; ++b) {
    std::array<char, 4> text{',', 0, 0, 0};
    unsigned length = 1;
    if (b >= 100) text[length++] = static_cast<char>('0' + b / 100);
    if (b >= 10) text[length++] = static_cast<char>('0' + b / 10 % 10);
    text[length++] = static_cast<char>('0' + b % 10);
    numbers[b] = std::uint64_t{std::bit_cast<std::uint32_t>(text)} | std::uint64_t{length} << 32;
  }
  return numbers;
}

constexpr std::array<std::uint64_t, 256> kNumbers = MakeNumbers();

std::size_t LengthOf(std::uint64_t number) { return static_cast<std::size_t>(number >> 32); }

// Stores the four bytes of a padded ",ddd" and returns the end of the number.
// The padding past a short number is overwritten by the next number.
char* PutNumber(char* out, std::uint64_t number) {
  const auto text = static_cast<std::uint32_t>(number);
  std::memcpy(out, &text, 4);
  return out + LengthOf(number);
}

// Stores the number's characters from position `skip` on (1 leaves out its
// comma) and nothing beyond them.
char* PutNumberExactly(char* out, std::uint64_t number, std::size_t skip) {
  const auto text = std::bit_cast<std::array<char, 4>>(static_cast<std::uint32_t>(number));
  const std::size_t count = LengthOf(number) - skip;
  std::memcpy(out, text.data() + skip, count);
  return out + count;
}

}  // namespace

// The padded stores run at most two bytes past a number and the next number
// (at least ",d") covers them, so only the last one is stored exactly: a
// buffer of the result's exact length suffices.
char* WriteCommaNumbersPortable(const std::uint8_t* in, const std::uint8_t* end, char* out) {
  if (in == end) return out;
  const std::uint8_t* const last = end - 1;
  // Four numbers a round, each placed by the lengths before it in the
  // round: only the round's start waits for the round before, not every
  // store for the one before it.
  for (; last - in >= 4; in += 4) {
    const std::uint64_t n0 = kNumbers[in[0]];
    const std::uint64_t n1 = kNumbers[in[1]];
    const std::uint64_t n2 = kNumbers[in[2]];
    const std::uint64_t n3 = kNumbers[in[3]];
    const std::size_t at1 = LengthOf(n0);
    const std::size_t at2 = at1 + LengthOf(n1);
    const std::size_t at3 = at2 + LengthOf(n2);
    PutNumber(out, n0);
    PutNumber(out + at1, n1);
    PutNumber(out + at2, n2);
    PutNumber(out + at3, n3);
    out += at3 + LengthOf(n3);
  }
  for (; in != last; ++in) out = PutNumber(out, kNumbers[*in]);
  return PutNumberExactly(out, kNumbers[*last], 0);
}

char* WriteNumber(std::uint8_t b, char* out) { return PutNumberExactly(out, kNumbers[b], 1); }

char* WriteCommaNumbers(const std::uint8_t* in, const std::uint8_t* end, char* out) {
  // Chosen once: the processor does not change under a running program.
  static const CommaNumberWriter writer = [] {
    const CommaNumberWriter avx2 = Avx2CommaNumberWriter();
    return avx2 != nullptr ? avx2 : WriteCommaNumbersPortable;
  }();
  return writer(in, end, out);
}

}  // namespace plimsett::detail
