// The arithmetic and texts of the two reclamation actions: the request size, the safety bound,
// the result texts and the cleanup's grid.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/memory_stats.h"
#include "platform/ui.h"

namespace lark::reclaim {

constexpr std::uint64_t KiB = 1024;
constexpr std::uint64_t MiB = 1024 * KiB;

// What always stays uncommitted when the program claims memory: the larger of a floor and a share
// of physical memory. The share covers what other programs commit while a run is under way; the
// floor keeps small machines responsive.
constexpr std::uint64_t ReserveFloor = 512 * MiB;
constexpr std::uint64_t ReserveShare = 8;  // one eighth of physical memory

std::uint64_t reserveBytes(std::uint64_t totalPhys);

// What may be committed now: the smaller of the commit figures less the reserve (0 when nothing may).
std::uint64_t commitAllowance(const Headroom& now, std::uint64_t totalPhys);

// The largest block that may be claimed now: `wanted`, but never more than the commit allowance nor
// more than physical memory.
//
// Available physical memory does not bound it: a block larger than what is available is the whole
// point, as it makes the system move other programs' pages out of RAM. What must never run out is
// commit, which every program's allocations draw on. Where there is no page file or swap (Wine on
// a Linux host without swap) commit headroom is available physical memory, so the same rule keeps
// the block within what RAM can hold.
std::uint64_t safeClaimBytes(std::uint64_t wanted, const Headroom& now, std::uint64_t totalPhys);

// The bytes the securing action asks for: the amount text in its unit, plus one (the block's
// indices run from 0 to the amount). Nothing for an unknown unit or an amount that is not a
// non-negative number.
std::optional<std::uint64_t> requestBytes(std::wstring_view amount, std::wstring_view unit);

// A positive gain as the results write it, with its sign position: " 812.5MB", " 64KB", " 900Byte";
// " 812.5 MB", " 900 bytes" in English.
std::wstring gainText(std::int64_t gain);
// The result texts for a gain in bytes: the figure and the sentence.
std::wstring secureResult(std::int64_t gain);
// Nothing gained: the cleanup says that memory is already optimised.
std::wstring cleanupResult(std::int64_t gain);

// "[hh:mm:ss]"
std::wstring timeStamp(TimeOfDay t);

// The gain between two samples of available physical memory, saturated to the signed range.
std::int64_t gainBetween(std::uint64_t before, std::uint64_t after);

// The cleanup's grid: 16 columns and 3 (standard) or 9 (full) rows filling 320 x 180 pixels.
struct CleanupGrid {
    static constexpr int Columns = 16;
    int lastRow = 2;  // R
    int pitch = 60;   // H, pixels
    int rows() const { return lastRow + 1; }
};
CleanupGrid cleanupGrid(bool standard);

// One sixteenth of physical memory plus one byte: the size of each cleanup block.
std::uint64_t cleanupBlockBytes(std::uint64_t totalPhys);

// The grid's text, for screen readers: how many blocks of how many are done, "12 / 48".
std::wstring cellsText(const CleanupGrid& grid, int done);

// Draws cell (column, row) in the waiting (blue) or done (green) colours.
void drawCell(Canvas& canvas, const CleanupGrid& grid, int column, int row, bool done);

}  // namespace lark::reclaim
