// Plain models of what the core computes, written apart from it and in the
// most direct way, so that agreeing with them says something. Speed does
// not matter here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace plimsett::properties {

// The text with each full-width form of code page 936 that has a narrow
// twin replaced by that twin, characters taken by the double-byte rule (a
// byte from 0x80 up and the byte after it), and a lone last lead byte dropped.
std::string ModelFoldFullWidth(std::string_view text);

// The leading number of the folded text after blanks and one sign, reduced
// modulo 2^32 into the signed 32-bit range; 0 without digits.
std::int32_t ModelTextToInt32(std::string_view text);

// Why `byteSetText` is not exactly the written form of `bytes` (one decimal
// number per byte, without sign, blank or leading zero, single commas
// between them and none around them), or the empty string when it is.
std::string WrittenFormMismatch(std::string_view byteSetText, std::string_view bytes);

// The bytes with every zero byte left out.
std::string WithoutZeroBytes(std::string_view bytes);

// The bytes as a C string literal, for failure messages.
std::string Quoted(std::string_view bytes);

}  // namespace plimsett::properties
