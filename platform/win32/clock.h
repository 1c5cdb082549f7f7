// The local time and date.
#pragma once

#include "platform/clock.h"

namespace lark::win32 {

class Win32Clock final : public Clock {
public:
    TimeOfDay localTime() override;
    LocalDateTime now() override;
    std::uint64_t milliseconds() override;
};

}  // namespace lark::win32
