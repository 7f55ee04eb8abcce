// The timed runs: each conversion hot and fresh, the literal composition,
// and the machine's own limits they are held against, registered with
// Google Benchmark under names the report looks up.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "bench/inputs.h"
#include "core/types.h"

namespace plimsett::bench {

enum class Measure {
  kHot,        // the output buffer reused: EncodeByteSetTextInto, DecodeByteSetTextInto
  kFresh,      // a new output each time, as a click makes it
  kFreshFill,  // a new output of the same length, only filled with memset
  kLiteral,    // the literal composition of the primitives
};

// Largest input the literal composition is run on: beyond it, it takes
// seconds and gigabytes.
inline constexpr std::size_t kLiteralLimit = kMiB;

struct ConversionFunctions {
  void (*into)(std::string_view, Text&);
  Text (*fresh)(std::string_view);
  Text (*literal)(std::string_view);
};

const ConversionFunctions& FunctionsOf(Conversion conversion);
std::string_view ConversionName(Conversion conversion);

// Length of the conversion's result for that input, worked out once.
std::size_t OutputLength(const InputKind& kind, std::size_t size);

std::string BenchmarkName(const InputKind& kind, std::size_t size, Measure measure);
std::string MemcpyBenchmarkName(std::size_t size);

// Makes every input and works out every output length, so that no run
// waits for them.
void PrepareInputs();

void RegisterBenchmarks();

}  // namespace plimsett::bench
