// The local time of day, and a steady count of milliseconds for measuring intervals.
#pragma once

#include <cstdint>

namespace lark {

struct TimeOfDay {
    int hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual TimeOfDay localTime() = 0;
    // Milliseconds since some fixed point; never goes back when the local time is changed.
    virtual std::uint64_t milliseconds() = 0;
};

}  // namespace lark
