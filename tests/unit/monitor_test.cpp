// The memory monitor on the main panel: the size rows, the tray gauge and tip, the amount labels, the
// history graph, the low-memory test and what it starts, and the securing schedule.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "monitor/gauge.h"
#include "monitor/history_graph.h"
#include "monitor/schedule.h"
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

TEST_F(Monitor, ShowsSixtyFourBitFiguresAndTheFreeShareInTheTrayOnTheGaugeAndOnTheGraph) {
    settings.values[L"Flag04"] = L"2";  // low memory ignored
    load(24 * GiB, 6 * GiB);
    EXPECT_EQ(text(SizeRowNumber), L"24576");
    EXPECT_EQ(text(SizeRowUnit), L"MB");
    EXPECT_EQ(text(AmountUnitLabel), L"MB");
    // The sliders' texts: test_startup.py and test_settings.py.
    const std::tuple<std::uint64_t, int, std::wstring> cases[] = {
        {6 * GiB, 4, L" 25"}, {24 * GiB, 12, L" 100"}, {3 * GiB, 2, L" 12"}, {2 * GiB, 1, L" 8"}, {0, 1, L" 0"}};
    for (const auto& [available, level, pct] : cases) {
        memory.status.availPhys = available;
        canvas(GaugePanel).forget();
        ASSERT_TRUE(tick() && warningTick());
        EXPECT_EQ(trayHost().icon(), levelPicture(level)) << level;
        EXPECT_EQ(tray.shown->tip, L"Larkspan -" + pct + L"%の空きメモリ");
        EXPECT_EQ(canvas(GaugePanel).commands.back().text, pct + L"%の空きメモリが存在します");
        EXPECT_EQ(text(GaugePanel), pct.substr(1) + L"%の空きメモリが存在します");  // for screen readers
        EXPECT_EQ(text(HistoryGraph), L"メモリ空き容量" + pct + L"%");
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

constexpr Rgb Magenta{255, 0, 255};

TEST(HistoryEntry, FreeShareScaledToEightyPixelsWithASliverForSmallReadings) {
    const std::tuple<double, const wchar_t*, double, int> cases[] = {  // free, its unit, total (MB), entry
        {6144, L"MB", 24576, 20}, {24576, L"MB", 24576, 80}, {0, L"MB", 24576, 0}, {1, L"MB", 512, 0}, {3, L"MB", 512, 0},
        {4, L"MB", 1024, 0} /* 0.3125 rounds to 0 */, {6, L"MB", 320, 2}, {1000, L"KB", 512, 1}, {1024, L"KB", 512, 81},
        {1024, L"KB", 1024, 41}, {600, L"Byte", 512, 1}, {9999, L"MB", 512, 81} /* disagreeing figures */, {5, L"MB", 0, 0}};
    for (auto [free, unit, total, entry] : cases) EXPECT_EQ(historyEntry(free, unit, total), entry) << free << " of " << total;
}

std::vector<Draw> segments(const fake::FakeCanvas& c) {
    std::vector<Draw> drawn;
    std::copy_if(c.commands.begin(), c.commands.end(), std::back_inserter(drawn), [](const Draw& d) { return d.colour == Magenta; });
    return drawn;
}

TEST(HistoryGraph, GridShiftsLevelsFollowTheSlidersAndTheHistoryFillsFromTheRight) {
    History history;
    history.fill(NoEntry);
    fake::FakeCanvas c;
    drawHistoryGraph(c, history, 1, 68, 28);
    for (const Draw& d : {Draw::clear(), Draw::ln(54, 16, 54, 95, {0, 0, 128}), Draw::ln(244, 16, 244, 95, {0, 0, 128}),
                          Draw::ln(46, 26, 244, 26, {155, 155, 255}, Pen::Dotted), Draw::ln(46, 66, 244, 66, {200, 0, 0}, Pen::Dotted)})
        EXPECT_TRUE(c.has(d));
    EXPECT_TRUE(segments(c).empty());
    pushHistory(history, 20);
    pushHistory(history, 40);
    c.forget();
    drawHistoryGraph(c, history, 10, 0, 0);
    EXPECT_TRUE(c.has(Draw::ln(45, 16, 45, 95, {0, 0, 128})));
    EXPECT_EQ(segments(c), std::vector<Draw>{Draw::ln(244, 75, 245, 55, Magenta)});
    for (int i = 0; i < 250; ++i) pushHistory(history, static_cast<std::int16_t>(i % 81));
    c.forget();
    drawHistoryGraph(c, history, 5, 0, 0);
    ASSERT_EQ(segments(c).size(), 199u);
    EXPECT_EQ(segments(c).front().x1, 46);  // the oldest of a full history
}

TEST(Schedule, RunsAtTheEndOfEachPeriodAndAShorterPeriodAtOnce) {
    for (auto [index, period] : {std::pair{1, 5}, {2, 10}, {3, 20}, {4, 30}, {5, 60}}) {
        SecuringSchedule schedule;
        for (int minute = 1; minute <= 2 * period; ++minute)
            EXPECT_EQ(schedule.minutePassed(index), minute % period == 0) << index << " at " << minute;
    }
    SecuringSchedule schedule;
    for (int minute = 1; minute <= 40; ++minute) ASSERT_FALSE(schedule.minutePassed(5));
    EXPECT_TRUE(schedule.minutePassed(1));  // from an hour to five minutes at minute 40
    for (int index : {0, 6, -3}) EXPECT_FALSE(schedule.minutePassed(index));
    for (int minute = 1; minute < 5; ++minute) EXPECT_FALSE(schedule.minutePassed(1));  // counting started again
    EXPECT_TRUE(schedule.minutePassed(1));
}

// A 4 GiB machine: the warning slider at 28 puts the warning level at 1470 MB.
class Warning : public fake::ProgramTest {
protected:
    void load(const wchar_t* action, std::uint64_t available = 1 * GiB) {
        settings.values = {{L"Flag01", L"55"}, {L"Flag02", L"28"}, {L"Flag04", action}};
        memory.status = fake::machine(4 * GiB, available);
        loadMainPanel();
    }
    int securings() { return memory.freshSamples / 2; }  // a before and an after sample each
    int questions() { return static_cast<int>(messages.shown.size()); }
    void ticks(int n) { for (int i = 0; i < n; ++i) warningTick(); }
};

TEST_F(Warning, SecuringAtOnceStartsAnEpisodeAndWaitsOutTheCoolDownWhileMemoryStaysLow) {
    load(L"0");
    warningTick();
    EXPECT_EQ(securings(), 1);
    EXPECT_EQ(messages.shown.size(), 0u);
    clock.ms += 59999;
    ticks(3);
    EXPECT_EQ(securings(), 1);
    clock.ms += 1;
    warningTick();
    EXPECT_EQ(securings(), 2);
    memory.status.availPhys = 3 * GiB;  // the episode ends
    warningTick();
    memory.status.availPhys = 1 * GiB;  // a new one starts at once
    warningTick();
    EXPECT_EQ(securings(), 3);
}

TEST_F(Warning, AskingHappensOncePerEpisodeAndYesSecures) {
    load(L"1");
    messages.answers = {mb::AnswerNo};
    ticks(5);
    ASSERT_EQ(questions(), 1);
    EXPECT_EQ(messages.shown[0], (fake::FakeMessageBoxes::Shown{L"空きメモリが警告値より少なくなっています。\rシステムメモリを確保しますか？",
                                                                mb::YesNo | mb::Critical}));  // titled "Larkspan"
    EXPECT_EQ(securings(), 0);
    memory.status.availPhys = 3 * GiB;
    warningTick();
    memory.status.availPhys = 1 * GiB;
    messages.answers = {mb::AnswerYes};
    ticks(2);
    EXPECT_EQ(questions(), 2);
    EXPECT_EQ(securings(), 1);
}

TEST_F(Warning, NothingWhenIgnoredWhenTheAmountIsNotAboveTheWarningSizeOrWhileACleanupRuns) {
    fake::TestProgram ignoring;  // any action but the first two ignores low memory
    ignoring.settings.values = {{L"Flag02", L"28"}, {L"Flag04", L"7"}};
    ignoring.memory.status = fake::machine(4 * GiB, 1 * GiB);
    ignoring.loadMainPanel().fire(WarningTimer);
    EXPECT_EQ(ignoring.memory.freshSamples + static_cast<int>(ignoring.messages.shown.size()), 0);
    load(L"1");
    slider(AmountSlider).userMoves(28);  // at the warning size: not low, and the question is armed again
    ticks(2);
    EXPECT_EQ(questions(), 0);
    slider(AmountSlider).userMoves(29);
    messages.whileShown = [&] { warningTick(); };  // the cleanup's result box: memory is low on purpose
    mainWindow().click(CleanupCommand);
    EXPECT_EQ(questions(), 1);  // the result box only
}

// That it moves while shown: test_tray.py.
TEST_F(Warning, TheGraphRestsWhileHiddenAndCatchesUpWhenThePanelComesBack) {
    load(L"2", 2 * GiB);
    warningTick();
    mainWindow().minimise();
    canvas(HistoryGraph).forget();
    ticks(3);
    EXPECT_TRUE(canvas(HistoryGraph).commands.empty());  // nobody sees it
    trayHost().events().onTrayMouse(513);
    EXPECT_TRUE(mainWindow().visible());
    const auto drawn = canvas(HistoryGraph).sinceClear();
    EXPECT_EQ(std::count_if(drawn.begin(), drawn.end(), [](const Draw& d) { return d.colour == Magenta; }), 3);  // four entries
}

}  // namespace
}  // namespace lark
