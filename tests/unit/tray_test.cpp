// The tray record and its three operations, and how the tray host keeps the icon in the tray.
#include <gtest/gtest.h>

#include "tests/fakes/test_program.h"

namespace lark {
namespace {

using namespace fake;

// A tip of 63 characters is kept; a longer one is cut to leave room for its terminator, never
// half a character, and nothing after a terminator belongs to it.
TEST(MakeTrayData, FillsEveryFieldAndCutsTheTipToSixtyThreeCharacters) {
    const std::wstring tip63(63, L'a');
    EXPECT_EQ(MakeTrayData(0x40, 1, 7, 512, Picture::Emblem, tip63), (TrayRecord{0x40, 1, 7, 512, Picture::Emblem, tip63}));
    const auto tip = [](std::wstring t) { return MakeTrayData(1, 1, 7, 512, Picture::None, t).tip; };
    EXPECT_EQ(tip(std::wstring(64, L'b')), std::wstring(63, L'b'));
    EXPECT_EQ(tip(std::wstring(200, L'あ')), std::wstring(63, L'あ'));
    EXPECT_EQ(tip(std::wstring(62, L'c') + wchar_t(0xD83D) + wchar_t(0xDE00)), std::wstring(62, L'c'));  // UTF-16 pair
    EXPECT_EQ(tip(std::wstring(L"ab\0cd", 5)), L"ab");
}

class Tray : public ProgramTest {
protected:
    void SetUp() override { memory.status = machine(255 * MiB, 128 * MiB); }
};

TEST_F(Tray, AddAndModifyDescribeTheTrayHostsIconAsItIsNow) {
    loadMainPanel();
    const TrayRecord& added = tray.calls.at(0).record;
    EXPECT_EQ(tray.calls[0].op, FakeTrayIcons::Add);
    EXPECT_EQ(added.window, trayHost().handle());
    EXPECT_EQ(added.id, 1u);
    EXPECT_EQ(added.flags, 7u);
    EXPECT_EQ(added.callbackMessage, 512u);
    EXPECT_EQ(added.icon, Picture::Emblem);
    EXPECT_EQ(tray.count(FakeTrayIcons::Add), 1);
    EXPECT_FALSE(trayHost().timerRunning(Form2::idRetryTimer));  // a successful start retries nothing

    trayHost().setIcon(Picture::Cleanup);  // a new picture alone changes nothing in the tray
    EXPECT_EQ(tray.shown->icon, Picture::Emblem);
    EXPECT_TRUE(program.tray.TrayModify(L"Larkspan - メモリ クリーンアップ中"));
    EXPECT_EQ(tray.shown->icon, Picture::Cleanup);
    EXPECT_EQ(tray.shown->tip, L"Larkspan - メモリ クリーンアップ中");
}

TEST_F(Tray, AnEmptyTipShowsTheProgramsTitle) {
    loadMainPanel();
    program.tray.TrayModify(L"");
    EXPECT_EQ(tray.last().record.tip, L"Larkspan");
}

TEST_F(Tray, DeleteNeedsOnlyTheWindowAndTheId) {
    loadMainPanel();
    EXPECT_TRUE(program.tray.TrayDelete());
    const TrayRecord& r = tray.last().record;
    EXPECT_EQ(tray.last().op, FakeTrayIcons::Remove);
    EXPECT_EQ(r.window, trayHost().handle());
    EXPECT_EQ(r.id, 1u);
    EXPECT_TRUE(r.tip.empty());
    EXPECT_FALSE(tray.shown);
}

TEST_F(Tray, ARestartNoticeWhileTheIconIsStillThereFallsBackToModify) {
    loadMainPanel();
    tick();
    trayHost().events().onShellRestart();
    EXPECT_EQ(tray.calls[tray.calls.size() - 2].op, FakeTrayIcons::Add);
    EXPECT_EQ(tray.last().op, FakeTrayIcons::Modify);
    EXPECT_TRUE(tray.shown);
}

TEST_F(Tray, TheShellHearsOnlyOfChangesFromTheMonitor) {
    loadMainPanel();
    tick();
    const int modifies = tray.count(FakeTrayIcons::Modify);
    tick();
    tick();
    EXPECT_EQ(tray.count(FakeTrayIcons::Modify), modifies) << "a steady figure repeats nothing";

    memory.status = machine(255 * MiB, 64 * MiB);  // 25 %: a new tip and a new picture
    tick();
    EXPECT_EQ(tray.count(FakeTrayIcons::Modify), modifies + 1);
    EXPECT_EQ(tray.shown->tip, L"Larkspan - 25%の空きメモリ");
    EXPECT_EQ(tray.shown->icon, levelPicture(4));

    trayHost().setIcon(Picture::Cleanup);  // a new picture with the same tip still goes through
    program.tray.TrayModify(L"Larkspan - 25%の空きメモリ");
    EXPECT_EQ(tray.shown->icon, Picture::Cleanup);
}

TEST_F(Tray, AModifyTheShellRefusedIsSentAgain) {
    loadMainPanel();
    tick();
    tray.shellReady = false;  // the taskbar went away for a moment
    memory.status = machine(255 * MiB, 64 * MiB);
    tick();
    const int modifies = tray.count(FakeTrayIcons::Modify);
    tray.shellReady = true;
    tick();
    EXPECT_EQ(tray.count(FakeTrayIcons::Modify), modifies + 1);
    EXPECT_EQ(tray.shown->tip, L"Larkspan - 25%の空きメモリ");
}

TEST_F(Tray, ANewTaskbarGetsTheIconBackWholeAndADeleteForgetsIt) {
    loadMainPanel();
    tick();
    const TrayRecord before = *tray.shown;
    tray.shellRestarted();
    trayHost().events().onShellRestart();
    EXPECT_EQ(tray.last().op, FakeTrayIcons::Add);
    ASSERT_TRUE(tray.shown);
    EXPECT_EQ(*tray.shown, before);  // its current picture and tip

    const int modifies = tray.count(FakeTrayIcons::Modify);
    tick();
    EXPECT_EQ(tray.count(FakeTrayIcons::Modify), modifies) << "the add sent this picture and tip";

    program.tray.TrayDelete();
    tick();
    EXPECT_EQ(tray.count(FakeTrayIcons::Modify), modifies + 1) << "after a delete nothing is taken as shown";
}

TEST_F(Tray, AnIconTheShellWasNotReadyForIsAddedOnceItIs) {
    tray.shellReady = false;
    loadMainPanel();
    EXPECT_FALSE(tray.shown);
    EXPECT_EQ(trayHost().timerInterval(Form2::idRetryTimer), 2000);
    tick();  // the monitor's tip is the one to show when the icon finally arrives
    ASSERT_TRUE(trayHost().fire(Form2::idRetryTimer));
    EXPECT_TRUE(trayHost().timerRunning(Form2::idRetryTimer));
    tray.shellReady = true;
    ASSERT_TRUE(trayHost().fire(Form2::idRetryTimer));
    ASSERT_TRUE(tray.shown);
    EXPECT_EQ(tray.shown->tip, L"Larkspan - 50%の空きメモリ");
    EXPECT_FALSE(trayHost().timerRunning(Form2::idRetryTimer));
}

TEST_F(Tray, TheRetryStopsOnceTheIconIsThereOrAfterItsLastAttempt) {
    tray.shellReady = false;
    loadMainPanel();
    tray.shellReady = true;
    trayHost().events().onShellRestart();  // the taskbar came up and took the icon
    trayHost().fire(Form2::idRetryTimer);
    EXPECT_FALSE(trayHost().timerRunning(Form2::idRetryTimer));
    EXPECT_EQ(tray.count(FakeTrayIcons::Add), 3);  // start-up, restart, the retry's own try

    TestProgram never;
    never.tray.shellReady = false;
    never.loadMainPanel();
    int attempts = 0;
    while (never.trayHost().fire(Form2::idRetryTimer)) ++attempts;
    EXPECT_EQ(attempts, Form2::RetryAttempts);
}

}  // namespace
}  // namespace lark
