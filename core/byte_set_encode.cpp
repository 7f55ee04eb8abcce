// Encoding: the exact length first, then the numbers in one pass.
#include <cstring>

#include "core/byte_lanes.h"
#include "core/byte_set_text.h"
#include "core/comma_numbers.h"

namespace plimsett {

namespace {

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
    o = detail::WriteNumber(*in++, o);  // the very first has no comma
    wroteAny_ = true;
  }
  o = detail::WriteCommaNumbers(in, end, o);
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
