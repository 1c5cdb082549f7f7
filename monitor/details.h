// The system memory details table: the five size rows, numbers right-aligned.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "common/texts.h"
#include "platform/ui.h"

namespace lark {

// The caption of each of the five memory rows, 0 to 4: total and available physical memory, total
// and available virtual memory, what is left of the paging file.
Text memoryRowCaption(int row);

// A row's number in a field of five characters, right-aligned: "    0", "  512", " 2047", "24105".
// A number too long for the field keeps every digit and is longer than five characters.
std::wstring detailsField(std::wstring_view number);

// A row as the table shows it: the number in its field and the unit beside it.
struct DetailsCell {
    std::wstring field;
    std::wstring unit;
};

// A number too long for its field is shown in the next larger unit that makes it fit ("GB", then
// "TB"; "PB" only past 99999 TB), rounded down as the size rows round: 134217727 MB as 127 TB.
// The size rows themselves keep their values; only the table changes its unit.
DetailsCell detailsCell(std::wstring_view number, std::wstring_view unit);

// The table's text, for screen readers: its title and the five rows as drawn (caption, figure and
// unit), one per line: "全物理メモリ 24105MB".
std::wstring detailsText(const std::array<std::wstring, 5>& numbers, const std::array<std::wstring, 5>& units);

void drawDetails(Canvas& canvas, const std::array<std::wstring, 5>& numbers,
                 const std::array<std::wstring, 5>& units);

}  // namespace lark
