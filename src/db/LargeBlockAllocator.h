#pragma once

#include <cstddef>
#include <memory>

namespace sky {

// Memory for blocks of a megabyte or more (the token array of a large list takes about 20 MB, its
// compiled image about 2 MB): mapped
// on its own at a 2 MiB boundary and offered to the kernel for huge pages, so that filling it
// takes a few page faults instead of thousands and giving it back is cheap. Smaller blocks come
// from the usual heap.
void* allocateLargeBlock(std::size_t bytes);
void releaseLargeBlock(void* block, std::size_t bytes);
// Blocks from this size on are mapped on their own.
inline constexpr std::size_t kLargeBlockSize = std::size_t{1} << 20;

template <typename T>
struct LargeBlockAllocator {
    using value_type = T;

    LargeBlockAllocator() noexcept = default;
    template <typename U>
    LargeBlockAllocator(const LargeBlockAllocator<U>& /*other*/) noexcept {}

    T* allocate(std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kLargeBlockSize) return std::allocator<T>().allocate(n);
        return static_cast<T*>(allocateLargeBlock(bytes));
    }
    void deallocate(T* block, std::size_t n) noexcept {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kLargeBlockSize) {
            std::allocator<T>().deallocate(block, n);
        } else {
            releaseLargeBlock(block, bytes);
        }
    }

    template <typename U>
    bool operator==(const LargeBlockAllocator<U>& /*other*/) const noexcept {
        return true;
    }
};

}  // namespace sky
