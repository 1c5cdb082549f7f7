// The reclamation actions' arithmetic: request sizes, the safety bound, the cleanup's blocks.
#include <gtest/gtest.h>

#include <cstdint>

#include "reclaim/reclaim.h"

namespace lark::reclaim {
namespace {

constexpr std::uint64_t GiB = 1024 * MiB;

TEST(ReclaimRequest, AmountInEachUnitPlusOneByte) {
    EXPECT_EQ(requestBytes(L"0", L"MB"), 1u);
    EXPECT_EQ(requestBytes(L"100", L"KB"), 102401u);
    EXPECT_EQ(requestBytes(L"1874", L"MB"), 1874u * MiB + 1);
    EXPECT_EQ(requestBytes(L"5000", L"Byte"), 5001u);
    // Amounts of 2 GiB and more, which a 32-bit count cannot hold.
    EXPECT_EQ(requestBytes(L"20000", L"MB"), 20000u * MiB + 1);
    EXPECT_EQ(requestBytes(L"8388608", L"KB"), 8 * GiB + 1);
}

TEST(ReclaimRequest, FractionsRoundToNearestTiesToEven) {
    EXPECT_EQ(requestBytes(L"2.5", L"Byte"), 3u);    // 2 + 1
    EXPECT_EQ(requestBytes(L"3.5", L"Byte"), 5u);    // 4 + 1
    EXPECT_EQ(requestBytes(L"0.0009765625", L"KB"), 2u);  // exactly 1 byte
    EXPECT_EQ(requestBytes(L"0.00048828125", L"KB"), 1u);  // half a byte rounds to 0
}

TEST(ReclaimRequest, UnknownUnitOrAmountAsksForNothing) {
    EXPECT_FALSE(requestBytes(L"100", L"GB"));
    EXPECT_FALSE(requestBytes(L"100", L"kb"));  // the unit is compared exactly
    EXPECT_FALSE(requestBytes(L"100", L""));
    EXPECT_FALSE(requestBytes(L"", L"MB"));
    EXPECT_FALSE(requestBytes(L"-5", L"MB"));
    EXPECT_FALSE(requestBytes(L"12abc", L"MB"));
    EXPECT_FALSE(requestBytes(L"１２", L"MB"));  // full-width digits
    EXPECT_FALSE(requestBytes(L"nan", L"MB"));
    EXPECT_FALSE(requestBytes(L"inf", L"MB"));
}

TEST(ReclaimRequest, AbsurdAmountStaysAWellDefinedNumber) {
    const auto huge = requestBytes(L"1" + std::wstring(300, L'0'), L"MB");
    ASSERT_TRUE(huge);
    EXPECT_EQ(*huge, (std::uint64_t{1} << 62) + 1);
}

TEST(ReclaimBound, ReserveIsTheFloorOrAnEighthOfPhysicalMemory) {
    EXPECT_EQ(reserveBytes(0), 512 * MiB);
    EXPECT_EQ(reserveBytes(2 * GiB), 512 * MiB);
    EXPECT_EQ(reserveBytes(4 * GiB), 512 * MiB);
    EXPECT_EQ(reserveBytes(8 * GiB), 1 * GiB);
    EXPECT_EQ(reserveBytes(24 * GiB), 3 * GiB);
}

TEST(ReclaimBound, SmallestFigureLessTheReserveLimitsTheBlock) {
    const std::uint64_t total = 16 * GiB;  // reserve 2 GiB
    const Headroom plenty{10 * GiB, 12 * GiB, 11 * GiB};
    EXPECT_EQ(safeClaimBytes(1 * GiB, plenty, total), 1 * GiB);
    EXPECT_EQ(safeClaimBytes(9 * GiB, plenty, total), 8 * GiB);  // available physical is smallest
    EXPECT_EQ(safeClaimBytes(9 * GiB, Headroom{10 * GiB, 5 * GiB, 11 * GiB}, total), 3 * GiB);  // commit
    EXPECT_EQ(safeClaimBytes(9 * GiB, Headroom{10 * GiB, 12 * GiB, 4 * GiB}, total), 2 * GiB);  // page file
}

TEST(ReclaimBound, NothingWhenTheReserveIsReachedOrFiguresAreEmpty) {
    const std::uint64_t total = 4 * GiB;  // reserve 512 MiB
    EXPECT_EQ(safeClaimBytes(1 * GiB, Headroom{512 * MiB, 4 * GiB, 4 * GiB}, total), 0u);
    EXPECT_EQ(safeClaimBytes(1 * GiB, Headroom{100 * MiB, 4 * GiB, 4 * GiB}, total), 0u);
    EXPECT_EQ(safeClaimBytes(1 * GiB, Headroom{}, total), 0u);
    EXPECT_EQ(safeClaimBytes(1 * GiB, Headroom{512 * MiB + 1, 4 * GiB, 4 * GiB}, total), 1u);
    EXPECT_EQ(safeClaimBytes(0, Headroom{4 * GiB, 4 * GiB, 4 * GiB}, total), 0u);
}

TEST(ReclaimBound, HugeFiguresDoNotOverflow) {
    const std::uint64_t most = UINT64_MAX;
    EXPECT_EQ(safeClaimBytes(most, Headroom{most, most, most}, most), most - most / 8);
    EXPECT_EQ(safeClaimBytes(3, Headroom{most, most, most}, 0), 3u);
}

TEST(ReclaimGain, SignedDifferenceSaturates) {
    EXPECT_EQ(gainBetween(100, 250), 150);
    EXPECT_EQ(gainBetween(250, 100), -150);
    EXPECT_EQ(gainBetween(7, 7), 0);
    EXPECT_EQ(gainBetween(0, UINT64_MAX), INT64_MAX);
    EXPECT_EQ(gainBetween(UINT64_MAX, 0), -INT64_MAX);
}

TEST(ReclaimCleanup, GridShapeOfBothModes) {
    const CleanupGrid standard = cleanupGrid(true), full = cleanupGrid(false);
    EXPECT_EQ(standard.rows(), 3);
    EXPECT_EQ(standard.pitch, 60);
    EXPECT_EQ(full.rows(), 9);
    EXPECT_EQ(full.pitch, 20);
    // Both fill the 320 x 180 grid exactly.
    EXPECT_EQ(standard.rows() * standard.pitch, 180);
    EXPECT_EQ(full.rows() * full.pitch, 180);
    EXPECT_EQ(CleanupGrid::Columns * 20, 320);
}

TEST(ReclaimCleanup, BlockIsASixteenthOfPhysicalMemoryPlusOne) {
    EXPECT_EQ(cleanupBlockBytes(268435456), 16777217u);
    EXPECT_EQ(cleanupBlockBytes(24 * GiB), 24 * GiB / 16 + 1);
    EXPECT_EQ(cleanupBlockBytes(268435456 + 15), 16777217u);  // rounded down
    EXPECT_EQ(cleanupBlockBytes(0), 1u);
}

}  // namespace
}  // namespace lark::reclaim
