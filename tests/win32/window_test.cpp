// Windows and controls against the real API: geometry, window texts, events and the keyboard.
#include "win32_test_support.h"

#include <commctrl.h>

#include "platform/win32/dpi.h"

namespace lark::win32::test {
namespace {

WindowSpec mainSpec() {
    WindowSpec s;
    s.title = L"Larkspan    ";
    s.style = WindowStyle::Main;
    s.client = {458, 245};
    s.menu = {MenuItem{0, L"ツール(&T)", L"", {MenuItem{201, L"空き領域確保(&R)", L"F4", {}}, MenuItem{},
                                               MenuItem{203, L"終了(&X)", L"", {}}}}};
    s.accelerators = {Accelerator{VK_F4, false, 201}};
    return s;
}

class WindowTest : public UiTest {
protected:
    void SetUp() override {
        if (primaryScale().dpi != DesignDpi) GTEST_SKIP() << "the display is not at 96 DPI";
    }
};

TEST_F(WindowTest, ClientAreaIsTheDesignSizeForEveryStyle) {
    struct Case {
        WindowStyle style;
        Size client;
        bool menu;
    } cases[] = {{WindowStyle::Main, {458, 245}, true},
                 {WindowStyle::Splash, {312, 136}, false},
                 {WindowStyle::Dialog, {401, 182}, false},
                 {WindowStyle::Hidden, {100, 50}, false}};
    for (const Case& c : cases) {
        WindowSpec s = mainSpec();
        s.style = c.style;
        s.client = c.client;
        if (!c.menu) s.menu.clear();
        auto w = make(s);
        RECT client{};
        ASSERT_TRUE(::GetClientRect(hwndOf(*w), &client));
        EXPECT_EQ(client.right, c.client.w) << static_cast<int>(c.style);
        EXPECT_EQ(client.bottom, c.client.h) << static_cast<int>(c.style);
        EXPECT_EQ(::GetMenu(hwndOf(*w)) != nullptr, c.menu);
    }
}

TEST_F(WindowTest, StylesKeepDialogsAndTheSplashOffTheTaskbar) {
    auto main = make(mainSpec());
    WindowSpec s = mainSpec();
    s.menu.clear();
    s.style = WindowStyle::Splash;
    auto splash = make(s);
    s.style = WindowStyle::Dialog;
    auto dialog = make(s);

    LONG mainStyle = ::GetWindowLongW(hwndOf(*main), GWL_STYLE);
    EXPECT_TRUE(mainStyle & WS_MINIMIZEBOX);
    EXPECT_FALSE(mainStyle & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_NE(::GetWindowLongW(hwndOf(*splash), GWL_STYLE) & WS_CAPTION, WS_CAPTION);  // a border, no title
    EXPECT_TRUE(::GetWindowLongW(hwndOf(*splash), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(::GetWindowLongW(hwndOf(*dialog), GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_NE(::GetWindow(hwndOf(*dialog), GW_OWNER), nullptr);  // owned windows stay off the taskbar
}

TEST_F(WindowTest, OpensCentredOnTheScreen) {
    auto w = make(mainSpec());
    RECT work = primaryWorkArea();
    Rect f = w->frame();
    EXPECT_NEAR(f.x + f.w / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR(f.y + f.h / 2, (work.top + work.bottom) / 2, 1);
    w->moveTo(10, 20);
    EXPECT_EQ(w->frame().x, 10);
    EXPECT_EQ(w->frame().y, 20);
}

TEST_F(WindowTest, EveryControlCarriesItsCaptionHiddenOnesIncluded) {
    auto w = make(mainSpec());
    w->addPicture(desc(1, Kind::Picture, {0, 0, 457, 227}));
    w->add(desc(2, Kind::Frame, {272, 16, 177, 75}, L"システムメモリ詳細", 1)).setVisible(false);
    ControlSpec hidden = desc(3, Kind::Label, {8, 16, 80, 12}, L"全物理メモリ", 2);
    w->add(hidden);
    ControlSpec invisible = desc(4, Kind::Label, {4, 232, 449, 17}, L"システムメモリ監視中");
    invisible.visible = false;
    Control& status = w->add(invisible);
    w->add(desc(5, Kind::Button, {264, 200, 57, 25}, L"設定", 1));
    w->addCheck(desc(6, Kind::CheckBox, {10, 10, 100, 17}, L"最小化で起動する", 1));

    EXPECT_EQ(windowText(child(*w, 2)), L"システムメモリ詳細");
    EXPECT_EQ(windowText(child(*w, 3)), L"全物理メモリ");
    EXPECT_EQ(windowText(child(*w, 4)), L"システムメモリ監視中");
    EXPECT_EQ(windowText(child(*w, 5)), L"設定");
    EXPECT_EQ(windowText(child(*w, 6)), L"最小化で起動する");
    EXPECT_FALSE(::IsWindowVisible(child(*w, 3)));  // inside the hidden frame
    EXPECT_FALSE(status.visible());
    // Children of containers are real children of the container's window.
    EXPECT_EQ(::GetParent(child(*w, 3)), child(*w, 2));
    EXPECT_EQ(::GetParent(child(*w, 2)), child(*w, 1));

    const std::wstring result = L"クリーンアップにより 2.8MBのシステムメモリ確保に成功しました。";
    status.setText(result);
    EXPECT_EQ(windowText(child(*w, 4)), result);
    EXPECT_EQ(status.text(), result);
}

TEST_F(WindowTest, ControlsSitAtTheirDesignBoundsAndLaterOnesLieOverEarlierOnes) {
    auto w = make(mainSpec());
    w->addPicture(desc(1, Kind::Picture, {0, 0, 457, 227}));
    Control& image = w->add(desc(2, Kind::Image, {-8, -8, 273, 126}, L"", 1));
    w->addPicture(desc(3, Kind::Picture, {0, 280, 457, 227}));
    auto bounds = [&](int id) {
        RECT r;
        ::GetWindowRect(child(*w, id), &r);
        ::MapWindowPoints(nullptr, ::GetParent(child(*w, id)), reinterpret_cast<POINT*>(&r), 2);
        return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
    };
    EXPECT_EQ(bounds(2), (Rect{-8, -8, 273, 126}));  // within its container
    image.move(0, 280);
    EXPECT_EQ(bounds(2).y, 280);
    // Higher in the z-order comes first among the siblings.
    EXPECT_EQ(::GetWindow(hwndOf(*w), GW_CHILD), child(*w, 3));
    EXPECT_EQ(::GetWindow(child(*w, 3), GW_HWNDNEXT), child(*w, 1));
}

TEST_F(WindowTest, ScrollBarReportsEveryChangeOnceAndClampsToItsRange) {
    auto w = make(mainSpec());
    w->addPicture(desc(1, Kind::Picture, {0, 0, 457, 227}));
    ControlSpec s = desc(10, Kind::ScrollBar, {264, 140, 185, 17}, L"", 1);
    s.min = 0, s.max = 68, s.value = 55, s.largeStep = 6;
    ScrollBar& bar = w->addScrollBar(s);
    HWND h = child(*w, 10);
    EXPECT_EQ(::GetScrollPos(h, SB_CTL), 55);

    bar.setValue(55);
    EXPECT_TRUE(events.scrolls.empty());
    bar.setValue(20);
    EXPECT_EQ(events.scrolls, std::vector<int>{10});
    EXPECT_EQ(::GetScrollPos(h, SB_CTL), 20);
    bar.setValue(99);
    EXPECT_EQ(bar.value(), 68);
    bar.setValue(99);  // clamped to the value it has: no change
    EXPECT_EQ(events.scrolls.size(), 2u);

    // The user's scrolling, as the control reports it to its container (a picture box here).
    HWND container = child(*w, 1);
    auto scroll = [&](int code, int thumb = 0) {
        ::SendMessageW(container, WM_HSCROLL, MAKEWPARAM(code, thumb), reinterpret_cast<LPARAM>(h));
    };
    events.scrolls.clear();
    // Each code with its thumb position and the value after it. The end of a drag, the end of
    // scrolling and moves past either end change nothing and report nothing.
    const int steps[][3] = {{SB_PAGELEFT, 0, 62}, {SB_LINELEFT, 0, 61},  {SB_THUMBTRACK, 30, 30},
                            {SB_THUMBPOSITION, 30, 30}, {SB_ENDSCROLL, 0, 30}, {SB_LEFT, 0, 0},
                            {SB_LINELEFT, 0, 0},  {SB_PAGERIGHT, 0, 6}, {SB_RIGHT, 0, 68},
                            {SB_PAGERIGHT, 0, 68}};
    for (const auto& step : steps) {
        scroll(step[0], step[1]);
        EXPECT_EQ(bar.value(), step[2]) << step[0];
    }
    EXPECT_EQ(events.scrolls.size(), 6u);
    EXPECT_EQ(::GetScrollPos(h, SB_CTL), 68);
}

TEST_F(WindowTest, FocusedScrollBarFollowsTheKeyboard) {
    auto w = make(mainSpec());
    ControlSpec s = desc(10, Kind::ScrollBar, {264, 176, 185, 17});
    s.min = 0, s.max = 28, s.value = 5, s.largeStep = 4;
    ScrollBar& bar = w->addScrollBar(s);
    HWND h = child(*w, 10);
    w->show(ShowState::Normal);
    ::SetFocus(h);
    auto press = [&](WPARAM vk) {
        ::SendMessageW(h, WM_KEYDOWN, vk, 1);
        ::SendMessageW(h, WM_KEYUP, vk, 1);
    };
    for (auto [vk, value] : {std::pair<WPARAM, int>{VK_RIGHT, 6}, {VK_LEFT, 5}, {VK_LEFT, 4}, {VK_NEXT, 8},
                             {VK_PRIOR, 4}, {VK_END, 28}, {VK_HOME, 0}}) {
        press(vk);
        EXPECT_EQ(bar.value(), value) << vk;
    }
    EXPECT_EQ(events.scrolls.size(), 7u);
}

TEST_F(WindowTest, ButtonsMenusAndAcceleratorsSendTheirCommands) {
    auto w = make(mainSpec());
    w->add(desc(2, Kind::Frame, {8, 8, 200, 100}, L"枠"));
    w->add(desc(20, Kind::Button, {10, 20, 80, 25}, L"中止(&S)", 2));
    ::SendMessageW(child(*w, 20), BM_CLICK, 0, 0);  // inside a frame: the frame passes it on
    ::SendMessageW(hwndOf(*w), WM_COMMAND, MAKEWPARAM(203, 0), 0);  // menu item
    key(hwndOf(*w), VK_F4);  // accelerator
    EXPECT_EQ(events.commands, (std::vector<int>{20, 203, 201}));

    // The menu bar shows the shortcut beside the caption.
    wchar_t caption[64] = {};
    HMENU tools = ::GetSubMenu(::GetMenu(hwndOf(*w)), 0);
    ::GetMenuStringW(tools, 201, caption, 64, MF_BYCOMMAND);
    EXPECT_STREQ(caption, L"空き領域確保(&R)\tF4");
}

TEST_F(WindowTest, CheckBoxesAndOptionGroups) {
    auto w = make(mainSpec());
    CheckBox& check = w->addCheck(desc(30, Kind::CheckBox, {10, 10, 150, 17}, L"確保予約を設定する"));
    ControlSpec o = desc(31, Kind::Option, {10, 30, 150, 17}, L"自動", 0);
    o.group = 1;
    o.value = 1;
    CheckBox& a = w->addCheck(o);
    o.id = 32, o.value = 0, o.bounds.y = 50;
    CheckBox& b = w->addCheck(o);
    o.id = 33, o.group = 2, o.value = 1, o.bounds.y = 70;
    CheckBox& other = w->addCheck(o);

    ::SendMessageW(child(*w, 30), BM_CLICK, 0, 0);
    EXPECT_EQ(check.value(), 1);
    ::SendMessageW(child(*w, 32), BM_CLICK, 0, 0);
    EXPECT_EQ(a.value(), 0);
    EXPECT_EQ(b.value(), 1);
    EXPECT_EQ(other.value(), 1);  // another group
    a.setValue(1);
    EXPECT_EQ(b.value(), 0);
    EXPECT_EQ(events.commands, (std::vector<int>{30, 32}));  // setValue reports nothing
}

TEST_F(WindowTest, ControlsWithATooltipGetOne) {
    auto w = make(mainSpec());
    ControlSpec s = desc(50, Kind::Button, {10, 10, 150, 25}, L"ｽﾀｰﾄｱｯﾌﾟに登録する");
    s.tooltip = L"登録すると 次回Windows起動時に自動で起動します。";
    w->add(s);
    w->add(desc(51, Kind::Button, {10, 40, 150, 25}, L"キャンセル"));
    HWND tooltip = ::FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr);
    while (tooltip && ::GetWindow(tooltip, GW_OWNER) != hwndOf(*w))
        tooltip = ::FindWindowExW(nullptr, tooltip, TOOLTIPS_CLASSW, nullptr);
    ASSERT_NE(tooltip, nullptr);
    EXPECT_EQ(::SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
    wchar_t text[128] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = hwndOf(*w);
    tool.uId = reinterpret_cast<UINT_PTR>(child(*w, 50));
    tool.lpszText = text;
    ::SendMessageW(tooltip, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, L"登録すると 次回Windows起動時に自動で起動します。");
}

TEST_F(WindowTest, ComboListSelectsOnlyEntriesItHas) {
    auto w = make(mainSpec());
    ControlSpec s = desc(40, Kind::Combo, {16, 16, 153, 20});
    s.items = {L"5分毎に実行する", L"10分毎に実行する", L"1時間毎に実行する"};
    ComboList& combo = w->addCombo(s);
    EXPECT_EQ(combo.selected(), -1);
    combo.select(2);
    EXPECT_EQ(combo.selected(), 2);
    combo.select(7);  // no such entry: the selection stays
    EXPECT_EQ(combo.selected(), 2);
    wchar_t text[64] = {};
    ::SendMessageW(child(*w, 40), CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"1時間毎に実行する");
    combo.setEnabled(false);
    EXPECT_FALSE(::IsWindowEnabled(child(*w, 40)));
}

TEST_F(WindowTest, EnterRunsTheDefaultButtonUnlessAnotherHasTheFocusAndEscapeOnlyACancelButton) {
    auto w = make(mainSpec());
    w->addPicture(desc(1, Kind::Picture, {0, 0, 457, 227}));
    ControlSpec s = desc(10, Kind::ScrollBar, {264, 140, 185, 17}, L"", 1);
    s.max = 68;
    w->addScrollBar(s);
    w->add(desc(11, Kind::Button, {264, 200, 57, 25}, L"設定", 1));
    w->add(desc(12, Kind::DefaultButton, {344, 200, 105, 25}, L"空き領域確保", 1));
    EXPECT_TRUE(::GetWindowLongW(child(*w, 12), GWL_STYLE) & BS_DEFPUSHBUTTON);
    w->show(ShowState::Normal);

    ::SetFocus(child(*w, 10));
    key(child(*w, 10), VK_RETURN);
    ::SetFocus(child(*w, 11));
    key(child(*w, 11), VK_RETURN);
    EXPECT_EQ(events.commands, (std::vector<int>{12, 11}));

    key(hwndOf(*w), VK_ESCAPE);  // no cancel button: Escape does nothing
    EXPECT_EQ(events.commands.size(), 2u);
    ControlSpec cancel = desc(13, Kind::Button, {100, 10, 80, 25}, L"キャンセル");
    cancel.cancel = true;
    w->add(cancel);
    key(hwndOf(*w), VK_ESCAPE);
    EXPECT_EQ(events.commands, (std::vector<int>{12, 11, 13}));

    ::EnableWindow(child(*w, 1), FALSE);  // the container is disabled: nothing runs
    ::SetFocus(hwndOf(*w));
    key(hwndOf(*w), VK_RETURN);
    EXPECT_EQ(events.commands.size(), 3u);
}

TEST_F(WindowTest, TabWalksTheControlsInCreationOrderAcrossContainers) {
    auto w = make(mainSpec());
    w->add(desc(1, Kind::Button, {10, 10, 80, 25}, L"一"));
    w->add(desc(2, Kind::Frame, {10, 40, 200, 100}, L"枠"));
    ControlSpec o = desc(3, Kind::Option, {10, 20, 100, 17}, L"甲", 2);
    o.group = 1;
    w->addCheck(o);
    o.id = 4, o.bounds.y = 40, o.caption = L"乙", o.value = 1;
    w->addCheck(o);
    w->add(desc(5, Kind::Label, {220, 10, 80, 12}, L"札"));  // not a stop
    w->add(desc(6, Kind::Button, {220, 40, 80, 25}, L"二"));
    w->show(ShowState::Normal);

    ::SetFocus(child(*w, 1));
    key(child(*w, 1), VK_TAB);
    EXPECT_EQ(::GetFocus(), child(*w, 4));  // the ticked option holds the group's stop
    key(::GetFocus(), VK_TAB);
    EXPECT_EQ(::GetFocus(), child(*w, 6));
    key(::GetFocus(), VK_TAB);
    EXPECT_EQ(::GetFocus(), child(*w, 1));  // round again

    ::SetFocus(child(*w, 4));
    key(child(*w, 4), VK_UP);  // arrows move within the group and tick
    EXPECT_EQ(::GetFocus(), child(*w, 3));
    EXPECT_EQ(::SendMessageW(child(*w, 3), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(::SendMessageW(child(*w, 4), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(events.commands, std::vector<int>{3});
}

TEST_F(WindowTest, TimersTickUntilStopped) {
    auto w = make(mainSpec());
    w->startTimer(300, 10);
    ASSERT_TRUE(pumpUntil([&] { return events.timers.size() >= 2; }));
    w->stopTimer(300);
    ui.pumpPending();
    std::size_t seen = events.timers.size();
    ::Sleep(50);
    ui.pumpPending();
    EXPECT_EQ(events.timers.size(), seen);
    EXPECT_EQ(events.timers.front(), 300);
}

TEST_F(WindowTest, HiddenWindowTakesTrayCallbacksAndTaskbarRestarts) {
    auto host = make(plainSpec(WindowStyle::Hidden, {100, 50}, L"だみい"));
    EXPECT_FALSE(host->visible());
    EXPECT_NE(::GetAncestor(hwndOf(*host), GA_PARENT), HWND_MESSAGE);  // a real top-level window
    ::SendMessageW(hwndOf(*host), WM_MOUSEMOVE, 0, WM_RBUTTONDOWN);
    ::SendMessageW(hwndOf(*host), WM_MOUSEMOVE, 0, WM_LBUTTONDBLCLK);
    EXPECT_EQ(events.trayCodes, (std::vector<int>{516, 515}));

    ::SendMessageW(HWND_BROADCAST, ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_EQ(events.shellRestarts, 1);

    auto main = make(mainSpec());  // an ordinary window's mouse moves are not tray callbacks
    ::SendMessageW(hwndOf(*main), WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    EXPECT_EQ(events.trayCodes.size(), 2u);
}

TEST_F(WindowTest, CloseAndEndSessionGoToTheOwner) {
    auto w = make(mainSpec());
    HWND h = hwndOf(*w);
    ::SendMessageW(h, WM_CLOSE, 0, 0);
    EXPECT_EQ(events.closes, 1);
    EXPECT_TRUE(::IsWindow(h));  // the owner decides
    EXPECT_EQ(::SendMessageW(h, WM_QUERYENDSESSION, 0, 0), TRUE);
    ::SendMessageW(h, WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(events.endSessions, 0);
    ::SendMessageW(h, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(events.endSessions, 1);
    w->close();
    EXPECT_FALSE(::IsWindow(h));
    EXPECT_FALSE(w->visible());
}

TEST_F(WindowTest, ShowStatesAndBringingForward) {
    auto w = make(mainSpec());
    EXPECT_EQ(w->state(), ShowState::Hidden);
    EXPECT_FALSE(w->bringForward());
    w->show(ShowState::Normal);
    EXPECT_EQ(w->state(), ShowState::Normal);
    EXPECT_TRUE(w->bringForward());
    EXPECT_EQ(::GetActiveWindow(), hwndOf(*w));
    EXPECT_GE(events.activations, 1);
    w->show(ShowState::Minimised);
    EXPECT_EQ(w->state(), ShowState::Minimised);
    ASSERT_FALSE(events.resizes.empty());
    EXPECT_EQ(events.resizes.back(), ShowState::Minimised);
    w->show(ShowState::Hidden);
    EXPECT_FALSE(w->bringForward());
    w->makeTopmost();
    EXPECT_TRUE(::GetWindowLongW(hwndOf(*w), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(WindowTest, IconsComeAtTheSizesTheSystemAsks) {
    auto w = make(mainSpec());
    w->setIcon(Picture::AppIcon);
    EXPECT_EQ(w->icon(), Picture::AppIcon);
    auto iconWidth = [](HICON icon) {
        ICONINFO info{};
        if (!icon || !::GetIconInfo(icon, &info)) return 0;
        BITMAP bm{};
        ::GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
        if (info.hbmColor) ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
        return static_cast<int>(bm.bmWidth);
    };
    auto small = reinterpret_cast<HICON>(::SendMessageW(hwndOf(*w), WM_GETICON, ICON_SMALL, 0));
    auto big = reinterpret_cast<HICON>(::SendMessageW(hwndOf(*w), WM_GETICON, ICON_BIG, 0));
    EXPECT_EQ(iconWidth(small), ::GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(iconWidth(big), ::GetSystemMetrics(SM_CXICON));
}

TEST_F(WindowTest, ModalDialogDisablesItsOwnerUntilClosed) {
    auto main = make(mainSpec());
    main->show(ShowState::Normal);
    main->bringForward();
    auto dialog = make(plainSpec(WindowStyle::Dialog, {401, 182}, L"Larkspan オプション"));
    EXPECT_EQ(::GetWindow(hwndOf(*dialog), GW_OWNER), hwndOf(*main));

    bool ownerDisabled = false;
    events.whenTimer = [&](int) {
        ownerDisabled = !::IsWindowEnabled(hwndOf(*main));
        dialog->close();
    };
    dialog->startTimer(1, 10);
    dialog->runModal();  // returns once close() has run
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(::IsWindowEnabled(hwndOf(*main)));
    EXPECT_FALSE(dialog->visible());
}

TEST_F(WindowTest, ModalDialogMayBeDestroyedFromItsOwnHandler) {
    auto main = make(mainSpec());
    main->show(ShowState::Normal);
    main->bringForward();
    auto dialog = make(plainSpec(WindowStyle::Dialog, {200, 100}));
    Window* raw = dialog.get();
    events.whenTimer = [&](int) { dialog.reset(); };  // the owner unloads the window object itself
    raw->startTimer(1, 10);
    raw->runModal();
    EXPECT_EQ(dialog, nullptr);
    EXPECT_TRUE(::IsWindowEnabled(hwndOf(*main)));
}

TEST_F(WindowTest, PopupMenuRunsTheChosenItem) {
    auto host = make(plainSpec(WindowStyle::Hidden, {100, 50}));
    // The menu's own loop reads the keys already queued: down to the first item, then Enter.
    ::PostMessageW(hwndOf(*host), WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageW(hwndOf(*host), WM_KEYDOWN, VK_RETURN, 0);
    host->showPopupMenu({MenuItem{210, L"システムメモリの詳細", L"F6", {}}, MenuItem{},
                         MenuItem{211, L"終了(&X)", L"F9", {}}});
    EXPECT_EQ(events.commands, std::vector<int>{210});
}

TEST_F(WindowTest, DpiChangeRescalesWindowControlsAndCanvases) {
    auto w = make(mainSpec());
    ControlSpec box = desc(1, Kind::Picture, {0, 0, 100, 50});
    box.background = {0, 0, 0};
    box.defaultBackground = false;
    PictureBox& picture = w->addPicture(box);
    picture.canvas().fillRect(10, 10, 19, 19, {255, 0, 0});
    picture.canvas().keepAsBackground();
    picture.canvas().fillRect(30, 10, 39, 19, {0, 255, 0});  // the drawing layer: dropped
    w->add(desc(2, Kind::Button, {20, 60, 60, 24}, L"設定"));

    RECT outer;
    ::GetWindowRect(hwndOf(*w), &outer);
    RECT suggested{outer.left, outer.top, outer.left + (outer.right - outer.left) * 3 / 2,
                   outer.top + (outer.bottom - outer.top) * 3 / 2};
    ::SendMessageW(hwndOf(*w), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));

    EXPECT_EQ(events.dpiChanges, 1);
    RECT client, button;
    ::GetClientRect(hwndOf(*w), &client);
    EXPECT_EQ(client.right, 687);   // 458 x 1.5
    EXPECT_EQ(client.bottom, 368);  // 245 x 1.5, rounded
    ::GetWindowRect(child(*w, 2), &button);
    ::MapWindowPoints(nullptr, hwndOf(*w), reinterpret_cast<POINT*>(&button), 2);
    EXPECT_EQ((std::vector<LONG>{button.left, button.top, button.right - button.left}), (std::vector<LONG>{30, 90, 90}));

    // The kept background comes back at the new scale; the drawing layer does not.
    MemoryDc out(150, 75);
    out.print(child(*w, 1));
    EXPECT_EQ(pixel(out.dc, 15, 15), (Rgb{255, 0, 0}));
    EXPECT_EQ(pixel(out.dc, 29, 29), (Rgb{255, 0, 0}));
    EXPECT_EQ(pixel(out.dc, 30, 30), (Rgb{0, 0, 0}));
    EXPECT_EQ(pixel(out.dc, 50, 20), (Rgb{0, 0, 0}));
}

}  // namespace
}  // namespace lark::win32::test
