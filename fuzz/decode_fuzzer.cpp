// DecodeByteSetText on any text, cut anywhere for the chunked decoder.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_input.h"
#include "tests/properties/properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const plimsett::fuzz::FuzzInput input(data, size);
  plimsett::fuzz::Require(plimsett::properties::CheckDecode(input.text(), input.cuts()));
  return 0;
}
