// The system's processes, and emptying their working sets.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace lark {

class ProcessList {
public:
    using ProcessId = std::uint32_t;
    using Handle = std::uintptr_t;

    virtual ~ProcessList() = default;
    // The processes running now.
    virtual std::vector<ProcessId> snapshot() = 0;
    virtual ProcessId self() = 0;
    // Opens the process with the rights to query it and to set its working-set quota, and nothing
    // more; nothing when it cannot be opened (another user's, an elevated or protected one, one that
    // has ended). Every handle returned is closed with close().
    virtual std::optional<Handle> open(ProcessId process) = 0;
    // Empties the working set: its pages go to the standby list and come back when the process
    // touches them. False when the process refused.
    virtual bool trim(Handle process) = 0;
    virtual void close(Handle process) = 0;
};

}  // namespace lark
