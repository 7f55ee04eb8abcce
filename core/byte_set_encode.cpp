// Encoding: one table lookup and one fixed-size store per byte.
#include <array>
#include <bit>
#include <cstring>

#include "core/byte_lanes.h"
#include "core/byte_set_text.h"

namespace plimsett {

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

// Writes ",number" for each byte. The padded stores run at most two bytes
// past a number and the next number (at least ",d") covers them, so only the
// last one is stored exactly: a buffer of the result's exact length suffices.
char* WriteCommaNumbers(const std::uint8_t* in, const std::uint8_t* end, char* out) {
  if (in == end) return out;
  const std::uint8_t* const last = end - 1;
  for (; last - in >= 4; in += 4) {
    out = PutNumber(out, kNumbers[in[0]]);
    out = PutNumber(out, kNumbers[in[1]]);
    out = PutNumber(out, kNumbers[in[2]]);
    out = PutNumber(out, kNumbers[in[3]]);
  }
  for (; in != last; ++in) out = PutNumber(out, kNumbers[*in]);
  return PutNumberExactly(out, kNumbers[*last], 0);
}

// GCC vector extension: SSE2 where the target has it, plain code otherwise.
using ByteVector = std::uint8_t __attribute__((vector_size(16)));

// Number of digits beyond the first over all bytes: (b >= 10) + (b >= 100).
std::size_t ExtraDigits(const std::uint8_t* p, std::size_t n) {
  std::size_t total = 0;
  // A lane gains at most 2 per vector; flushing every 127 keeps it in a byte.
  constexpr std::size_t kVectorsPerFlush = 127;
  while (n >= sizeof(ByteVector)) {
    ByteVector lanes{};
    for (std::size_t i = 0; i < kVectorsPerFlush && n >= sizeof(ByteVector);
         ++i, p += sizeof(ByteVector), n -= sizeof(ByteVector)) {
      ByteVector x;
      std::memcpy(&x, p, sizeof x);
      // A true comparison is all ones, that is -1 in each lane.
      lanes -= reinterpret_cast<ByteVector>(x >= 10);
      lanes -= reinterpret_cast<ByteVector>(x >= 100);
    }
    std::uint64_t halves[2];
    std::memcpy(halves, &lanes, sizeof halves);
    total += detail::SumLanes(halves[0]) + detail::SumLanes(halves[1]);
  }
  for (; n != 0; ++p, --n) total += (*p >= 10) + (*p >= 100);
  return total;
}

// Input slice of the one-shot path when it stages its output.
constexpr std::size_t kEncodeSlice = 4 * 1024;

}  // namespace

std::size_t ByteSetTextEncoder::Encode(std::string_view chunk, char* out) {
  const auto* in = reinterpret_cast<const std::uint8_t*>(chunk.data());
  const std::uint8_t* const end = in + chunk.size();
  char* o = out;
  if (in != end && !wroteAny_) {
    o = PutNumberExactly(o, kNumbers[*in++], 1);  // the very first has no comma
    wroteAny_ = true;
  }
  o = WriteCommaNumbers(in, end, o);
  return static_cast<std::size_t>(o - out);
}

std::size_t EncodedLength(std::string_view text) {
  if (text.empty()) return 0;
  // One digit per byte, the extra digits, and a comma between neighbours.
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  return 2 * text.size() - 1 + ExtraDigits(bytes, text.size());
}

void EncodeByteSetTextInto(std::string_view text, Text& out) {
  const std::size_t length = EncodedLength(text);
  ByteSetTextEncoder encoder;
  if (out.capacity() >= length) {
    // A buffer with room already: written in place, with no allocation.
    out.resize(length);
    encoder.Encode(text, out.data());
    return;
  }
  // One allocation of exactly the result's size, written once: the numbers
  // are made in a staging buffer that stays in the first-level cache and
  // appended from there, so the new memory is not cleared first.
  out.clear();
  out.reserve(length);
  char staging[ByteSetTextEncoder::MaxOutput(kEncodeSlice)];
  for (std::size_t at = 0; at < text.size(); at += kEncodeSlice) {
    out.append(staging, encoder.Encode(text.substr(at, kEncodeSlice), staging));
  }
}

Text EncodeByteSetText(std::string_view text) {
  Text out;
  EncodeByteSetTextInto(text, out);
  return out;
}

}  // namespace plimsett
