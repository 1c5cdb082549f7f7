// The user interface against the real API, read back pixel by pixel where it draws: drawing
// surfaces, the keyboard, tray callbacks, the session's end and a change of DPI.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui.h"
#include "platform/win32/dpi.h"
#include "platform/win32/fonts.h"
#include "platform/win32/pictures.h"
#include "platform/win32/surface.h"
#include "platform/win32/win32_ui.h"

namespace lark::win32::test {
namespace {

constexpr Rgb White{255, 255, 255}, Red{255, 0, 0}, Green{0, 255, 0};

int countIn(HDC dc, Rgb colour, RECT area) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF c = ::GetPixel(dc, x, y);
            n += Rgb{GetRValue(c), GetGValue(c), GetBValue(c)} == colour;
        }
    return n;
}

class CanvasTest : public ::testing::Test {
protected:
    int count(Rgb colour, RECT area) const { return countIn(surface.imageDc(), colour, area); }
    bool is(Rgb colour, int x, int y) const { return count(colour, {x, y, x + 1, y + 1}) == 1; }

    FontCache fonts;
    PictureCache pictures;
    Surface surface{fonts, pictures, SurfaceLook{{120, 40}, Font{}, White, Picture::None}, Scale{}};
};

// Rectangles include both corners, given in any order; lines leave out their end point.
TEST_F(CanvasTest, ShapesCoverExactlyTheirPixels) {
    struct Case { std::function<void(Canvas&)> draw; RECT area; int pixels; std::vector<POINT> in, out; } cases[] = {
        {[](Canvas& c) { c.fillRect(5, 6, 2, 3, Red); }, {0, 0, 20, 20}, 16, {{2, 3}, {5, 6}}, {{6, 6}, {5, 7}}},
        {[](Canvas& c) { c.frameRect(17, 17, 10, 10, Red); }, {0, 0, 20, 20}, 28, {{10, 10}, {17, 10}, {13, 17}}, {{13, 13}}},
        {[](Canvas& c) { c.line(2, 5, 8, 5, Red); }, {0, 5, 20, 6}, 6, {{2, 5}}, {{8, 5}}},
        {[](Canvas& c) { c.line(8, 7, 2, 7, Red); }, {0, 7, 20, 8}, 6, {{8, 7}}, {{2, 7}}},
        {[](Canvas& c) { c.line(15, 2, 15, 12, Red); }, {15, 0, 16, 20}, 10, {{15, 2}}, {{15, 12}}},
        {[](Canvas& c) { c.line(0, 10, 5, 15, Red); }, {0, 0, 20, 20}, 5, {{0, 10}, {4, 14}}, {{5, 15}}},
    };
    for (const Case& c : cases) {
        surface.clear();  // nothing kept: the base colour
        c.draw(surface);
        EXPECT_EQ(count(Red, c.area), c.pixels) << &c - cases;
        for (POINT p : c.in) EXPECT_TRUE(is(Red, p.x, p.y)) << &c - cases << ": " << p.x << "," << p.y;
        for (POINT p : c.out) EXPECT_TRUE(is(White, p.x, p.y)) << &c - cases << ": " << p.x << "," << p.y;
    }
}

TEST_F(CanvasTest, ClearGoesBackToTheKeptBackgroundWhichARescaleRendersAgain) {
    surface.frameRect(2, 2, 7, 7, Red);
    surface.keepAsBackground();
    surface.fillRect(10, 10, 14, 14, Green);
    surface.clear();
    EXPECT_TRUE(is(White, 12, 12) && is(Red, 2, 2));
    surface.fillRect(10, 10, 12, 12, Green);
    surface.rescale(Scale{192});  // every design pixel becomes two by two, drawn anew rather than stretched
    EXPECT_EQ(count(Red, {4, 4, 6, 6}), 4);
    EXPECT_TRUE(is(White, 6, 6) && is(White, 22, 22));  // inside the frame; the drawing layer is gone
    for (int i = 0; i < 5000; ++i) surface.fillRect(i % 20, 19, i % 20, 19, i % 2 ? Red : Green);  // past any record
    surface.keepAsBackground();
    surface.clear();
    EXPECT_TRUE(is(Red, 39, 39) && is(Red, 4, 4));
}

struct Recorder : WindowEvents {
    std::vector<int> commands, trayCodes;
    int endSessions = 0, dpiChanges = 0;
    void onCommand(int id) override { commands.push_back(id); }
    void onEndSession() override { ++endSessions; }
    void onTrayMouse(int code) override { trayCodes.push_back(code); }
    void onDpiChanged() override { ++dpiChanges; }
};

// Sizes and positions below are those of the design layout at 96 DPI.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (primaryScale().dpi != DesignDpi) GTEST_SKIP() << "the display is not at 96 DPI";
    }
    std::unique_ptr<Window> make(WindowStyle style, Size client, std::wstring title = L"") {
        return ui.createWindow(WindowSpec{std::move(title), style, client, {}, {}}, events);
    }
    std::unique_ptr<Window> panel() { return make(WindowStyle::Main, {458, 245}, L"Larkspan    "); }
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
    static ControlSpec desc(int id, Kind kind, Rect bounds, std::wstring caption = L"") {
        return {.id = id, .kind = kind, .bounds = bounds, .caption = std::move(caption)};
    }

    PictureCache pictures;
    Win32Ui ui{pictures};
    Recorder events;
};

// Tab follows creation order across containers; Enter runs the focused or else the default
// button; arrows move and tick within an option group. (Escape: the about box's journey.)
TEST_F(WindowTest, KeyboardWalksTheControlsAndRunsTheButtons) {
    auto w = panel();
    w->add(desc(1, Kind::Button, {10, 10, 80, 25}, L"設定"));
    w->add(desc(2, Kind::Frame, {10, 40, 200, 100}, L"枠"));
    CheckBox& first = w->addCheck({.id = 3, .kind = Kind::Option, .parent = 2, .bounds = {10, 20, 100, 17}, .caption = L"甲", .group = 1});
    CheckBox& second = w->addCheck(
        {.id = 4, .kind = Kind::Option, .parent = 2, .bounds = {10, 40, 100, 17}, .caption = L"乙", .value = 1, .group = 1});
    w->add(desc(5, Kind::Label, {220, 10, 80, 12}, L"札"));  // not a stop
    w->add(desc(6, Kind::DefaultButton, {220, 40, 80, 25}, L"空き領域確保"));
    w->show(ShowState::Normal);

    ::SetFocus(child(*w, 1));
    for (int next : {4, 6, 1}) {  // the ticked option holds its group's stop
        key(::GetFocus(), VK_TAB);
        EXPECT_EQ(::GetDlgCtrlID(::GetFocus()), next);
    }
    key(child(*w, 1), VK_RETURN);
    ::SetFocus(child(*w, 4));
    key(child(*w, 4), VK_RETURN);
    key(child(*w, 4), VK_UP);  // the frame passes the option's command on
    EXPECT_EQ(::GetDlgCtrlID(::GetFocus()), 3);
    EXPECT_EQ(std::pair(first.value(), second.value()), std::pair(1, 0));
    EXPECT_EQ(events.commands, (std::vector<int>{1, 6, 3}));
}

// The hidden host takes tray callbacks (taskbar restarts: test_tray.py); the end of the session reaches the
// owner only when the session does end. (Closing is the owner's: test_options.py's panel stays behind a dialog.)
TEST_F(WindowTest, TrayCallbacksAndTheEndOfTheSessionGoToTheOwner) {
    auto host = make(WindowStyle::Hidden, {100, 50}, L"だみい");
    // The keyboard's selection and context menu read as the mouse's; the shell's extra select is dropped.
    for (LPARAM code : {LPARAM{WM_CONTEXTMENU}, LPARAM{NIN_KEYSELECT}, LPARAM{NIN_SELECT}, LPARAM{WM_RBUTTONDOWN}, LPARAM{WM_LBUTTONDBLCLK}})
        ::SendMessageW(hwndOf(*host), WM_MOUSEMOVE, 0, code);
    auto w = panel();  // an ordinary window's mouse moves are not tray callbacks
    ::SendMessageW(hwndOf(*w), WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    EXPECT_EQ(::SendMessageW(hwndOf(*w), WM_QUERYENDSESSION, 0, 0), TRUE);
    ::SendMessageW(hwndOf(*w), WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(events.endSessions, 0);
    ::SendMessageW(hwndOf(*w), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(events.trayCodes, (std::vector<int>{516, 513, 516, 515}));
    EXPECT_EQ(std::pair(events.endSessions, ::IsWindow(hwndOf(*w))), std::pair(1, TRUE));
}

TEST_F(WindowTest, DpiChangeRescalesTheWindowItsControlsAndCanvases) {
    auto w = panel();
    auto& canvas = dynamic_cast<Surface&>(w->addPicture(desc(1, Kind::Picture, {0, 0, 100, 50})).canvas());
    canvas.fillRect(10, 10, 19, 19, {255, 0, 0});
    canvas.keepAsBackground();
    w->add(desc(2, Kind::Button, {20, 60, 60, 24}, L"設定"));
    RECT outer, client, button;
    ::GetWindowRect(hwndOf(*w), &outer);
    RECT suggested{outer.left, outer.top, outer.left + (outer.right - outer.left) * 3 / 2, outer.top + (outer.bottom - outer.top) * 3 / 2};
    ::SendMessageW(hwndOf(*w), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(events.dpiChanges, 1);
    ::GetClientRect(hwndOf(*w), &client);
    EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(687L, 368L));  // 458 x 245, times 1.5, rounded
    ::GetWindowRect(child(*w, 2), &button);
    ::MapWindowPoints(nullptr, hwndOf(*w), reinterpret_cast<POINT*>(&button), 2);
    EXPECT_EQ((std::vector<LONG>{button.left, button.top, button.right - button.left}), (std::vector<LONG>{30, 90, 90}));
    EXPECT_EQ(countIn(canvas.imageDc(), {255, 0, 0}, {0, 0, 150, 75}), 15 * 15);  // the kept drawing, drawn anew
}

}  // namespace
}  // namespace lark::win32::test
