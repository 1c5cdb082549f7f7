// Windows and controls against the real API: the keyboard, tray callbacks, the session's end, modal
// dialogs, popup menus and a change of DPI.
#include "win32_test_support.h"

namespace lark::win32::test {
namespace {

class WindowTest : public UiTest {
protected:
    std::unique_ptr<Window> panel() { return make(WindowStyle::Main, {458, 245}, L"Larkspan    "); }
};

// Tab follows creation order across containers; Enter runs the focused or else the default
// button, Escape only a cancel button; arrows move and tick within an option group.
TEST_F(WindowTest, KeyboardWalksTheControlsAndRunsTheButtons) {
    auto w = panel();
    w->add(desc(1, Kind::Button, {10, 10, 80, 25}, L"設定"));
    w->add(desc(2, Kind::Frame, {10, 40, 200, 100}, L"枠"));
    ControlSpec o = desc(3, Kind::Option, {10, 20, 100, 17}, L"甲", 2);
    o.group = 1;
    CheckBox& first = w->addCheck(o);
    o.id = 4, o.bounds.y = 40, o.caption = L"乙", o.value = 1;
    CheckBox& second = w->addCheck(o);
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
    key(hwndOf(*w), VK_ESCAPE);
    ControlSpec cancel = desc(7, Kind::Button, {100, 10, 80, 25}, L"キャンセル");
    cancel.cancel = true;
    w->add(cancel);
    key(hwndOf(*w), VK_ESCAPE);
    EXPECT_EQ(events.commands, (std::vector<int>{1, 6, 3, 7}));
}

TEST_F(WindowTest, HiddenWindowTakesTrayCallbacksAndTaskbarRestarts) {
    auto host = make(WindowStyle::Hidden, {100, 50}, L"だみい");
    ::SendMessageW(hwndOf(*host), WM_MOUSEMOVE, 0, WM_RBUTTONDOWN);
    ::SendMessageW(hwndOf(*host), WM_MOUSEMOVE, 0, WM_LBUTTONDBLCLK);
    ::SendMessageW(HWND_BROADCAST, ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);  // reaches top-level windows only
    auto main = panel();  // an ordinary window's mouse moves are not tray callbacks
    ::SendMessageW(hwndOf(*main), WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    EXPECT_EQ(events.trayCodes, (std::vector<int>{516, 515}));
    EXPECT_EQ(events.shellRestarts, 1);
}

// The owner decides what closing means; the end of the session reaches it only when it does end.
TEST_F(WindowTest, CloseAndEndSessionGoToTheOwner) {
    auto w = panel();
    ::SendMessageW(hwndOf(*w), WM_CLOSE, 0, 0);
    EXPECT_EQ(::SendMessageW(hwndOf(*w), WM_QUERYENDSESSION, 0, 0), TRUE);
    ::SendMessageW(hwndOf(*w), WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(std::pair(events.closes, events.endSessions), std::pair(1, 0));
    ::SendMessageW(hwndOf(*w), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(std::pair(::IsWindow(hwndOf(*w)), events.endSessions), std::pair(TRUE, 1));
}

TEST_F(WindowTest, ModalDialogDisablesItsOwnerAndMayBeDestroyedFromItsOwnHandler) {
    auto main = panel();
    main->show(ShowState::Normal);
    main->bringForward();
    for (bool destroy : {false, true}) {
        auto dialog = make(WindowStyle::Dialog, {401, 182}, L"Larkspan オプション");
        Window* raw = dialog.get();
        EXPECT_EQ(::GetWindow(hwndOf(*raw), GW_OWNER), hwndOf(*main));  // off the taskbar
        bool ownerDisabled = false;
        events.whenTimer = [&] {
            ownerDisabled = !::IsWindowEnabled(hwndOf(*main));
            destroy ? dialog.reset() : raw->close();  // the owner may unload the window object itself
        };
        raw->startTimer(1, 10);
        raw->runModal();
        events.whenTimer = nullptr;
        EXPECT_TRUE(ownerDisabled);
        EXPECT_TRUE(::IsWindowEnabled(hwndOf(*main)));
        EXPECT_EQ(dialog == nullptr, destroy);
    }
}

TEST_F(WindowTest, PopupMenuRunsTheChosenItem) {
    auto host = make(WindowStyle::Hidden, {100, 50});
    // The menu's own loop reads the keys already queued: down to the first item, then Enter.
    ::PostMessageW(hwndOf(*host), WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageW(hwndOf(*host), WM_KEYDOWN, VK_RETURN, 0);
    host->showPopupMenu({{210, L"システムメモリの詳細", L"F6", {}}, {}, {211, L"終了(&X)", L"F9", {}}});
    EXPECT_EQ(events.commands, std::vector<int>{210});
}

TEST_F(WindowTest, DpiChangeRescalesTheWindowItsControlsAndCanvases) {
    auto w = panel();
    ControlSpec box = desc(1, Kind::Picture, {0, 0, 100, 50});
    box.defaultBackground = false;  // black
    PictureBox& picture = w->addPicture(box);
    picture.canvas().fillRect(10, 10, 19, 19, {255, 0, 0});
    picture.canvas().keepAsBackground();
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
    Printed out(child(*w, 1), 150, 75);  // the kept drawing, rendered again at the new scale
    EXPECT_EQ(countIn(out.dc, {255, 0, 0}, {0, 0, 150, 75}), 15 * 15);
    EXPECT_EQ(pixel(out.dc, 15, 15), (Rgb{255, 0, 0}));
}

}  // namespace
}  // namespace lark::win32::test
