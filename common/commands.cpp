#include "common/commands.h"

namespace lark::forwarding {

namespace {

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

}  // namespace lark::forwarding
