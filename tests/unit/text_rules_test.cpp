// The program's number and size texts: what the size rows, tips and messages are made of.
#include <gtest/gtest.h>

#include "monitor/number_text.h"

namespace lark {
namespace {

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

}  // namespace
}  // namespace lark
