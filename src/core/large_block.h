// SPDX-License-Identifier: GPL-3.0-or-later
// Memory for the few very large blocks of a big survey (the project file's bytes, the index of
// its slot lines). Blocks of a few megabytes and more are asked of the kernel in huge pages:
// filling 35 MB of fresh small pages costs several times the reading of the file itself.
#pragma once

#include <cstddef>
#include <new>
#include <string>

namespace tavoric {

void* AllocateLargeBlock(std::size_t bytes);
void FreeLargeBlock(void* block, std::size_t bytes) noexcept;

// A standard allocator over AllocateLargeBlock.
template <typename T>
class LargeBlockAllocator {
public:
    using value_type = T;

    LargeBlockAllocator() noexcept = default;
    template <typename U>
    LargeBlockAllocator(const LargeBlockAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) {
        if (count > static_cast<std::size_t>(-1) / sizeof(T)) {
            throw std::bad_array_new_length();
        }
        return static_cast<T*>(AllocateLargeBlock(count * sizeof(T)));
    }
    void deallocate(T* block, std::size_t count) noexcept {
        FreeLargeBlock(block, count * sizeof(T));
    }
    friend bool operator==(const LargeBlockAllocator&, const LargeBlockAllocator&) { return true; }
};

// Bytes in large-block memory: a whole project file, or the lines of a LineBuffer.
using ByteBlock = std::basic_string<char, std::char_traits<char>, LargeBlockAllocator<char>>;

}  // namespace tavoric
