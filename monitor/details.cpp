#include "monitor/details.h"

#include <cmath>
#include <iterator>

#include "common/texts.h"
#include "monitor/number_text.h"

namespace lark {

namespace {
constexpr Rgb Blue{0, 0, 255};
constexpr int FieldChars = 5, NumberRight = 158, UnitX = 160;  // fields end just before the units
std::wstring caption(int row) { return text(memoryRowCaption(row)); }
// Each unit is 1024 of the one before it. The table alone uses the units past "MB": on a 64-bit
// system the virtual-memory rows run to nine digits of MB, which would cover their captions.
constexpr const wchar_t* Units[] = {L"Byte", L"KB", L"MB", L"GB", L"TB", L"PB"};

int rowY(int row) { return 20 + 20 * row; }

const wchar_t* largerUnit(std::wstring_view unit) {
    for (auto u = std::begin(Units); std::next(u) != std::end(Units); ++u)
        if (unit == *u) return *std::next(u);
    return nullptr;
}

std::array<DetailsCell, 5> detailsCells(const std::array<std::wstring, 5>& numbers, const std::array<std::wstring, 5>& units) {
    std::array<DetailsCell, 5> cells;
    for (int row = 0; row < 5; ++row) cells[row] = detailsCell(numbers[row], units[row]);
    return cells;
}
}  // namespace

Text memoryRowCaption(int row) {
    constexpr Text Captions[5] = {Text::RowTotalPhysical, Text::RowAvailablePhysical, Text::RowTotalVirtual,
                                  Text::RowAvailableVirtual, Text::RowPageFile};
    return Captions[row];
}

std::wstring detailsField(std::wstring_view number) {
    std::wstring text = numberText(labelNumber(number));
    if (text.size() > FieldChars && text.front() == L' ') text.erase(0, 1);  // the blank gives way first
    if (text.size() < FieldChars) text.insert(0, FieldChars - text.size(), L' ');
    return text;
}

DetailsCell detailsCell(std::wstring_view number, std::wstring_view unit) {
    DetailsCell cell{detailsField(number), std::wstring(unit)};
    double value = labelNumber(number);
    while (cell.field.size() > FieldChars && value > 0) {
        const wchar_t* larger = largerUnit(cell.unit);
        if (!larger) break;
        value = std::floor(value / 1024);
        cell.unit = larger;
        cell.field = detailsField(numberText(value));
    }
    return cell;
}

std::wstring detailsText(const std::array<std::wstring, 5>& numbers, const std::array<std::wstring, 5>& units) {
    std::wstring text = lark::text(Text::DetailsTitle);
    const auto cells = detailsCells(numbers, units);
    for (int row = 0; row < 5; ++row)
        text += L"\r\n" + caption(row) + L" " + cells[row].field.substr(cells[row].field.find_first_not_of(L' ')) + cells[row].unit;
    return text;
}

void drawDetails(Canvas& c, const std::array<std::wstring, 5>& numbers, const std::array<std::wstring, 5>& units) {
    c.clear();
    c.text(20, 2, text(Text::DetailsTitle), Blue);
    for (int row = 0; row < 5; ++row) c.text(5, rowY(row), caption(row), Blue);
    const auto cells = detailsCells(numbers, units);
    // A field can stay too long only for text no size row holds; it then covers the caption's end
    // on the table's own background, so that it stays legible.
    for (int row = 0; row < 5; ++row)
        c.textRight(NumberRight, rowY(row), cells[row].field, Blue, cells[row].field.size() > FieldChars);
    for (int row = 0; row < 5; ++row) c.text(UnitX, rowY(row), cells[row].unit, Blue);
}

}  // namespace lark
