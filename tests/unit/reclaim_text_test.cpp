// The result texts of the two actions, at the unit thresholds.
#include <gtest/gtest.h>

#include "reclaim/reclaim.h"

namespace lark::reclaim {
namespace {

TEST(ReclaimText, SecuringResultAtTheThresholds) {
    EXPECT_EQ(secureResult(1), L" 1Byte メモリ確保に成功しました");
    EXPECT_EQ(secureResult(1024), L" 1024Byte メモリ確保に成功しました");
    EXPECT_EQ(secureResult(1025), L" 1KB メモリ確保に成功しました");
    EXPECT_EQ(secureResult(2047), L" 1KB メモリ確保に成功しました");
    EXPECT_EQ(secureResult(1048576), L" 1024KB メモリ確保に成功しました");
    EXPECT_EQ(secureResult(1048577), L" 1MB メモリ確保に成功しました");
    EXPECT_EQ(secureResult(1572864), L" 1.5MB メモリ確保に成功しました");
    EXPECT_EQ(secureResult(1572863), L" 1.4MB メモリ確保に成功しました");  // rounded down
    EXPECT_EQ(secureResult(2097152), L" 2MB メモリ確保に成功しました");
}

TEST(ReclaimText, SecuringReportsNoGainAsFailure) {
    EXPECT_EQ(secureResult(0), L"メモリを確保できませんでした");
    EXPECT_EQ(secureResult(-1), L"メモリを確保できませんでした");
    EXPECT_EQ(secureResult(INT64_MIN), L"メモリを確保できませんでした");
}

TEST(ReclaimText, CleanupResultAtTheThresholds) {
    EXPECT_EQ(cleanupResult(1), L" 1バイトのシステムメモリ確保に成功しました。");
    EXPECT_EQ(cleanupResult(1024), L" 1024バイトのシステムメモリ確保に成功しました。");
    EXPECT_EQ(cleanupResult(1025), L" 1KBのシステムメモリ確保に成功しました。");
    EXPECT_EQ(cleanupResult(1048576), L" 1024KBのシステムメモリ確保に成功しました。");
    EXPECT_EQ(cleanupResult(1048577), L" 1MBのシステムメモリ確保に成功しました。");
    EXPECT_EQ(cleanupResult(2621440), L" 2.5MBのシステムメモリ確保に成功しました。");
    EXPECT_EQ(cleanupResult(3000000), L" 2.8MBのシステムメモリ確保に成功しました。");
    EXPECT_EQ(cleanupResult(0), NothingCleaned);
    EXPECT_EQ(cleanupResult(-1048577), NothingCleaned);
}

TEST(ReclaimText, LargeGainsKeepOneDecimal) {
    // 12.5 GiB and 20 GiB less one byte: beyond what a 32-bit count could report.
    EXPECT_EQ(cleanupResult(13421772800), L" 12800MBのシステムメモリ確保に成功しました。");
    EXPECT_EQ(secureResult(21474836479), L" 20479.9MB メモリ確保に成功しました");
}

TEST(ReclaimText, TimeStampTwoDigitsEach) {
    EXPECT_EQ(timeStamp({14, 5, 9}), L"[14:05:09]");
    EXPECT_EQ(timeStamp({0, 0, 0}), L"[00:00:00]");
    EXPECT_EQ(timeStamp({23, 59, 59}), L"[23:59:59]");
}

}  // namespace
}  // namespace lark::reclaim
