// Encoding: one table lookup and one fixed-size store per byte.
#include <array>
#include <cstring>

#include "core/byte_lanes.h"
#include "core/byte_set_text.h"

namespace plimsett {

namespace {

// Every number but the first is written with the comma before it, so a chunk
// never has to know whether more bytes follow. Text and length share one
// word so that a byte costs a single load.
constexpr std::array<std::uint64_t, 256> MakeNumbers() {
  std::array<std::uint64_t, 256> numbers{};
  for (unsigned b = 0; b < 256; ++b) {
    std::uint64_t text = ',';
    unsigned length = 1;
    const auto put = [&](unsigned digit) { text |= std::uint64_t{'0' + digit} << (8 * length++); };
    if (b >= 100) put(b / 100);
    if (b >= 10) put(b / 10 % 10);
    put(b % 10);
    numbers[b] = text | std::uint64_t{length} << 32;
  }
  return numbers;
}

constexpr std::array<std::uint64_t, 256> kNumbers = MakeNumbers();

// ",ddd" in memory order, padded to four bytes.
std::array<char, 4> NumberText(std::uint64_t number) {
  std::array<char, 4> text;
  for (unsigned i = 0; i < 4; ++i) text[i] = static_cast<char>(number >> (8 * i));
  return text;
}

// Stores the four bytes of a padded ",ddd" and returns the end of the number.
// The padding past a short number is overwritten by the next number.
char* PutNumber(char* out, std::uint64_t number) {
  std::memcpy(out, NumberText(number).data(), 4);
  return out + (number >> 32);
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
  const std::uint64_t number = kNumbers[*last];
  const auto length = static_cast<std::size_t>(number >> 32);
  std::memcpy(out, NumberText(number).data(), length);
  return out + length;
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

}  // namespace

std::size_t ByteSetTextEncoder::Encode(std::string_view chunk, char* out) {
  const auto* in = reinterpret_cast<const std::uint8_t*>(chunk.data());
  const std::uint8_t* const end = in + chunk.size();
  char* o = out;
  if (in != end && !wroteAny_) {
    // The very first number has no comma before it.
    const std::uint64_t first = kNumbers[*in++];
    const auto length = static_cast<std::size_t>(first >> 32) - 1;
    std::memcpy(o, NumberText(first).data() + 1, length);
    o += length;
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
  // Exactly one allocation of the exact size, or none when `out` already
  // has the room; the encoder then writes straight into it.
  out.resize(EncodedLength(text));
  ByteSetTextEncoder().Encode(text, out.data());
}

Text EncodeByteSetText(std::string_view text) {
  Text out;
  EncodeByteSetTextInto(text, out);
  return out;
}

}  // namespace plimsett
