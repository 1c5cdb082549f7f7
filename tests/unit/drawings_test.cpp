// The main panel's static drawings, as drawing commands.
#include <gtest/gtest.h>

#include "shell/drawings.h"
#include "tests/fakes/fake_ui.h"

namespace lark {
namespace {

using fake::Draw;
using fake::FakeCanvas;

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

TEST(ChartBackground, DrawsTitleScaleAndGridThenKeepsThemAsTheBackground) {
    FakeCanvas c;
    drawChartBackground(c, 512, L"MB");
    const Rgb yellow{255, 255, 0}, navy{0, 0, 128};
    std::vector<Draw> expected = {Draw::txt(100, 1, L"メモリ空き容量", {0, 255, 255}),
                                  Draw::txtRight(44, 17, L" 512MB", yellow), Draw::txtRight(44, 34, L" 384MB", yellow),
                                  Draw::txtRight(44, 51, L" 256MB", yellow), Draw::txtRight(44, 68, L" 128MB", yellow),
                                  Draw::txtRight(44, 85, L"   0MB", yellow)};
    for (int y = 15; y <= 95; y += 8) expected.push_back(Draw::ln(45, y, 245, y, navy));
    expected.push_back(Draw::ln(45, 55, 245, 55, {0, 0, 255}));
    expected.push_back(Draw::frame(45, 15, 245, 95, {0, 255, 0}));
    expected.push_back(Draw::keep());
    expected.push_back(Draw::clear());
    EXPECT_EQ(c.commands, expected);
    EXPECT_EQ(c.background.size(), expected.size() - 2);  // all of it survives a later clear
    EXPECT_TRUE(c.sinceClear().empty());
}

TEST(GaugeLegend, DrawsCaptionsBarAreaAndSwatchesInTheBoxColour) {
    FakeCanvas c;
    drawGaugeLegend(c);
    const Rgb cyan{0, 255, 255}, used{200, 80, 80};
    const std::vector<Draw> expected = {
        Draw::txt(70, 5, L"物理メモリ 詳細", cyan), Draw::txt(120, 70, L"使用物理メモリ", cyan),
        Draw::txt(120, 90, L"空き物理メモリ", cyan), Draw::fill(10, 30, 240, 60, used),
        Draw::frame(10, 30, 240, 60, {255, 0, 0}),  Draw::fill(90, 70, 115, 84, used),
        Draw::fill(90, 90, 115, 104, {80, 80, 200}),
    };
    EXPECT_EQ(c.commands, expected);
}

TEST(StatusStrip, FramesTheStripInShadowAndLightsItsLowerRightEdges) {
    FakeCanvas c;
    const Rgb shadow{1, 2, 3}, light{4, 5, 6};
    drawStatusStrip(c, shadow, light);
    const std::vector<Draw> expected = {Draw::frame(0, 230, 457, 244, shadow), Draw::ln(457, 230, 457, 244, light),
                                        Draw::ln(0, 244, 458, 244, light)};
    EXPECT_EQ(c.commands, expected);
}

}  // namespace
}  // namespace lark
