// Reaching the copy of the program that runs already: data handed to one of its windows.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace lark {

class RunningCopy {
public:
    virtual ~RunningCopy() = default;
    // Sends `data` under `tag` to the running copy's window with this title, waiting for that
    // window to appear and answer for at most `milliseconds`. Its answer, or nothing.
    virtual std::optional<std::intptr_t> send(std::wstring_view windowTitle, std::uintptr_t tag,
                                              std::span<const std::uint8_t> data, int milliseconds) = 0;
};

}  // namespace lark
