// The tray icon: the record the shell gets, what is sent and what is spared, and getting the icon back
// after the shell was not ready or restarted.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "tests/fakes/test_program.h"
#include "options/options_dialog.h"
#include "options/settings_page.h"
#include "tray/number_icon.h"
#include "tray/tray_host.h"

namespace lark {
namespace {

using Op = fake::FakeTrayIcons::Op;

TEST(TrayRecord, FillsEveryFieldAndCutsTheTipToSixtyThreeCharacters) {
    const TrayRecord r = makeTrayRecord(0x1234, 1, 7, 512, Picture::Emblem, L"tip");
    EXPECT_EQ(r, (TrayRecord{0x1234, 1, 7, 512, Picture::Emblem, L"tip"}));
    const std::wstring sixtyThree(63, L'あ');
    EXPECT_EQ(makeTrayRecord(0, 1, 0, 0, Picture::None, sixtyThree).tip, sixtyThree);
    EXPECT_EQ(makeTrayRecord(0, 1, 0, 0, Picture::None, sixtyThree + L"x").tip, sixtyThree);
    // A pair of surrogates is never cut in two.
    const std::wstring pairAtTheEnd = std::wstring(62, L'a') + L"\xD83D\xDE00";
    EXPECT_EQ(makeTrayRecord(0, 1, 0, 0, Picture::None, pairAtTheEnd).tip, std::wstring(62, L'a'));
    const TrayRecord notice = makeNoticeRecord(7, 1, std::wstring(300, L'あ'));  // a notification's text: 255
    EXPECT_EQ(std::tuple(notice.window, notice.id, notice.flags, notice.info), std::tuple(std::uintptr_t{7}, 1u, nif::Info, std::wstring(255, L'あ')));
}

class Tray : public fake::ProgramTest {};

TEST_F(Tray, TheShellHearsOnlyOfChanges) {
    loadMainPanel();
    tick();
    const int modifies = tray.count(Op::Modify);
    tick();
    tick();
    EXPECT_EQ(tray.count(Op::Modify), modifies);  // same picture and tip: nothing sent
    const TrayRecord& r = tray.last().record;
    EXPECT_EQ(std::tuple(r.window, r.id, r.callbackMessage), std::tuple(trayHost().handle(), 1u, 512u));
}

TEST_F(Tray, ANewTaskbarGetsTheIconBackWithItsPictureAndTip) {
    loadMainPanel();
    tick();
    const TrayRecord before = *tray.shown;
    tray.shellRestarted();
    trayHost().events().onShellRestart();
    EXPECT_EQ(tray.last().op, Op::Add);
    EXPECT_EQ(*tray.shown, before);
    trayHost().events().onShellRestart();  // the icon is there already: a modify does it
    EXPECT_EQ(tray.last().op, Op::Modify);
    EXPECT_EQ(*tray.shown, before);
}

TEST_F(Tray, AnIconTheShellWasNotReadyForIsRetriedUntilItIsThereOrTheAttemptsRunOut) {
    tray.shellReady = false;
    loadMainPanel();
    ASSERT_TRUE(trayHost().timerRunning(TrayHost::RetryTimer));
    trayHost().fire(TrayHost::RetryTimer);
    EXPECT_FALSE(tray.shown);
    tray.shellReady = true;
    trayHost().fire(TrayHost::RetryTimer);
    EXPECT_TRUE(tray.shown);
    EXPECT_EQ(tray.shown->tip, L"Larkspan - 起動準備をしています");
    EXPECT_FALSE(trayHost().timerRunning(TrayHost::RetryTimer));

    fake::TestProgram never;
    never.tray.shellReady = false;
    never.loadMainPanel();
    for (int i = 0; i < TrayHost::RetryAttempts; ++i) never.trayHost().fire(TrayHost::RetryTimer);
    EXPECT_FALSE(never.trayHost().timerRunning(TrayHost::RetryTimer));
}

// What each mouse code does with the panel hidden in the tray and with it showing.
TEST_F(Tray, ClicksBringThePanelBackAndARightClickOpensTheMenu) {
    const std::tuple<int, bool, bool, std::size_t> cases[] = {  // code, hidden before, visible after, menus opened
        {513, true, true, 0},  {515, true, true, 0},  {514, true, false, 0}, {516, true, false, 1},
        {512, true, false, 0}, {517, true, false, 0}, {513, false, true, 0}, {516, false, true, 1}};
    for (auto [code, hiddenBefore, visibleAfter, popups] : cases) {
        fake::TestProgram app;
        fake::FakeWindow& panel = app.loadMainPanel();
        if (hiddenBefore) panel.minimise();
        const int forwards = panel.forwards;
        app.trayHost().events().onTrayMouse(code);
        EXPECT_EQ(panel.visible(), visibleAfter) << code;
        if (visibleAfter) EXPECT_TRUE(panel.forwards > forwards && panel.state() == ShowState::Normal) << code;
        EXPECT_EQ(app.trayHost().popups.size(), popups) << code;
    }
}

TEST_F(Tray, TheMenuReachesEveryCommandEvenWithThePanelHidden) {
    loadMainPanel().minimise();
    trayHost().events().onTrayMouse(516);
    ASSERT_EQ(trayHost().popups.size(), 1u);
    trayHost().click(TrayHost::SecureItem);
    EXPECT_EQ(memory.freshSamples, 2);  // a securing ran, the panel still hidden
    EXPECT_FALSE(mainWindow().visible());
    trayHost().click(TrayHost::ShowPanelItem);
    EXPECT_TRUE(mainWindow().visible());  // its exit with the panel hidden saves and takes the icon away: test_tray.py
}

// What the running copy does with data sent to its tray host: a command of ours runs once the sender
// has its answer; anything else is ignored, and a second command while one waits is refused.
TEST_F(Tray, ACommandFromANewCopyRunsAsTheTrayMenusWouldAndSaysHowItWent) {
    loadMainPanel().minimise();
    const auto receive = [this](Command c) { return trayHost().events().onDataReceived(forwarding::Tag, forwarding::encode(c)); };
    EXPECT_EQ(trayHost().events().onDataReceived(forwarding::Tag, {}), forwarding::Ignored);
    EXPECT_EQ(receive(Command::Usage), forwarding::Ignored);
    EXPECT_EQ(receive(Command::Secure), forwarding::Accepted);
    EXPECT_EQ(receive(Command::CleanupFull), forwarding::Refused);  // the first has not run yet
    EXPECT_EQ(memory.freshSamples, 0);
    trayHost().fire(TrayHost::ForwardedTimer);
    EXPECT_EQ(memory.freshSamples, 2);
    EXPECT_FALSE(trayHost().timerRunning(TrayHost::ForwardedTimer));
    ASSERT_EQ(tray.last().op, Op::Modify);
    const TrayRecord notice = tray.last().record;
    EXPECT_EQ(std::tuple(notice.flags, notice.infoTitle, notice.infoFlags),
              std::tuple(nif::Info, std::wstring(L"Larkspan"), niif::Information | niif::NoSound | niif::RespectQuietTime));
    EXPECT_EQ(notice.info, L"コマンドラインからの指示で空き領域の確保を実行しました。\nメモリを確保できませんでした");
    EXPECT_NE(tray.shown->tip, L"");  // the icon's picture and tip stay

    EXPECT_EQ(receive(Command::CleanupStandard), forwarding::Accepted);
    trayHost().fire(TrayHost::ForwardedTimer);
    EXPECT_EQ(tray.last().record.info, L"コマンドラインからの指示でメモリ クリーンアップを行いました。\nメモリ内容は既に最適化されています");

    EXPECT_EQ(receive(Command::Trim), forwarding::Accepted);
    trayHost().fire(TrayHost::ForwardedTimer);
    EXPECT_EQ(tray.last().record.info,
              L"コマンドラインからの指示でワーキング セットの縮小を行いました。\nワーキング セットの縮小: 空きは増えませんでした (0 個のプログラム)");

    trayHost().click(TrayHost::ShowPanelItem);  // the status line shows the result: no notification
    const auto calls = tray.calls.size();
    receive(Command::Secure);
    trayHost().fire(TrayHost::ForwardedTimer);
    EXPECT_EQ(memory.freshSamples, 8);
    EXPECT_EQ(runsRecorded(), (std::vector<std::string>{"コマンドライン,空き領域確保", "コマンドライン,メモリ クリーンアップ(標準)",
                                                       "コマンドライン,ワーキング セットの縮小", "コマンドライン,空き領域確保"}));
    for (auto i = calls; i < tray.calls.size(); ++i) EXPECT_FALSE(tray.calls[i].record.flags & nif::Info);
}

// Only a securing low memory started tells of itself; the schedule's stays silent.
TEST_F(Tray, TheLowMemorySecuringIsToldOfWhileThePanelIsHidden) {
    settings.values = {{L"Flag02", L"28"}, {L"Flag04", L"0"}, {L"Flag06", L"1"}};
    memory.status = fake::machine(4 * fake::GiB, 1 * fake::GiB);
    loadMainPanel().minimise();
    for (int minute = 1; minute <= 5; ++minute) trayHost().fire(TrayHost::ScheduleTimer);
    EXPECT_EQ(memory.freshSamples, 2);  // one securing, at the fifth minute
    EXPECT_FALSE(tray.last().record.flags & nif::Info);
    warningTick();
    EXPECT_EQ(memory.freshSamples, 4);
    EXPECT_EQ(tray.last().record.info, L"空きメモリが警告値を下回ったため、空き領域の確保を実行しました。\nメモリを確保できませんでした");
    EXPECT_EQ(runsRecorded(), (std::vector<std::string>{"予約,空き領域確保", "低メモリ,空き領域確保"}));
}

// Hotkeys do what the tray menu's items do (recorded as manual runs: test_tray.py), and say how it went
// while the panel is hidden; a key another program holds is left out and named once; the settings page
// puts new keys in place and stays open over a taken one.
TEST_F(Tray, HotkeysRunTheTrayMenusActionsAndTheSettingsPageChangesThem) {
    settings.values = {{L"HotkeySecure", L"Ctrl+Alt+S"}, {L"HotkeyCleanup", L"Ctrl+Alt+F5"}, {L"HotkeyShow", L"Ctrl+Alt+P"}};
    const Hotkey secure{Hotkey::Ctrl | Hotkey::Alt, 'S'}, cleanup{Hotkey::Ctrl | Hotkey::Alt, 0x74}, show{Hotkey::Ctrl | Hotkey::Alt, 'P'};
    ui.takenHotkeys = {cleanup};
    loadMainPanel().minimise();
    EXPECT_EQ(trayHost().hotkeys, (std::map<int, Hotkey>{{TrayHost::FirstHotkey, secure}, {TrayHost::FirstHotkey + 3, show}}));
    EXPECT_EQ(tray.last().record.info, L"ホットキー Ctrl+Alt+F5 は他のプログラムが使用しているため使えません。");
    trayHost().events().onHotkey(TrayHost::FirstHotkey);
    EXPECT_EQ(tray.last().record.info, L"ホットキーで空き領域の確保を実行しました。\nメモリを確保できませんでした");
    trayHost().events().onHotkey(TrayHost::FirstHotkey + 3);
    EXPECT_TRUE(mainWindow().visible());

    using namespace settings_page;
    int opened = 0;
    ui.onModal = [&](fake::FakeWindow& page) {
        if (page.desc.title != lark::text(Text::SettingsPageTitle)) return page.click(options::idSettingsPage);  // the options dialog's button
        ++opened;
        page.hotkeyField(idFirstHotkey + 2).setValue({Hotkey::Win, 'T'});
        page.click(idFirstClear);
        EXPECT_EQ(page.hotkeyField(idFirstHotkey + 1).value(), cleanup);  // as stored, though not in place
        page.click(idFirstClear + 1);
        page.hotkeyField(idFirstHotkey + 3).setValue(cleanup);  // taken: a box, and the page stays
        page.click(idOk);
        EXPECT_FALSE(page.closed);
        EXPECT_EQ(messages.shown.back().text, L"ホットキー Ctrl+Alt+F5 は他のプログラムが使用しているため使えません。");
        page.click(idFirstClear + 3);
        page.check(idNumber).setValue(1), page.check(idGauge).setValue(0);
        EXPECT_EQ(page.check(idMatchWindows).value(), 1);
        page.check(idMatchWindows).setValue(0), page.check(idFirstLanguage + 1).setValue(1);  // English, at the next start
        page.click(idOk);
        EXPECT_TRUE(page.closed);
    };
    mainWindow().click(OptionsCommand);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(trayHost().hotkeys, (std::map<int, Hotkey>{{TrayHost::FirstHotkey + 2, Hotkey{Hotkey::Win, 'T'}}}));
    EXPECT_EQ(std::tuple(settings.values[L"HotkeySecure"], settings.values[L"HotkeyTrim"], settings.values[L"TrayIcon"],
                         settings.values[L"Language"]),
              std::tuple(L"", L"Win+T", L"number", L"en"));
    EXPECT_EQ(languageInUse(), Language::Japanese);  // until the next start
    EXPECT_EQ(tray.shown->icon, numberPicture(50, false));  // at once, as the tip says: "50%"
    EXPECT_THROW(trayHost().click(TrayHost::ExitItem), fake::ProcessEnded);
    EXPECT_TRUE(trayHost().hotkeys.empty());
}

// Every share has a picture of its own at every size: ink in the taskbar's text colour with a halo
// of the other on a clear ground, or white on red; nothing touches the edge.
TEST(NumberIcon, DigitsForEveryShareInTheTaskbarsColoursOrWhiteOnRed) {
    constexpr std::uint32_t Clear = 0, Black = 0xFF000000, White = 0xFFFFFFFF, Red = 0xFFD01010;
    for (int size : {16, 20, 24, 32}) {
        std::set<std::vector<std::uint32_t>> seen;
        for (int pct = 0; pct <= 100; ++pct) {
            const auto dark = drawNumberIcon({pct, false}, false, size), light = drawNumberIcon({pct, false}, true, size),
                       low = drawNumberIcon({pct, true}, true, size);
            ASSERT_EQ(dark.size(), std::size_t(size * size));
            EXPECT_TRUE(seen.insert(dark).second) << pct << " at " << size;
            int ink = 0, halo = 0;
            for (std::size_t i = 0; i < dark.size(); ++i) {
                const bool edge = i < std::size_t(size) || i % size == 0;
                ink += dark[i] == White, halo += dark[i] == Black;
                EXPECT_TRUE(dark[i] == Clear || !edge || dark[i] == Black) << i;
                EXPECT_EQ(light[i], dark[i] == White ? Black : dark[i] == Black ? White : Clear);
                EXPECT_EQ(low[i], dark[i] == White ? White : Red);
            }
            EXPECT_GE(ink, size / 2);
            EXPECT_GT(halo, 0);
        }
    }
    EXPECT_EQ(numberIcon(numberPicture(100, true)).value_or(NumberIcon{}).percent, 100);
    EXPECT_TRUE(numberIcon(numberPicture(7, true)).value_or(NumberIcon{}).warning);
    EXPECT_FALSE(numberIcon(Picture::Cleanup));
}

}  // namespace
}  // namespace lark
