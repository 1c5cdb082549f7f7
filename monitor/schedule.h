// The securing schedule: every 5, 10, 20 or 30 minutes or every hour, counted by a one-minute timer.
#pragma once

#include <cstdint>

namespace lark {

class SecuringSchedule {
public:
    // Counts one minute. True when the period chosen by `scheduleIndex` (1 to 5) has elapsed; the count
    // then starts again. Any other index means no schedule, and the count stays at nothing.
    bool minutePassed(std::int32_t scheduleIndex);

private:
    std::int32_t minutes_ = 0;
};

}  // namespace lark
