// The seven stored settings as one value.
#pragma once

#include <cstdint>

namespace lark {
enum class StartupWindow : std::int16_t { Normal = 0, Minimised = 1, Maximised = 2 };          // stored as Flag03
enum class LowMemoryAction : std::int16_t { SecureAtOnce = 0, Ask = 1, Ignore = 2 };         // stored as Flag04; any other number also ignores
struct Settings {
    int amountSteps = 55;                          // Flag01, the amount slider (0..68)
    int warningSteps = 5;                          // Flag02, the warning slider (0..28)
    StartupWindow startupWindow = StartupWindow::Normal;       // Flag03 (may hold other numbers as read)
    LowMemoryAction lowMemoryAction = LowMemoryAction::SecureAtOnce; // Flag04 (may hold other numbers as read)
    bool showSplash = true;                        // Flag05 (`ShowLogo`)
    std::int32_t scheduleIndex = 0;                // Flag06: 0 none, 1..5 = 5,10,20,30,60 minutes
    bool standardCleanup = true;                   // Flag07
};
}
