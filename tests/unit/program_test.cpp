// The program's start, its stored settings and its exits, over fakes.
#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "options/hotkey_text.h"
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
    ASSERT_TRUE(splash() && splash()->topmost);
    EXPECT_EQ(window(MainPanelTitle), nullptr);  // the panel loads when the splash's time is over
    splash()->fire(SplashScreen::Timer);
    EXPECT_EQ(splash(), nullptr);
    EXPECT_EQ(trayHost().icon(), Picture::Emblem);
}

TEST_F(Startup, TheStoredWindowStateDecidesHowThePanelOpens) {
    const std::tuple<const wchar_t*, bool, ShowState, const wchar_t*> cases[] = {  // stored, visible, state, saved
        {L"0", true, ShowState::Normal, L"0"}, {L"1", false, ShowState::Minimised, L"1"},
        {L"2", true, ShowState::Maximised, L"2"}, {L"-1", true, ShowState::Normal, L"0"}, {L"7", true, ShowState::Normal, L"0"}};
    for (auto [stored, visible, state, saved] : cases) {
        fake::TestProgram app;
        app.settings.values[L"Flag03"] = stored;
        fake::FakeWindow& panel = app.loadMainPanel();
        EXPECT_EQ(std::pair(panel.visible(), panel.state()), std::pair(visible, state)) << saved;
        EXPECT_THROW(panel.events().onClose(), ProcessEnded);
        EXPECT_EQ(app.settings.values[L"Flag03"], saved);
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
        EXPECT_EQ(app.settings.values.size(), 14u);
        EXPECT_FALSE(app.tray.shown);  // removed before the end
    }
}

// Each value read as its type: halves round to even, Booleans are words in any case or numbers;
// anything else, and a slider position out of its range, gives the default.
TEST(Settings, StoredTextIsReadAsItsTypeAndWrittenBackWhole) {
    using Stored = std::map<std::wstring, std::wstring, std::less<>>;
    const std::pair<Stored, Settings> cases[] = {
        {{}, Settings{}},
        {{{L"Flag01", L" 2.5 "}, {L"Flag02", L"3.5"}, {L"Flag03", L"2"}, {L"Flag04", L"1"}, {L"Flag05", L"fALSE"},
          {L"Flag06", L"70000"}, {L"Flag07", L"0"}},
         {2, 4, StartupWindow::Maximised, LowMemoryAction::Ask, false, 70000, false}},
        {{{L"Flag01", L"69"}, {L"Flag02", L"-1"}, {L"Flag03", L"abc"}, {L"Flag04", L"7"}, {L"Flag05", L"no"},
          {L"Flag06", L"99999999999"}, {L"Flag07", L"-1"}},
         {55, 5, StartupWindow::Normal, LowMemoryAction(7), true, 0, true}},  // an unknown action is kept: it does nothing
        {{{L"Flag01", L"32768"}, {L"Flag03", L"1e3"}, {L"Flag05", L""}, {L"Flag06", L"0x10"}}, Settings{}}};
    for (const auto& [stored, read] : cases) {
        fake::FakeSettingsStore store;
        store.values = stored;
        const Settings s = loadSettings(store);
        EXPECT_TRUE(s == read) << stored.size();
        store.failing = {L"Flag02"};  // a value that cannot be written keeps its old text
        saveSettings(store, s);
        EXPECT_EQ(loadSettings(store).amountSteps, s.amountSteps);
        EXPECT_EQ(store.values.size(), stored.count(L"Flag02") ? 14u : 13u);
    }
    // The later values: texts, read in any case; what cannot be read is written back as its default.
    fake::FakeSettingsStore store;
    store.values = {{L"HotkeySecure", L"alt+CTRL+m"}, {L"HotkeyCleanup", L"Shift+A"}, {L"HotkeyTrim", L"Win+F24"},
                    {L"HotkeyShow", L"Ctrl+Alt+Tab"}, {L"TrayIcon", L"NUMBER"}, {L"History", L"0"}, {L"Language", L"EN"}};
    Settings s = loadSettings(store);
    EXPECT_EQ(s.hotkeys, (std::array<Hotkey, HotkeyCount>{{{Hotkey::Ctrl | Hotkey::Alt, 'M'}, {}, {Hotkey::Win, 0x87}, {}}}));
    EXPECT_EQ(std::tuple(s.trayStyle, s.keepHistory, s.language), std::tuple(TrayStyle::Number, false, Language::English));
    store.values[L"TrayIcon"] = L"digits", store.values[L"History"] = L"yes", store.values[L"Language"] = L"fr";
    s = loadSettings(store);
    EXPECT_EQ(std::tuple(s.trayStyle, s.keepHistory, s.language), std::tuple(TrayStyle::Gauge, true, std::nullopt));
    saveSettings(store, s);
    EXPECT_EQ(store.values, (Stored{
        {L"Flag01", L"55"}, {L"Flag02", L"5"}, {L"Flag03", L"0"}, {L"Flag04", L"0"}, {L"Flag05", L"True"}, {L"Flag06", L"0"},
        {L"Flag07", L"True"}, {L"HotkeySecure", L"Ctrl+Alt+M"}, {L"HotkeyCleanup", L""}, {L"HotkeyTrim", L"Win+F24"},
        {L"HotkeyShow", L""}, {L"TrayIcon", L"gauge"}, {L"History", L"1"}, {L"Language", L"auto"}}));
}

// Every key of the list in every case and order reads back as written; a key without Ctrl, Alt or
// Win, a key off the list, a modifier twice or anything else reads as nothing.
TEST(Settings, HotkeyTextsReadBackAsWrittenAndRefuseWhatWouldStealTyping) {
    for (const wchar_t* text : {L"Ctrl+A", L"Alt+Z", L"Win+0", L"Ctrl+Alt+Shift+Win+9", L"Ctrl+F1", L"Alt+Shift+F24", L"Ctrl+Insert",
                                L"Ctrl+Delete", L"Ctrl+Home", L"Ctrl+End", L"Ctrl+PageUp", L"Ctrl+PageDown", L"Ctrl+Pause", L"Ctrl+Space"})
        EXPECT_EQ(hotkeyText(parseHotkey(text).value_or(Hotkey{})), text);
    EXPECT_EQ(parseHotkey(L"shift+pagedown+"), std::nullopt);
    EXPECT_EQ(parseHotkey(L"SHIFT+ALT+pageDOWN"), (Hotkey{Hotkey::Alt | Hotkey::Shift, 0x22}));
    EXPECT_EQ(parseHotkey(L""), Hotkey{});
    for (const wchar_t* text : {L"A", L"Shift+A", L"Ctrl+", L"+A", L"Ctrl+Ctrl+A", L"Ctrl+Tab", L"Ctrl+F0", L"Ctrl+F25", L"Ctrl+F01",
                                L"Ctrl+ab", L"Control+A", L"Ctrl+Alt", L"Ctrl A", L"Ｃｔｒｌ+A", L"Ctrl+a+b"})
        EXPECT_EQ(parseHotkey(text), std::nullopt) << text;
    EXPECT_EQ(hotkeyText({Hotkey::Shift, 'A'}), L"");
    EXPECT_EQ(hotkeyText({Hotkey::Ctrl | 16, 'A'}), L"");
}

}  // namespace
}  // namespace lark
