// TextToInt32 and FoldFullWidth on any text against their models; the value
// read, and one taken from the control bytes, read back from its spellings.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/primitives.h"
#include "fuzz/fuzz_input.h"
#include "tests/properties/properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const plimsett::fuzz::FuzzInput input(data, size);
  plimsett::fuzz::Require(plimsett::properties::CheckTextToInt32(input.text()));
  plimsett::fuzz::Require(
      plimsett::properties::CheckReadsBack(plimsett::TextToInt32(input.text())));
  if (input.control().size() >= 4) {
    std::int32_t value;
    std::memcpy(&value, input.control().data(), sizeof value);
    plimsett::fuzz::Require(plimsett::properties::CheckReadsBack(value));
  }
  return 0;
}
