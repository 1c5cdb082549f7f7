// Shared pieces of the Win32 layer's tests: a recording WindowEvents and a fixture with a real Ui.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui.h"
#include "platform/win32/pictures.h"
#include "platform/win32/win32_ui.h"

namespace lark::win32::test {

struct Recorder : WindowEvents {
    std::vector<int> timers, commands, scrolls, trayCodes;
    std::vector<ShowState> resizes;
    int activations = 0, closes = 0, endSessions = 0, shellRestarts = 0, dpiChanges = 0;
    std::function<void(int)> whenTimer;
    std::function<void(int)> whenCommand;

    void onTimer(int id) override {
        timers.push_back(id);
        if (whenTimer) whenTimer(id);
    }
    void onCommand(int id) override {
        commands.push_back(id);
        if (whenCommand) whenCommand(id);
    }
    void onScroll(int id) override { scrolls.push_back(id); }
    void onActivate() override { ++activations; }
    void onResize(ShowState s) override { resizes.push_back(s); }
    void onClose() override { ++closes; }
    void onEndSession() override { ++endSessions; }
    void onTrayMouse(int code) override { trayCodes.push_back(code); }
    void onShellRestart() override { ++shellRestarts; }
    void onDpiChanged() override { ++dpiChanges; }
};

class UiTest : public ::testing::Test {
protected:
    std::unique_ptr<Window> make(const WindowSpec& desc) { return ui.createWindow(desc, events); }
    static HWND hwndOf(const Window& w) { return reinterpret_cast<HWND>(w.handle()); }
    // The child window with this control id, at any depth.
    static HWND child(const Window& w, int id);
    static std::wstring windowText(HWND hwnd);
    // Runs the message loop until `done` holds or `ms` milliseconds pass.
    bool pumpUntil(const std::function<bool()>& done, int ms = 2000);
    // Delivers a key press through the program's own loop handling.
    void key(HWND target, WPARAM vk);

    PictureCache pictures;
    Win32Ui ui{pictures};
    Recorder events;
};

// A window of the given style and client size, with no menu.
inline WindowSpec plainSpec(WindowStyle style, Size client, std::wstring title = L"") {
    WindowSpec s;
    s.title = std::move(title);
    s.style = style;
    s.client = client;
    return s;
}

// A screen-compatible bitmap selected into a memory DC, to print windows into and read back.
struct MemoryDc {
    MemoryDc(int w, int h) {
        HDC screen = ::GetDC(nullptr);
        dc = ::CreateCompatibleDC(screen);
        bitmap = ::CreateCompatibleBitmap(screen, w, h);
        ::ReleaseDC(nullptr, screen);
        old = ::SelectObject(dc, bitmap);
    }
    ~MemoryDc() {
        ::SelectObject(dc, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(dc);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    // Paints the client area of `hwnd` into the bitmap.
    void print(HWND hwnd) const { ::SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT); }

    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
};

inline ControlSpec desc(int id, Kind kind, Rect bounds, std::wstring caption = L"", int parent = 0) {
    ControlSpec s;
    s.id = id;
    s.kind = kind;
    s.bounds = bounds;
    s.caption = std::move(caption);
    s.parent = parent;
    return s;
}

inline Rgb pixel(HDC dc, int x, int y) {
    COLORREF c = ::GetPixel(dc, x, y);
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

// How many pixels of `area` in `dc` have this colour.
inline int countIn(HDC dc, Rgb colour, RECT area) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) n += pixel(dc, x, y) == colour;
    return n;
}

}  // namespace lark::win32::test

namespace lark {
inline void PrintTo(Rgb c, std::ostream* os) { *os << "rgb(" << int(c.r) << "," << int(c.g) << "," << int(c.b) << ")"; }
inline void PrintTo(Rect r, std::ostream* os) { *os << "rect(" << r.x << "," << r.y << " " << r.w << "x" << r.h << ")"; }
}  // namespace lark
