#include "platform/win32/memory_stats.h"

#include <windows.h>
#include <psapi.h>

#include <optional>

namespace lark::win32 {
namespace {

std::optional<MEMORYSTATUSEX> globalStatus() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!::GlobalMemoryStatusEx(&status)) return std::nullopt;
    return status;
}

std::optional<PERFORMANCE_INFORMATION> performance() {
    PERFORMANCE_INFORMATION info{};
    info.cb = sizeof info;
    if (!::K32GetPerformanceInfo(&info, sizeof info)) return std::nullopt;
    return info;
}

std::uint64_t availablePhysical(const PERFORMANCE_INFORMATION& info) {
    return std::uint64_t{info.PhysicalAvailable} * info.PageSize;
}

}  // namespace

MemoryStatus Win32MemoryStats::sample() {
    auto s = globalStatus();
    if (!s) return {};
    return {s->dwMemoryLoad, s->ullTotalPhys, s->ullAvailPhys,    s->ullTotalPageFile,
            s->ullAvailPageFile, s->ullTotalVirtual, s->ullAvailVirtual};
}

MemoryStatus Win32MemoryStats::freshSample() {
    MemoryStatus status = sample();
    if (auto info = performance()) status.availPhys = availablePhysical(*info);
    return status;
}

Headroom Win32MemoryStats::headroom() {
    Headroom room;
    if (auto info = performance()) {
        if (info->CommitLimit > info->CommitTotal)
            room.commitHeadroom = std::uint64_t{info->CommitLimit - info->CommitTotal} * info->PageSize;
    }
    if (auto s = globalStatus()) room.availPageFile = s->ullAvailPageFile;
    return room;
}

}  // namespace lark::win32
