// The AVX2 writer: thirty-two numbers made at once, without a multiply, and
// stored four at a time. Built into every x86 build but only called where
// the processor says it has AVX2, so the builds still ask for no more than
// their baseline.
#include "core/comma_numbers.h"

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))

#include <immintrin.h>

#include <array>
#include <cstddef>

namespace plimsett::detail {

namespace {

using Lanes = std::array<std::uint8_t, 16>;

template <typename Digit>
constexpr Lanes NibbleTable(Digit digit) {
  Lanes table{};
  for (unsigned nibble = 0; nibble < 16; ++nibble) {
    table[nibble] = static_cast<std::uint8_t>(digit(nibble));
  }
  return table;
}

// A byte is 16 * high + low. Each digit of the byte is the sum of that digit
// of 16 * high and of low, plus the carry from the digit below, and the
// digits of both come from sixteen-entry tables, which is what a byte
// shuffle looks up. The ASCII '0' rides on the high nibble's entry.
alignas(16) constexpr Lanes kOnesOfHigh = NibbleTable([](unsigned h) { return '0' + 16 * h % 10; });
alignas(16) constexpr Lanes kTensOfHigh = NibbleTable([](unsigned h) {
  return '0' + 16 * h / 10 % 10;
});
alignas(16) constexpr Lanes kHundredsOfHigh = NibbleTable([](unsigned h) {
  return '0' + 16 * h / 100;
});
alignas(16) constexpr Lanes kOnesOfLow = NibbleTable([](unsigned l) { return l % 10; });
alignas(16) constexpr Lanes kTensOfLow = NibbleTable([](unsigned l) { return l / 10; });

// Four bytes make a group of four padded slots ",HTO" (sixteen bytes). A
// group is told by the digits beyond the first of its numbers, k0 + 3 k1 +
// 9 k2 + 27 k3; its entry is the shuffle that drops the leading zeros and
// closes the gaps, and the length that is left.
struct GroupShapes {
  alignas(16) std::array<Lanes, 81> shuffles;
  std::array<std::uint8_t, 81> lengths;
};

constexpr GroupShapes MakeGroupShapes() {
  GroupShapes shapes{};
  for (unsigned group = 0; group < 81; ++group) {
    Lanes& shuffle = shapes.shuffles[group];
    unsigned length = 0;
    unsigned rest = group;
    for (unsigned slot = 0; slot < 4; ++slot, rest /= 3) {
      const unsigned extraDigits = rest % 3;
      const auto at = [&](unsigned offset) { return static_cast<std::uint8_t>(4 * slot + offset); };
      shuffle[length++] = at(0);  // the comma
      if (extraDigits == 2) shuffle[length++] = at(1);
      if (extraDigits >= 1) shuffle[length++] = at(2);
      shuffle[length++] = at(3);
    }
    shapes.lengths[group] = static_cast<std::uint8_t>(length);
    for (unsigned i = length; i < 16; ++i) shuffle[i] = 0x80;  // a zero byte
  }
  return shapes;
}

constexpr GroupShapes kGroupShapes = MakeGroupShapes();

#define PLIMSETT_AVX2 __attribute__((target("avx2")))

PLIMSETT_AVX2 __m128i Load(const Lanes& lanes) {
  return _mm_load_si128(reinterpret_cast<const __m128i*>(lanes.data()));
}

// A nibble table in both halves, as the 32-byte shuffle looks up in each
// half on its own.
PLIMSETT_AVX2 __m256i LoadTwice(const Lanes& lanes) {
  return _mm256_broadcastsi128_si256(Load(lanes));
}

// Stores a group whole and returns its end; the tail past the end is
// overwritten by what follows.
PLIMSETT_AVX2 char* PutGroup(char* out, __m128i slots, std::uint32_t group) {
  const __m128i shuffled = _mm_shuffle_epi8(slots, Load(kGroupShapes.shuffles[group]));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out), shuffled);
  return out + kGroupShapes.lengths[group];
}

constexpr std::ptrdiff_t kBlock = 32;
// A group keeps at least 8 of the 16 bytes it stores. Four more input bytes
// after a block write at least 8 more, which covers the last group's tail:
// the store never leaves the result.
constexpr std::ptrdiff_t kBytesAfterBlock = 4;

PLIMSETT_AVX2 char* WriteCommaNumbersAvx2(const std::uint8_t* in, const std::uint8_t* end,
                                          char* out) {
  const __m256i lowNibbles = _mm256_set1_epi8(0x0F);
  const __m256i ten = _mm256_set1_epi8(10);
  const __m256i hundred = _mm256_set1_epi8(100);
  const __m256i nine = _mm256_set1_epi8('9');
  const __m256i commas = _mm256_set1_epi8(',');
  const __m256i oneThree = _mm256_set1_epi16(3 << 8 | 1);
  const __m256i oneNine = _mm256_set1_epi32(9 << 16 | 1);
  const __m256i onesOfHigh = LoadTwice(kOnesOfHigh);
  const __m256i tensOfHigh = LoadTwice(kTensOfHigh);
  const __m256i hundredsOfHigh = LoadTwice(kHundredsOfHigh);
  const __m256i onesOfLow = LoadTwice(kOnesOfLow);
  const __m256i tensOfLow = LoadTwice(kTensOfLow);
  while (end - in >= kBlock + kBytesAfterBlock) {
    const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in));
    in += kBlock;
    const __m256i low = _mm256_and_si256(bytes, lowNibbles);
    const __m256i high = _mm256_and_si256(_mm256_srli_epi16(bytes, 4), lowNibbles);

    // The digits, with a decimal carry: a sum above '9' loses ten and
    // gives one (a true comparison is -1) to the digit above.
    __m256i ones =
        _mm256_add_epi8(_mm256_shuffle_epi8(onesOfHigh, high), _mm256_shuffle_epi8(onesOfLow, low));
    const __m256i onesCarry = _mm256_cmpgt_epi8(ones, nine);
    ones = _mm256_sub_epi8(ones, _mm256_and_si256(onesCarry, ten));
    __m256i tens =
        _mm256_add_epi8(_mm256_shuffle_epi8(tensOfHigh, high), _mm256_shuffle_epi8(tensOfLow, low));
    tens = _mm256_sub_epi8(tens, onesCarry);
    const __m256i tensCarry = _mm256_cmpgt_epi8(tens, nine);
    tens = _mm256_sub_epi8(tens, _mm256_and_si256(tensCarry, ten));
    const __m256i hundreds = _mm256_sub_epi8(_mm256_shuffle_epi8(hundredsOfHigh, high), tensCarry);

    // Digits beyond the first, 0 to 2 a byte, folded into one shape a group.
    const __m256i atLeast10 = _mm256_cmpeq_epi8(_mm256_max_epu8(bytes, ten), bytes);
    const __m256i atLeast100 = _mm256_cmpeq_epi8(_mm256_max_epu8(bytes, hundred), bytes);
    const __m256i extraDigits =
        _mm256_sub_epi8(_mm256_sub_epi8(_mm256_setzero_si256(), atLeast10), atLeast100);
    alignas(32) std::uint32_t groups[8];
    _mm256_store_si256(reinterpret_cast<__m256i*>(groups),
                       _mm256_madd_epi16(_mm256_maddubs_epi16(extraDigits, oneThree), oneNine));

    // ",H" and "TO" pairs, then ",HTO" slots. The unpacks work in each half
    // on its own, so a register of slots holds group g in its low half and
    // group g + 4 in its high half. Written out rather than looped, so that
    // no optimisation level leaves the slots in memory.
    const __m256i commaHundreds0 = _mm256_unpacklo_epi8(commas, hundreds);
    const __m256i commaHundreds1 = _mm256_unpackhi_epi8(commas, hundreds);
    const __m256i tensOnes0 = _mm256_unpacklo_epi8(tens, ones);
    const __m256i tensOnes1 = _mm256_unpackhi_epi8(tens, ones);
    const __m256i slots04 = _mm256_unpacklo_epi16(commaHundreds0, tensOnes0);
    const __m256i slots15 = _mm256_unpackhi_epi16(commaHundreds0, tensOnes0);
    const __m256i slots26 = _mm256_unpacklo_epi16(commaHundreds1, tensOnes1);
    const __m256i slots37 = _mm256_unpackhi_epi16(commaHundreds1, tensOnes1);
    out = PutGroup(out, _mm256_castsi256_si128(slots04), groups[0]);
    out = PutGroup(out, _mm256_castsi256_si128(slots15), groups[1]);
    out = PutGroup(out, _mm256_castsi256_si128(slots26), groups[2]);
    out = PutGroup(out, _mm256_castsi256_si128(slots37), groups[3]);
    out = PutGroup(out, _mm256_extracti128_si256(slots04, 1), groups[4]);
    out = PutGroup(out, _mm256_extracti128_si256(slots15, 1), groups[5]);
    out = PutGroup(out, _mm256_extracti128_si256(slots26, 1), groups[6]);
    out = PutGroup(out, _mm256_extracti128_si256(slots37, 1), groups[7]);
  }
  return WriteCommaNumbersPortable(in, end, out);
}

#undef PLIMSETT_AVX2

}  // namespace

CommaNumberWriter Avx2CommaNumberWriter() {
  // Also checks that the system saves the 32-byte registers.
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") ? WriteCommaNumbersAvx2 : nullptr;
}

}  // namespace plimsett::detail

#else

namespace plimsett::detail {

CommaNumberWriter Avx2CommaNumberWriter() { return nullptr; }

}  // namespace plimsett::detail

#endif
