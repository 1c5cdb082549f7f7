// The program's one notification-area icon: the record that describes it and its three operations.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/tray.h"

namespace lark {

class Program;

namespace tray {
constexpr std::uint32_t IconId = 1;
constexpr std::uint32_t CallbackMessage = 512;  // the mouse-move message; the real code rides in X
}  // namespace tray

// Builds the record: the tip is cut so that it fits the tip field with its terminator.
TrayRecord MakeTrayData(std::uintptr_t window, std::uint32_t id, std::uint32_t flags,
                        std::uint32_t callbackMessage, Picture icon, std::wstring_view tip);

class MdlTask {
public:
    explicit MdlTask(Program& program) : program_(program) {}
    bool TrayAdd(std::wstring_view tip);
    bool TrayModify(std::wstring_view tip);
    bool TrayDelete();
    // The tip of the last add or modify, to put the icon back after the taskbar restarts.
    const std::wstring& lastTip() const { return lastTip_; }

private:
    TrayRecord record(std::wstring_view tip) const;
    Program& program_;
    std::wstring lastTip_;
    // What the shell was last told and took. A modify that would repeat it is not sent: the monitor
    // asks five times a second, and each call is a round trip to the shell's process.
    std::optional<TrayRecord> shown_;
};

}  // namespace lark
