// Counts the bytes held through operator new, which this program replaces:
// the allocated half of the peak memory figure. Until counting starts the
// replacement costs one test of a flag per allocation.
#pragma once

#include <cstddef>

namespace plimsett::bench {

// Counts from now on, from zero. Meant for a process that does nothing else
// afterwards, so blocks held from before are not freed in between.
void StartCountingAllocations();

// The most bytes held at once since counting started, as the allocator
// gave them (its rounding included).
std::size_t PeakAllocatedBytes();

}  // namespace plimsett::bench
