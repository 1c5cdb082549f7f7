// The end-to-end driver: finds and drives another program's windows from outside, the way a user
// or an accessibility tool would, and prints what it finds as tab-separated lines.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace driver {

// Exit codes.
constexpr int Ok = 0;
constexpr int Failed = 1;  // timed out, not found, or the platform said no
constexpr int Usage = 2;

// --- output -----------------------------------------------------------------------------------

// One line of tab-separated fields, UTF-8, with \t \n \r and \\ escaped inside each field.
void emit(std::initializer_list<std::wstring_view> fields);
void error(std::wstring_view message);  // "error\t<message>" on standard error
std::wstring num(long long value);
std::wstring hex(std::uintptr_t value);

// --- windows ----------------------------------------------------------------------------------

std::wstring textOf(HWND window);      // WM_GETTEXT, marshalled across processes
std::wstring classOf(HWND window);
DWORD processOf(HWND window);
RECT clientRectOn(HWND window, HWND reference);  // window's own rect in reference's client coordinates

// A top-level window named on the command line: its exact title, or "hwnd:0x1234".
HWND findTopLevel(std::wstring_view desc, bool visibleOnly);
std::vector<HWND> topLevelWindows();
std::vector<HWND> descendants(HWND window);
// A child control by numeric id (e.g. "116") or, failing that, by its exact text.
HWND findControl(HWND top, std::wstring_view idOrText);

// Polls every few milliseconds; true when the predicate held before the timeout.
template <typename Predicate>
bool waitFor(DWORD timeoutMs, Predicate predicate) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (predicate()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(10);
    }
}

// --- notification area (tray.cpp) ---------------------------------------------------------------

int cmdTrayProbe(const std::vector<std::wstring>& args);
int cmdTrayDelete(const std::vector<std::wstring>& args);
int cmdBroadcast(const std::vector<std::wstring>& args);

// --- screen -----------------------------------------------------------------------------------

// Copies the window's client area as the screen shows it into a 24-bit BMP file.
bool captureClient(HWND window, const std::wstring& path);

}  // namespace driver
