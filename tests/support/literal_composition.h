// The two conversions composed step by step from the primitives, exactly as
// they are defined, with no shortcut. Slow but obviously right: tests,
// fuzzers and benchmarks hold the fused conversions against these.
#pragma once

#include <string_view>

#include "core/types.h"

namespace plimsett::reference {

Text EncodeByPrimitives(std::string_view text);
Text DecodeByPrimitives(std::string_view byteSetText);

}  // namespace plimsett::reference
