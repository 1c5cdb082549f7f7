// The details table: five-character fields, and larger units for figures too long for them.
#include <gtest/gtest.h>

#include "monitor/details.h"
#include "tests/fakes/fake_ui.h"

namespace lark {
namespace {

using fake::Draw;

TEST(DetailsCell, KeepsFiguresThatFitAndRaisesTheUnitOfLongerOnesRoundingDown) {
    const struct {
        const wchar_t *number, *unit, *field, *shownUnit;
    } cases[] = {
        {L"0", L"Byte", L"    0", L"Byte"},
        {L"1024", L"KB", L" 1024", L"KB"},
        {L"2047", L"MB", L" 2047", L"MB"},
        {L"99999", L"MB", L"99999", L"MB"},             // fills the field exactly
        {L"100000", L"MB", L"   97", L"GB"},            // 97.66 GB
        {L"1048575", L"MB", L" 1023", L"GB"},           // just below 1 TB
        {L"134217727", L"MB", L"  127", L"TB"},         // 64-bit user address space: 131071 GB is still too long
        {L"134217695", L"MB", L"  127", L"TB"},
        {L"17592186044415", L"MB", L"16383", L"PB"},    // the largest 64-bit count
        {L"123456", L"GB", L"  120", L"TB"},
        {L"123456", L"parsecs", L"123456", L"parsecs"},  // no larger unit known: every digit kept
    };
    for (const auto& c : cases) {
        const DetailsCell cell = detailsCell(c.number, c.unit);
        EXPECT_EQ(cell.field, c.field) << c.number << ' ' << c.unit;
        EXPECT_EQ(cell.unit, c.shownUnit) << c.number << ' ' << c.unit;
    }
}

TEST(DetailsTable, ClearsThenDrawsHeadingCaptionsNumbersAndUnits) {
    fake::FakeCanvas c;
    drawDetails(c, {L"255", L"1", L"24105", L"134217727", L"0"}, {L"MB", L"KB", L"MB", L"MB", L"Byte"});
    ASSERT_EQ(c.commands.size(), 17u);
    const Rgb blue{0, 0, 255};
    const wchar_t* fields[] = {L"  255", L"    1", L"24105", L"  127", L"    0"};
    const wchar_t* units[] = {L"MB", L"KB", L"MB", L"TB", L"Byte"};
    for (int row = 0; row < 5; ++row) {  // every field ends at the same edge, clear of the captions
        EXPECT_EQ(c.commands[7 + row], Draw::txtRight(158, 20 + 20 * row, fields[row], blue)) << row;
        EXPECT_EQ(c.commands[12 + row], Draw::txt(160, 20 + 20 * row, units[row], blue)) << row;
    }
}

}  // namespace
}  // namespace lark
