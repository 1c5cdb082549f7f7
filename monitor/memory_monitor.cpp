#include "monitor/memory_monitor.h"

#include "monitor/details.h"
#include "monitor/gauge.h"
#include "monitor/number_text.h"
#include "monitor/size_text.h"

namespace lark {

MemoryMonitor::MemoryMonitor(MemoryStats& memory, TrayPicture& tray, MonitorView& view)
    : memory_(memory), tray_(tray), view_(view) {
    history_.fill(NoEntry);
}

void MemoryMonitor::start() {
    sample();
    amountUnit_ = totalUnit();
    view_.showAmountUnit(amountUnit_);
    warningBytes_ = warningBytes(total(), view_.warningSteps(), totalUnit());
}

void MemoryMonitor::sample() { take(memory_.sample()); }

const MemoryStatus& MemoryMonitor::freshSample() {
    take(memory_.freshSample());
    return status_;
}

void MemoryMonitor::take(const MemoryStatus& status) {
    status_ = status;
    const std::array<std::uint64_t, SizeRowCount> bytes{status.totalPhys, status.availPhys, status.totalVirtual,
                                                        status.availVirtual, status.availPageFile};
    for (int row = 0; row < SizeRowCount; ++row) setRow(row, bytes[row]);
}

// A size of a kilobyte or less keeps the row's number and shows only the unit. A changed number
// redraws the details table; a changed unit alone shows at the next redraw.
void MemoryMonitor::setRow(int row, std::uint64_t bytes) {
    SizeText size = sizeText(bytes);
    SizeRow& shown = rows_[row];
    const bool numberChanged = size.number && *size.number != shown.number;
    if (shown.unit == size.unit && !numberChanged) return;
    shown.unit = size.unit;
    if (numberChanged) shown.number = *size.number;
    view_.showSizeRow(row, shown);
    if (numberChanged) redrawDetails();
}

double MemoryMonitor::total() const { return labelNumber(rows_[TotalPhysical].number); }

void MemoryMonitor::redrawDetails() {
    std::array<std::wstring, SizeRowCount> numbers, units;
    for (int row = 0; row < SizeRowCount; ++row) {
        numbers[row] = rows_[row].number;
        units[row] = rows_[row].unit;
    }
    drawDetails(view_.detailsCanvas(), numbers, units);
    view_.describeDetails(detailsText(numbers, units));
}

// The free share as the size rows show it; nothing for a total shown as 0.
std::optional<int> MemoryMonitor::freeShare() const {
    const SizeRow& free = rows_[AvailablePhysical];
    return gauge::freePercent(total(), gauge::freeMegabytes(labelNumber(free.number), free.unit));
}

// A total shown as 0 has no share to show: the tray and the gauge keep their last state.
void MemoryMonitor::monitorTick() {
    sample();
    const auto pct = freeShare();
    warningBytes_ = warningBytes(total(), view_.warningSteps(), totalUnit());
    if (pct) tray_.show(trayPicture(*pct), gauge::tip(*pct));
    if (!pct) return;
    if (pct != freePercent_) view_.describeGauge(gauge::spokenSentence(*pct));
    freePercent_ = pct;
    if (view_.panelShown()) gauge::draw(view_.gaugeCanvas(), *pct);
}

// The gauge's step, or the share as a number, on red while less is free than the warning size.
Picture MemoryMonitor::trayPicture(int pct) const {
    if (!numberInTray_) return levelPicture(gauge::level(pct));
    return numberPicture(pct, warningBytes_ > 0 && status_.availPhys < static_cast<std::uint64_t>(warningBytes_));
}

LowMemoryStep MemoryMonitor::warningTick(LowMemoryAction action, std::uint64_t nowMs) {
    refreshAmount();
    // Ten ticks a second: write only changes.
    const std::wstring size = digits(sliderAmount(total(), view_.warningSteps()));
    if (size != warningSize_) view_.showWarningSize(warningSize_ = size);

    gridShift_ = gridShift_ >= 10 ? 1 : gridShift_ + 1;
    if (view_.panelShown())
        drawHistoryGraph(view_.historyCanvas(), history_, gridShift_, view_.amountSteps(), view_.warningSteps());
    sample();
    const SizeRow& free = rows_[AvailablePhysical];
    pushHistory(history_, historyEntry(labelNumber(free.number), free.unit, total()));
    const auto pct = freeShare();
    if (pct && pct != newestPercent_) view_.describeHistory(historyText(*(newestPercent_ = pct)));

    const bool below = warningBytes_ > 0 && status_.availPhys < static_cast<std::uint64_t>(warningBytes_);
    if (!below || view_.amountSteps() <= view_.warningSteps()) {
        questionArmed_ = true;
        lastAutomaticRunEnd_.reset();
        return LowMemoryStep::Nothing;
    }
    switch (action) {
        case LowMemoryAction::SecureAtOnce:
            if (lastAutomaticRunEnd_ && nowMs - *lastAutomaticRunEnd_ < CoolDownMilliseconds) return LowMemoryStep::Nothing;
            return LowMemoryStep::Secure;
        case LowMemoryAction::Ask:
            if (!questionArmed_) return LowMemoryStep::Nothing;
            questionArmed_ = false;
            return LowMemoryStep::AskThenSecure;
        default: return LowMemoryStep::Nothing;
    }
}

void MemoryMonitor::redrawShown() {
    if (freePercent_) gauge::draw(view_.gaugeCanvas(), *freePercent_);
    drawHistoryGraph(view_.historyCanvas(), history_, gridShift_, view_.amountSteps(), view_.warningSteps());
}

void MemoryMonitor::refreshAmount() {
    const std::wstring amount = digits(sliderAmount(total(), view_.amountSteps()));
    if (amount != amount_) view_.showAmount(amount_ = amount);
}

void MemoryMonitor::warningSizeChanged() {
    warningBytes_ = warningBytes(total(), view_.warningSteps(), amountUnit_);
}

}  // namespace lark
