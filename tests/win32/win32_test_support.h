// Shared pieces of the Win32 layer's tests: a recording WindowEvents, a fixture with a real Ui, and
// pixels read back from device contexts.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui.h"
#include "platform/win32/dpi.h"
#include "platform/win32/pictures.h"
#include "platform/win32/win32_ui.h"

namespace lark::win32::test {

struct Recorder : WindowEvents {
    std::vector<int> commands, trayCodes;
    int closes = 0, endSessions = 0, shellRestarts = 0, dpiChanges = 0;
    std::function<void()> whenTimer;

    void onTimer(int) override { whenTimer ? whenTimer() : void(); }
    void onCommand(int id) override { commands.push_back(id); }
    void onClose() override { ++closes; }
    void onEndSession() override { ++endSessions; }
    void onTrayMouse(int code) override { trayCodes.push_back(code); }
    void onShellRestart() override { ++shellRestarts; }
    void onDpiChanged() override { ++dpiChanges; }
};

// Sizes and pixels below are those of the design layout at 96 DPI.
class UiTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (primaryScale().dpi != DesignDpi) GTEST_SKIP() << "the display is not at 96 DPI";
    }
    std::unique_ptr<Window> make(WindowStyle style, Size client, std::wstring title = L"") {
        return ui.createWindow(WindowSpec{std::move(title), style, client, {}, {}}, events);
    }
    static HWND hwndOf(const Window& w) { return reinterpret_cast<HWND>(w.handle()); }
    static HWND child(const Window& w, int id) {  // at any depth
        std::pair<int, HWND> search{id, nullptr};
        ::EnumChildWindows(hwndOf(w), [](HWND h, LPARAM p) {
            auto* s = reinterpret_cast<std::pair<int, HWND>*>(p);
            return ::GetDlgCtrlID(h) == s->first ? (s->second = h, FALSE) : TRUE;
        }, reinterpret_cast<LPARAM>(&search));
        return search.second;
    }
    void key(HWND target, WPARAM vk) {  // through the program's own message handling
        MSG msg{target, WM_KEYDOWN, vk, 1, 0, {}};
        ui.process(msg);
    }

    PictureCache pictures;
    Win32Ui ui{pictures};
    Recorder events;
};

inline ControlSpec desc(int id, Kind kind, Rect bounds, std::wstring caption = L"", int parent = 0) {
    ControlSpec s;
    s.id = id, s.kind = kind, s.bounds = bounds, s.caption = std::move(caption), s.parent = parent;
    return s;
}

inline Rgb pixel(HDC dc, int x, int y) {
    COLORREF c = ::GetPixel(dc, x, y);
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

inline int countIn(HDC dc, Rgb colour, RECT area) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) n += pixel(dc, x, y) == colour;
    return n;
}

// A window's client area printed into a screen-compatible bitmap, to read back.
struct Printed {
    Printed(HWND hwnd, int w, int h) {
        HDC screen = ::GetDC(nullptr);
        dc = ::CreateCompatibleDC(screen);
        old = ::SelectObject(dc, bitmap = ::CreateCompatibleBitmap(screen, w, h));
        ::ReleaseDC(nullptr, screen);
        RECT all{0, 0, w, h};
        ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        ::SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    }
    ~Printed() { ::SelectObject(dc, old), ::DeleteObject(bitmap), ::DeleteDC(dc); }
    Printed(const Printed&) = delete;
    Printed& operator=(const Printed&) = delete;
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
};

}  // namespace lark::win32::test
