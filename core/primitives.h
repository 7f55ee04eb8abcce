// Value operations on texts and byte sequences. None of them reports an
// error: positions are clamped, non-numbers read as 0, integers wrap around.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "core/types.h"

namespace plimsett {

ByteSet TextBytes(std::string_view text);
std::int32_t ByteSetLength(const ByteSet& bytes);
// `start` is 1-based; both arguments are clamped into the sequence.
ByteSet ByteSetMid(const ByteSet& bytes, std::int32_t start, std::int32_t length);
std::uint8_t ReadByteValue(const ByteSet& bytes);
Text ByteToDecimal(std::uint8_t value);
Text ConcatTexts(std::initializer_list<std::string_view> texts);
TextList SplitText(std::string_view text, std::string_view separator);
Text FoldFullWidth(std::string_view text);
std::int32_t TextToInt32(std::string_view text);
void IntArrayAppend(IntArray& array, std::int32_t value);
ByteSet IntArrayBytes(const IntArray& array);
ByteSet ReplaceBytes(const ByteSet& source, const ByteSet& pattern, const ByteSet& replacement);
Text ByteSetToText(const ByteSet& bytes);

}  // namespace plimsett
