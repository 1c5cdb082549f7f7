// What the program does when free memory falls below the warning size.
#pragma once

#include <cstdint>

namespace lark {

// The user's choice. Stored as its number; any other number does nothing, like Ignore.
enum class LowMemoryAction : std::int16_t { SecureAtOnce = 0, Ask = 1, Ignore = 2 };

// What the warning tick asks of the program now.
enum class LowMemoryStep { Nothing, Secure, AskThenSecure };

}  // namespace lark
