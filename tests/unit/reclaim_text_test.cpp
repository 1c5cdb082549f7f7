// The result texts of the two actions, at the unit thresholds.
#include <gtest/gtest.h>

#include "reclaim/reclaim.h"

namespace lark::reclaim {
namespace {

TEST(ReclaimText, BothResultsAtTheThresholdsWithOneDecimalRoundedDown) {
    const struct {
        std::int64_t bytes;
        const wchar_t *secured, *cleaned;  // the figure each text starts with
    } cases[] = {{1, L" 1Byte", L" 1バイト"},
                 {1024, L" 1024Byte", L" 1024バイト"},
                 {1025, L" 1KB", L" 1KB"},
                 {2047, L" 1KB", L" 1KB"},
                 {1048576, L" 1024KB", L" 1024KB"},
                 {1048577, L" 1MB", L" 1MB"},
                 {1572863, L" 1.4MB", L" 1.4MB"},
                 {1572864, L" 1.5MB", L" 1.5MB"},
                 {2097152, L" 2MB", L" 2MB"},
                 {3000000, L" 2.8MB", L" 2.8MB"},
                 {13421772800, L" 12800MB", L" 12800MB"},  // gains beyond a 32-bit count
                 {21474836479, L" 20479.9MB", L" 20479.9MB"}};
    for (const auto& c : cases) {
        EXPECT_EQ(secureResult(c.bytes), std::wstring(c.secured) + L" メモリ確保に成功しました") << c.bytes;
        EXPECT_EQ(cleanupResult(c.bytes), std::wstring(c.cleaned) + L"のシステムメモリ確保に成功しました。") << c.bytes;
    }
    for (std::int64_t none : {std::int64_t{0}, std::int64_t{-1}, std::int64_t{-1048577}, INT64_MIN}) {
        EXPECT_EQ(secureResult(none), L"メモリを確保できませんでした") << none;
        EXPECT_EQ(cleanupResult(none), NothingCleaned) << none;
    }
}

TEST(ReclaimText, TimeStampTwoDigitsEach) {
    EXPECT_EQ(timeStamp({14, 5, 9}), L"[14:05:09]");
    EXPECT_EQ(timeStamp({0, 0, 0}), L"[00:00:00]");
}

}  // namespace
}  // namespace lark::reclaim
