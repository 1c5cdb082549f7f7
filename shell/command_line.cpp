#include "shell/command_line.h"

#include <array>
#include <cwctype>

namespace lark {

namespace {

std::wstring lowered(std::wstring_view text) {
    std::wstring s(text);
    for (wchar_t& c : s) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return s;
}

void putWord(std::vector<std::uint8_t>& out, std::uint32_t word) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(word >> shift));
}

std::uint32_t wordAt(std::span<const std::uint8_t> data, std::size_t at) {
    std::uint32_t word = 0;
    for (int i = 3; i >= 0; --i) word = word << 8 | data[at + i];
    return word;
}

bool forwardable(Command c) {
    return c == Command::Secure || c == Command::Cleanup || c == Command::CleanupStandard || c == Command::CleanupFull ||
           c == Command::Trim;
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

namespace forwarding {

std::vector<std::uint8_t> encode(Command command) {
    std::vector<std::uint8_t> out;
    putWord(out, Version);
    putWord(out, static_cast<std::uint32_t>(command));
    return out;
}

std::optional<Command> decode(std::uintptr_t tag, std::span<const std::uint8_t> data) {
    if (tag != Tag || data.size() != Size || wordAt(data, 0) != Version) return std::nullopt;
    const auto command = static_cast<Command>(wordAt(data, 4));
    if (!forwardable(command)) return std::nullopt;
    return command;
}

int exitCodeFor(std::optional<std::intptr_t> answer) {
    if (answer == Accepted) return exit_code::Accepted;
    if (answer == Refused) return exit_code::Refused;
    return exit_code::NoAnswer;
}

}  // namespace forwarding

}  // namespace lark
