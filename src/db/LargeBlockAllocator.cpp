// Large blocks mapped on their own and offered for huge pages.

#include "db/LargeBlockAllocator.h"

#include <sys/mman.h>

#include <cstdint>
#include <new>

namespace sky {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

// The address sanitizer watches only the heap: its builds keep every block there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMapBlocks = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kMapBlocks = false;
#else
constexpr bool kMapBlocks = true;
#endif
#else
constexpr bool kMapBlocks = true;
#endif

std::size_t roundedUp(std::size_t bytes) {
    return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

}  // namespace

void* allocateLargeBlock(std::size_t bytes) {
    if (!kMapBlocks) return ::operator new(bytes);
    // Mapped one huge page longer than needed, then trimmed to a block that starts at a huge
    // page's boundary, since only whole aligned huge pages can back it.
    const std::size_t size = roundedUp(bytes);
    void* mapped =
        mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
    if (aligned > start) munmap(mapped, aligned - start);
    const std::uintptr_t end = start + size + kHugePage;
    if (end > aligned + size) munmap(reinterpret_cast<void*>(aligned + size), end - aligned - size);
    void* block = reinterpret_cast<void*>(aligned);
    // Without huge pages (switched off, or an older kernel) the block still works as it is.
    madvise(block, size, MADV_HUGEPAGE);
    return block;
}

void releaseLargeBlock(void* block, std::size_t bytes) {
    if (!kMapBlocks) {
        ::operator delete(block);
        return;
    }
    munmap(block, roundedUp(bytes));
}

}  // namespace sky
