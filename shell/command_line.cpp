#include "shell/command_line.h"

#include <array>
#include <cwctype>
#include <string_view>

namespace lark {

namespace {

std::wstring lowered(std::wstring_view text) {
    std::wstring s(text);
    for (wchar_t& c : s) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return s;
}

}  // namespace

Command parseCommandLine(const std::vector<std::wstring>& arguments) {
    if (arguments.empty()) return Command::None;
    const std::wstring_view first = arguments.front();
    if (arguments.size() > 1 || first.size() < 2 || (first[0] != L'/' && first[0] != L'-')) return Command::Bad;
    static constexpr std::array<std::pair<std::wstring_view, Command>, 6> Switches{{
        {L"secure", Command::Secure},
        {L"cleanup", Command::Cleanup},
        {L"cleanup:standard", Command::CleanupStandard},
        {L"cleanup:full", Command::CleanupFull},
        {L"trim", Command::Trim},
        {L"?", Command::Usage},
    }};
    const std::wstring name = lowered(first.substr(1));
    for (const auto& [word, command] : Switches)
        if (name == word) return command;
    return Command::Bad;
}

}  // namespace lark
