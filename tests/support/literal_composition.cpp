#include "tests/support/literal_composition.h"

#include "core/primitives.h"

namespace plimsett::reference {

Text EncodeByPrimitives(std::string_view text) {
  const ByteSet bytes = TextBytes(text);
  const std::int32_t n = ByteSetLength(bytes);
  Text result;
  // A 64-bit counter, so that stepping past the largest 32-bit index ends
  // the loop instead of overflowing.
  for (std::int64_t step = 1; step <= n; ++step) {
    const auto i = static_cast<std::int32_t>(step);
    const Text number = ByteToDecimal(ReadByteValue(ByteSetMid(bytes, i, 1)));
    // Appending to one text instead of joining anew keeps this linear; the
    // joined text is the same.
    if (i < ByteSetLength(bytes)) {
      result += ConcatTexts({number, ","});
    } else {
      result += ConcatTexts({number});
    }
  }
  return result;
}

Text DecodeByPrimitives(std::string_view byteSetText) {
  const TextList pieces = SplitText(byteSetText, ",");
  IntArray values;
  for (const Text& piece : pieces) IntArrayAppend(values, TextToInt32(piece));
  ByteSet bytes = IntArrayBytes(values);
  bytes = ReplaceBytes(bytes, ByteSet{0x00}, ByteSet{});
  return ByteSetToText(bytes);
}

}  // namespace plimsett::reference
