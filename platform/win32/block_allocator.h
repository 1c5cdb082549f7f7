// Large blocks of committed memory, every page made resident before the block is handed out.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/block_allocator.h"

namespace lark {

class Win32BlockAllocator final : public BlockAllocator {
public:
    // No block is ever larger than `largestBlock` (bytes); larger requests are cut to it, and with
    // 0 no block is given at all.
    explicit Win32BlockAllocator(std::size_t largestBlock = SIZE_MAX);

    void* claim(std::size_t bytes) override;
    void release(void* block) override;
    std::size_t largestBlock() const override { return largestBlock_; }

    // The test and diagnostic cap on the size of every block, in MiB, from the environment
    // variable LARKSPAN_MAX_BLOCK_MIB; no cap (SIZE_MAX) when it is missing or not a number. It
    // can only make the program claim less than it otherwise would: 0 claims nothing.
    static std::size_t largestBlockFromEnvironment();

private:
    std::size_t largestBlock_;
    std::size_t pageSize_;
    unsigned threads_;
};

}  // namespace lark
