// SplitText on any text, at the comma the decoder uses and at a separator
// of up to four bytes taken from the control bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "tests/properties/properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const plimsett::fuzz::FuzzInput input(data, size);
  plimsett::fuzz::Require(plimsett::properties::CheckSplitText(input.text(), ","));
  if (!input.control().empty()) {
    // A separator is a text as well: it ends at a zero byte.
    const std::string_view control = input.control();
    const std::string_view separator =
        control.substr(0, std::min(control.find('\0'), std::size_t{4}));
    plimsett::fuzz::Require(plimsett::properties::CheckSplitText(input.text(), separator));
  }
  return 0;
}
