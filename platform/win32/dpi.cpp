#include "platform/win32/dpi.h"

#include <shellscalingapi.h>

namespace lark::win32 {

void enableDpiAwareness() {
    if (::SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) return;
    if (::GetLastError() == ERROR_ACCESS_DENIED) return;  // already set, by the manifest
    if (::SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE)) return;
    ::SetProcessDPIAware();
}

Scale scaleOf(HWND window) {
    UINT dpi = window ? ::GetDpiForWindow(window) : 0;
    return dpi ? Scale{dpi} : primaryScale();
}

static HMONITOR primaryMonitor() { return ::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY); }

Scale primaryScale() {
    UINT x = 0, y = 0;
    if (SUCCEEDED(::GetDpiForMonitor(primaryMonitor(), MDT_EFFECTIVE_DPI, &x, &y)) && x) return Scale{x};
    UINT system = ::GetDpiForSystem();
    return Scale{system ? system : DesignDpi};
}

RECT primaryWorkArea() {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (::GetMonitorInfoW(primaryMonitor(), &info)) return info.rcWork;
    return RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace lark::win32
