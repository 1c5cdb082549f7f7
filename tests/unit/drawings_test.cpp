// The panel's arithmetic and drawings: the free share and the tray gauge, the gauge panel, the slider
// amounts, the graph's scale and the details table.
#include <gtest/gtest.h>

#include <array>

#include "monitor/details.h"
#include "monitor/gauge.h"
#include "shell/drawings.h"
#include "tests/fakes/fake_ui.h"

namespace lark {
namespace {

using fake::Draw;

TEST(FreeMegabytes, BringsKilobytesAndBytesDownToWholeMegabytes) {
    const std::tuple<std::int64_t, const wchar_t*, std::int64_t> cases[] = {
        {1023, L"KB", 0}, {1024, L"KB", 1}, {24105, L"MB", 24105}, {1048575, L"Byte", 0}, {1048576, L"Byte", 1}};
    for (auto [figure, unit, mb] : cases) EXPECT_EQ(gauge::freeMegabytes(figure, unit), mb) << figure;
}

// The share is rounded down in the order of the formula (100 / total * free) and stays on the scale;
// a total shown as zero has no share.
TEST(FreePercent, RoundsDownAndStaysWithinTheScale) {
    // None, a quarter and all of it: Monitor.ShowsSixtyFourBitFigures...
    for (auto [total, free, pct] : {std::tuple{255, 128, 50}, {3, 1, 33}, {24105, 24104, 99}, {100, 150, 100}})
        EXPECT_EQ(gauge::freePercent(total, free), pct) << total << " " << free;
    for (int free : {0, 5}) EXPECT_FALSE(gauge::freePercent(0, free));
}

TEST(Level, FollowsTheTwelveStepTableAndShowsTheFullGaugeAtOneHundred) {
    for (auto [pct, k] : {std::pair{0, 1}, {8, 1}, {9, 2}, {25, 4}, {33, 4}, {34, 5}, {99, 12}, {100, 12}})
        EXPECT_EQ(gauge::level(pct), k) << pct;
}

TEST(GaugeDrawing, DrawsTheFreePartOnlyFromFivePercent) {
    for (auto [pct, edge] : {std::pair{0, std::optional<int>()}, {4, std::nullopt}, {5, 238}, {50, 130}, {100, 10}})
        EXPECT_EQ(gauge::freeEdge(pct), edge) << pct;

    fake::FakeCanvas four, five;
    gauge::draw(four, 4);
    gauge::draw(five, 5);
    EXPECT_EQ(four.count(Draw::Fill), 3);  // bar and two swatches
    EXPECT_TRUE(five.has(Draw::fill(240, 30, 238, 60, {80, 80, 200})));
}

TEST(SliderAmount, IsSeventyEighthsOfTheTotalRoundedDownAndScaledByTheUnit) {
    for (auto [total, steps, amount] : {std::tuple{255, 55, 179}, {255, 5, 16}, {0, 28, 0}, {24576, 68, 21425}})  // 179.8 down
        EXPECT_EQ(sliderAmount(total, steps), amount) << total << " " << steps;
    const std::tuple<double, int, const wchar_t*, std::int64_t> warnings[] = {
        {255, 5, L"MB", 16777216}, {255, 0, L"MB", 0}, {1000, 5, L"KB", 64 * 1024}, {1000, 5, L"Byte", 64},
        {131072, 28, L"MB", std::int64_t{47051} * 1048576}};  // about 46 GiB: no overflow
    for (auto [total, steps, unit, bytes] : warnings) EXPECT_EQ(warningBytes(total, steps, unit), bytes) << total << unit;
}

// Each label is right-aligned in six characters, rounded down, and keeps every digit of a large total.
TEST(ChartScale, LabelsForSmallAndLargeTotals) {
    const std::wstring small[] = {L" 512MB", L" 384MB", L" 256MB", L" 128MB", L"   0MB"};
    const std::wstring large[] = {L"24105MB", L"18078MB", L"12052MB", L"6026MB", L"   0MB"};
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(chartScaleLabel(512, L"MB", i), small[i - 1]) << i;
        EXPECT_EQ(chartScaleLabel(24105, L"MB", i), large[i - 1]) << i;
    }
    EXPECT_EQ(chartScaleLabel(1000, L"KB", 2), L" 750KB");
    EXPECT_EQ(chartScaleLabel(255, L"MB", 2), L" 191MB");  // 191.25 rounded down
    EXPECT_EQ(chartScaleLabel(131072, L"MB", 1), L"131072MB");
}

TEST(DetailsCell, KeepsFiguresThatFitAndRaisesTheUnitOfLongerOnesRoundingDown) {
    const std::array<const wchar_t*, 4> cases[] = {  // number, unit; the field and its unit
        {L"0", L"Byte", L"    0", L"Byte"}, {L"1024", L"KB", L" 1024", L"KB"}, {L"2047", L"MB", L" 2047", L"MB"},
        {L"99999", L"MB", L"99999", L"MB"}, {L"100000", L"MB", L"   97", L"GB"},  // fills the field exactly; 97.66 GB
        {L"1048575", L"MB", L" 1023", L"GB"},  // just below 1 TB
        {L"134217727", L"MB", L"  127", L"TB"},  // 64-bit user address space: 131071 GB is still too long
        {L"134217695", L"MB", L"  127", L"TB"}, {L"123456", L"GB", L"  120", L"TB"},
        {L"17592186044415", L"MB", L"16383", L"PB"},  // the largest 64-bit count
        {L"123456", L"parsecs", L"123456", L"parsecs"}};  // no larger unit known: every digit kept
    for (auto [number, unit, field, shownUnit] : cases) {
        const DetailsCell cell = detailsCell(number, unit);
        EXPECT_EQ(cell.field + L"|" + cell.unit, field + (L"|" + std::wstring(shownUnit))) << number << ' ' << unit;
    }
}

TEST(DetailsText, TheTitleAndEachRowAsDrawn) {
    EXPECT_EQ(detailsText({L"24576", L"6144", L"134217727", L"100000", L"512"}, {L"MB", L"MB", L"MB", L"MB", L"KB"}),
              L"- システムメモリ詳細 -\r\n全物理メモリ 24576MB\r\n使用可能物理メモリ 6144MB\r\n全仮想メモリ 127TB\r\n"
              L"使用可能仮想メモリ 97GB\r\nﾍﾟｰｼﾞﾝｸﾞﾌｧｲﾙ残量 512KB");
}

}  // namespace
}  // namespace lark
