#include "monitor/number_text.h"

#include <charconv>
#include <cmath>

namespace lark {

namespace {
std::wstring widen(std::string_view s) { return {s.begin(), s.end()}; }

bool isBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring_view trim(std::wstring_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}
}  // namespace

std::wstring numberText(double value) {
    if (!std::isfinite(value)) return L" 0";
    if (value == 0) value = 0;  // no "-0"
    char buf[32];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    std::wstring text = widen({buf, static_cast<std::size_t>(end - buf)});
    return value < 0 ? text : L" " + text;
}

std::wstring digits(std::int64_t value) { return std::to_wstring(value); }

std::optional<double> parseNumber(std::wstring_view text) {
    text = trim(text);
    std::string ascii;
    bool seenDigit = false, seenPoint = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c >= L'0' && c <= L'9') {
            seenDigit = true;
        } else if (c == L'.' && !seenPoint) {
            seenPoint = true;
        } else if (!((c == L'-' || c == L'+') && i == 0)) {
            return std::nullopt;
        }
        if (c != L'+') ascii += static_cast<char>(c);
    }
    if (!seenDigit) return std::nullopt;
    double value = 0;
    auto [ptr, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ec != std::errc() || ptr != ascii.data() + ascii.size()) return std::nullopt;
    return value;
}

double labelNumber(std::wstring_view text) { return parseNumber(text).value_or(0); }

double roundHalfEven(double value) {
    const double r = std::round(value);
    if (std::fabs(value - std::trunc(value)) == 0.5) return 2 * std::round(value / 2);
    return r;
}

}  // namespace lark
