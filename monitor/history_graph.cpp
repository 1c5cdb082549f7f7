#include "monitor/history_graph.h"

#include <algorithm>
#include <cmath>

#include "common/texts.h"
#include "monitor/number_text.h"
#include "monitor/size_text.h"

namespace lark {

namespace {
constexpr Rgb Navy{0, 0, 128}, Green{0, 255, 0}, Blue{0, 0, 255}, LightBlue{155, 155, 255}, DarkRed{200, 0, 0},
    Magenta{255, 0, 255};
constexpr int Left = 45, Right = 245, Top = 15, Base = 95;
}  // namespace

std::int16_t historyEntry(double free, std::wstring_view freeUnit, double total) {
    double height = 0;
    if (freeUnit == UnitMB) {
        height = total > 0 ? free * (80 / total) : 0;
    } else {
        // The total's number is brought to the free row's unit the same way, and the sliver added.
        const double divisor = freeUnit == UnitKB ? 1024.0 : 1048576.0;
        height = std::floor(free / divisor) * (80 / (std::floor(total / divisor) + 1)) + 1;
    }
    // Figures that disagree (more free than there is in all) stay inside the plot.
    return static_cast<std::int16_t>(std::clamp(roundHalfEven(height), 0.0, 81.0));
}

std::wstring historyText(int newestPercent) { return text(Text::GraphSpoken, {numberText(newestPercent)}); }

void pushHistory(History& history, std::int16_t newest) {
    std::copy(history.begin() + 1, history.end(), history.begin());
    history.back() = newest;
}

void drawHistoryGraph(Canvas& c, const History& history, int gridShift, int amountSteps, int warningSteps) {
    c.clear();
    for (int i = 1; i <= 20; ++i) c.line(10 * i - gridShift + Left, Top + 1, 10 * i - gridShift + Left, Base, Navy);
    c.frameRect(Left, Top, Right, Base, Green);
    c.line(Left + 1, 55, Right - 1, 55, Blue);
    c.line(Left + 1, 94 - amountSteps, Right - 1, 94 - amountSteps, LightBlue, Pen::Dotted);
    c.line(Left + 1, 94 - warningSteps, Right - 1, 94 - warningSteps, DarkRed, Pen::Dotted);
    for (std::size_t i = 0; i + 1 < history.size(); ++i) {
        if (history[i] == NoEntry) continue;
        const int x = Left + 1 + static_cast<int>(i);
        c.line(x, Base - history[i], x + 1, Base - history[i + 1], Magenta);
    }
}

}  // namespace lark
