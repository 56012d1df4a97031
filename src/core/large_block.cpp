// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/large_block.h"

#include <sys/mman.h>

#include <cstdlib>

namespace tavoric {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

bool IsLarge(std::size_t bytes) {
    return bytes >= kHugePage;
}

std::size_t WholeHugePages(std::size_t bytes) {
    return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

}  // namespace

void* AllocateLargeBlock(std::size_t bytes) {
    if (!IsLarge(bytes)) {
        return ::operator new(bytes);
    }
    const std::size_t rounded = WholeHugePages(bytes);
    if (rounded < bytes) {
        throw std::bad_alloc();
    }
    void* block = std::aligned_alloc(kHugePage, rounded);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    // Only advice: where the kernel has no huge pages the block works as any other.
    ::madvise(block, rounded, MADV_HUGEPAGE);
    return block;
}

void FreeLargeBlock(void* block, std::size_t bytes) noexcept {
    if (IsLarge(bytes)) {
        std::free(block);
    } else {
        ::operator delete(block);
    }
}

}  // namespace tavoric
