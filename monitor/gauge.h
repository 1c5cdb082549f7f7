// The monitor tick's arithmetic and the gauge panel's drawing, apart from the window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/texts.h"
#include "platform/ui.h"

namespace lark::gauge {

// F: the free amount shown as `shown` in `unit`, brought to whole megabytes.
std::int64_t freeMegabytes(double shown, std::wstring_view unit);

// pct: the free share of `total` (the number of the total's row) in whole percent, rounded down
// and kept within 0 to 100. Nothing when the total shows as 0: there is no share to show.
std::optional<int> freePercent(double total, std::int64_t freeMb);

// k: the tray gauge picture for a percentage, 1 (empty) to 12 (full).
int level(int pct);

// The tray tip: "Larkspan -57%の空きメモリ", "Larkspan - 57% free".
std::wstring tip(int pct);

// The gauge sentence as drawn: " 97%の空きメモリが存在します".
std::wstring sentence(int pct);
// The same sentence as the gauge panel's text, for screen readers: "97%の空きメモリが存在します".
std::wstring spokenSentence(int pct);

// The free part's left edge on the bar, or nothing when the free part is too thin to draw.
std::optional<int> freeEdge(int pct);

// The gauge panel for one tick, over whatever the last tick drew.
void draw(Canvas& canvas, int pct);

}  // namespace lark::gauge

namespace lark {

// One slider step is 1/78 of the total: the amount for `value` steps, in the total's unit.
std::int64_t sliderAmount(double total, int value);

// The warning level in bytes for the warning slider's `value`, the total's unit being `unit`.
std::int64_t warningBytes(double total, int value, std::wstring_view unit);

}  // namespace lark
