// The monitor tick, the warning tick's amount labels and the two sliders, through the running panel.
#include <gtest/gtest.h>

#include "monitor/number_text.h"
#include "tests/fakes/test_program.h"

namespace lark {
namespace {

using namespace fake;
using F = Form1;

class MonitorTick : public ProgramTest {
protected:
    void SetUp() override { memory.status = machine(255 * MiB, 128 * MiB); }
    // Free memory for a whole percentage of a 100 MB machine.
    void freePercent(int pct) { memory.status = machine(100 * MiB, static_cast<std::uint64_t>(pct) * MiB); }
    const TrayRecord& trayNow() { return *tray.shown; }
};

TEST_F(MonitorTick, ShowsTheFreeShareInTheTrayAndOnTheGauge) {
    loadMainPanel();
    memory.status.availPhys = 146 * MiB;  // 100/255*146 = 57.2
    canvas(F::idPicture1).forget();
    ASSERT_TRUE(tick());
    EXPECT_EQ(text(F::idRAM0 + 1), L"146");
    EXPECT_EQ(trayHost().icon(), levelPicture(7));
    EXPECT_EQ(trayNow().icon, levelPicture(7));
    EXPECT_EQ(trayNow().tip, L"Larkspan - 57%の空きメモリ");
    EXPECT_EQ(canvas(F::idPicture1).texts().back(), Draw::txt(15, 38, L" 57%の空きメモリが存在します", {255, 255, 255}));
}

TEST_F(MonitorTick, PicksTheTrayGaugeAtTheEdgesOfItsSteps) {
    loadMainPanel();
    for (auto [pct, k] : {std::pair{8, 1}, {9, 2}, {25, 4}, {99, 12}, {100, 12}, {0, 1}}) {
        freePercent(pct);
        ASSERT_TRUE(tick());
        EXPECT_EQ(trayNow().icon, levelPicture(k)) << pct;
        EXPECT_EQ(trayNow().tip, L"Larkspan -" + numberText(pct) + L"%の空きメモリ") << pct;
    }
}

TEST_F(MonitorTick, CountsKilobytesFreeAsWholeMegabytes) {
    memory.status = machine(64 * MiB, 800 * KiB);
    loadMainPanel();
    ASSERT_TRUE(tick());
    EXPECT_EQ(text(F::idRAMs0 + 1), L"KB");
    EXPECT_EQ(trayNow().icon, levelPicture(1));
    EXPECT_EQ(trayNow().tip, L"Larkspan - 0%の空きメモリ");
}

TEST_F(MonitorTick, KeepsTheWarningLevelInBytes) {
    Form1& f = loadMainPanel();
    slider(F::idHScroll2).userMoves(0);
    f.warnBytes = 123;
    tick();
    EXPECT_EQ(f.warnBytes, 0);
    slider(F::idHScroll2).userMoves(5);
    f.warnBytes = 0;
    tick();
    EXPECT_EQ(f.warnBytes, 16777216);
}

TEST_F(MonitorTick, DoesNothingWhileBusy) {
    Form1& f = loadMainPanel();
    tick();
    const auto trayCalls = tray.calls.size();
    const auto gaugeDraws = canvas(F::idPicture1).commands.size();
    const auto samples = memory.samples;
    f.busy = -1;
    memory.status.availPhys = 10 * MiB;
    slider(F::idHScroll2).userMoves(0);  // the slider itself still acts at once
    f.warnBytes = 42;
    tick();
    EXPECT_EQ(tray.calls.size(), trayCalls);
    EXPECT_EQ(canvas(F::idPicture1).commands.size(), gaugeDraws);
    EXPECT_EQ(memory.samples, samples);
    EXPECT_EQ(text(F::idRAM0 + 1), L"128");
    EXPECT_EQ(f.warnBytes, 42);
    f.busy = 0;
    tick();  // the first tick after the action puts the level back
    EXPECT_EQ(trayNow().tip, L"Larkspan - 3%の空きメモリ");  // 10 of 255 MB
}

TEST_F(MonitorTick, ATotalShownAsZeroLeavesTheTrayAndGaugeAsTheyWere) {
    memory.status = machine(1000, 500);  // "Byte": the total's row keeps "0"
    Form1& f = loadMainPanel();
    EXPECT_EQ(text(F::idRAM0), L"0");
    canvas(F::idPicture1).forget();
    const auto trayCalls = tray.calls.size();
    ASSERT_TRUE(tick());
    EXPECT_EQ(tray.calls.size(), trayCalls);
    EXPECT_TRUE(canvas(F::idPicture1).commands.empty());
    EXPECT_EQ(f.warnBytes, 0);
    EXPECT_EQ(trayNow().tip, L"Larkspan - 起動準備をしています");
}

class Sliders : public ProgramTest {
protected:
    void SetUp() override { memory.status = machine(255 * MiB, 128 * MiB); }
};

TEST_F(Sliders, TheWarningTickShowsBothAmountsAndRewritesThemOnlyWhenTheyChange) {
    loadMainPanel();
    ASSERT_TRUE(warningTick());
    EXPECT_EQ(text(F::idKakuho), L"179");
    EXPECT_EQ(text(F::idJidou), L"16");
    const int writes = control(F::idJidou).textWrites + control(F::idKakuho).textWrites;
    for (int i = 0; i < 10; ++i) warningTick();
    EXPECT_EQ(control(F::idJidou).textWrites + control(F::idKakuho).textWrites, writes);
}

TEST_F(Sliders, TheWarningSizeActsAtOnceButItsLabelFollowsAtTheNextWarningTick) {
    Form1& f = loadMainPanel();
    warningTick();
    slider(F::idHScroll2).userMoves(10);
    EXPECT_EQ(f.warnBytes, std::int64_t{32} * 1048576);  // 255 / 78 * 10 = 32.7
    EXPECT_EQ(text(F::idJidou), L"16");
    warningTick();
    EXPECT_EQ(text(F::idJidou), L"32");
}

TEST_F(Sliders, TheAmountToSecureFollowsItsSliderAtOnce) {
    loadMainPanel();
    slider(F::idHScroll1).userMoves(68);
    EXPECT_EQ(text(F::idKakuho), L"222");
    slider(F::idHScroll1).userMoves(0);
    EXPECT_EQ(text(F::idKakuho), L"0");
}

TEST_F(Sliders, TheWarningSizeTakesItsUnitFromItsOwnLabel) {
    Form1& f = loadMainPanel();
    f.Label4->setText(L"KB");
    slider(F::idHScroll2).userMoves(7);
    EXPECT_EQ(f.warnBytes, 22 * 1024);  // 255 / 78 * 7 = 22.9
    f.Label4->setText(L"?");
    slider(F::idHScroll2).userMoves(6);
    EXPECT_EQ(f.warnBytes, 19);
}

TEST_F(Sliders, NothingMovesWhileBusy) {
    Form1& f = loadMainPanel();
    f.busy = -1;
    ASSERT_TRUE(warningTick());
    EXPECT_EQ(text(F::idKakuho), L"0");
    EXPECT_EQ(text(F::idJidou), L"0");
}

}  // namespace
}  // namespace lark
