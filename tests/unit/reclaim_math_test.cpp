// The reclamation actions' arithmetic and texts: request sizes, the safety bound, the cleanup's
// blocks, the result texts at the unit thresholds.
#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

#include "reclaim/reclaim.h"

namespace lark::reclaim {
namespace {

constexpr std::uint64_t GiB = 1024 * MiB;

// The amount in its unit plus one byte, fractions rounded to nearest with ties to even.
TEST(ReclaimRequest, AmountInEachUnitPlusOneByte) {
    const struct {
        const wchar_t *amount, *unit;
        std::uint64_t bytes;
    } cases[] = {{L"0", L"MB", 1},
                 {L"100", L"KB", 102401},
                 {L"1874", L"MB", 1874 * MiB + 1},
                 {L"5000", L"Byte", 5001},
                 {L"20000", L"MB", 20000 * MiB + 1},  // 2 GiB and more: beyond a 32-bit count
                 {L"8388608", L"KB", 8 * GiB + 1},
                 {L"2.5", L"Byte", 3},
                 {L"3.5", L"Byte", 5},
                 {L"0.0009765625", L"KB", 2},   // exactly 1 byte
                 {L"0.00048828125", L"KB", 1}};  // half a byte rounds to 0
    for (const auto& c : cases) EXPECT_EQ(requestBytes(c.amount, c.unit), c.bytes) << c.bytes;
    // An absurd amount stays a well-defined number.
    EXPECT_EQ(requestBytes(L"1" + std::wstring(300, L'0'), L"MB"), (std::uint64_t{1} << 62) + 1);
    const std::pair<const wchar_t*, const wchar_t*> refused[] = {
        {L"100", L"GB"}, {L"100", L"kb"}, {L"100", L""}, {L"", L"MB"},   {L"-5", L"MB"},
        {L"12abc", L"MB"}, {L"１２", L"MB"}, {L"nan", L"MB"}, {L"inf", L"MB"}};
    for (auto [amount, unit] : refused) EXPECT_FALSE(requestBytes(amount, unit)) << std::wstring(amount).size();
}

// The smaller commit figure less a reserve of the larger of 512 MiB and an eighth of physical
// memory, never above physical memory; available physical memory bounds nothing.
TEST(ReclaimBound, CommitFiguresLessTheReserveLimitTheBlock) {
    const std::uint64_t most = UINT64_MAX;
    const struct {
        const char* machine;
        std::uint64_t wanted;
        Headroom now;  // commit headroom, available page file
        std::uint64_t total, allowed;
    } cases[] = {
        // Windows, 16 GiB with 2.5 GiB on the available lists and a page file: the block goes
        // well past the available lists, so other programs' pages have to move.
        {"windows 16 GiB", 12 * GiB, {20 * GiB, 21 * GiB}, 16 * GiB, 12 * GiB},
        {"windows, all of RAM", 24 * GiB, {20 * GiB, 21 * GiB}, 16 * GiB, 16 * GiB},
        {"windows, commit nearly used", 12 * GiB, {5 * GiB, 21 * GiB}, 16 * GiB, 3 * GiB},
        {"windows, page file smaller", 12 * GiB, {20 * GiB, 4 * GiB}, 16 * GiB, 2 * GiB},
        // Windows without a page file: the commit limit is about physical memory.
        {"windows, no page file", 12 * GiB, {6 * GiB, 6 * GiB}, 16 * GiB, 4 * GiB},
        // Wine on Linux without swap: both figures are available physical memory.
        {"wine, no swap", 20 * GiB, {21 * GiB, 21 * GiB}, 24 * GiB, 18 * GiB},
        {"headroom below the reserve", 1 * GiB, {2 * GiB, 8 * GiB}, 24 * GiB, 0},
        {"the floor", 1 * GiB, {512 * MiB, 4 * GiB}, 4 * GiB, 0},
        {"just above the floor", 1 * GiB, {512 * MiB + 1, 4 * GiB}, 1 * GiB, 1},
        {"no figures", 1 * GiB, {}, 4 * GiB, 0},
        {"nothing wanted", 0, {4 * GiB, 4 * GiB}, 4 * GiB, 0},
        {"no overflow", most, {most, most}, most, most - most / 8},
    };
    for (const auto& c : cases) EXPECT_EQ(safeClaimBytes(c.wanted, c.now, c.total), c.allowed) << c.machine;
    EXPECT_EQ(reserveBytes(24 * GiB), 3 * GiB);
}

TEST(ReclaimGain, SignedDifferenceSaturates) {
    for (auto [before, after, gain] : {std::tuple<std::uint64_t, std::uint64_t, std::int64_t>{100, 250, 150}, {250, 100, -150},
                                       {0, UINT64_MAX, INT64_MAX}, {UINT64_MAX, 0, -INT64_MAX}})
        EXPECT_EQ(gainBetween(before, after), gain) << before << " to " << after;
}

TEST(ReclaimCleanup, BlockIsASixteenthOfPhysicalMemoryPlusOne) {
    EXPECT_EQ(cleanupBlockBytes(268435456 + 15), 16777217u);  // rounded down
    EXPECT_EQ(cleanupBlockBytes(24 * GiB), 24 * GiB / 16 + 1);
    EXPECT_EQ(cleanupBlockBytes(0), 1u);
}

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

}  // namespace
}  // namespace lark::reclaim
