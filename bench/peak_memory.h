// Peak memory of one conversion, measured in a child process of its own so
// that nothing else the benchmark did or holds is counted.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/types.h"

namespace plimsett::bench {

struct PeakMemory {
  bool measured = false;
  std::string error;  // why not, when not measured
  std::size_t input = 0;
  std::size_t output = 0;
  // The input plus what the process's resident set grew by at its highest:
  // the memory the conversion's pages really took, its peak memory.
  std::size_t resident = 0;
  // The input plus the most bytes held through operator new at once: what
  // was asked for, touched or not.
  std::size_t allocated = 0;
  // False when the kernel would not reset the high-water mark; the figure
  // then counts from the child's start, which is higher, never lower.
  bool highWaterReset = false;
};

// Runs `convert` on `input` in a forked child. The input is already
// resident in the parent, and so in the child.
PeakMemory MeasurePeakMemory(Text (*convert)(std::string_view), const Text& input);

// How the two figures are taken, for the report.
std::string_view PeakMemoryMethod();

}  // namespace plimsett::bench
