// One block of claimed memory, given back when the holder goes away.
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/block_allocator.h"

namespace lark::reclaim {

class HeldBlock {
public:
    HeldBlock() = default;
    HeldBlock(const HeldBlock&) = delete;
    HeldBlock& operator=(const HeldBlock&) = delete;
    ~HeldBlock() { release(); }

    // Gives back what is held, then claims `bytes`. False when the block cannot be obtained.
    bool claim(BlockAllocator& blocks, std::uint64_t bytes) {
        release();
        blocks_ = &blocks;
        block_ = blocks.claim(static_cast<std::size_t>(bytes));
        bytes_ = block_ ? std::min<std::uint64_t>(bytes, blocks.largestBlock()) : 0;
        return block_ != nullptr;
    }
    std::uint64_t bytes() const { return bytes_; }  // what the block holds

    void release() {
        if (block_) blocks_->release(block_);
        block_ = nullptr;
        bytes_ = 0;
    }

    bool held() const { return block_ != nullptr; }

private:
    BlockAllocator* blocks_ = nullptr;
    void* block_ = nullptr;
    std::uint64_t bytes_ = 0;
};

}  // namespace lark::reclaim
