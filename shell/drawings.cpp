#include "shell/drawings.h"

#include <cmath>

#include "common/texts.h"
#include "monitor/history_graph.h"
#include "monitor/number_text.h"

namespace lark {

namespace {
constexpr Rgb Cyan{0, 255, 255}, Yellow{255, 255, 0}, Navy{0, 0, 128}, Blue{0, 0, 255}, Green{0, 255, 0};
constexpr Rgb Red{255, 0, 0}, Used{200, 80, 80}, Free{80, 80, 200};
constexpr std::size_t LabelChars = 6;
constexpr int ScaleRight = 44;  // one pixel left of the plot's frame
}  // namespace

std::wstring chartScaleLabel(double total, std::wstring_view unit, int i) {
    const auto n = static_cast<std::int64_t>(std::floor(total / 4 * (5 - i)));
    std::wstring label = digits(n) + std::wstring(unit);
    if (label.size() < LabelChars) label.insert(0, LabelChars - label.size(), L' ');
    return label;
}

void drawChartBackground(Canvas& c, double total, std::wstring_view unit) {
    c.text(100, 1, text(Text::GraphTitle), Cyan);
    // The labels end where the plot begins; a longer one extends to the left, down to the box's edge.
    for (int i = 1; i <= 5; ++i) c.textRight(ScaleRight, 17 * i, chartScaleLabel(total, unit, i), Yellow);
    for (int y = 15; y <= 95; y += 8) c.line(45, y, 245, y, Navy);
    c.line(45, 55, 245, 55, Blue);
    c.frameRect(45, 15, 245, 95, Green);
    c.keepAsBackground();
    c.clear();
}

void drawGaugeLegend(Canvas& c) {
    c.text(70, 5, text(Text::GaugeHeading), Cyan);
    c.text(120, 70, text(Text::GaugeUsed), Cyan);
    c.text(120, 90, text(Text::GaugeFree), Cyan);
    c.fillRect(10, 30, 240, 60, Used);
    c.frameRect(10, 30, 240, 60, Red);
    c.fillRect(90, 70, 115, 84, Used);
    c.fillRect(90, 90, 115, 104, Free);
}

void drawStatusStrip(Canvas& c, Rgb shadow, Rgb highlight) {
    c.frameRect(0, 230, 457, 244, shadow);
    c.line(457, 230, 457, 244, highlight);
    c.line(0, 244, 458, 244, highlight);
}

}  // namespace lark
