// The program's start, its stored settings and its exits, over fakes.
#include <gtest/gtest.h>

#include "shell/settings.h"
#include "shell/splash.h"
#include "tests/fakes/test_program.h"

namespace lark {
namespace {

using fake::GiB;
using fake::ProcessEnded;

class Startup : public fake::ProgramTest {};

TEST_F(Startup, ASecondCopyEndsBeforeAnythingIsShownReadOrSaved) {
    instance.otherCopyRuns = true;
    EXPECT_FALSE(program.start());
    EXPECT_EQ(ui.windowsCreated, 0);
    EXPECT_TRUE(settings.reads.empty());
    EXPECT_TRUE(tray.calls.empty());
}

TEST_F(Startup, TheSplashShowsOnTopThenHandsOverToTheMainPanel) {
    ASSERT_TRUE(program.start());
    ASSERT_NE(splash(), nullptr);
    EXPECT_TRUE(splash()->topmost);
    EXPECT_TRUE(splash()->visible());
    EXPECT_EQ(window(MainPanelTitle), nullptr);  // the panel loads when the splash's time is over
    splash()->fire(SplashScreen::Timer);
    EXPECT_EQ(splash(), nullptr);
    EXPECT_TRUE(mainWindow().visible());
    EXPECT_EQ(trayHost().icon(), Picture::Emblem);
    EXPECT_EQ(tray.shown->tip, L"Larkspan - 起動準備をしています");
    EXPECT_FALSE(trayHost().visible());
    EXPECT_TRUE(mainWindow().timerRunning(MonitorTimer));
    EXPECT_TRUE(mainWindow().timerRunning(WarningTimer));
}

TEST_F(Startup, WithoutTheSplashThePanelShowsAtOnce) {
    settings.values[L"Flag05"] = L"false";
    ASSERT_TRUE(program.start());
    EXPECT_TRUE(mainWindow().visible());
    ASSERT_NE(splash(), nullptr);  // its timer still runs, unseen
    EXPECT_FALSE(splash()->visible());
}

TEST_F(Startup, TheStoredWindowStateDecidesHowThePanelOpens) {
    const struct {
        const wchar_t* stored;
        bool visible;
        ShowState state;
        const wchar_t* saved;
    } cases[] = {{L"0", true, ShowState::Normal, L"0"},     {L"1", false, ShowState::Minimised, L"1"},
                 {L"2", true, ShowState::Maximised, L"2"},  {L"-1", true, ShowState::Normal, L"0"},
                 {L"7", true, ShowState::Normal, L"0"}};
    for (const auto& c : cases) {
        fake::TestProgram app;
        app.settings.values[L"Flag03"] = c.stored;
        fake::FakeWindow& panel = app.loadMainPanel();
        EXPECT_EQ(panel.visible(), c.visible) << panel.title().size() << " " << c.saved;
        EXPECT_EQ(panel.state(), c.state) << c.saved;
        EXPECT_THROW(panel.events().onClose(), ProcessEnded);
        EXPECT_EQ(app.settings.values[L"Flag03"], c.saved);
    }
}

TEST_F(Startup, MinimisingSendsThePanelToTheTrayInsteadOfEnding) {
    loadMainPanel().minimise();
    EXPECT_FALSE(mainWindow().visible());
    EXPECT_EQ(ui.ends, 0);
}

// Close box, the menu's exit, and the end of the Windows session: save, remove the icon, end.
TEST_F(Startup, EveryExitSavesThenRemovesTheIconThenEnds) {
    for (auto exit : {+[](fake::FakeWindow& w) { w.events().onClose(); }, +[](fake::FakeWindow& w) { w.click(ExitCommand); },
                      +[](fake::FakeWindow& w) { w.events().onEndSession(); }}) {
        fake::TestProgram app;
        app.loadMainPanel();
        EXPECT_THROW(exit(app.mainWindow()), ProcessEnded);
        const int saved = app.journal.indexOf("settings.write Flag07"), removed = app.journal.indexOf("tray.remove");
        EXPECT_GE(saved, 0);
        EXPECT_GT(removed, saved);
        EXPECT_GT(app.journal.indexOf("ui.endProcess"), removed);
        EXPECT_FALSE(app.tray.shown);
    }
}

TEST(Settings, StoredTextIsReadAsItsTypeAndAnythingElseGivesTheDefault) {
    using namespace settings;
    EXPECT_EQ(toInt16(L" 42 "), 42);
    EXPECT_EQ(toInt16(L"2.5"), 2);  // halves to even
    EXPECT_EQ(toInt16(L"3.5"), 4);
    EXPECT_EQ(toInt16(L"-32768"), -32768);
    EXPECT_FALSE(toInt16(L"32768"));
    EXPECT_EQ(toInt32(L"70000"), 70000);
    for (const wchar_t* bad : {L"", L"abc", L"1e3", L"0x10"}) EXPECT_FALSE(toInt32(bad));
    EXPECT_EQ(toBool(L"tRUE"), true);
    EXPECT_EQ(toBool(L" False "), false);
    EXPECT_EQ(toBool(L"0"), false);
    EXPECT_EQ(toBool(L"-1"), true);
    EXPECT_FALSE(toBool(L"yes"));

    fake::FakeSettingsStore store;
    store.values = {{L"Flag01", L"69"}, {L"Flag02", L"-1"}, {L"Flag03", L"abc"}, {L"Flag04", L"7"},
                    {L"Flag05", L"no"}, {L"Flag06", L"99999999999"}, {L"Flag07", L"0"}};
    const Settings s = loadSettings(store);
    EXPECT_EQ(s.amountSteps, 55);  // beyond the slider
    EXPECT_EQ(s.warningSteps, 5);
    EXPECT_EQ(s.startupWindow, StartupWindow::Normal);
    EXPECT_EQ(static_cast<int>(s.lowMemoryAction), 7);  // kept as it stands: it does nothing
    EXPECT_TRUE(s.showSplash);
    EXPECT_EQ(s.scheduleIndex, 0);
    EXPECT_FALSE(s.standardCleanup);
}

TEST(Settings, SavedValuesComeBackAndAFailedWriteKeepsItsOldValue) {
    fake::FakeSettingsStore store;
    const Settings saved{.amountSteps = 68, .warningSteps = 0, .startupWindow = StartupWindow::Maximised,
                         .lowMemoryAction = LowMemoryAction::Ask, .showSplash = false, .scheduleIndex = 5,
                         .standardCleanup = false};
    saveSettings(store, saved);
    EXPECT_EQ(store.values[L"Flag05"], L"False");
    const Settings back = loadSettings(store);
    EXPECT_EQ(back.amountSteps, 68);
    EXPECT_EQ(back.warningSteps, 0);
    EXPECT_EQ(back.startupWindow, StartupWindow::Maximised);
    EXPECT_EQ(back.lowMemoryAction, LowMemoryAction::Ask);
    EXPECT_EQ(back.scheduleIndex, 5);
    EXPECT_FALSE(back.showSplash || back.standardCleanup);

    store.failing = {L"Flag01"};
    saveSettings(store, Settings{});
    EXPECT_EQ(store.values[L"Flag01"], L"68");
    EXPECT_EQ(store.values[L"Flag06"], L"0");
}

TEST_F(Startup, TheSlidersAreStoredAtExit) {
    settings.values = {{L"Flag01", L"10"}, {L"Flag02", L"3"}};
    loadMainPanel();
    EXPECT_EQ(slider(AmountSlider).value(), 10);
    EXPECT_EQ(slider(WarningSlider).value(), 3);
    slider(AmountSlider).userMoves(40);
    slider(WarningSlider).userMoves(20);
    EXPECT_THROW(mainWindow().events().onClose(), ProcessEnded);
    EXPECT_EQ(settings.values[L"Flag01"], L"40");
    EXPECT_EQ(settings.values[L"Flag02"], L"20");
}

}  // namespace
}  // namespace lark
