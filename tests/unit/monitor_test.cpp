// The memory monitor on the main panel: the size rows, the tray gauge and tip, the gauge panel, the
// warning level and the amount labels.
#include <gtest/gtest.h>

#include "monitor/gauge.h"
#include "tests/fakes/test_program.h"

namespace lark {
namespace {

using fake::Draw;
using fake::GiB;
using fake::KiB;
using fake::MiB;

class Monitor : public fake::ProgramTest {
protected:
    void load(std::uint64_t total, std::uint64_t available) {
        memory.status = fake::machine(total, available);
        loadMainPanel();
    }
};

TEST_F(Monitor, ShowsSixtyFourBitFiguresAndTheFreeShareInTheTrayAndOnTheGauge) {
    load(24 * GiB, 6 * GiB);
    EXPECT_EQ(text(SizeRowNumber), L"24576");
    EXPECT_EQ(text(SizeRowUnit), L"MB");
    EXPECT_EQ(text(AmountUnitLabel), L"MB");
    const struct {
        std::uint64_t available;
        int level;
        const wchar_t* pct;
    } cases[] = {{6 * GiB, 4, L" 25"}, {24 * GiB, 12, L" 100"}, {3 * GiB, 2, L" 12"}, {2 * GiB, 1, L" 8"}, {0, 1, L" 0"}};
    for (const auto& c : cases) {
        memory.status.availPhys = c.available;
        canvas(GaugePanel).forget();
        ASSERT_TRUE(tick());
        EXPECT_EQ(trayHost().icon(), levelPicture(c.level)) << c.level;
        EXPECT_EQ(tray.shown->tip, L"Larkspan -" + std::wstring(c.pct) + L"%の空きメモリ");
        EXPECT_EQ(canvas(GaugePanel).texts().back().text, std::wstring(c.pct) + L"%の空きメモリが存在します");
    }
}

TEST_F(Monitor, KilobyteAndByteSizedReadingsAndAZeroTotal) {
    load(512 * MiB, 600 * KiB);
    EXPECT_EQ(text(SizeRowNumber + 1), L"600");
    EXPECT_EQ(text(SizeRowUnit + 1), L"KB");
    memory.status.availPhys = 1000;  // a byte count keeps the previous number
    tick();
    EXPECT_EQ(text(SizeRowNumber + 1), L"600");
    EXPECT_EQ(text(SizeRowUnit + 1), L"Byte");
    EXPECT_EQ(tray.shown->tip, L"Larkspan - 0%の空きメモリ");

}

TEST_F(Monitor, ATotalShownAsZeroHasNoShareToShow) {
    load(1024, 0);  // a kilobyte or less keeps the row's first number, 0
    canvas(GaugePanel).forget();
    tick();
    EXPECT_EQ(tray.shown->tip, L"Larkspan - 起動準備をしています");
    EXPECT_EQ(canvas(GaugePanel).count(Draw::Text), 0);
}

TEST_F(Monitor, AmountLabelsFollowTheSlidersAndTheWarningLevelIsInBytes) {
    load(4 * GiB, 2 * GiB);  // one step: 4096 / 78 = 52.5 MB
    mainWindow().activate();
    EXPECT_EQ(text(AmountLabel), L"2888");  // 55 steps
    slider(AmountSlider).userMoves(1);
    EXPECT_EQ(text(AmountLabel), L"52");
    slider(WarningSlider).userMoves(28);
    EXPECT_EQ(text(WarningSizeLabel), L"0");  // follows at the next warning tick
    warningTick();
    EXPECT_EQ(text(WarningSizeLabel), L"1470");
    const int writes = mainWindow().control(WarningSizeLabel).textWrites;
    warningTick();
    EXPECT_EQ(mainWindow().control(WarningSizeLabel).textWrites, writes);  // only changes are written
}

}  // namespace
}  // namespace lark
