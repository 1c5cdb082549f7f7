// The reclamation actions: securing free space (one block of the chosen amount), the memory
// cleanup (passes of sixteen blocks with a progress grid and a stop button), and trimming the
// working sets of the user's programs.
//
// Every block is bounded by what the machine can safely give now (reclaim::safeClaimBytes), a block
// that cannot be obtained simply ends the run, and an action started while one runs is refused. The
// gain is measured from fresh samples.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "monitor/memory_monitor.h"
#include "platform/block_allocator.h"
#include "platform/clock.h"
#include "platform/memory_stats.h"
#include "platform/message_box.h"
#include "platform/process_list.h"
#include "platform/ui.h"
#include "reclaim/history.h"
#include "tray/tray_icon.h"

namespace lark {

// What the actions show on the main panel. The main panel implements it.
class ReclaimView {
public:
    virtual ~ReclaimView() = default;
    // The status line; `paintNow` paints it at once, before the action claims memory.
    virtual void showStatus(std::wstring_view text, bool paintNow = false) = 0;
    virtual void showSecuringBanner(bool shown) = 0;
    // The cleanup view covers the normal view; its cells are drawn on cleanupCells().
    virtual void showCleanupView(std::wstring_view heading) = 0;
    virtual void hideCleanupView() = 0;
    virtual Canvas& cleanupCells() = 0;
    virtual void describeCleanupCells(std::wstring_view text) = 0;  // the grid's text for screen readers
};

// What a run gained (bytes, negative for a loss) and its result text.
struct ReclaimResult {
    std::int64_t gain = 0;
    std::wstring text;
};

struct ReclaimServices {
    MemoryStats& memory;
    BlockAllocator& blocks;
    Ui& ui;
    MessageBoxes& messages;
    Clock& clock;
    ProcessList& processes;
    RunLog& history;
};

class Reclaimer {
public:
    Reclaimer(const ReclaimServices& services, MemoryMonitor& monitor, TrayPicture& tray, ReclaimView& view)
        : services_(services), monitor_(monitor), tray_(tray), view_(view) {}

    // Each action reports to the history when it ends, with what started it.
    //
    // Claims the amount the amount label shows, fills it and gives it back, in one piece. Nothing
    // when it was refused because an action runs.
    std::optional<ReclaimResult> secureFreeSpace(Trigger trigger);
    // Three passes (standard) or nine; lets pending events run after every block.
    std::optional<ReclaimResult> runCleanup(bool standard, Trigger trigger);
    // Empties the working set of every program it may open; no box.
    std::optional<ReclaimResult> trimWorkingSets(Trigger trigger);
    // Asks a running cleanup to stop after its current block.
    void requestCleanupStop() { stopRequested_ = true; }

    // An action runs, its result box included: another one is refused.
    bool running() const { return running_; }
    // The ticks leave the figures, the tray and the graph to the running action.
    bool ticksPaused() const { return ticksPaused_; }
    // A cleanup runs, its result box included: low memory is expected and must not start securing.
    bool cleaning() const { return cleaning_; }

private:
    struct RunStart {
        LocalDateTime at;
        std::uint64_t milliseconds;
    };
    RunStart startRun() { return {services_.clock.now(), services_.clock.milliseconds()}; }
    void report(const RunStart& start, RunRecord run);

    ReclaimServices services_;
    MemoryMonitor& monitor_;
    TrayPicture& tray_;
    ReclaimView& view_;
    bool running_ = false;
    bool ticksPaused_ = false;
    bool cleaning_ = false;
    bool stopRequested_ = false;
};

}  // namespace lark
