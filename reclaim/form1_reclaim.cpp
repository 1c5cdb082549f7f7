// The main panel's two reclamation actions: free-space securing (one block of the chosen amount)
// and the memory cleanup (passes of sixteen blocks with a progress grid and a stop button).
//
// Every block is bounded by what the machine can safely give now (reclaim::safeClaimBytes), a
// block that cannot be obtained simply ends the run, and a second action started while one runs
// is refused. The gain is measured from fresh samples.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "reclaim/held_block.h"
#include "reclaim/reclaim.h"
#include "shell/form1.h"
#include "shell/program.h"
#include "tray/form2.h"

namespace lark {

namespace {

using reclaim::CleanupGrid;
using reclaim::HeldBlock;

// Marks a reclamation action as running for its whole length, its result box included.
class RunningFlag {
public:
    explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningFlag() { flag_ = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    bool& flag_;
};

// The passes of one cleanup run. A pass asks for all of physical memory in sixteen equal blocks,
// scaled down to what was safely free when it began, so every cell of the grid stands for a block
// really claimed and a figure that lags behind the blocks held cannot carry a pass past the bound.
// Each block is checked again just before it is claimed; a pass that reaches the bound ends there.
class CleanupPasses {
public:
    CleanupPasses(Services& services, Canvas& cells, CleanupGrid grid, std::uint64_t totalPhys,
                  const int& stopRequest)
        : services_(services), cells_(cells), grid_(grid), totalPhys_(totalPhys),
          blockBytes_(reclaim::cleanupBlockBytes(totalPhys)), stopRequest_(stopRequest) {}

    // Ends early at a stop request or when a block cannot be obtained; every block is given
    // back by the time it returns.
    void run() {
        for (int row = 0; row < grid_.rows(); ++row)
            if (!pass(row)) return;
    }

private:
    // False when the run must end.
    bool pass(int row) {
        std::array<HeldBlock, CleanupGrid::Columns> cleanupBlocks;
        const std::uint64_t blockBytes = safe(CleanupGrid::Columns * blockBytes_) / CleanupGrid::Columns;
        for (int column = 0; column < CleanupGrid::Columns; ++column) {
            const std::uint64_t bytes = safe(blockBytes);
            if (bytes == 0) return true;
            if (!cleanupBlocks[column].claim(services_.blocks, bytes)) return false;
            services_.ui.pumpPending();
            reclaim::drawCell(cells_, grid_, column, row, true);
            if (column < CleanupGrid::Columns - 1 && stopRequest_ == 1) return false;
        }
        return true;
    }

    std::uint64_t safe(std::uint64_t wanted) {
        return reclaim::safeClaimBytes(wanted, services_.memory.headroom(), totalPhys_);
    }

    Services& services_;
    Canvas& cells_;
    const CleanupGrid grid_;
    const std::uint64_t totalPhys_;
    const std::uint64_t blockBytes_;
    const int& stopRequest_;
};


void setHeading(Form1& form, bool standard) {
    const wchar_t* heading = standard ? L"システムメモリを標準クリーンアップ中です......"
                                      : L"システムメモリを完全クリーンアップ中です......";
    form.Label10->setText(heading);
    form.Label11->setText(heading);
}

// The cleanup view covers the normal view, its grid waiting.
void showCleanupView(Form1& form, const CleanupGrid& grid) {
    form.MainPanel->setEnabled(false);
    form.CPanel->setEnabled(true);
    form.CPanel->setVisible(true);
    form.CPanel->move(0, 0);
    Canvas& cells = form.CL->canvas();
    for (int column = 0; column < CleanupGrid::Columns; ++column)
        for (int row = 0; row < grid.rows(); ++row) reclaim::drawCell(cells, grid, column, row, false);
}

// Back below the client area, where it waits between runs.
void hideCleanupView(Form1& form) {
    form.CPanel->move(0, 280);
    form.CPanel->setVisible(false);
    form.MainPanel->setEnabled(true);
}

}  // namespace

void Form1::MRef() { Command1_Click(); }

void Form1::Mcl() { m02_Click(); }

void Form1::Command3_Click() { CleanupStop = 1; }

void Form1::Command1_Click() {
    if (reclaiming_) return;
    RunningFlag running(reclaiming_);
    Services& services = program_.services;

    ReadFreshMemoryStatus();
    Label7->setText(L"空き領域確保中");
    Label7->repaintNow();
    const MemoryStatus before = program_.MemStatus;
    busy = -1;
    Image1->setVisible(true);
    Image1->repaintNow();
    program_.form2().window().setIcon(Picture::Emblem);
    program_.tray.TrayModify(L"Larkspan - 空き領域確保中");

    if (const auto wanted = reclaim::requestBytes(Kakuho->text(), Label5->text())) {
        const auto bytes = reclaim::safeClaimBytes(*wanted, services.memory.headroom(), before.totalPhys);
        HeldBlock secureBlock;
        if (bytes > 0) secureBlock.claim(services.blocks, bytes);
    }

    ReadFreshMemoryStatus();
    const auto gain = reclaim::gainBetween(before.availPhys, program_.MemStatus.availPhys);
    Label7->setText(reclaim::secureResult(gain) + reclaim::timeStamp(services.clock.localTime()));
    Image1->setVisible(false);
    busy = 0;
}

void Form1::m02_Click() {
    if (reclaiming_) return;
    RunningFlag running(reclaiming_);
    Services& services = program_.services;
    const bool standard = program_.StandardCleanup;
    const CleanupGrid grid = reclaim::cleanupGrid(standard);

    Canvas& cells = CL->canvas();
    cells.clear();
    setHeading(*this, standard);
    program_.form2().window().setIcon(Picture::Cleanup);
    Label7->setText(L"メモリ内をクリーンアップしています。");
    program_.tray.TrayModify(L"Larkspan - メモリ クリーンアップ中");
    busy = -1;
    CleanupStop = 0;
    const int savedKeikoku = keikoku;
    keikoku = 2;
    showCleanupView(*this, grid);

    ReadFreshMemoryStatus();
    const MemoryStatus before = program_.MemStatus;
    CleanupPasses(services, cells, grid, before.totalPhys, CleanupStop).run();

    ReadFreshMemoryStatus();
    const std::wstring result =
        reclaim::cleanupResult(reclaim::gainBetween(before.availPhys, program_.MemStatus.availPhys));
    busy = 0;
    services.messages.show(result, mb::OkOnly, AppTitle);
    if (result != reclaim::NothingCleaned) Label7->setText(L"クリーンアップにより" + result);
    hideCleanupView(*this);
    keikoku = savedKeikoku;
}

}  // namespace lark
