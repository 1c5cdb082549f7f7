#include "monitor/schedule.h"

namespace lark {

bool SecuringSchedule::minutePassed(std::int32_t scheduleIndex) {
    static constexpr std::int32_t PeriodMinutes[] = {5, 10, 20, 30, 60};
    ++minutes_;
    if (scheduleIndex < 1 || scheduleIndex > 5) {
        minutes_ = 0;
        return false;
    }
    // A shorter period chosen late in a longer one is due at once.
    if (minutes_ < PeriodMinutes[scheduleIndex - 1]) return false;
    minutes_ = 0;
    return true;
}

}  // namespace lark
