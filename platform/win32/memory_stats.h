// The machine's memory figures.
#pragma once

#include "platform/memory_stats.h"

namespace lark::win32 {

// sample() is GlobalMemoryStatusEx, which may answer from a short cache (Wine keeps one for a
// second); freshSample() and headroom() measure available physical memory now, with
// GetPerformanceInfo. A failed call gives zeros, never garbage.
class Win32MemoryStats final : public MemoryStats {
public:
    MemoryStatus sample() override;
    MemoryStatus freshSample() override;
    Headroom headroom() override;
};

}  // namespace lark::win32
