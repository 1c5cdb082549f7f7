// Detects a copy of the program that is already running.
#pragma once

namespace lark {

class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // True when this is the only running copy; the lock is held until the process ends.
    virtual bool acquire() = 0;
};

}  // namespace lark
