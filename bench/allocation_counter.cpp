#include "bench/allocation_counter.h"

#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <new>

namespace plimsett::bench {
namespace {

// One thread allocates while counting, so plain variables do.
bool g_counting = false;
std::size_t g_held = 0;
std::size_t g_peak = 0;

void* Allocate(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) throw std::bad_alloc();
  if (g_counting) {
    g_held += malloc_usable_size(block);
    g_peak = std::max(g_peak, g_held);
  }
  return block;
}

void Release(void* block) {
  if (block == nullptr) return;
  if (g_counting) g_held -= std::min(g_held, malloc_usable_size(block));
  std::free(block);
}

}  // namespace

void StartCountingAllocations() {
  g_held = 0;
  g_peak = 0;
  g_counting = true;
}

std::size_t PeakAllocatedBytes() { return g_peak; }

}  // namespace plimsett::bench

// The nothrow and array forms of libstdc++ come through these.
void* operator new(std::size_t size) { return plimsett::bench::Allocate(size); }
void* operator new[](std::size_t size) { return plimsett::bench::Allocate(size); }
void operator delete(void* block) noexcept { plimsett::bench::Release(block); }
void operator delete[](void* block) noexcept { plimsett::bench::Release(block); }
void operator delete(void* block, std::size_t) noexcept { plimsett::bench::Release(block); }
void operator delete[](void* block, std::size_t) noexcept { plimsett::bench::Release(block); }
