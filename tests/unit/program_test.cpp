// The program's start, its stored settings and its exits, over fakes.
#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "shell/settings.h"
#include "shell/splash.h"
#include "tests/fakes/test_program.h"

namespace lark {
namespace {

using fake::GiB;
using fake::ProcessEnded;

class Startup : public fake::ProgramTest {};

TEST_F(Startup, TheSplashShowsOnTopThenHandsOverToTheMainPanel) {
    ASSERT_TRUE(program.start());
    ASSERT_NE(splash(), nullptr);
    EXPECT_TRUE(splash()->topmost);
    EXPECT_EQ(window(MainPanelTitle), nullptr);  // the panel loads when the splash's time is over
    splash()->fire(SplashScreen::Timer);
    EXPECT_EQ(splash(), nullptr);
    EXPECT_EQ(trayHost().icon(), Picture::Emblem);
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

// Close box, the menu's exit, and the end of the Windows session: save, remove the icon, end.
TEST_F(Startup, EveryExitSavesThenRemovesTheIconThenEnds) {
    for (auto exit : {+[](fake::FakeWindow& w) { w.events().onClose(); }, +[](fake::FakeWindow& w) { w.click(ExitCommand); },
                      +[](fake::FakeWindow& w) { w.events().onEndSession(); }}) {
        fake::TestProgram app;
        app.loadMainPanel();
        app.settings.onWrite = [&] { EXPECT_TRUE(app.tray.shown); };  // saved while the icon is still there
        EXPECT_THROW(exit(app.mainWindow()), ProcessEnded);
        EXPECT_EQ(app.settings.values.size(), 7u);
        EXPECT_FALSE(app.tray.shown);  // removed before the end
    }
}

// Each value read as its type: halves round to even, Booleans are words in any case or numbers;
// anything else, and a slider position out of its range, gives the default.
TEST(Settings, StoredTextIsReadAsItsTypeAndWrittenBackWhole) {
    const struct {
        std::map<std::wstring, std::wstring, std::less<>> stored;
        Settings read;
    } cases[] = {
        {{}, Settings{}},
        {{{L"Flag01", L" 2.5 "}, {L"Flag02", L"3.5"}, {L"Flag03", L"2"}, {L"Flag04", L"1"}, {L"Flag05", L"fALSE"},
          {L"Flag06", L"70000"}, {L"Flag07", L"0"}},
         {2, 4, StartupWindow::Maximised, LowMemoryAction::Ask, false, 70000, false}},
        {{{L"Flag01", L"69"}, {L"Flag02", L"-1"}, {L"Flag03", L"abc"}, {L"Flag04", L"7"}, {L"Flag05", L"no"},
          {L"Flag06", L"99999999999"}, {L"Flag07", L"-1"}},
         {55, 5, StartupWindow::Normal, LowMemoryAction(7), true, 0, true}},  // an unknown action is kept: it does nothing
        {{{L"Flag01", L"32768"}, {L"Flag03", L"1e3"}, {L"Flag05", L""}, {L"Flag06", L"0x10"}}, Settings{}},
    };
    for (const auto& c : cases) {
        fake::FakeSettingsStore store;
        store.values = c.stored;
        const Settings s = loadSettings(store);
        EXPECT_TRUE(s == c.read) << c.stored.size();
        store.failing = {L"Flag02"};  // a value that cannot be written keeps its old text
        saveSettings(store, s);
        EXPECT_EQ(loadSettings(store).amountSteps, s.amountSteps);
        EXPECT_EQ(store.values.size(), c.stored.count(L"Flag02") ? 7u : 6u);
    }
}

}  // namespace
}  // namespace lark
