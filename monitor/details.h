// The system memory details table (Picture3): the five size rows, numbers right-aligned.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/ui.h"

namespace lark {

// A row's number in a field of five characters, right-aligned: "    0", "  512", " 2047", "24105".
// A number too long for the field keeps every digit and is longer than five characters; it is
// drawn over the end of its caption on the table's own background, so that it stays legible.
std::wstring detailsField(std::wstring_view number);

void drawDetails(Canvas& canvas, const std::array<std::wstring, 5>& numbers,
                 const std::array<std::wstring, 5>& units);

}  // namespace lark
