// Large memory blocks that are really backed by physical memory while they are held.
#pragma once

#include <cstddef>

namespace lark {

class BlockAllocator {
public:
    virtual ~BlockAllocator() = default;
    // Obtains a zero-filled block of `bytes` bytes with every page written, so that the system
    // has to provide physical memory for all of it. Returns an opaque handle, or nullptr when the
    // block cannot be obtained (nothing is then held).
    virtual void* claim(std::size_t bytes) = 0;
    // Gives a block back to the system at once. Releasing nullptr does nothing.
    virtual void release(void* block) = 0;
    // Larger requests are cut to this: a cap for tests and diagnosis.
    virtual std::size_t largestBlock() const { return static_cast<std::size_t>(-1); }
};

}  // namespace lark
