// The program's global allocation functions, every form of them. An
// allocation that fails ends the program with the out-of-memory report,
// naming the size asked for; no caller ever sees std::bad_alloc or a null
// pointer from new, not even from the nothrow forms.
#include <malloc.h>

#include <cstdlib>
#include <new>

#include "app/fatal_error.h"

namespace {

using plimsett::app::ReportOutOfMemory;

// A zero-byte request still gets a pointer of its own, as new requires.
std::size_t AtLeastOne(std::size_t size) { return size == 0 ? 1 : size; }

void* Allocate(std::size_t size) {
  void* block = std::malloc(AtLeastOne(size));
  if (block == nullptr) ReportOutOfMemory(size);
  return block;
}

// Aligned blocks come from their own allocator and must go back to it.
void* AllocateAligned(std::size_t size, std::align_val_t alignment) {
  void* block = _aligned_malloc(AtLeastOne(size), static_cast<std::size_t>(alignment));
  if (block == nullptr) ReportOutOfMemory(size);
  return block;
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new(std::size_t size, std::align_val_t alignment) {
  return AllocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
  return AllocateAligned(size, alignment);
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return AllocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return AllocateAligned(size, alignment);
}

void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete(void* block, std::align_val_t) noexcept { _aligned_free(block); }
void operator delete[](void* block, std::align_val_t) noexcept { _aligned_free(block); }
void operator delete(void* block, std::size_t, std::align_val_t) noexcept { _aligned_free(block); }
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept {
  _aligned_free(block);
}
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept {
  _aligned_free(block);
}
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept {
  _aligned_free(block);
}
