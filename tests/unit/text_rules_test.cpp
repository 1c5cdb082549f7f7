// The program's number and size texts: what the size rows, tips and messages are made of.
#include <gtest/gtest.h>

#include "monitor/number_text.h"
#include "monitor/size_text.h"

namespace lark {
namespace {

constexpr std::uint64_t KiB = 1024, MiB = 1024 * KiB, GiB = 1024 * MiB;

TEST(NumberText, PutsABlankWhereTheSignOfANonNegativeNumberWouldBe) {
    EXPECT_EQ(numberText(0), L" 0");
    EXPECT_EQ(numberText(57), L" 57");
    EXPECT_EQ(numberText(-3), L"-3");
    EXPECT_EQ(numberText(-0.0), L" 0");
}

TEST(NumberText, WritesFractionsWithAPointAndWholeValuesWithout) {
    EXPECT_EQ(numberText(1.5), L" 1.5");
    EXPECT_EQ(numberText(12.3), L" 12.3");
    EXPECT_EQ(numberText(2.0), L" 2");
    EXPECT_EQ(numberText(-0.25), L"-0.25");
    EXPECT_EQ(numberText(24105), L" 24105");  // no grouping
}

TEST(NumberText, KeepsAtMostFifteenSignificantDigits) {
    EXPECT_EQ(numberText(1.0 / 3), L" 0.333333333333333");
    EXPECT_EQ(numberText(0.1 + 0.2), L" 0.3");
    EXPECT_EQ(numberText(123456789012345.0), L" 123456789012345");
}

TEST(ParseNumber, ReadsDecimalTextAndNothingElse) {
    EXPECT_EQ(parseNumber(L"55"), 55);
    EXPECT_EQ(parseNumber(L" -12 "), -12);
    EXPECT_EQ(parseNumber(L"+7"), 7);
    EXPECT_EQ(parseNumber(L"2.5"), 2.5);
    EXPECT_EQ(parseNumber(L".5"), 0.5);
    for (const wchar_t* bad : {L"", L" ", L"abc", L"5x", L"1,000", L"1e3", L"--1", L"1-", L".", L"1.2.3", L"ー１"})
        EXPECT_FALSE(parseNumber(bad)) << "text with " << std::wstring(bad).size() << " chars";
    EXPECT_EQ(labelNumber(L"garbage"), 0);
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(-3.5), -4);
    EXPECT_EQ(roundHalfEven(2.4), 2);
    EXPECT_EQ(roundHalfEven(2.6), 3);
}

void expectSize(std::uint64_t bytes, const wchar_t* unit, const wchar_t* number) {
    SizeText t = sizeText(bytes);
    EXPECT_EQ(t.unit, unit) << bytes;
    if (number)
        EXPECT_EQ(t.number, std::wstring(number)) << bytes;
    else
        EXPECT_FALSE(t.number) << bytes;
}

TEST(SizeText, ChangesUnitJustAboveEachThresholdAndRoundsDown) {
    expectSize(0, L"Byte", nullptr);
    expectSize(1024, L"Byte", nullptr);
    expectSize(1025, L"KB", L"1");
    expectSize(1 * MiB, L"KB", L"1024");
    expectSize(1 * MiB + 1, L"MB", L"1");
    expectSize(1572863, L"MB", L"1");
    expectSize(2147483647, L"MB", L"2047");
}

TEST(SizeText, LetsNumbersGrowPastFourDigitsOnLargeMachines) {
    expectSize(2 * GiB, L"MB", L"2048");          // where a 32-bit count would have turned negative
    expectSize(24 * GiB, L"MB", L"24576");
    expectSize(24105 * MiB + MiB - 1, L"MB", L"24105");
    expectSize(128 * GiB, L"MB", L"131072");
    expectSize(128ull * 1024 * GiB, L"MB", L"134217728");  // a 64-bit process's address space
}

TEST(SizeText, KnowsTheBytesInEachUnit) {
    EXPECT_EQ(unitBytes(L"Byte"), 1);
    EXPECT_EQ(unitBytes(L"KB"), 1024);
    EXPECT_EQ(unitBytes(L"MB"), 1048576);
    EXPECT_EQ(unitBytes(L"mb"), 1);  // exact comparison
}

}  // namespace
}  // namespace lark
