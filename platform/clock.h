// The local time and date, and a steady count of milliseconds for measuring intervals.
#pragma once

#include <cstdint>

namespace lark {

struct TimeOfDay {
    int hour = 0, minute = 0, second = 0;
};

// The local date and time, and how far local time is ahead of UTC (negative west of Greenwich).
struct LocalDateTime {
    int year = 1970, month = 1, day = 1;
    TimeOfDay time;
    int utcOffsetMinutes = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual TimeOfDay localTime() = 0;
    virtual LocalDateTime now() = 0;
    // Milliseconds since some fixed point; never goes back when the local time is changed.
    virtual std::uint64_t milliseconds() = 0;
};

}  // namespace lark
