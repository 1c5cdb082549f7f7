// The commands one start of the program can be given, what a command forwarded to the running copy
// looks like on the way, and the exit codes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lark {

// What one start of the program is asked to do.
enum class Command : std::uint32_t {
    None = 0,          // no argument: the program starts as usual
    Secure = 1,        // secure free space with the stored amount
    Cleanup = 2,       // the memory cleanup in the stored mode
    CleanupStandard,   // ... in standard mode, for this run only
    CleanupFull,
    Usage,             // "/?"
    Bad,               // an unknown switch or extra words: the usage, and nothing runs
    Trim,              // trim the working sets of the user's programs
};

// Whether a cleanup command runs in standard mode, given the stored mode.
constexpr bool standardCleanup(Command command, bool stored) {
    return command == Command::Cleanup ? stored : command == Command::CleanupStandard;
}

namespace exit_code {
constexpr int Grew = 0;          // run here: available memory grew
constexpr int DidNotGrow = 1;    // run here: it did not
constexpr int BadArguments = 2;
constexpr int Accepted = 0;      // handed to the running copy, which took it
constexpr int Refused = 3;       // ... which refused it: a reclamation is running
constexpr int NoAnswer = 4;      // ... which did not answer in time
}  // namespace exit_code

// A command on its way to the running copy (the data of a window message between processes): a
// tag that says whose it is, then a version and the command, 32 bits each.
namespace forwarding {
constexpr std::uintptr_t Tag = 0x4C4B5350;  // "LKSP"
constexpr std::uint32_t Version = 1;
constexpr std::size_t Size = 8;
constexpr int AnswerMilliseconds = 5000;  // the running copy may still be showing its splash

// What the running copy answers.
constexpr std::intptr_t Ignored = 0;  // not a command of ours
constexpr std::intptr_t Accepted = 1;
constexpr std::intptr_t Refused = 2;

std::vector<std::uint8_t> encode(Command command);
// The command, or nothing for data of another tag, size or version, or a command that cannot be
// forwarded.
std::optional<Command> decode(std::uintptr_t tag, std::span<const std::uint8_t> data);
// The exit code for the running copy's answer (nothing: no answer in time).
int exitCodeFor(std::optional<std::intptr_t> answer);
}  // namespace forwarding

}  // namespace lark
