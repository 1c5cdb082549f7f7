#include "reclaim/reclaim.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "common/texts.h"
#include "monitor/number_text.h"
#include "monitor/size_text.h"

namespace lark::reclaim {

namespace {

// Amounts beyond this are not a size any machine can hold; keeping below it keeps the
// conversion to an integer defined.
constexpr double LargestRequest = 0x1p62;

// Bytes in the amount's unit; nothing for a text that is not one of the three units.
std::optional<double> unitFactor(std::wstring_view unit) {
    if (unit != UnitByte && unit != UnitKB && unit != UnitMB) return std::nullopt;
    return static_cast<double>(unitBytes(unit));
}

// A positive gain in its unit: whole bytes, whole kilobytes, or megabytes with one decimal
// rounded down.
enum Unit { Bytes, Kilo, Mega };
struct Figure {
    double value;
    Unit unit;
};

Figure gainFigure(std::int64_t gain) {
    const auto g = static_cast<double>(gain);
    if (gain <= 1024) return {g, Bytes};
    if (gain <= 1048576) return {std::floor(g / 1024.0), Kilo};
    return {std::floor(g / 1048576.0 * 10.0) / 10.0, Mega};
}

}  // namespace

std::uint64_t reserveBytes(std::uint64_t totalPhys) {
    return std::max(ReserveFloor, totalPhys / ReserveShare);
}

std::uint64_t commitAllowance(const Headroom& now, std::uint64_t totalPhys) {
    const std::uint64_t least = std::min(now.commitHeadroom, now.availPageFile);
    const std::uint64_t reserve = reserveBytes(totalPhys);
    return least > reserve ? least - reserve : 0;
}

std::uint64_t safeClaimBytes(std::uint64_t wanted, const Headroom& now, std::uint64_t totalPhys) {
    return std::min({wanted, commitAllowance(now, totalPhys), totalPhys});
}

std::optional<std::uint64_t> requestBytes(std::wstring_view amount, std::wstring_view unit) {
    const auto factor = unitFactor(unit);
    if (!factor) return std::nullopt;
    const auto value = parseNumber(amount);
    if (!value || !(*value >= 0)) return std::nullopt;
    const double top = std::min(roundHalfEven(*value * *factor), LargestRequest);
    return static_cast<std::uint64_t>(top) + 1;
}

std::wstring gainText(std::int64_t gain) {
    static constexpr Text Units[] = {Text::GainBytes, Text::GainKilobytes, Text::GainMegabytes};
    const Figure figure = gainFigure(gain);
    return text(Units[figure.unit], {numberText(figure.value)});
}

std::wstring secureResult(std::int64_t gain) {
    return gain > 0 ? text(Text::SecureSucceeded, {gainText(gain)}) : text(Text::SecureFailed);
}

std::wstring cleanupResult(std::int64_t gain) {
    if (gain <= 0) return text(Text::NothingCleaned);
    static constexpr Text Sentences[] = {Text::CleanupSucceededBytes, Text::CleanupSucceededKilobytes,
                                         Text::CleanupSucceededMegabytes};
    const Figure figure = gainFigure(gain);
    return text(Sentences[figure.unit], {numberText(figure.value)});
}

std::wstring timeStamp(TimeOfDay t) {
    wchar_t buffer[16];
    std::swprintf(buffer, std::size(buffer), L"[%02d:%02d:%02d]", t.hour, t.minute, t.second);
    return buffer;
}

std::int64_t gainBetween(std::uint64_t before, std::uint64_t after) {
    constexpr auto Largest = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (after >= before) return static_cast<std::int64_t>(std::min(after - before, Largest));
    return -static_cast<std::int64_t>(std::min(before - after, Largest));
}

CleanupGrid cleanupGrid(bool standard) {
    return standard ? CleanupGrid{2, 60} : CleanupGrid{8, 20};
}

std::uint64_t cleanupBlockBytes(std::uint64_t totalPhys) {
    return totalPhys / 16 + 1;
}

std::wstring cellsText(const CleanupGrid& grid, int done) {
    return digits(done) + L" / " + digits(CleanupGrid::Columns * grid.rows());
}

void drawCell(Canvas& canvas, const CleanupGrid& grid, int column, int row, bool done) {
    const Rgb fill = done ? Rgb{0, 128, 0} : Rgb{0, 0, 128};
    const Rgb inner = done ? Rgb{0, 172, 0} : Rgb{0, 0, 172};
    const Rgb outer = done ? Rgb{0, 255, 0} : Rgb{0, 0, 255};
    const int left = 20 * column, top = grid.pitch * row, bottom = top + grid.pitch;
    canvas.fillRect(left + 1, top + 1, left + 18, bottom - 2, fill);
    canvas.frameRect(left + 2, top + 2, left + 17, bottom - 3, inner);
    canvas.frameRect(left + 1, top + 1, left + 18, bottom - 2, outer);
}

}  // namespace lark::reclaim
