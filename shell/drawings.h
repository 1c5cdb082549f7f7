// The main panel's static drawings, made once at load (and again when the scale changes).
#pragma once

#include <string>
#include <string_view>

#include "platform/ui.h"

namespace lark {

// Scale label i (1 at the top, the total; 5 at the bottom, 0) of the history chart: right-aligned
// in six characters ("   0MB", " 512MB"); a longer label keeps every digit ("24105MB").
std::wstring chartScaleLabel(double total, std::wstring_view unit, int i);

// Picture2: title, scale and grid, then kept as the box's background.
void drawChartBackground(Canvas& canvas, double total, std::wstring_view unit);

// Picture1: the captions, the bar's area and the two swatches.
void drawGaugeLegend(Canvas& canvas);

// The window's own client area: the sunken strip around the status line.
void drawStatusStrip(Canvas& canvas, Rgb shadow, Rgb highlight);

}  // namespace lark
