// The running copy's window, reached with WM_COPYDATA.
#pragma once

#include "platform/running_copy.h"

namespace lark::win32 {

class Win32RunningCopy final : public RunningCopy {
public:
    // Looks for a top-level window of the program's own class with this title until it appears,
    // then sends it the data and waits for the answer, both within the time given.
    std::optional<std::intptr_t> send(std::wstring_view windowTitle, std::uintptr_t tag,
                                      std::span<const std::uint8_t> data, int milliseconds) override;
};

}  // namespace lark::win32
