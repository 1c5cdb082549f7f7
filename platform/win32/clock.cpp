#include "platform/win32/clock.h"

#include <windows.h>

namespace lark::win32 {

TimeOfDay Win32Clock::localTime() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return {now.wHour, now.wMinute, now.wSecond};
}

std::uint64_t Win32Clock::milliseconds() { return ::GetTickCount64(); }

}  // namespace lark::win32
