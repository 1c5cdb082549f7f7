// The history graph's scale.
#include <gtest/gtest.h>

#include "shell/drawings.h"

namespace lark {
namespace {

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

}  // namespace
}  // namespace lark
