#include "platform/win32/clock.h"

#include <windows.h>

namespace lark::win32 {

TimeOfDay Win32Clock::localTime() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return {now.wHour, now.wMinute, now.wSecond};
}

// The offset is the difference between the local and the universal time of the same instant, so it
// follows daylight saving time as the local clock does.
LocalDateTime Win32Clock::now() {
    FILETIME utc{}, local{};
    ::GetSystemTimeAsFileTime(&utc);
    ::FileTimeToLocalFileTime(&utc, &local);
    SYSTEMTIME t{};
    ::FileTimeToSystemTime(&local, &t);
    const auto ticks = [](const FILETIME& f) { return static_cast<long long>(ULARGE_INTEGER{{f.dwLowDateTime, f.dwHighDateTime}}.QuadPart); };
    const long long minutes = (ticks(local) - ticks(utc)) / 600'000'000LL;
    return {t.wYear, t.wMonth, t.wDay, {t.wHour, t.wMinute, t.wSecond}, static_cast<int>(minutes)};
}

std::uint64_t Win32Clock::milliseconds() { return ::GetTickCount64(); }

}  // namespace lark::win32
