// A block allocator that only keeps books: what was asked for, what is held, and when a claim
// should fail. `onChange` reports every change of the bytes held, so that a test can let a fake
// memory figure follow the blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "platform/block_allocator.h"

namespace lark::fake {

class FakeBlocks final : public BlockAllocator {
public:
    void* claim(std::size_t bytes) override {
        claims.push_back(bytes);
        if (static_cast<int>(claims.size()) - 1 == failAt) return nullptr;
        void* block = reinterpret_cast<void*>(next_ += 16);
        held_[block] = bytes;
        heldBytes += bytes;
        peakBytes = std::max(peakBytes, heldBytes);
        if (onChange) onChange(static_cast<std::int64_t>(bytes));
        return block;
    }

    void release(void* block) override {
        if (!block) return;
        const auto it = held_.find(block);
        if (it == held_.end()) return void(++badReleases);
        heldBytes -= it->second;
        if (onChange) onChange(-static_cast<std::int64_t>(it->second));
        held_.erase(it);
    }

    std::size_t heldBlocks() const { return held_.size(); }

    std::vector<std::size_t> claims;  // every request, in order, the failed one included
    int failAt = -1;                  // index of the claim that fails; -1 for none
    std::uint64_t heldBytes = 0;
    std::uint64_t peakBytes = 0;
    int badReleases = 0;              // releases of blocks not held (double or foreign)
    std::function<void(std::int64_t)> onChange;

private:
    std::map<void*, std::size_t> held_;
    std::uintptr_t next_ = 0x1000;
};

}  // namespace lark::fake
