#include "common/paths.h"

namespace lark::paths {

std::wstring withSlash(std::wstring_view folder) {
    std::wstring out(folder);
    if (out.empty() || out.back() != L'\\') out += L'\\';
    return out;
}

std::wstring folderOf(std::wstring_view path) {
    const auto cut = path.find_last_of(L"\\/");
    return cut == std::wstring_view::npos ? std::wstring() : std::wstring(path.substr(0, cut));
}

std::wstring stemOf(std::wstring_view path) {
    const auto cut = path.find_last_of(L"\\/");
    std::wstring_view name = cut == std::wstring_view::npos ? path : path.substr(cut + 1);
    const auto dot = name.rfind(L'.');
    return std::wstring(dot == std::wstring_view::npos ? name : name.substr(0, dot));
}

std::wstring quoted(std::wstring_view argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring_view::npos) return std::wstring(argument);
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count as escapes only before a quote: there they are doubled, and the quote escaped.
        out.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(2 * backslashes, L'\\');  // before the closing quote
    out += L'"';
    return out;
}

}  // namespace lark::paths
