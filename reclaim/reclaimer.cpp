#include "reclaim/reclaimer.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "common/texts.h"
#include "reclaim/held_block.h"
#include "reclaim/reclaim.h"
#include "reclaim/working_sets.h"

namespace lark {

namespace {

using reclaim::CleanupGrid;
using reclaim::HeldBlock;


// Sets a flag for a scope.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

// The passes of one cleanup run. A pass asks for all of physical memory in sixteen equal blocks,
// scaled down to what was safely free when it began, so every cell of the grid stands for a block
// really claimed and a figure that lags behind the blocks held cannot carry a pass past the bound.
// Each block is checked again just before it is claimed; a pass that reaches the bound ends there.
class CleanupPasses {
public:
    CleanupPasses(const ReclaimServices& services, ReclaimView& view, CleanupGrid grid, std::uint64_t totalPhys,
                  const bool& stopRequested)
        : services_(services), view_(view), grid_(grid), totalPhys_(totalPhys),
          blockBytes_(reclaim::cleanupBlockBytes(totalPhys)), stopRequested_(stopRequested) {}

    // Ends early at a stop request or when a block cannot be obtained; every block is given back by
    // the time it returns.
    void run() {
        for (int row = 0; row < grid_.rows(); ++row)
            if (!pass(row)) return;
    }

    std::uint64_t heldAtMost() const { return heldAtMost_; }

private:
    // False when the run must end.
    bool pass(int row) {
        std::array<HeldBlock, CleanupGrid::Columns> blocks;
        std::uint64_t held = 0;
        const std::uint64_t passBytes = CleanupGrid::Columns * blockBytes_;  // physical memory, and 16 bytes
        const std::uint64_t blockBytes =
            std::min(passBytes, reclaim::commitAllowance(services_.memory.headroom(), totalPhys_)) / CleanupGrid::Columns;
        for (int column = 0; column < CleanupGrid::Columns; ++column) {
            const std::uint64_t bytes = safe(blockBytes);
            if (bytes == 0) return true;
            if (!blocks[column].claim(services_.blocks, bytes)) return false;
            heldAtMost_ = std::max(heldAtMost_, held += blocks[column].bytes());
            services_.ui.pumpPending();
            reclaim::drawCell(view_.cleanupCells(), grid_, column, row, true);
            view_.describeCleanupCells(reclaim::cellsText(grid_, row * CleanupGrid::Columns + column + 1));
            if (column < CleanupGrid::Columns - 1 && stopRequested_) return false;
        }
        return true;
    }

    std::uint64_t safe(std::uint64_t wanted) {
        return reclaim::safeClaimBytes(wanted, services_.memory.headroom(), totalPhys_);
    }

    const ReclaimServices& services_;
    ReclaimView& view_;
    const CleanupGrid grid_;
    const std::uint64_t totalPhys_;
    const std::uint64_t blockBytes_;
    const bool& stopRequested_;
    std::uint64_t heldAtMost_ = 0;
};

}  // namespace

void Reclaimer::report(const RunStart& start, RunRecord run) {
    run.started = start.at;
    run.milliseconds = services_.clock.milliseconds() - start.milliseconds;
    services_.history.record(run);
}

std::optional<ReclaimResult> Reclaimer::secureFreeSpace(Trigger trigger) {
    if (running_) return std::nullopt;
    FlagScope running(running_);
    const RunStart start = startRun();

    const MemoryStatus before = monitor_.freshSample();
    view_.showStatus(text(Text::SecuringStatus), true);
    ticksPaused_ = true;
    view_.showSecuringBanner(true);
    tray_.show(Picture::Emblem, text(Text::SecuringTip));

    std::uint64_t held = 0;
    if (const auto wanted = reclaim::requestBytes(monitor_.amount(), monitor_.amountUnit())) {
        const auto bytes = reclaim::safeClaimBytes(*wanted, services_.memory.headroom(), before.totalPhys);
        HeldBlock block;
        if (bytes > 0 && block.claim(services_.blocks, bytes)) held = block.bytes();
    }

    const std::uint64_t after = monitor_.freshSample().availPhys;
    const auto gain = reclaim::gainBetween(before.availPhys, after);
    ReclaimResult result{gain, reclaim::secureResult(gain)};
    view_.showStatus(result.text + reclaim::timeStamp(services_.clock.localTime()));
    view_.showSecuringBanner(false);
    ticksPaused_ = false;
    report(start, {.trigger = trigger, .action = RunAction::Secure, .availableBefore = before.availPhys,
                   .availableAfter = after, .heldAtMost = held, .result = result.text});
    return result;
}

std::optional<ReclaimResult> Reclaimer::trimWorkingSets(Trigger trigger) {
    if (running_) return std::nullopt;
    FlagScope running(running_);
    const RunStart start = startRun();
    FlagScope paused(ticksPaused_);
    view_.showStatus(text(Text::TrimmingStatus), true);
    tray_.show(Picture::Emblem, text(Text::TrimmingTip));

    const MemoryStatus before = monitor_.freshSample();
    const reclaim::TrimCount count = reclaim::trimWorkingSets(services_.processes);
    const std::uint64_t after = monitor_.freshSample().availPhys;
    const auto gain = reclaim::gainBetween(before.availPhys, after);
    ReclaimResult result{gain, reclaim::trimResult(gain, count.trimmed)};
    view_.showStatus(result.text);
    report(start, {.trigger = trigger, .action = RunAction::Trim, .availableBefore = before.availPhys,
                   .availableAfter = after, .programsTrimmed = count.trimmed, .result = result.text});
    return result;
}

std::optional<ReclaimResult> Reclaimer::runCleanup(bool standard, Trigger trigger) {
    if (running_) return std::nullopt;
    FlagScope running(running_);
    const RunStart start = startRun();
    FlagScope cleaning(cleaning_);
    const CleanupGrid grid = reclaim::cleanupGrid(standard);

    Canvas& cells = view_.cleanupCells();
    cells.clear();
    tray_.show(Picture::Cleanup, text(Text::CleanupTip));
    view_.showStatus(text(Text::CleanupStatus));
    ticksPaused_ = true;
    stopRequested_ = false;
    view_.showCleanupView(text(standard ? Text::CleanupHeadingStandard : Text::CleanupHeadingFull));
    for (int column = 0; column < CleanupGrid::Columns; ++column)
        for (int row = 0; row < grid.rows(); ++row) reclaim::drawCell(cells, grid, column, row, false);
    view_.describeCleanupCells(reclaim::cellsText(grid, 0));

    const MemoryStatus before = monitor_.freshSample();
    CleanupPasses passes(services_, view_, grid, before.totalPhys, stopRequested_);
    passes.run();

    const std::uint64_t after = monitor_.freshSample().availPhys;
    const auto gain = reclaim::gainBetween(before.availPhys, after);
    const std::wstring result = reclaim::cleanupResult(gain);
    report(start, {.trigger = trigger, .action = standard ? RunAction::CleanupStandard : RunAction::CleanupFull,
                   .availableBefore = before.availPhys, .availableAfter = after, .heldAtMost = passes.heldAtMost(),
                   .result = result, .stopped = stopRequested_});
    ticksPaused_ = false;
    services_.messages.show(result, mb::OkOnly, ProgramTitle);
    // Nothing gained: the status line must not go on saying that the cleanup runs.
    view_.showStatus(gain <= 0 ? text(Text::IdleStatus) : text(Text::CleanupDoneStatus, {result}));
    view_.hideCleanupView();
    return ReclaimResult{gain, result};
}

}  // namespace lark
