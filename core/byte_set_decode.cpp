// Decoding: a state machine that reads one piece at a time, with two fast
// paths for the pieces the encoder writes (one to three digits and a comma).
#include <array>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "core/byte_lanes.h"
#include "core/byte_set_text.h"
#include "core/text_rules.h"

namespace plimsett {

namespace {

using detail::FoldedByte;
using detail::IsBlank;
using detail::IsDigit;
using detail::IsLeadByte;

std::uint32_t DigitOf(std::uint8_t b) { return static_cast<std::uint32_t>(b) - '0'; }

// Output room. A piece keeps at most 4 bytes, one of a single character at
// most 1, and a piece takes its characters and a comma, so a chunk of n
// bytes keeps at most 4 for the piece carried into it plus 4 for every 3
// bytes after ("-1,"). The writers below store up to two bytes past what
// they keep, which MaxOutput (2n + 4) still leaves room for.

// Appends the non-zero bytes of `value`, least significant first. Each byte
// is stored before it is tested, so a zero byte lands on the next free byte
// and is overwritten later.
char* WriteValue(char* out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) {
    const auto b = static_cast<std::uint8_t>(value >> shift);
    *out = static_cast<char>(b);
    out += b != 0;
  }
  return out;
}

// The kept bytes (at most two) of a number of up to three digits, and their
// count, indexed by its digits as nibbles: ones | tens << 4 | hundreds << 8.
// A short piece then costs one load and one two-byte store.
constexpr std::array<std::uint32_t, 4096> MakeShortPieces() {
  std::array<std::uint32_t, 4096> entries{};
  for (std::uint32_t v = 0; v < 1000; ++v) {
    std::array<char, 2> kept{};
    std::uint32_t count = 0;
    for (std::uint32_t rest = v; rest != 0; rest >>= 8) {
      if ((rest & 0xFF) != 0) kept[count++] = static_cast<char>(rest & 0xFF);
    }
    entries[v % 10 | v / 10 % 10 << 4 | v / 100 << 8] =
        std::uint32_t{std::bit_cast<std::uint16_t>(kept)} | count << 16;
  }
  return entries;
}

constexpr std::array<std::uint32_t, 4096> kShortPieces = MakeShortPieces();

char* PutShortPiece(char* out, std::uint32_t digitNibbles) {
  const std::uint32_t entry = kShortPieces[digitNibbles];
  const auto kept = static_cast<std::uint16_t>(entry);
  std::memcpy(out, &kept, 2);  // the second byte may be a spare one
  return out + (entry >> 16);
}

// ---- Window path: 64 bytes classified at once -----------------------------

constexpr std::size_t kWindow = 64;
// Bytes that must follow a window start: a piece may begin at its last byte
// and its digits are read with a 4-byte load.
constexpr std::size_t kWindowReach = kWindow + 4;

struct Window {
  std::uint64_t commas;  // bit i: byte i is ','
  std::uint64_t others;  // bit i: byte i is neither ',' nor a digit
};

#if defined(__SSE2__)
Window Classify(const std::uint8_t* p) {
  Window w{0, 0};
  const __m128i comma = _mm_set1_epi8(',');
  const __m128i zero = _mm_set1_epi8('0');
  const __m128i nine = _mm_set1_epi8(9);
  for (unsigned i = 0; i < kWindow / 16; ++i) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
    const __m128i isComma = _mm_cmpeq_epi8(x, comma);
    const __m128i offset = _mm_sub_epi8(x, zero);
    const __m128i isDigit = _mm_cmpeq_epi8(_mm_min_epu8(offset, nine), offset);
    const auto commaBits = static_cast<std::uint32_t>(_mm_movemask_epi8(isComma));
    const auto plainBits =
        static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_or_si128(isComma, isDigit)));
    w.commas |= std::uint64_t{commaBits} << (16 * i);
    w.others |= std::uint64_t{~plainBits & 0xFFFFu} << (16 * i);
  }
  return w;
}
#else
Window Classify(const std::uint8_t* p) {
  Window w{0, 0};
  for (unsigned word = 0; word < kWindow / 8; ++word) {
    const auto x = detail::LoadLanes<std::uint64_t>(p + 8 * word);
    const std::uint64_t comma = detail::LanesEqual(x, ',');
    const std::uint64_t digit = detail::LanesInRange(x, '0', '9');
    w.commas |= std::uint64_t{detail::LaneBits(comma)} << (8 * word);
    w.others |= std::uint64_t{detail::LaneBits(~(comma | digit) & detail::kLaneHigh)} << (8 * word);
  }
  return w;
}
#endif

// The digit nibbles of the `length` (0 to 3) digits at `p`, which a comma
// follows. The digits are moved to the top of a three-byte field, so that
// missing leading digits read as zeros and the comma and what follows fall
// out; a multiplication then gathers the three low nibbles, whose partial
// products cannot overlap.
std::uint32_t ShortPieceNibbles(const std::uint8_t* p, unsigned length) {
  const std::uint32_t digits =
      (detail::LoadLanes<std::uint32_t>(p) << (24 - 8 * length)) & 0x000F0F0Fu;
  return (digits * 0x01001001u) >> 16 & 0xFFFu;
}

std::uint32_t LongValue(const std::uint8_t* p, unsigned length) {
  std::uint32_t value = 0;
  for (unsigned i = 0; i < length; ++i) value = value * 10 + DigitOf(p[i]);  // wraps
  return value;
}

// Takes every piece of digits and its comma that lies in the windows from
// `p` on, up to the first byte that is neither; `p` is where a piece starts
// with nothing read yet. Returns where the pieces it took end.
const std::uint8_t* DecodeWindows(const std::uint8_t* p, const std::uint8_t* end, char*& out) {
  char* o = out;
  while (static_cast<std::size_t>(end - p) >= kWindowReach) {
    const Window w = Classify(p);
    const std::uint64_t firstOther = w.others & (0 - w.others);
    std::uint64_t ends = w.others == 0 ? w.commas : w.commas & (firstOther - 1);
    if (ends == 0) break;
    unsigned start = 0;
    do {
      const auto comma = static_cast<unsigned>(std::countr_zero(ends));
      ends &= ends - 1;
      const unsigned length = comma - start;
      o = length <= 3 ? PutShortPiece(o, ShortPieceNibbles(p + start, length))
                      : WriteValue(o, LongValue(p + start, length));
      start = comma + 1;
    } while (ends != 0);
    p += start;
    if (w.others != 0) break;
  }
  out = o;
  return p;
}

// ---- Short-piece path: one piece at a time ---------------------------------

// The same pieces as the window path, for stretches where windows do not pay
// (text with blanks or signs between the numbers). Stops at `until` or at the
// first piece that needs the general reader, leaving `p` at its start.
const std::uint8_t* DecodeShortPieces(const std::uint8_t* p, const std::uint8_t* until,
                                      const std::uint8_t* end, char*& out) {
  char* o = out;
  while (p < until && end - p >= 4) {
    const std::uint32_t d0 = DigitOf(p[0]);
    if (d0 > 9) break;
    std::uint32_t nibbles;
    if (p[1] == ',') {
      nibbles = d0;
      p += 2;
    } else {
      const std::uint32_t d1 = DigitOf(p[1]);
      if (d1 > 9) break;
      if (p[2] == ',') {
        nibbles = d0 << 4 | d1;
        p += 3;
      } else {
        const std::uint32_t d2 = DigitOf(p[2]);
        if (d2 > 9 || p[3] != ',') break;
        nibbles = d0 << 8 | d1 << 4 | d2;
        p += 4;
      }
    }
    o = PutShortPiece(o, nibbles);
  }
  out = o;
  return p;
}

// Input slice of the one-shot functions: its output fits a staging buffer
// that stays in the first-level cache.
constexpr std::size_t kDecodeSlice = 16 * 1024;

}  // namespace

std::size_t ByteSetTextDecoder::Decode(std::string_view chunk, char* out) {
  const auto* p = reinterpret_cast<const std::uint8_t*>(chunk.data());
  const std::uint8_t* const end = p + chunk.size();
  char* o = out;
  // Locals rather than members, so the loop keeps them in registers.
  Phase phase = phase_;
  bool negative = negative_;
  std::uint32_t value = value_;

  // One character of an open piece after folding; 0 stands for a two-byte
  // character without a narrow form, which ends the number like any other.
  const auto read = [&](std::uint8_t c) {
    if (phase == Phase::Rest) return;
    if (IsDigit(c)) {
      value = value * 10 + DigitOf(c);  // wraps modulo 2^32
      phase = Phase::Number;
    } else if (phase == Phase::Blank && IsBlank(c)) {
      // still before the number
    } else if (phase == Phase::Blank && (c == '+' || c == '-')) {
      phase = Phase::Number;
      negative = c == '-';
    } else {
      phase = Phase::Rest;
    }
  };

  // Reads to the end of the open piece, or of the chunk.
  const auto finishPiece = [&] {
    while (p != end) {
      const std::uint8_t b = *p++;
      if (b == ',') {
        o = WriteValue(o, negative ? 0u - value : value);
        phase = Phase::Blank;
        negative = false;
        value = 0;
        return;
      }
      if (!IsLeadByte(b)) {
        read(b);
      } else if (p != end) {
        // The byte after a lead byte is its second byte, even a comma.
        read(FoldedByte(b, *p++));
      } else {
        havePendingLead_ = true;
        pendingLead_ = b;
      }
    }
  };

  if (havePendingLead_ && p != end) {
    havePendingLead_ = false;
    read(FoldedByte(pendingLead_, *p++));
  }
  while (p != end) {
    if (phase == Phase::Blank) p = DecodeWindows(p, end, o);
    // A window's worth of bytes piece by piece before windows are tried
    // again, so that text they cannot take costs no window scan per piece.
    const std::uint8_t* const until =
        static_cast<std::size_t>(end - p) > kWindow ? p + kWindow : end;
    do {
      if (phase == Phase::Blank) p = DecodeShortPieces(p, until, end, o);
      finishPiece();
    } while (p < until);
  }

  phase_ = phase;
  negative_ = negative;
  value_ = value;
  return static_cast<std::size_t>(o - out);
}

std::size_t ByteSetTextDecoder::Finish(char* out) {
  // A lead byte still pending is the text's lone last byte: it is dropped
  // and only ends the number. A piece without digits has value 0 and writes
  // nothing, which also covers "no piece open".
  const std::uint32_t value = negative_ ? 0u - value_ : value_;
  *this = ByteSetTextDecoder();
  return static_cast<std::size_t>(WriteValue(out, value) - out);
}

void DecodeByteSetTextInto(std::string_view byteSetText, Text& out) {
  out.clear();
  // A bound on the result is reserved once and only the bytes appended are
  // ever touched. Over the whole text the carried piece is gone: at most 4
  // bytes for every 3 of the text and its missing final comma.
  out.reserve((4 * byteSetText.size() + 6) / 3);
  char staging[ByteSetTextDecoder::MaxOutput(kDecodeSlice)];
  ByteSetTextDecoder decoder;
  for (std::size_t at = 0; at < byteSetText.size(); at += kDecodeSlice) {
    out.append(staging, decoder.Decode(byteSetText.substr(at, kDecodeSlice), staging));
  }
  out.append(staging, decoder.Finish(staging));
}

Text DecodeByteSetText(std::string_view byteSetText) {
  Text out;
  DecodeByteSetTextInto(byteSetText, out);
  return out;
}

}  // namespace plimsett
