// The tray host: a window that is never shown. It owns the tray icon, answers the icon's clicks with
// the main panel or the tray menu, keeps trying to add the icon while the shell is not ready for it,
// and counts the minutes of the securing schedule. Closing it (only another program can: the
// installer, the uninstaller) ends the program whatever dialog or message box is open.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "platform/tray.h"
#include "platform/ui.h"
#include "common/commands.h"
#include "tray/tray_icon.h"

namespace lark {

// What the tray icon and its menu do. The program implements it.
class TrayCommands {
public:
    virtual ~TrayCommands() = default;
    // Activates the main panel; false while it is hidden.
    virtual bool bringPanelForward() = 0;
    // Shows the main panel in its normal state, visible and active.
    virtual void restorePanel() = 0;
    virtual void secureFreeSpace() = 0;
    virtual void runCleanup() = 0;
    virtual void trimWorkingSets() = 0;
    virtual void openOptions() = 0;
    virtual void exitProgram() = 0;
    // The schedule timer's minute.
    virtual void minutePassed() = 0;
    // A reclamation runs: a command from the command line is refused.
    virtual bool reclaiming() const = 0;
    // Runs a command handed over from the command line, as the tray menu would.
    virtual void runForwarded(Command command) = 0;
    // The hotkey registered at `index` of TrayHost::setHotkeys was pressed.
    virtual void hotkeyPressed(int index) = 0;
};

// Mouse codes the icon reports (keyboard selection is reported as the left and right presses).
namespace tray {
constexpr int LeftPress = 513, LeftRelease = 514, LeftDoubleClick = 515, RightPress = 516;
}

class TrayHost final : public WindowEvents {
public:
    enum Id : int { ScheduleTimer = 300, RetryTimer, ForwardedTimer, ShowPanelItem = 400, SecureItem, CleanupItem, OptionsItem, ExitItem, TrimItem, FirstHotkey = 500 };
    static constexpr wchar_t Title[] = L"だみい";  // a new copy with a command line finds the host by it
    static constexpr int RetryMilliseconds = 2000;
    static constexpr int RetryAttempts = 60;
    static constexpr int ScheduleMilliseconds = 60000;

    // Creates the hidden window and puts the icon into the notification area with `picture` and `tip`.
    TrayHost(Ui& ui, TrayIcons& shell, TrayCommands& commands, Picture picture, std::wstring_view tip);
    ~TrayHost() override;
    TrayHost(const TrayHost&) = delete;
    TrayHost& operator=(const TrayHost&) = delete;

    TrayIcon& icon() { return *icon_; }
    // Registers the hotkeys in place of the ones before (none for a hotkey that is none); returns
    // those another program holds, which stay unregistered.
    std::vector<Hotkey> setHotkeys(std::span<const Hotkey> hotkeys);

private:
    void onTrayMouse(int code) override;
    void onCommand(int id) override;
    void onClose() override;
    void onHotkey(int id) override;
    void onThemeChanged() override { icon_->redraw(); }
    void onShellRestart() override;
    void onTimer(int id) override;
    std::intptr_t onDataReceived(std::uintptr_t tag, std::span<const std::uint8_t> data) override;

    TrayCommands& commands_;
    std::unique_ptr<Window> window_;
    std::optional<TrayIcon> icon_;
    int retriesLeft_ = 0;
    std::size_t hotkeysRegistered_ = 0;
    std::optional<Command> forwarded_;  // taken, runs once the sender has its answer
};

}  // namespace lark
