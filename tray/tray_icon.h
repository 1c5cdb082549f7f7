// The program's one notification-area icon: its picture and tip, and what the shell has of them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/tray.h"
#include "platform/ui.h"

namespace lark {

namespace tray {
constexpr std::uint32_t IconId = 1;
constexpr std::uint32_t CallbackMessage = 512;  // the mouse-move message; the real code rides in X
}  // namespace tray

// Builds the record: the tip is cut so that it fits the tip field with its terminator.
TrayRecord makeTrayRecord(std::uintptr_t window, std::uint32_t id, std::uint32_t flags,
                          std::uint32_t callbackMessage, Picture icon, std::wstring_view tip);

// The icon's picture and tip, as the monitor and the reclamation actions change them.
class TrayPicture {
public:
    virtual ~TrayPicture() = default;
    virtual bool show(Picture picture, std::wstring_view tip) = 0;
};

// A notification from the icon: the program's title over `text`, shown quietly, without a sound
// and not while the user has asked Windows for quiet. The text is cut to fit its field.
TrayRecord makeNoticeRecord(std::uintptr_t window, std::uint32_t id, std::wstring_view text);

// The icon belongs to the tray host's window, and its picture is that window's own icon. An empty tip
// shows the program's title.
class TrayIcon final : public TrayPicture {
public:
    TrayIcon(TrayIcons& shell, Window& host) : shell_(shell), host_(host) {}
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Puts the icon into the notification area. False when the shell does not take it.
    bool add(Picture picture, std::wstring_view tip);
    // Changes picture and tip. Nothing is sent when the shell already shows exactly this.
    bool show(Picture picture, std::wstring_view tip) override;
    // Shows a notification; the picture and tip stay.
    bool notify(std::wstring_view text);
    bool remove();
    // Puts the icon back as it was last shown, after the taskbar came back empty or when an earlier
    // add failed. A failed add with a working modify means the icon is there already.
    bool restore();
    // Sends the picture again, for the shell to take it as drawn now (after a theme change).
    bool redraw();

private:
    TrayRecord record(std::wstring_view tip) const;
    bool modify(std::wstring_view tip);

    TrayIcons& shell_;
    Window& host_;
    std::wstring tip_;  // the tip of the last add or change
    // What the shell was last told and took. A change that would repeat it is not sent: the monitor
    // asks five times a second, and each call is a round trip to the shell's process.
    std::optional<TrayRecord> shown_;
};

}  // namespace lark
