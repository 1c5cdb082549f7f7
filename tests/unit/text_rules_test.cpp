// The program's number and size texts: what the size rows, tips and messages are made of.
#include <gtest/gtest.h>

#include "monitor/number_text.h"
#include "monitor/size_text.h"

namespace lark {
namespace {

constexpr std::uint64_t KiB = 1024, MiB = 1024 * KiB, GiB = 1024 * MiB;

TEST(NumberText, BlankForTheSignOfNonNegativesPointOnlyForFractionsFifteenDigits) {
    const std::pair<double, const wchar_t*> cases[] = {
        {0, L" 0"},         {57, L" 57"},           {-3, L"-3"},          {-0.0, L" 0"},
        {1.5, L" 1.5"},     {12.3, L" 12.3"},       {2.0, L" 2"},         {-0.25, L"-0.25"},
        {24105, L" 24105"}, {1.0 / 3, L" 0.333333333333333"},             {0.1 + 0.2, L" 0.3"},
        {123456789012345.0, L" 123456789012345"}};
    for (auto [value, text] : cases) EXPECT_EQ(numberText(value), text) << value;
}

TEST(ParseNumber, ReadsDecimalTextAndNothingElse) {
    for (auto [text, value] : {std::pair{L"55", 55.0}, {L" -12 ", -12.0}, {L"+.5", 0.5}}) EXPECT_EQ(parseNumber(text), value) << value;
    for (const wchar_t* bad : {L"", L" ", L"abc", L"5x", L"1,000", L"1e3", L"--1", L"1-", L".", L"1.2.3", L"ー１"})
        EXPECT_FALSE(parseNumber(bad)) << "text with " << std::wstring(bad).size() << " chars";
    EXPECT_EQ(labelNumber(L"garbage"), 0);
}

// The unit changes just above each threshold, numbers round down and grow past 32 bits.
TEST(SizeText, UnitThresholdsAndSixtyFourBitSizes) {
    const struct {
        std::uint64_t bytes;
        const wchar_t *unit, *number;
    } cases[] = {{0, L"Byte", nullptr},
                 {1024, L"Byte", nullptr},
                 {1025, L"KB", L"1"},
                 {1 * MiB, L"KB", L"1024"},
                 {1 * MiB + 1, L"MB", L"1"},
                 {2147483647, L"MB", L"2047"},
                 {2 * GiB, L"MB", L"2048"},  // where a 32-bit count would have turned negative
                 {24 * GiB, L"MB", L"24576"},
                 {128ull * 1024 * GiB, L"MB", L"134217728"}};  // a 64-bit process's address space
    for (const auto& c : cases) {
        const SizeText t = sizeText(c.bytes);
        EXPECT_EQ(t.unit, c.unit) << c.bytes;
        EXPECT_EQ(t.number, c.number ? std::optional<std::wstring>(c.number) : std::nullopt) << c.bytes;
    }
}

}  // namespace
}  // namespace lark
