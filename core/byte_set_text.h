// The byte-set text: a text's bytes as comma-separated unsigned decimals.
//
// EncodeByteSetText writes the form "97,98,99"; DecodeByteSetText reads a
// lenient form (spaces, signs, full-width digits, wrap-around) and drops
// every zero byte. Both run in one pass over their input and can also be fed
// in chunks, so a file of any size converts in bounded memory; the one-shot
// functions are built on the same chunked encoder and decoder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/types.h"

namespace plimsett {

Text EncodeByteSetText(std::string_view text);
Text DecodeByteSetText(std::string_view byteSetText);

// Same results, written into `out` (its capacity is reused).
void EncodeByteSetTextInto(std::string_view text, Text& out);
void DecodeByteSetTextInto(std::string_view byteSetText, Text& out);

// Exact length of EncodeByteSetText(text).
std::size_t EncodedLength(std::string_view text);

// Chunked encoding. Feeding the chunks of a text in order writes exactly the
// bytes EncodeByteSetText writes for the whole text.
class ByteSetTextEncoder {
 public:
  // Most bytes Encode writes for a chunk of `n` bytes.
  static constexpr std::size_t MaxOutput(std::size_t n) { return 4 * n; }

  // Writes the byte-set text of `chunk` to `out` (room for MaxOutput bytes)
  // and returns the number of bytes written. Nothing is stored past those
  // bytes, so room for exactly them is enough too (EncodedLength of a whole
  // text fed as one chunk).
  std::size_t Encode(std::string_view chunk, char* out);

 private:
  bool wroteAny_ = false;
};

// Chunked decoding. A piece, a sign or the lead byte of a double-byte
// character may be cut by a chunk boundary; the decoder carries it over.
class ByteSetTextDecoder {
 public:
  // Most bytes Decode writes for a chunk of `n` bytes, and Finish at the end.
  static constexpr std::size_t MaxOutput(std::size_t n) { return 2 * n + 4; }
  static constexpr std::size_t kMaxFinishOutput = 4;

  // Decodes `chunk` into `out` (room for MaxOutput bytes) and returns the
  // number of bytes written. A piece still open at the end of the chunk is
  // written by a later Decode or by Finish.
  std::size_t Decode(std::string_view chunk, char* out);

  // Ends the input: writes the last open piece and returns its byte count.
  std::size_t Finish(char* out);

 private:
  // Where the open piece stands: before its number (blanks at most), in it
  // (a sign or digits read, so only digits may follow), or past its end.
  enum class Phase : std::uint8_t { Blank, Number, Rest };
  Phase phase_ = Phase::Blank;
  bool negative_ = false;
  bool havePendingLead_ = false;
  std::uint8_t pendingLead_ = 0;
  std::uint32_t value_ = 0;
};

}  // namespace plimsett
