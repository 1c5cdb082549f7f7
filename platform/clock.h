// The local time of day.
#pragma once

namespace lark {

struct TimeOfDay {
    int hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual TimeOfDay localTime() = 0;
};

}  // namespace lark
