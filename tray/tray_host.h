// The tray host: a window that is never shown. It owns the tray icon, receives its callbacks and keeps
// trying to add the icon while the shell is not ready for it.
#pragma once

#include <memory>
#include <optional>

#include "platform/tray.h"
#include "platform/ui.h"
#include "tray/tray_icon.h"

namespace lark {

class TrayHost final : public WindowEvents {
public:
    enum Id : int { RetryTimer = 301 };
    static constexpr int RetryMilliseconds = 2000;
    static constexpr int RetryAttempts = 60;

    // Creates the hidden window and puts the icon into the notification area with `picture` and `tip`.
    TrayHost(Ui& ui, TrayIcons& shell, Picture picture, std::wstring_view tip);
    ~TrayHost() override;
    TrayHost(const TrayHost&) = delete;
    TrayHost& operator=(const TrayHost&) = delete;

    TrayIcon& icon() { return *icon_; }

private:
    void onShellRestart() override;
    void onTimer(int id) override;

    std::unique_ptr<Window> window_;
    std::optional<TrayIcon> icon_;
    int retriesLeft_ = 0;
};

}  // namespace lark
