// The notification-area icon service.
#pragma once

#include <cstdint>
#include <string>

#include "platform/ui.h"

namespace lark {

namespace nif {
constexpr std::uint32_t Message = 1;
constexpr std::uint32_t Icon = 2;
constexpr std::uint32_t Tip = 4;
constexpr std::size_t TipChars = 64;  // the tip field, its terminator included
}  // namespace nif

// The record that describes the program's icon to the shell.
struct TrayRecord {
    std::uintptr_t window = 0;      // the window that receives the icon's callbacks
    std::uint32_t id = 0;
    std::uint32_t flags = 0;
    std::uint32_t callbackMessage = 0;
    Picture icon = Picture::None;
    std::wstring tip;               // at most TipChars - 1 characters
    friend bool operator==(const TrayRecord&, const TrayRecord&) = default;
};

class TrayIcons {
public:
    virtual ~TrayIcons() = default;
    virtual bool add(const TrayRecord& record) = 0;
    virtual bool modify(const TrayRecord& record) = 0;
    virtual bool remove(const TrayRecord& record) = 0;
};

}  // namespace lark
