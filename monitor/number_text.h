// Numbers as the program writes and reads them: the same text in every locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lark {

// A number spliced into a sentence: one leading blank when it is not negative (a minus sign
// otherwise), "." as decimal point, no grouping, no point for a whole value, at most 15 significant
// digits. 57 -> " 57", 1.5 -> " 1.5", 2.0 -> " 2", -3 -> "-3".
std::wstring numberText(double value);

// Plain decimal digits, a minus sign for a negative number: size rows, amount labels, settings.
std::wstring digits(std::int64_t value);

// Reads decimal text: blanks around it, an optional sign, digits with an optional fraction.
// Nothing for anything else (letters, empty text, exponents, grouping).
std::optional<double> parseNumber(std::wstring_view text);

// A label's text as a number; 0 when it holds none.
double labelNumber(std::wstring_view text);

// Rounds to the nearest whole number, halves to the even neighbour.
double roundHalfEven(double value);

}  // namespace lark
