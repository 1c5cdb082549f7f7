// The reclamation actions' arithmetic and texts: request sizes, the safety bound, the cleanup's
// blocks, the result texts at the unit thresholds (the figures target proves the bound, the gain and
// the gain text for any figures).
#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

#include "common/texts.h"
#include "reclaim/reclaim.h"

namespace lark::reclaim {
namespace {

constexpr std::uint64_t GiB = 1024 * MiB;

// The amount in its unit plus one byte, fractions rounded to nearest with ties to even.
TEST(ReclaimRequest, AmountInEachUnitPlusOneByte) {
    const std::tuple<const wchar_t*, const wchar_t*, std::uint64_t> cases[] = {
        {L"0", L"MB", 1}, {L"100", L"KB", 102401}, {L"1874", L"MB", 1874 * MiB + 1}, {L"5000", L"Byte", 5001},
        {L"20000", L"MB", 20000 * MiB + 1}, {L"8388608", L"KB", 8 * GiB + 1},  // 2 GiB and more: beyond a 32-bit count
        {L"2.5", L"Byte", 3}, {L"3.5", L"Byte", 5},
        {L"0.0009765625", L"KB", 2}, {L"0.00048828125", L"KB", 1}};  // exactly 1 byte; half a byte rounds to 0
    for (auto [amount, unit, bytes] : cases) EXPECT_EQ(requestBytes(amount, unit), bytes) << bytes;
    // An absurd amount stays a well-defined number.
    EXPECT_EQ(requestBytes(L"1" + std::wstring(300, L'0'), L"MB"), (std::uint64_t{1} << 62) + 1);
    const std::pair<const wchar_t*, const wchar_t*> refused[] = {
        {L"100", L"GB"}, {L"100", L"kb"}, {L"100", L""}, {L"", L"MB"},   {L"-5", L"MB"},
        {L"12abc", L"MB"}, {L"１２", L"MB"}, {L"nan", L"MB"}, {L"inf", L"MB"}};
    for (auto [amount, unit] : refused) EXPECT_FALSE(requestBytes(amount, unit)) << std::wstring(amount).size();
}

TEST(ReclaimCleanup, BlockIsASixteenthOfPhysicalMemoryPlusOne) {
    EXPECT_EQ(cleanupBlockBytes(268435456 + 15), 16777217u);  // rounded down
    EXPECT_EQ(cleanupBlockBytes(24 * GiB), 24 * GiB / 16 + 1);
    EXPECT_EQ(cleanupBlockBytes(0), 1u);
}

TEST(ReclaimText, BothResultsAtTheThresholdsWithOneDecimalRoundedDown) {
    const std::tuple<std::int64_t, std::wstring, std::wstring> cases[] = {  // the figure each text starts with
        {1, L" 1Byte", L" 1バイト"}, {1024, L" 1024Byte", L" 1024バイト"}, {1025, L" 1KB", L" 1KB"}, {1048577, L" 1MB", L" 1MB"},
        {1572864, L" 1.5MB", L" 1.5MB"}, {21474836479, L" 20479.9MB", L" 20479.9MB"}};
    for (const auto& [bytes, secured, cleaned] : cases) {
        EXPECT_EQ(secureResult(bytes), secured + L" メモリ確保に成功しました") << bytes;
        EXPECT_EQ(cleanupResult(bytes), cleaned + L"のシステムメモリ確保に成功しました。") << bytes;
    }
    for (std::int64_t none : {std::int64_t{0}, std::int64_t{-1}, std::int64_t{-1048577}, INT64_MIN}) {
        EXPECT_EQ(secureResult(none), L"メモリを確保できませんでした") << none;
        EXPECT_EQ(cleanupResult(none), lark::text(lark::Text::NothingCleaned)) << none;
    }
}

}  // namespace
}  // namespace lark::reclaim
