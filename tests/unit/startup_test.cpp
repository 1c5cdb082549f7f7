// Start-up, the splash, the main panel's load and the three ways out.
#include <gtest/gtest.h>

#include "tests/fakes/test_program.h"

namespace lark {
namespace {

using namespace fake;

class Startup : public ProgramTest {
protected:
    void SetUp() override { memory.status = machine(255 * MiB, 128 * MiB); }
    void fireSplash() { ASSERT_TRUE(splashWindow()->fire(Form4::idTimer1)); }
};

TEST_F(Startup, ASecondCopyEndsBeforeAnythingIsShownReadOrSaved) {
    instance.otherCopyRuns = true;
    EXPECT_FALSE(start());
    EXPECT_EQ(ui.windowsCreated, 0);
    EXPECT_TRUE(settings.reads.empty());
    EXPECT_TRUE(settings.writes.empty());
    EXPECT_TRUE(tray.calls.empty());
    EXPECT_FALSE(program.WarningArmed);
    EXPECT_EQ(program.splash(), nullptr);
}

TEST_F(Startup, TheSplashShowsCentredOnTopAndHandsOverToTheMainPanelAfterItsTimer) {
    ASSERT_TRUE(start());
    EXPECT_EQ(journal.entries.front(), "instance.acquire");
    EXPECT_TRUE(program.WarningArmed);
    FakeWindow& splash = *splashWindow();
    EXPECT_EQ(splash.frame().x + splash.frame().w / 2, 512);
    EXPECT_EQ(splash.frame().y + splash.frame().h / 2, 384);
    EXPECT_TRUE(splash.topmost);
    EXPECT_TRUE(splash.visible());
    EXPECT_EQ(splash.timerInterval(Form4::idTimer1), 2500);
    EXPECT_FALSE(program.form1Loaded());  // the panel loads when the splash ends

    fireSplash();
    EXPECT_EQ(program.splash(), nullptr);
    EXPECT_TRUE(splash.closed);
    ASSERT_TRUE(program.form1Loaded());
    EXPECT_TRUE(mainWindow().visible());
    EXPECT_EQ(mainWindow().state(), ShowState::Normal);
    EXPECT_GE(mainWindow().forwards, 1);
}

TEST_F(Startup, WithoutTheLogoThePanelShowsAtOnceAndTheSplashNever) {
    settings.values[L"Flag05"] = L"False";
    ASSERT_TRUE(start());
    EXPECT_FALSE(program.ShowLogo);
    ASSERT_TRUE(program.form1Loaded());
    EXPECT_TRUE(mainWindow().visible());
    FakeWindow& splash = *splashWindow();
    EXPECT_EQ(splash.shows, 0);
    EXPECT_TRUE(splash.topmost);
    fireSplash();  // 2.5 s later: unloaded, the panel stays as it is
    EXPECT_EQ(program.splash(), nullptr);
    EXPECT_TRUE(mainWindow().visible());
}

TEST_F(Startup, TheLogoKeyIsReadAsABooleanWithTrueByDefault) {
    for (auto [stored, expected] : {std::pair{L"TRUE", true}, {L"false", false}, {L"0", false}, {L"-1", true}, {L"maybe", true}, {L"", true}}) {
        TestProgram p;
        p.settings.values[L"Flag05"] = stored;
        ASSERT_TRUE(p.start());
        EXPECT_EQ(p.program.ShowLogo, expected) << std::wstring(stored).size();
    }
}

// The stored window state: 1 leaves only the tray icon (the panel centred for later), 2 maximises,
// anything outside the three opens normally and is saved as 0.
TEST_F(Startup, TheStoredWindowStateDecidesHowThePanelOpens) {
    const struct {
        const wchar_t* stored;
        ShowState state;
        bool visible;
        const wchar_t* saved;
    } cases[] = {{L"1", ShowState::Minimised, false, L"1"},
                 {L"2", ShowState::Maximised, true, L"2"},
                 {L"3", ShowState::Normal, true, L"0"},
                 {L"-1", ShowState::Normal, true, L"0"}};
    for (const auto& c : cases) {
        TestProgram p;
        p.memory.status = machine(255 * MiB, 128 * MiB);
        p.settings.values[L"Flag03"] = c.stored;
        ASSERT_TRUE(p.start());
        ASSERT_TRUE(p.splashWindow()->fire(Form4::idTimer1));
        FakeWindow& panel = p.mainWindow();
        EXPECT_EQ(panel.state(), c.state) << c.saved;
        EXPECT_EQ(panel.visible(), c.visible) << c.saved;
        if (c.state == ShowState::Minimised) {
            EXPECT_EQ(panel.frame().x + panel.frame().w / 2, 512);
            EXPECT_EQ(panel.frame().y + panel.frame().h / 2, 384);
        }
        ASSERT_TRUE(p.tray.shown);
        EXPECT_THROW(p.form1().m04_Click(), ProcessEnded);
        EXPECT_EQ(p.settings.values[L"Flag03"], c.saved);
    }
}

// Without the logo the panel is up at once: a stored minimised state, or a user who minimises
// before the splash's timer, keeps it in the tray when the splash ends.
TEST_F(Startup, WithoutTheLogoAMinimisedPanelStaysInTheTrayWhenTheSplashEnds) {
    for (bool byUser : {false, true}) {
        TestProgram p;
        p.settings.values[L"Flag05"] = L"False";
        if (!byUser) p.settings.values[L"Flag03"] = L"1";
        ASSERT_TRUE(p.start());
        if (byUser) p.mainWindow().minimise();
        EXPECT_FALSE(p.mainWindow().visible());
        ASSERT_TRUE(p.splashWindow()->fire(Form4::idTimer1));
        EXPECT_FALSE(p.mainWindow().visible()) << byUser;
    }
}

TEST_F(Startup, TheLoadPutsTheEmblemInTheTrayTakesASampleAndDrawsTheStaticParts) {
    Form1& f = loadMainPanel();
    FakeWindow& panel = mainWindow();
    EXPECT_EQ(panel.icon(), Picture::AppIcon);
    EXPECT_FALSE(trayHost().visible());
    ASSERT_EQ(tray.count(FakeTrayIcons::Add), 1);
    EXPECT_EQ(tray.calls[0].record.icon, Picture::Emblem);
    EXPECT_EQ(tray.calls[0].record.tip, L"Larkspan - 起動準備をしています");
    EXPECT_EQ(f.busy, 0);
    for (int i = 1; i <= 200; ++i) ASSERT_EQ(f.history[i], -1) << i;
    EXPECT_EQ(text(Form1::idRAM0), L"255");
    EXPECT_EQ(text(Form1::idLabel5), L"MB");
    EXPECT_EQ(text(Form1::idLabel4), L"MB");
    EXPECT_EQ(f.warnBytes, 16 * 1048576);  // Flag02 missing: 5 steps of 255 MB / 78
    EXPECT_TRUE(canvas(Form1::idPicture2).has(Draw::txtRight(44, 17, L" 255MB", {255, 255, 0})));
    EXPECT_EQ(canvas(Form1::idPicture1).count(Draw::Text), 3);  // the legend
    EXPECT_EQ(panel.fakeCanvas().commands.front(), Draw::frame(0, 230, 457, 244, FakeUi::ButtonShadow));
    EXPECT_EQ(panel.timerInterval(Form1::idTimer1), 200);
    EXPECT_TRUE(panel.timerRunning(Form1::idTimer2));
    EXPECT_EQ(memory.samples, 1);
}

TEST_F(Startup, SettingsAreReadInTheirOrderBeforeTheFirstSample) {
    ASSERT_TRUE(start());
    fireSplash();
    const std::vector<std::wstring> expected = {L"Flag05", L"Flag02", L"Flag01", L"Flag03", L"Flag04", L"Flag06", L"Flag07"};
    EXPECT_EQ(settings.reads, expected);
}

TEST_F(Startup, ActivationShowsTheAmountToSecure) {
    loadMainPanel();
    EXPECT_EQ(text(Form1::idKakuho), L"0");  // the slider kept its design value: no change ran
    mainWindow().activate();
    EXPECT_EQ(text(Form1::idKakuho), L"179");
}

TEST_F(Startup, MinimisingHidesThePanelInsteadOfEnding) {
    loadMainPanel();
    mainWindow().show(ShowState::Normal);
    mainWindow().minimise();
    EXPECT_FALSE(mainWindow().visible());
    EXPECT_EQ(ui.ends, 0);
    EXPECT_TRUE(tray.shown);
}

// Every way out saves all settings, then removes the icon, then ends the process.
TEST_F(Startup, EveryExitSavesThenRemovesTheIconThenEnds) {
    const std::function<void(TestProgram&)> exits[] = {
        [](TestProgram& p) { p.mainWindow().click(Form1::idm04); },
        [](TestProgram& p) { p.mainWindow().events().onClose(); },
        [](TestProgram& p) { p.mainWindow().events().onEndSession(); },
    };
    for (const auto& exitBy : exits) {
        TestProgram p;
        p.loadMainPanel();
        EXPECT_THROW(exitBy(p), ProcessEnded);
        const int lastWrite = p.journal.indexOf("settings.write Flag07");
        const int removed = p.journal.indexOf("tray.remove");
        const int ended = p.journal.indexOf("ui.endProcess");
        ASSERT_GE(lastWrite, 0);
        EXPECT_LT(lastWrite, removed);
        EXPECT_LT(removed, ended);
        EXPECT_EQ(p.settings.writes.size(), 7u);
        EXPECT_FALSE(p.tray.shown);
    }
}

}  // namespace
}  // namespace lark
