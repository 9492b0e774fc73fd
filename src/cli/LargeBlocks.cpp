// The allocation of the program's large blocks. A download holds its page in texts of tens of
// megabytes, and its passes make such texts afresh again and again; the kernel maps each one in
// page by page as it is first written, 4 KiB at a time, which on a big page cost as much time
// as the passes themselves. Transparent huge pages map 2 MiB at a time, but the kernel gives
// them (in its usual "madvise" mode) only to memory that asks for them: every large block asks
// as it is allocated. Small blocks are left as they are, and blocks are freed as ever.
#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <new>

#include "cli/LargeBlocks.h"

// The sanitizers bring their own allocation functions, which must stay in place.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define PELLUCOR_OWN_NEW 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define PELLUCOR_OWN_NEW 0
#endif
#endif
#ifndef PELLUCOR_OWN_NEW
#define PELLUCOR_OWN_NEW 1
#endif

#if PELLUCOR_OWN_NEW
namespace {

constexpr std::size_t kLargeBlock = std::size_t{4} << 20;
constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;

void* Allocate(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) throw std::bad_alloc();
  if (size >= kLargeBlock) {
    // Only whole huge pages inside the block can be advised.
    const auto begin = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (begin + size) & ~(kHugePage - 1);
    if (last > first) (void)::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
  }
  return block;
}

}  // namespace

// The other forms (without exceptions, arrays of them) call these; the matching deletes free
// the block with std::free, as the library's own do.
void* operator new(std::size_t size) {
  return Allocate(size);
}

void* operator new[](std::size_t size) {
  return Allocate(size);
}
#endif

void ReserveHugePageHeap() {
#if PELLUCOR_OWN_NEW
  // The small blocks of a run (a name, a row, a tree node for every reference of a page) come
  // from the heap's top as it grows, 4 KiB faulted in at a time: on a page of 64,000 references
  // that was a sixth of the run. The heap is grown once by a block that asks for huge pages and
  // is freed again; kept by the trim threshold set in main, the room it leaves is where the
  // small blocks are then carved from. Untouched room costs no memory.
  constexpr std::size_t kRoom = std::size_t{256} << 20;
  void* room = std::malloc(kRoom);
  if (room == nullptr) return;
  const auto begin = reinterpret_cast<std::uintptr_t>(room);
  const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
  const std::uintptr_t last = (begin + kRoom) & ~(kHugePage - 1);
  if (last > first) (void)::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
  std::free(room);
#endif
}
