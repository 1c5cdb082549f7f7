// Design pixels (the layout at 96 dots per inch) to device pixels, and the process's DPI awareness.
#pragma once

#include <windows.h>

#include "platform/ui.h"

namespace lark::win32 {

constexpr unsigned DesignDpi = 96;

struct Scale {
    unsigned dpi = DesignDpi;

    // A design coordinate as a device coordinate: rounded to the nearest pixel, exact at 96 DPI.
    int px(int design) const { return ::MulDiv(design, static_cast<int>(dpi), DesignDpi); }
    int design(int device) const { return ::MulDiv(device, DesignDpi, static_cast<int>(dpi)); }
    RECT rect(const Rect& r) const { return {px(r.x), px(r.y), px(r.x + r.w), px(r.y + r.h)}; }
    int penWidth() const { int w = px(1); return w < 1 ? 1 : w; }
    friend bool operator==(Scale, Scale) = default;
};

// Per-monitor v2 when the manifest has not already made the process aware (older systems: per-monitor,
// then system-wide).
void enableDpiAwareness();

Scale scaleOf(HWND window);
Scale primaryScale();
// The primary monitor: its whole area and its work area, in device pixels.
RECT primaryWorkArea();

}  // namespace lark::win32
