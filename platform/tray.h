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
constexpr std::uint32_t Info = 0x10;  // a notification: infoTitle, info and infoFlags
constexpr std::size_t TipChars = 64;  // the tip field, its terminator included
constexpr std::size_t InfoTitleChars = 64;
constexpr std::size_t InfoChars = 256;
}  // namespace nif

// How a notification shows.
namespace niif {
constexpr std::uint32_t Information = 0x1;
constexpr std::uint32_t NoSound = 0x10;
constexpr std::uint32_t RespectQuietTime = 0x80;
}  // namespace niif

// The record that describes the program's icon to the shell.
struct TrayRecord {
    std::uintptr_t window = 0;      // the window that receives the icon's callbacks
    std::uint32_t id = 0;
    std::uint32_t flags = 0;
    std::uint32_t callbackMessage = 0;
    Picture icon = Picture::None;
    std::wstring tip;               // at most TipChars - 1 characters
    std::wstring infoTitle;         // at most InfoTitleChars - 1 characters
    std::wstring info;              // at most InfoChars - 1 characters
    std::uint32_t infoFlags = 0;
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
