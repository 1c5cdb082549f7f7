// The history graph of free physical memory: its entries and its drawing. The plot spans x 45 to 245
// and y 15 (all of physical memory) to 95 (nothing free); one entry a tick, the newest on the right.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ui.h"

namespace lark {

using History = std::array<std::int16_t, 200>;  // oldest first; -1 marks an empty slot
inline constexpr std::int16_t NoEntry = -1;

// The height of a sample above the base line: the free share of the total scaled to 80 pixels. `free`
// and `total` are the numbers the size rows show, `freeUnit` the free row's unit. Readings of a megabyte
// or less (KB, Byte) show as a sliver. Always within 0 to 81.
std::int16_t historyEntry(double free, std::wstring_view freeUnit, double total);

// The graph's text, for screen readers: its title and the newest sample's free share, "メモリ空き容量 57%".
std::wstring historyText(int newestPercent);

// Moves every entry one slot to the left and puts `newest` at the right end.
void pushHistory(History& history, std::int16_t newest);

// Draws the graph over the box's background picture (scale and horizontal grid): the vertical grid
// shifted left by `gridShift` (1 to 10) pixels, the frame, the half-way line, the dotted amount and
// warning levels of the two sliders, and the history.
void drawHistoryGraph(Canvas& canvas, const History& history, int gridShift, int amountSteps, int warningSteps);

}  // namespace lark
