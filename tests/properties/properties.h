// What must hold for every input of the conversions and of the primitives
// they rest on, stated from their definitions. The fuzz targets and the
// exhaustive test check the same properties through these functions; each
// returns the empty string when all hold, or else says which failed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tests/properties/chunked.h"

namespace plimsett::properties {

// EncodeByteSetText(text) matches the literal composition of the primitives
// and EncodedLength, is in the written form of exactly the text's bytes,
// decodes back to the text (less any zero byte, which no real text holds),
// and comes out the same when written into a reused buffer or by the
// chunked encoder fed the text cut at `cuts`.
std::string CheckEncode(std::string_view text, const Cuts& cuts);

// DecodeByteSetText(byteSetText) matches the literal composition, holds no
// zero byte and at most four bytes per piece, encodes to the written form
// of itself, which decodes to it again, and comes out the same into a
// reused buffer or from the chunked decoder fed the input cut at `cuts`.
std::string CheckDecode(std::string_view byteSetText, const Cuts& cuts);

// SplitText(text, separator) is the one list of pieces its scan allows:
// joined with the separator they give the text, or the text less a final
// separator; every separator between them starts where a character begins
// (the double-byte rule); and no character start before it inside a piece
// begins a separator.
std::string CheckSplitText(std::string_view text, std::string_view separator);

// TextToInt32 and FoldFullWidth agree with their plain models, and folding
// first changes nothing.
std::string CheckTextToInt32(std::string_view text);

// TextToInt32 reads back `value` from its decimal spellings: plain, after
// blanks and a plus sign, in full-width digits, with trailing text, and as
// the unsigned and wrapped-around numbers congruent to it modulo 2^32.
std::string CheckReadsBack(std::int32_t value);

}  // namespace plimsett::properties
