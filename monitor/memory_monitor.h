// The memory monitor: the latest memory sample and its five size rows, the tray gauge, the gauge panel,
// the warning level, the two amount labels, the history graph, and when low memory calls for action.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "monitor/history_graph.h"
#include "monitor/low_memory.h"
#include "platform/memory_stats.h"
#include "platform/ui.h"
#include "tray/tray_icon.h"

namespace lark {

// A size row as the main panel shows it: the number in its unit ("24105" and "MB").
struct SizeRow {
    std::wstring number = L"0";
    std::wstring unit = L"KB";
};

// The rows, in this order.
enum SizeRowIndex : int { TotalPhysical, AvailablePhysical, TotalVirtual, AvailableVirtual, PageFileLeft };
inline constexpr int SizeRowCount = 5;

// What the monitor shows, and the two sliders it reads. The main panel implements it.
class MonitorView {
public:
    virtual ~MonitorView() = default;
    virtual int amountSteps() const = 0;
    virtual int warningSteps() const = 0;
    virtual void showSizeRow(int row, const SizeRow& size) = 0;
    virtual void showAmount(std::wstring_view amount) = 0;
    virtual void showWarningSize(std::wstring_view size) = 0;
    virtual void showAmountUnit(std::wstring_view unit) = 0;  // both amount labels share the total's unit
    virtual Canvas& gaugeCanvas() = 0;
    virtual Canvas& detailsCanvas() = 0;
    virtual Canvas& historyCanvas() = 0;
    // What each drawing shows, as its text for screen readers; sent when what it says changes.
    virtual void describeGauge(std::wstring_view text) = 0;
    virtual void describeDetails(std::wstring_view text) = 0;
    virtual void describeHistory(std::wstring_view text) = 0;
    // Drawings that nobody can see wait until the panel is shown again.
    virtual bool panelShown() const = 0;
};


class MemoryMonitor {
public:
    MemoryMonitor(MemoryStats& memory, TrayPicture& tray, MonitorView& view);

    // The first sample, the amount labels' unit and the warning level.
    void start();

    // Takes a cheap sample into the size rows (the platform may answer from a short cache).
    void sample();
    // Takes a sample measured now, for comparing before and after, and returns it.
    const MemoryStatus& freshSample();
    const MemoryStatus& status() const { return status_; }
    const std::array<SizeRow, SizeRowCount>& rows() const { return rows_; }

    // The total physical memory as its row shows it, and that row's unit.
    double total() const;
    const std::wstring& totalUnit() const { return rows_[TotalPhysical].unit; }

    // Every 200 ms: sample; tray picture and tip; warning level; gauge panel.
    void monitorTick();
    // Every 100 ms: the amount labels, the history graph, a sample, and the low-memory test. Memory is
    // low when less is available than the warning level and the amount to secure exceeds the warning
    // size. `action` is what the user chose; `nowMs` a steady clock.
    LowMemoryStep warningTick(LowMemoryAction action, std::uint64_t nowMs);
    // While memory stays low, securing at once runs again only this long after the last run ended:
    // securing moves only what other programs can give up, so memory often stays low, and runs back to
    // back would keep the machine busy with page faults.
    static constexpr std::uint64_t CoolDownMilliseconds = 60000;
    void automaticSecuringEnded(std::uint64_t nowMs) { lastAutomaticRunEnd_ = nowMs; }
    // Draws the gauge and the graph as they are now, for a panel that has just been shown.
    void redrawShown();
    void refreshAmount();
    void warningSizeChanged();
    // The tray shows the free share as a number instead of the gauge.
    void showNumberInTray(bool on) { numberInTray_ = on; }
    void redrawDetails();

    // The amount to secure, as its label shows it, and its unit.
    const std::wstring& amount() const { return amount_; }
    const std::wstring& amountUnit() const { return amountUnit_; }
    std::int64_t warningLevelBytes() const { return warningBytes_; }

private:
    void take(const MemoryStatus& status);
    void setRow(int row, std::uint64_t bytes);
    std::optional<int> freeShare() const;

    MemoryStats& memory_;
    TrayPicture& tray_;
    MonitorView& view_;
    MemoryStatus status_{};
    std::array<SizeRow, SizeRowCount> rows_{};
    std::wstring amount_ = L"0", warningSize_ = L"0", amountUnit_ = L"KB";
    std::int64_t warningBytes_ = 0;
    bool numberInTray_ = false;
    Picture trayPicture(int pct) const;
    std::optional<int> freePercent_;
    std::optional<int> newestPercent_;  // of the history's newest entry
    History history_;
    int gridShift_ = 0;
    bool questionArmed_ = true;                         // the question is asked once per low episode
    std::optional<std::uint64_t> lastAutomaticRunEnd_;  // within the current low episode
};

}  // namespace lark
