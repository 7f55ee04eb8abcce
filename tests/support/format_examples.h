// The byte-set text format by example: texts and their byte-set texts, and
// lenient byte-set texts and the texts they stand for. Every program that
// converts (the core, bytesettext) is held against the same rows.
// Texts in code page 936 are written as their bytes.
#pragma once

#include <string_view>

namespace plimsett::test_support {

struct FormatExample {
  std::string_view input;
  std::string_view expected;
};

// Text -> byte-set text.
inline constexpr FormatExample kEncodeExamples[] = {
    {"", ""},
    {"a", "97"},
    {"abc", "97,98,99"},
    {"a b", "97,32,98"},
    {"\xD6\xD0", "214,208"},                  // 中
    {"\xBA\xBA\xD7\xD6", "186,186,215,214"},  // 汉字
    {"a\r\nb", "97,13,10,98"},
    {"\x01\x09\x0A\x63\x64\x80\xFF", "1,9,10,99,100,128,255"},
};

// Byte-set text -> text.
inline constexpr FormatExample kDecodeExamples[] = {
    {"", ""},
    {"97,98,99", "abc"},
    {"214,208", "\xD6\xD0"},
    {"97,98,99,", "abc"},
    {"97,,98", "ab"},
    {",97", "a"},
    {",", ""},
    {"97, 98", "ab"},
    {"97 ,98", "ab"},
    {"97 98", "a"},
    {"abc", ""},
    {"x,97", "a"},
    {"97x", "a"},
    {"0", ""},
    {"256", "\x01"},
    {"300", ",\x01"},
    {"65535", "\xFF\xFF"},
    {"-1", "\xFF\xFF\xFF\xFF"},
    {"-97", "\x9F\xFF\xFF\xFF"},
    {"2147483648", "\x80"},
    {"2147483647", "\xFF\xFF\xFF\x7F"},
    {"-2147483649", "\xFF\xFF\xFF\x7F"},
    {"4294967296", ""},
    {"4294967393", "a"},
    {"16843009", "\x01\x01\x01\x01"},
    {"99999999999", "\xFF\xE7\x76\x48"},
    {"+97,097,--97,- 97,9.7", "aa\x09"},
    {"\xA3\xB9\xA3\xB7", "a"},  // ９７
    {"97\xA3\xAC"
     "98",
     "a"},                                             // 97，98: one piece
    {"\xA3\xAD\xA3\xB9\xA3\xB7", "\x9F\xFF\xFF\xFF"},  // －９７
    {"\xA1\xA1"
     "97,\xA3\xAB"
     "98",
     "ab"},  // ideographic space, ＋
    {"13,10", "\r\n"},
    {"97\r\n98", "a"},
    {"97,\r\n98", "ab"},
    {"\t13,\v10 ,\f", "\r\n"},
    {"\x81,97", ""},  // the comma is the second byte
    {"\xD6\xD0,97", "a"},
    {"97,\xD6", "a"},  // lone lead byte at the end
    {"9\xD6", "\x09"},
    {"\xD6\xD0"
     "97,98",
     "b"},
};

}  // namespace plimsett::test_support
