// Memory statistics of the machine.
#pragma once

#include <cstdint>

namespace lark {

// The platform's memory status record, with 64-bit counts (bytes).
struct MemoryStatus {
    std::uint32_t memoryLoad = 0;  // percentage of memory in use
    std::uint64_t totalPhys = 0;
    std::uint64_t availPhys = 0;
    std::uint64_t totalPageFile = 0;
    std::uint64_t availPageFile = 0;
    std::uint64_t totalVirtual = 0;
    std::uint64_t availVirtual = 0;
};

// What may be committed now without pushing the machine into exhaustion (bytes).
struct Headroom {
    std::uint64_t commitHeadroom = 0;  // commit limit less what is committed
    std::uint64_t availPageFile = 0;   // available page file (commit charge left)
};

class MemoryStats {
public:
    virtual ~MemoryStats() = default;
    // A cheap sample for the ticks; the platform may answer from a short cache.
    virtual MemoryStatus sample() = 0;
    // A sample whose available physical memory is measured now, for comparing before and after.
    virtual MemoryStatus freshSample() = 0;
    virtual Headroom headroom() = 0;
};

}  // namespace lark
